#pragma once
// Message boxes with an OK button, owned by the main window once it exists.

#include <windows.h>

#include "runtime/dialogs.h"

namespace acctgen::ui {

class MessageBoxDialogs : public rt::Dialogs {
 public:
  void set_owner(HWND owner) { owner_ = owner; }
  void ShowMessage(std::string_view text, std::string_view title, rt::MessageIcon icon) override;
  // The account generator asks for no text.
  std::string AskText(std::string_view prompt, std::string_view title,
                      std::string_view default_answer,
                      std::optional<rt::TwipsPoint> position) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace acctgen::ui

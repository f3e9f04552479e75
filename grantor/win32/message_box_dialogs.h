#pragma once
// Message boxes owned by the rights tool's window.

#include <windows.h>

#include "runtime/dialogs.h"

namespace grantor {

class MessageBoxDialogs : public rt::Dialogs {
 public:
  void set_owner(HWND owner) { owner_ = owner; }
  void ShowMessage(std::string_view text, std::string_view title, rt::MessageIcon icon) override;
  // The rights tool asks for nothing.
  std::string AskText(std::string_view, std::string_view, std::string_view,
                      std::optional<rt::TwipsPoint>) override {
    return {};
  }

 private:
  HWND owner_ = nullptr;
};

}  // namespace grantor

#pragma once
// Message boxes and the input box on Windows.

#include <windows.h>

#include "runtime/dialogs.h"

namespace rt {

class Win32Dialogs : public Dialogs {
 public:
  // The boxes belong to the owner, else to the thread's active window (none when the thread
  // has no window). The owner is disabled while a box is open.
  void set_owner(HWND owner) { owner_ = owner; }
  void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
  bool AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) override;
  // A small dialog: the prompt, one edit box holding the default answer (selected), OK and
  // Cancel. Stands at position (twips from the screen's top-left), centred when none. Returns
  // the text on OK, an empty text on Cancel or when the box is closed.
  std::string AskText(std::string_view prompt, std::string_view title,
                      std::string_view default_answer,
                      std::optional<TwipsPoint> position = std::nullopt) override;

 private:
  HWND Owner() const;

  HWND owner_ = nullptr;
};

// The style bits of a message box with an OK button and this icon.
UINT MessageBoxStyle(MessageIcon icon);
// The style bits of a message box with Yes and No, No the default, and this icon.
UINT QuestionBoxStyle(MessageIcon icon);

// The input box's control identifiers, for whoever reads the box from outside.
inline constexpr int kInputBoxPromptId = 1001;
inline constexpr int kInputBoxAnswerId = 1002;

}  // namespace rt

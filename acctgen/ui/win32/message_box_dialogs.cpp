#include "acctgen/ui/win32/message_box_dialogs.h"

#include <string>

namespace acctgen::ui {

void MessageBoxDialogs::ShowMessage(std::string_view text, std::string_view title,
                                    rt::MessageIcon icon) {
  UINT style = MB_OK;
  switch (icon) {
    case rt::MessageIcon::kCritical:
      style |= MB_ICONERROR;
      break;
    case rt::MessageIcon::kWarning:
      style |= MB_ICONWARNING;
      break;
    case rt::MessageIcon::kInformation:
      style |= MB_ICONINFORMATION;
      break;
    case rt::MessageIcon::kNone:
      break;
  }
  const std::string body(text);
  const std::string caption(title);
  MessageBoxA(owner_, body.c_str(), caption.c_str(), style);
}

std::string MessageBoxDialogs::AskText(std::string_view, std::string_view, std::string_view,
                                       std::optional<rt::TwipsPoint>) {
  return {};
}

}  // namespace acctgen::ui

#include "grantor/win32/message_box_dialogs.h"

#include <string>

namespace grantor {

void MessageBoxDialogs::ShowMessage(std::string_view text, std::string_view title,
                                    rt::MessageIcon icon) {
  UINT flags = MB_OK | MB_SETFOREGROUND;
  switch (icon) {
    case rt::MessageIcon::kCritical:
      flags |= MB_ICONERROR;
      break;
    case rt::MessageIcon::kWarning:
      flags |= MB_ICONWARNING;
      break;
    case rt::MessageIcon::kInformation:
      flags |= MB_ICONINFORMATION;
      break;
    case rt::MessageIcon::kNone:
      break;
  }
  MessageBoxA(owner_, std::string(text).c_str(), std::string(title).c_str(), flags);
}

}  // namespace grantor

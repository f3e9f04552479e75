#include "runtime/dialogs.h"
#include "runtime/shell.h"

namespace rt {

const char* IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kNone:
      return "none";
    case MessageIcon::kCritical:
      return "critical";
    case MessageIcon::kWarning:
      return "warning";
    case MessageIcon::kInformation:
      return "information";
  }
  return "?";
}

const char* WindowStyleName(WindowStyle style) {
  return style == WindowStyle::kMaximizedFocus ? "maximized" : "normal";
}

}  // namespace rt

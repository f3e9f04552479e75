#pragma once
// The Windows shell under the name the other Win32 platform classes follow.

#include "runtime/win32/shell_starter.h"

namespace rt {

using Win32Shell = ShellStarter;

}  // namespace rt

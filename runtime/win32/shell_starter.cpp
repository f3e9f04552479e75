#include "runtime/win32/shell_starter.h"

#include <windows.h>
// shellapi.h needs windows.h ahead of it.
#include <shellapi.h>

#include <string>

#include "runtime/error.h"

namespace rt {

void ShellStarter::Start(std::string_view command_line, WindowStyle style) {
  std::string line(command_line);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = style == WindowStyle::kMaximizedFocus ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    throw RuntimeError(kFileNotFound, line);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

long ShellStarter::OpenDocument(std::string_view file) {
  const HINSTANCE result = ShellExecuteA(GetDesktopWindow(), "open", std::string(file).c_str(),
                                         nullptr, nullptr, SW_SHOWNORMAL);
  return static_cast<long>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace rt

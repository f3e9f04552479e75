#include "grantor/win32/win32_platform.h"

#include <shellapi.h>

#include <string>

#include "runtime/error.h"

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

void ShellStarter::Start(std::string_view command_line, rt::WindowStyle style) {
  std::string line(command_line);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow =
      style == rt::WindowStyle::kMaximizedFocus ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  // A batch file runs in the command interpreter, in a console of its own.
  std::string command = "cmd.exe /c \"" + line + "\"";
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                      nullptr, &startup, &process)) {
    throw rt::RuntimeError(rt::kFileNotFound, line);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

long ShellStarter::OpenDocument(std::string_view file) {
  return static_cast<long>(reinterpret_cast<INT_PTR>(ShellExecuteA(
      GetDesktopWindow(), "open", std::string(file).c_str(), nullptr, nullptr, SW_SHOWNORMAL)));
}

}  // namespace grantor

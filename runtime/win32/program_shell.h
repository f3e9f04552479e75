#pragma once
// The frame every program runs in: its window opened, the message loop, and the one failure
// boundary. An error nobody handled, out of memory included, whether at start-up or in any
// window's reaction, is reported the same way (its number and description with the support
// text), every file is closed and the program ends.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "runtime/files.h"

namespace rt::win32 {

class ProgramShell {
 public:
  // failure_title captions the failure box; files are closed as the program ends.
  ProgramShell(std::string_view failure_title, Files& files);
  ~ProgramShell();
  ProgramShell(const ProgramShell&) = delete;
  ProgramShell& operator=(const ProgramShell&) = delete;

  // The program's shell; nullptr outside a program (a test's window has none).
  static ProgramShell* Current();

  // Runs open (start-up, then the window made and shown) under the failure boundary, then the
  // messages until the program ends. open returns the main window, or nullptr when start-up ended
  // the program. Returns the exit code.
  int Run(const std::function<HWND()>& open);
  // Runs work under the failure boundary.
  void Guard(const std::function<void()>& work);
  // Reports the failure over the main window, closes every file and ends the program.
  [[noreturn]] void Fail(int number, const std::string& description);
  // Closes every file and ends the message loop: the program's own end.
  void End();

 private:
  void CloseEveryFile();

  std::string failure_title_;
  Files& files_;
  HWND main_window_ = nullptr;
};

// Runs the thread's message loop until WM_QUIT, giving each top-level window's keyboard messages
// to IsDialogMessage first (Tab, Shift+Tab, arrows in option groups, access keys, Enter, Esc).
// Returns the WM_QUIT exit code.
int RunMessageLoop();

}  // namespace rt::win32

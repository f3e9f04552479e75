#include "runtime/win32/program_shell.h"

#include <new>
#include <stdexcept>

#include "runtime/error.h"
#include "runtime/support_texts.h"

namespace rt::win32 {

namespace {

// Reported for a failure that carries no error number of its own.
constexpr int kInternalError = 51;
constexpr int kOutOfMemory = 7;

ProgramShell* g_shell = nullptr;

}  // namespace

ProgramShell::ProgramShell(std::string_view failure_title, Files& files)
    : failure_title_(failure_title), files_(files) {
  g_shell = this;
}

ProgramShell::~ProgramShell() {
  if (g_shell == this) g_shell = nullptr;
}

ProgramShell* ProgramShell::Current() { return g_shell; }

int ProgramShell::Run(const std::function<HWND()>& open) {
  Guard([&] { main_window_ = open(); });
  if (main_window_ == nullptr) return 0;
  return RunMessageLoop();
}

void ProgramShell::Guard(const std::function<void()>& work) {
  try {
    work();
  } catch (const RuntimeError& error) {
    Fail(error.number(), error.description());
  } catch (const std::bad_alloc&) {
    Fail(kOutOfMemory, DescribeError(kOutOfMemory));
  } catch (const std::exception& error) {
    Fail(kInternalError, error.what());
  }
}

void ProgramShell::Fail(int number, const std::string& description) {
  const std::string text = FailureReportText(number, description);
  HWND owner = IsWindow(main_window_) ? main_window_ : nullptr;
  MessageBoxA(owner, text.c_str(), failure_title_.c_str(), MB_OK | MB_ICONERROR);
  CloseEveryFile();
  ExitProcess(1);
}

void ProgramShell::End() {
  CloseEveryFile();
  PostQuitMessage(0);
}

void ProgramShell::CloseEveryFile() {
  try {
    files_.CloseAll();
  } catch (const RuntimeError&) {  // the program ends either way
  }
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    // Each top-level window of the thread navigates among its own controls.
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && IsDialogMessageA(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace rt::win32

// wizard.exe: the six-step launcher. Its one window runs each step on a click; a step that
// fails shows the error's number and description and the program ends.

#include <windows.h>
// windows.h first: commctrl.h builds on it.
#include <commctrl.h>

#include <string>

#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/win32/shell_starter.h"
#include "runtime/win32/win32_dialogs.h"
#include "runtime/win32/win32_file_system.h"
#include "wizard/logic/failure_report.h"
#include "wizard/logic/wizard_form.h"
#include "wizard/logic/wizard_steps.h"
#include "wizard/win32/wizard_window.h"

namespace {

struct Program {
  rt::Win32FileSystem file_system;
  rt::Files files{file_system};
  rt::Win32Dialogs dialogs;
  rt::ShellStarter shell;
  wizard::WizardSteps steps{files, dialogs, shell};
};

// The default failure path: the error's number and description, then the program ends.
[[noreturn]] void FailAndEnd(Program& program, HWND owner, int number,
                             const std::string& description) {
  const std::string text = wizard::FailureReportText(number, description);
  const std::string title(wizard::kWindowTitle);
  MessageBoxA(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
  try {
    program.files.CloseAll();
  } catch (const rt::RuntimeError&) {  // the program ends either way
  }
  ExitProcess(1);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX common{sizeof common, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&common);

  static Program program;  // lives until the process ends
  wizard::WizardWindow window(instance, program.steps,
                              [&](HWND owner, int number, const std::string& description) {
                                FailAndEnd(program, owner, number, description);
                              });
  program.dialogs.set_owner(window.Create());
  window.Show();

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (window.HandleDialogMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

// wizard.exe: the six-step launcher. Its one window runs each step on a click; a step that
// fails shows the error's number and description and the program ends.

#include <windows.h>

#include <string>

#include "runtime/files.h"
#include "runtime/win32/controls.h"
#include "runtime/win32/failure_exit.h"
#include "runtime/win32/shell_starter.h"
#include "runtime/win32/win32_dialogs.h"
#include "runtime/win32/win32_file_system.h"
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

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  static Program program;  // lives until the process ends
  wizard::WizardWindow window(instance, program.steps,
                              [&](HWND owner, int number, const std::string& description) {
                                rt::win32::ReportFailureAndEnd(owner, wizard::kWindowTitle, number,
                                                               description, program.files);
                              });
  program.dialogs.set_owner(window.Create());
  window.Show();
  return rt::win32::RunMessageLoop(window.handle());
}

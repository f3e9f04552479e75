// wizard.exe: the six-step launcher. Its one window runs each step on a click.

#include <windows.h>

#include "runtime/files.h"
#include "runtime/win32/program_shell.h"
#include "runtime/win32/shell_starter.h"
#include "runtime/win32/win32_dialogs.h"
#include "runtime/win32/win32_file_system.h"
#include "wizard/logic/wizard_steps.h"
#include "wizard/win32/wizard_layout.h"
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
  rt::win32::ProgramShell program_shell(wizard::kWindowTitle, program.files);
  wizard::WizardWindow window(instance, program.steps);
  return program_shell.Run([&] {
    program.dialogs.set_owner(window.Create());
    window.Show();
    return window.handle();
  });
}

// acctgen.exe: start-up under its error trap with the "Processing..." form, then the main form.

#include <windows.h>

#include <string>

#include "acctgen/logic/run/create_run.h"
#include "acctgen/logic/startup/startup.h"
#include "acctgen/logic/startup/throttled_progress.h"
#include "acctgen/ui/form_model.h"
#include "acctgen/ui/product.h"
#include "acctgen/ui/win32/main_form_view.h"
#include "acctgen/ui/win32/progress_form_view.h"
#include "acctgen/ui/win32/sort_library.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/random_source.h"
#include "runtime/system_clock.h"
#include "runtime/win32/program_shell.h"
#include "runtime/win32/shell_starter.h"
#include "runtime/win32/win32_dialogs.h"
#include "runtime/win32/win32_file_system.h"

namespace {

using acctgen::ui::FormModel;

// Everything the program keeps from start-up until it ends.
struct Program {
  rt::Win32FileSystem file_system;
  rt::Files files{file_system};
  acctgen::LibraryLineSorter sorter;
  rt::SystemClock clock;
  rt::Win32Dialogs dialogs;
  FormModel form{dialogs};
  acctgen::StartupState startup;
  rt::ShellStarter shell;
  rt::SystemRandomSource random;

  acctgen::Services Services(acctgen::ProgressSink& progress) {
    return {files, dialogs, shell, clock, random, progress, sorter};
  }
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  static Program program;  // lives until the process ends
  acctgen::ui::ProgressFormView progress(instance);
  progress.Show();
  // The Create run names every student and every existing account.
  acctgen::ThrottledProgress create_progress(progress);

  rt::win32::ProgramShell program_shell(acctgen::ui::kFailureTitle, program.files);
  acctgen::ui::MainFormView view(instance, program.form);
  // The Create run takes the form's values and the start-up state from here; one that gets past
  // the checks ends the program.
  program.form.on_create = [&](const acctgen::Options& options) {
    const acctgen::CreateOutcome outcome =
        acctgen::RunCreate(options, program.startup, program.Services(create_progress));
    if (outcome.end == acctgen::CreateEnd::kRefused) {
      view.Focus(program.form.Get(outcome.focus_field).row.name);
    } else if (outcome.end == acctgen::CreateEnd::kFailed) {
      program_shell.Fail(outcome.error, outcome.error_description);
    } else {
      PostQuitMessage(0);
    }
  };
  program.form.on_exit = [&] { program_shell.End(); };
  return program_shell.Run([&]() -> HWND {
    if (acctgen::RunStartup(program.Services(progress), program.form, program.startup).end ==
        acctgen::StartupEnd::kEndProgram) {
      return nullptr;
    }
    progress.Hide();
    program.dialogs.set_owner(view.Create());
    view.Show();
    return view.handle();
  });
}

// grantor.exe: checks the student export on the floppy disk, then shows the rights tool's window;
// "Set Rights" rewrites the intranet package's shortcut file and starts the rights batch.

#include <windows.h>

#include <optional>

#include "grantor/logic/login_maker.h"
#include "grantor/logic/rights_run.h"
#include "grantor/logic/startup_checks.h"
#include "grantor/logic/support_message.h"
#include "grantor/win32/rights_window.h"
#include "runtime/files.h"
#include "runtime/win32/program_shell.h"
#include "runtime/win32/shell_starter.h"
#include "runtime/win32/win32_dialogs.h"
#include "runtime/win32/win32_file_system.h"
#include "school/saved_settings.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
  rt::Win32FileSystem file_system;
  rt::Files files(file_system);
  rt::Win32Dialogs dialogs;
  rt::ShellStarter shell;
  rt::win32::ProgramShell program_shell(grantor::kProgramTitle, files);

  grantor::StartupResult startup;
  std::optional<grantor::RightsWindow> window;
  return program_shell.Run([&]() -> HWND {
    startup = grantor::RunStartupChecks(files, dialogs);
    if (!startup.StudentExport) return nullptr;
    window.emplace(instance, school::SavedNetbiosDomain(files),
                   [&](const std::string& path, school::LoginFormat format,
                       const grantor::RightsBatch& choice) {
                     const grantor::RunOutcome outcome =
                         grantor::RunSetRights(files, dialogs, shell, path, *startup.StudentExport,
                                               grantor::MakeLoginMaker(format), choice);
                     if (outcome == grantor::RunOutcome::kFinished) window->Close();
                   });
    dialogs.set_owner(window->Create());
    window->Show(show_command);
    return window->handle();
  });
}

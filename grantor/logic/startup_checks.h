#pragma once
// What the rights tool does before its window shows: open the student export on the floppy disk
// and keep it open, refuse a badly exported one, and ask for the disk until it is in the drive.

#include <optional>

#include "runtime/dialogs.h"
#include "runtime/files.h"

namespace grantor {

struct StartupResult {
  // The open student export at its first line; empty when start-up ended the program.
  std::optional<rt::FileNumber> StudentExport;
};

// Opens the export, repeating the floppy prompt for as long as the disk is not ready. A fatal
// problem is shown as "Severe Problem", every file is closed, and the result holds no export:
// the caller then ends the program without showing the window.
StartupResult RunStartupChecks(rt::Files& files, rt::Dialogs& dialogs);

}  // namespace grantor

#include "grantor/logic/startup_checks.h"

#include "grantor/logic/support_message.h"
#include "runtime/error.h"
#include "school/procedure_files.h"
#include "school/startup_texts.h"

namespace grantor {

namespace {

constexpr char kMissingExport[] =
    "The school.txt file from Ondrel or the Trellis is not on your floppy disk.  Please put the "
    "correct diskette in.  This utility will now close.";

// Closing can fail on a disk that has just gone; the program ends either way.
void CloseAllQuietly(rt::Files& files) {
  try {
    files.CloseAll();
  } catch (const rt::RuntimeError&) {
  }
}

StartupResult Fatal(rt::Files& files, rt::Dialogs& dialogs, std::string_view text) {
  dialogs.ShowMessage(text, school::kSevereProblemTitle, rt::MessageIcon::kCritical);
  CloseAllQuietly(files);
  return {};
}

}  // namespace

StartupResult RunStartupChecks(rt::Files& files, rt::Dialogs& dialogs) {
  for (;;) {
    try {
      const rt::FileNumber export_file = files.OpenInput(school::kStudentExportPath);
      if (files.Length(export_file) < school::kMinimumStudentExportBytes) {
        return Fatal(files, dialogs, school::kStudentExportTooShort);
      }
      return {export_file};
    } catch (const rt::RuntimeError& error) {
      switch (error.number()) {
        case rt::kFileNotFound:
          return Fatal(files, dialogs, kMissingExport);
        case rt::kDeviceIoError:
          return Fatal(files, dialogs, school::kBadSectors);
        case rt::kDiskNotReady:
          dialogs.ShowMessage(school::kInsertFloppy, school::kFloppyTitle,
                              rt::MessageIcon::kCritical);
          CloseAllQuietly(files);
          break;  // and try again
        default:
          return Fatal(files, dialogs, rt::GenericSupportMessage(error.number()));
      }
    }
  }
}

}  // namespace grantor

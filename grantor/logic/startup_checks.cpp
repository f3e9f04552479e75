#include "grantor/logic/startup_checks.h"

#include "grantor/logic/support_message.h"
#include "runtime/error.h"

namespace grantor {

namespace {

constexpr char kBadExport[] =
    "It appears that school.txt file has not been exported from KORU correctly.  This utility "
    "will now close.";
constexpr char kMissingExport[] =
    "The school.txt file from Ondrel or the Trellis is not on your floppy disk.  Please put the "
    "correct diskette in.  This utility will now close.";
constexpr char kBadSectors[] =
    "It appears that the floppy disk has developed some bad sectors or the drive needs "
    "cleaning.  This utility will now close.";
constexpr char kFloppyTitle[] = "Where's the Floppy?";
constexpr char kFloppyPrompt[] =
    "The Win2000 floppy disk with your exported school.txt file is not in the floppy drive.  "
    "Please insert it then click OK.";

// Closing can fail on a disk that has just gone; the program ends either way.
void CloseAllQuietly(rt::Files& files) {
  try {
    files.CloseAll();
  } catch (const rt::RuntimeError&) {
  }
}

StartupResult Fatal(rt::Files& files, rt::Dialogs& dialogs, std::string_view text) {
  dialogs.ShowMessage(text, kSevereProblemTitle, rt::MessageIcon::kCritical);
  CloseAllQuietly(files);
  return {};
}

}  // namespace

StartupResult RunStartupChecks(rt::Files& files, rt::Dialogs& dialogs) {
  for (;;) {
    try {
      const rt::FileNumber export_file = files.OpenInput(kStudentExportPath);
      if (files.Length(export_file) < kMinimumExportBytes) return Fatal(files, dialogs, kBadExport);
      return {export_file};
    } catch (const rt::RuntimeError& error) {
      switch (error.number()) {
        case rt::kFileNotFound:
          return Fatal(files, dialogs, kMissingExport);
        case rt::kDeviceIoError:
          return Fatal(files, dialogs, kBadSectors);
        case rt::kDiskNotReady:
          dialogs.ShowMessage(kFloppyPrompt, kFloppyTitle, rt::MessageIcon::kCritical);
          CloseAllQuietly(files);
          break;  // and try again
        default:
          return Fatal(files, dialogs, GenericSupportMessage(error.number()));
      }
    }
  }
}

}  // namespace grantor

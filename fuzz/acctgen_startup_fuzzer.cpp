// Start-up over any directory export and any settings file, through the real form model.
// The input is the export, a NUL byte, then the settings file. Start-up must end in exactly
// one of its outcomes, never half-load the accounts, and leave the form's fields enabled as
// their boxes say.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "acctgen/logic/startup/startup.h"
#include "acctgen/testing/files_line_sorter.h"
#include "acctgen/ui/form_model.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/test_drives.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static rt::testing::TestDrives* drives = new rt::testing::TestDrives();
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string export_text = input.substr(0, split);
  const std::string settings = split == std::string::npos ? "" : input.substr(split + 1);

  drives->WriteHostFile("A:\\school.txt", std::string(120, 'x'));
  drives->WriteHostFile("C:\\exportad.csv", export_text);
  drives->WriteHostFile("C:\\trellis.ini", settings);

  rt::Files files(drives->file_system());
  acctgen::testing::FilesLineSorter sorter(files);
  rt::testing::RecordingDialogs dialogs;
  rt::testing::FixedClock clock({2026, 12, 8, 8, 0, 0});
  acctgen::ui::FormModel form(dialogs);
  rt::testing::RecordingShell shell;
  rt::testing::SequenceRandom random({0.5});
  acctgen::SilentProgress progress;
  acctgen::StartupState state;
  const acctgen::StartupOutcome outcome =
      acctgen::RunStartup({files, dialogs, shell, clock, random, progress, sorter}, form, state);

  if (outcome.end == acctgen::StartupEnd::kEndProgram) {
    Check(outcome.message == acctgen::kExportIncomplete);
    Check(!state.StudentExport.has_value());
  } else {
    Check(static_cast<std::int64_t>(state.ExistingAccounts.size()) == state.ExistingCount);
    Check(state.StudentExport.has_value());
    // Only the owner box's own check may speak while restoring.
    for (const auto& message : dialogs.messages) Check(message.title == "Please Note");
  }
  Check(form.Get("Text6").enabled == !form.Get("Check4").checked);
  Check(form.Get("Label15").enabled == !form.Get("Check4").checked);
  Check(form.Get("Text8").enabled == form.Get("Check19").checked);
  if (form.Get("Check18").checked) {
    Check(!form.Get("Option11").enabled && !form.Get("Option12").enabled);
  }
  if (form.Get("Check20").checked) Check(!form.Get("Text9").text.empty());
  files.CloseAll();
  return 0;
}

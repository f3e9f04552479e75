#pragma once
// Start-up of the account generator, before the main form is shown: the current year, the
// existing accounts from the directory export, the student export opened and checked, the saved
// settings restored. Each step handles the errors it understands where it meets them: opening the
// directory export takes its absence as a first run, reading an export takes a short one as
// incomplete; any step asks again for a missing floppy disk and ends the program for the rest.

#include <string>
#include <string_view>

#include "acctgen/logic/form/settings_file.h"
#include "acctgen/logic/startup/services.h"
#include "acctgen/logic/startup/startup_state.h"
#include "school/startup_texts.h"

namespace acctgen {

// The texts of the student export's problems are the school's (school/startup_texts.h); these
// belong to the generator alone.
inline constexpr std::string_view kPleaseWait = "Please Wait...";

inline constexpr std::string_view kStepOneNotRun =
    "It appears that you have either not run Step 1 or not exported student details from KORU "
    "and created the school.txt file on your floppy disk.  Please do that first.  This utility "
    "will now close.";
inline constexpr std::string_view kExportIncomplete =
    "The export of existing accounts in C:\\exportad.csv is incomplete.  Please run Step 1 of "
    "the Wizard again.  This utility will now close.";

enum class StartupEnd {
  kShowForm,   // the main form may be shown; the state is filled
  kEndProgram  // a severe problem was reported and every file is closed
};

struct StartupOutcome {
  StartupEnd end = StartupEnd::kShowForm;
  // The error that ended the program (0 when none), and the message shown for it.
  int error = 0;
  std::string message;
  // Passes over the directory export: 1, plus one for each floppy retry.
  int passes = 0;
};

// Runs every start-up step in order; fills state for the Create run and restores the saved
// settings into the main form.
StartupOutcome RunStartup(const Services& services, SettingsTarget& form, StartupState& state);

}  // namespace acctgen

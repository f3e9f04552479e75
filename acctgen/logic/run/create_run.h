#pragma once
// The Create run: the form checks, then every output file in its order (the user-creation script,
// step 4, the heads, the student pass, the tails, the obsolete-accounts report), the settings and
// the completion. A run that gets past the checks always ends the program.

#include <string>
#include <string_view>

#include "acctgen/logic/form/form_fields.h"
#include "acctgen/logic/form/options.h"
#include "acctgen/logic/startup/services.h"
#include "acctgen/logic/startup/startup_state.h"

namespace acctgen {

enum class CreateEnd {
  kRefused,     // a check failed: its message was shown, nothing was written, the form stays open
  kSuccess,     // every file written, the success message shown
  kDataErrors,  // every file written, the error log shown in Notepad
  kFailed,      // an error stopped the run; the files written so far stay, all are closed
};

struct CreateOutcome {
  CreateEnd end = CreateEnd::kRefused;
  // The option whose field gets the keyboard focus after a refused run.
  Field focus_field = Field::kNone;
  // The error that stopped a failed run, for the default failure report.
  int error = 0;
  std::string error_description;

  bool EndsProgram() const { return end != CreateEnd::kRefused; }
};

// Checks the options (the DNS name comes trimmed, as the form's Create button leaves it) and,
// when they pass, writes every output file. An error of the file system stops the run: every file
// is closed and the outcome names the error, which the window reports before the program ends.
CreateOutcome RunCreate(const Options& options, const StartupState& startup,
                        const Services& services);

}  // namespace acctgen

#pragma once
// How a Create run ends: the data-error ending (the log opens in Notepad) or the success ending,
// and what is left to do when an error stops the run.

#include <string>
#include <string_view>

#include "acctgen/logic/batch_files/output_files.h"
#include "acctgen/logic/startup/progress_sink.h"
#include "runtime/dialogs.h"
#include "runtime/files.h"
#include "runtime/shell.h"

namespace acctgen {

// The log is named in full: Notepad would otherwise look for it in whatever folder it starts in
// and show an empty new file instead of the errors.
inline constexpr std::string_view kErrorLogCommand = "Notepad a:\\errorlog.txt";

inline constexpr std::string_view kDataErrorsText =
    "There were errors found in your KORU data.  Click OK to view the errors.";
inline constexpr std::string_view kDataErrorsTitle = "Errors in KORU Data";
inline constexpr std::string_view kSuccessText =
    "Step 2 Completed Successfully.  Please continue with Step 3.";
inline constexpr std::string_view kSuccessTitle = "Success!";

enum class RunEnding { kSuccess, kDataErrors };

// Adds the advice lines to a non-empty error log, hides the progress form, closes every open
// file and shows the ending's message; with data errors it then starts Notepad on the log.
// The program ends afterwards.
RunEnding CompleteRun(rt::Files& files, const OutputFiles& out, rt::Dialogs& dialogs,
                      rt::Shell& shell, ProgressSink& progress);

// The first half of the default failure path: closes whatever is still open, so that what was
// written reaches the disk. The window then reports the error and the program ends.
void CloseAfterFailure(rt::Files& files);

}  // namespace acctgen

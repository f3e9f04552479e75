#include "acctgen/logic/run/completion.h"

#include "runtime/error.h"

namespace acctgen {

RunEnding CompleteRun(rt::Files& files, const OutputFiles& out, rt::Dialogs& dialogs,
                      rt::Shell& shell, ProgressSink& progress) {
  const bool errors_found = files.Length(out.ErrorLog) > 0;
  if (errors_found) {
    files.PrintLine(out.ErrorLog, " ");
    files.PrintLine(out.ErrorLog,
                    "Please correct these errors in KORU, re-export and re-run this utility.");
    files.PrintLine(out.ErrorLog, "Do NOT run this utility until these corrections are made.");
  }
  progress.ShowItem("");
  progress.Hide();
  files.CloseAll();

  if (errors_found) {
    dialogs.ShowMessage(kDataErrorsText, kDataErrorsTitle, rt::MessageIcon::kCritical);
    shell.Start(kErrorLogCommand, rt::WindowStyle::kNormalFocus);
    return RunEnding::kDataErrors;
  }
  dialogs.ShowMessage(kSuccessText, kSuccessTitle, rt::MessageIcon::kInformation);
  return RunEnding::kSuccess;
}

void CloseAfterFailure(rt::Files& files) {
  try {
    files.CloseAll();
  } catch (const rt::RuntimeError&) {
    // The error that stopped the run is the one the administrator needs to see.
  }
}

}  // namespace acctgen

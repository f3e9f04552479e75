#pragma once
// Leavers with tools whose import changes the accounts that exist already: a leaver's account is
// disabled and moved into the Leavers unit of the run's year, where it can come back, and the
// first run of a later year deletes it. "A:\deleted.txt" says what step 4 does to each account.

#include <string>
#include <string_view>

#include "acctgen/logic/account_files/leaver_entries.h"
#include "acctgen/logic/form/options.h"
#include "acctgen/logic/startup/progress_sink.h"
#include "acctgen/logic/startup/startup_state.h"
#include "acctgen/logic/students/run_state.h"
#include "runtime/files.h"
#include "runtime/shell.h"

namespace acctgen {

// What the import does to existing accounts: it brings back the accounts of the run's returning
// students and, when the form asks to remove leavers, disables and moves each leaver (an account
// outside the Leavers units that no student of the run holds and no student line could hold) and
// deletes each account that went into a Leavers unit in an earlier year and that no student of
// the run holds. An account whose export gives no account control gets the one the form gives
// new accounts (disabled, for one in a Leavers unit).
LeaverChanges FindLeaverChanges(const Options& options, const StartupState& startup,
                                const RunState& run, const LdifRunTexts& texts,
                                ProgressSink& progress);

// Writes "A:\deleted.txt": each account disabled, with the run that deletes it, and each account
// deleted, with the home folder that stays; starts Notepad on it when it names any. Returns
// whether it did.
bool WriteLeaversReport(rt::Files& files, const Options& options, const LeaverChanges& changes,
                        rt::Shell& shell);

}  // namespace acctgen

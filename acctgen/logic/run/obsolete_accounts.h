#pragma once
// The obsolete-accounts report: every existing student account that no login of this run
// matches gets a delete command at the end of step 5 and a line in "A:\deleted.txt", which then
// opens in Notepad for review.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "acctgen/logic/startup/progress_sink.h"
#include "acctgen/logic/startup/startup_state.h"
#include "acctgen/logic/students/student_login_stems.h"
#include "runtime/files.h"
#include "runtime/shell.h"
#include "school/login_names.h"

namespace acctgen {

inline constexpr std::string_view kDeletedReportPath = "A:\\deleted.txt";
inline constexpr std::string_view kDeletedReportCommand = "Notepad.exe a:\\deleted.txt";

// Writes the report and the delete commands into the open step 5 file for every existing
// account that no current login equals (exact, case-sensitive) and that no student line of
// school.txt may hold (students), in the order of the existing list, naming each existing account
// on the progress form as it is compared; starts Notepad on the report when it lists any account.
// Returns whether it did. The current logins are those the run handed out: its numbering already
// holds them in a table, so none is built again here. A delete command names its account in
// double quotes; an account whose name cannot stand in them safely gets none and is listed
// apart, for a person to delete.
// The end of the report, after its list: what was found is left to a person (each name after
// the lead lines), the advice lines when anything was found, the closing line; then the report
// is closed and opens in Notepad when anything was found.
template <typename Names>
void FinishDeletedReport(rt::Files& files, rt::FileNumber report, rt::Shell& shell, bool found,
                         std::initializer_list<std::string_view> by_hand_lead, const Names& by_hand,
                         std::initializer_list<std::string_view> advice) {
  files.PrintLine(report, " ");
  if (!by_hand.empty()) {
    for (std::string_view line : by_hand_lead) files.PrintLine(report, line);
    files.PrintLine(report, " ");
    for (std::string_view name : by_hand) files.PrintLine(report, name);
    files.PrintLine(report, " ");
  }
  if (found) {
    for (std::string_view line : advice) files.PrintLine(report, line);
  }
  files.PrintLine(report, " ");
  files.PrintLine(report, "Please close this window when ready.");
  files.Close(report);
  if (found) shell.Start(kDeletedReportCommand, rt::WindowStyle::kNormalFocus);
}

bool WriteObsoleteAccountsReport(rt::Files& files, rt::FileNumber step5,
                                 const std::vector<ExistingAccount>& existing_accounts,
                                 const school::LoginNumbering& current_logins,
                                 const StudentLoginStems& students, ProgressSink& progress,
                                 rt::Shell& shell);

}  // namespace acctgen

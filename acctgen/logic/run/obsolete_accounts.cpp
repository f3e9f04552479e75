#include "acctgen/logic/run/obsolete_accounts.h"

#include "runtime/text.h"

namespace acctgen {

bool WriteObsoleteAccountsReport(rt::Files& files, rt::FileNumber step5,
                                 const std::vector<ExistingAccount>& existing_accounts,
                                 const school::LoginNumbering& current_logins,
                                 const StudentLoginStems& students, ProgressSink& progress,
                                 rt::Shell& shell) {
  progress.ShowPhase("Checking for Obsolete Accounts");
  const rt::FileNumber report = files.OpenOutput(kDeletedReportPath);
  files.PrintLine(report, "The following accounts will be deleted as they have left the school:");
  files.PrintLine(report, " ");

  bool found = false;
  // Names the command interpreter would misread even in quotes: a person deletes them.
  std::vector<std::string_view> by_hand;
  for (const ExistingAccount& account : existing_accounts) {
    const std::string& name = account.Name;
    progress.ShowItem(name);
    if (current_logins.Taken(name) || students.MayBelongToAStudent(name)) continue;
    found = true;
    if (!rt::SafeInQuotes(name)) {
      by_hand.push_back(name);
      continue;
    }
    files.PrintLine(step5, {"NET USER /delete ", rt::QuotedField(name), " /DOMAIN"});
    files.PrintLine(report, name);
  }

  if (!found) files.PrintLine(report, "NO ACCOUNTS TO DELETE");
  FinishDeletedReport(files, report, shell, found,
                      {"These accounts have left too, but their names cannot be put safely into "
                       "step5.bat: please delete them yourself."},
                      by_hand,
                      {"The home folders for these users will not be deleted automatically.",
                       "You should manually check the contents of their home folders and",
                       "delete them if no longer required."});
  return found;
}

}  // namespace acctgen

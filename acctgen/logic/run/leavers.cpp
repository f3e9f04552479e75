#include "acctgen/logic/run/leavers.h"

#include <charconv>

#include "acctgen/logic/run/obsolete_accounts.h"
#include "acctgen/logic/startup/account_place.h"
#include "runtime/concat.h"
#include "runtime/text.h"

namespace acctgen {

namespace {

// The account control the export gives, or `otherwise` when it gives none that reads as one.
int AccountControlOf(const StartupState& startup, std::size_t i, int otherwise) {
  const std::string text = rt::Trim(startup.ExistingAccounts[i].UserAccountControl);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0) {
    return otherwise;
  }
  return value;
}

std::string_view DnOf(const StartupState& startup, std::size_t i) {
  return startup.ExistingAccounts[i].DistinguishedName;
}

ExistingEntry EntryOf(const StartupState& startup, std::size_t i, AccountPlace place,
                      int otherwise_control) {
  const ExistingAccount& account = startup.ExistingAccounts[i];
  return {account.Name, std::move(place.rdn), std::move(place.parent),
          AccountControlOf(startup, i, otherwise_control), account.HomeDirectory};
}

// The leaving-year folder of an account in a leaving-year unit: "2027" for "OU=2027,...".
std::string_view LeavingYearOf(std::string_view parent) {
  if (parent.size() < 8 || !rt::EqualsIgnoreCase1252(parent.substr(0, 3), "OU=") ||
      parent[7] != ',') {
    return "";
  }
  const std::string_view year = parent.substr(3, 4);
  for (char c : year) {
    if (c < '0' || c > '9') return "";
  }
  return year;
}

}  // namespace

LeaverChanges FindLeaverChanges(const Options& options, const StartupState& startup,
                                const RunState& run, const LdifRunTexts& texts,
                                ProgressSink& progress) {
  LeaverChanges changes;
  changes.year = startup.CurrentYear;
  changes.leavers_unit = LeaversUnit(texts);
  const int new_control = NewAccountControl(texts);

  for (const RunState::ReturningAccount& returning : run.Returning) {
    ExistingEntry account =
        EntryOf(startup, returning.existing, PlaceOf(DnOf(startup, returning.existing)),
                new_control | kAccountDisabled);
    const std::string unit = returning.ou_path.empty() ? "CN=Users," + texts.ds_root
                                                       : returning.ou_path + "," + texts.ds_root;
    changes.returning.push_back({std::move(account), unit});
  }
  if (!options.delete_leavers) return changes;

  progress.ShowPhase("Checking for Obsolete Accounts");
  for (std::size_t i = 0; i < startup.ExistingAccounts.size(); ++i) {
    const std::string& name = startup.ExistingAccounts[i].Name;
    progress.ShowItem(name);
    if (run.Logins.Taken(name)) continue;
    const std::string_view dn = DnOf(startup, i);
    if (MayBeInLeaversUnit(dn)) {
      AccountPlace place = PlaceOf(dn);
      if (!place.leavers_year.empty()) {
        // Years are four digits: their texts sort as their numbers do.
        if (place.leavers_year < changes.year) {
          changes.deleted.push_back(EntryOf(startup, i, std::move(place), new_control));
        }
        continue;
      }
    }
    if (run.Stems.MayBelongToAStudent(name)) continue;
    AccountPlace place = PlaceOf(dn);
    if (place.parent.empty()) {
      changes.by_hand.push_back(name);
      continue;
    }
    changes.disabled.push_back(EntryOf(startup, i, std::move(place), new_control));
  }
  return changes;
}

bool WriteLeaversReport(rt::Files& files, const Options& options, const LeaverChanges& changes,
                        rt::Shell& shell) {
  const std::string home_root =
      rt::Concat({"\\\\", rt::Trim(options.server_name), "\\", rt::Trim(options.home_share), "\\"});
  const std::string next_year = std::to_string(rt::NumericPrefix(changes.year) + 1);

  const rt::FileNumber report = files.OpenOutput(kDeletedReportPath);
  files.PrintLine(report,
                  "Step 4 disables or deletes these accounts as they have left the school:");
  files.PrintLine(report, " ");
  // The folder the export names, else the one the form gives an account of its unit; in a
  // Leavers unit the unit no longer tells the leaving year that names the folder.
  const auto home_folder = [&](const ExistingEntry& account, std::string_view year) {
    if (!account.home_directory.empty()) return account.home_directory;
    if (!options.leaving_year_ous || year.empty()) return rt::Concat({home_root, account.login});
    return rt::Concat({home_root, year, "\\", account.login});
  };
  for (const ExistingEntry& account : changes.disabled) {
    files.PrintLine(
        report, {account.login, ": disabled and moved to the Leavers unit of ", changes.year,
                 ", can come back until the first run in ", next_year, " deletes it; home folder ",
                 home_folder(account, LeavingYearOf(account.parent))});
  }
  for (const ExistingEntry& account : changes.deleted) {
    files.PrintLine(
        report, {account.login, ": deleted, in the Leavers unit of ", LeavingYearOf(account.parent),
                 "; home folder ", home_folder(account, "<year>")});
  }
  const bool found =
      !changes.disabled.empty() || !changes.deleted.empty() || !changes.by_hand.empty();
  if (!found) files.PrintLine(report, "NO ACCOUNTS TO DISABLE OR DELETE");
  FinishDeletedReport(files, report, shell, found,
                      {"These accounts have left too, but the export does not say where they",
                       "stand, so step 4 leaves them: please disable them yourself."},
                      changes.by_hand,
                      {"The home folders stay: check the contents of each one and delete it",
                       "when no longer required. To bring a disabled student back, put the",
                       "student in school.txt again and run steps 1 to 4 again."});
  return found;
}

}  // namespace acctgen

#include "acctgen/logic/students/student_pass.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "acctgen/logic/startup/account_place.h"
#include "acctgen/logic/students/leaving_year.h"
#include "acctgen/logic/students/leaving_years.h"
#include "acctgen/logic/students/namesake_accounts.h"
#include "acctgen/logic/students/ou_path.h"
#include "acctgen/logic/students/passwords.h"
#include "acctgen/logic/students/policy_password.h"
#include "runtime/concat.h"
#include "runtime/text.h"
#include "runtime/text_set.h"
#include "school/student_export_reader.h"
#include "tsl/robin_map.h"

namespace acctgen {

using school::DerivedLogin;
using school::LineKind;
using school::LoginFormat;
using school::StudentLine;
using school::StudentRecord;

namespace {

// The columns of addusers.csv that are the same for every student of a run: worked out once a
// run, since a pass may meet a hundred thousand students.
struct RowTexts {
  explicit RowTexts(const Options& options)
      : home_root(rt::Concat(
            {"\\\\", rt::Trim(options.server_name), "\\", rt::Trim(options.home_share), "\\"})),
        script(rt::Trim(options.logon_script)),
        profile(options.sets_profile_path ? rt::Trim(options.profile_path) : std::string()) {}
  std::string home_root;  // "\\server\share\"
  std::string script;
  std::string profile;  // empty when no profile path is set
};

// The Home Path column: "\\server\share\[year\]login".
std::string HomePath(const Options& options, const RowTexts& texts, std::string_view leaving_year,
                     std::string_view login) {
  // One allocation: the year and its backslash are empty pieces without year folders.
  return rt::Concat({texts.home_root, options.leaving_year_ous ? leaving_year : "",
                     options.leaving_year_ous ? "\\" : "", login});
}

// One row of addusers.csv; its columns follow the header of the Create run.
void PrintAccountRow(rt::Files& files, rt::FileNumber file, const Options& options,
                     const RowTexts& texts, const StudentRecord& record, const DerivedLogin& login,
                     std::string_view ou_path, std::string_view home_path,
                     std::string_view password) {
  files.PrintLine(file, {ou_path,
                         ",",
                         record.PreferredName,
                         ",",
                         login.LastName,
                         ",",
                         record.PreferredName,
                         " ",
                         record.Surname,
                         ",Student,",
                         login.Login,
                         ",",
                         password,
                         ",",
                         options.home_drive_letter,
                         ":,",
                         home_path,
                         ",",
                         texts.script,
                         options.sets_profile_path ? "," : "",
                         texts.profile});
}

// A school has a handful of scholastic years, so their leaving years and units are worked out
// once a year and looked up for each student.
struct YearPlacement {
  std::string leaving_year;
  std::string ou_path;
  std::string unquoted_ou_path;  // for the LDIF file
};

// The OU path of the DS Root column without the double quotes that keep its commas in one column.
std::string Unquoted(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    text = text.substr(1, text.size() - 2);
  }
  return std::string(text);
}

// school.txt read whole, so that every student is known before logins are handed out.
class ExportLines {
 public:
  void Add(std::string_view line) {
    text_.append(line);
    ends_.push_back(text_.size());
  }
  std::size_t size() const { return ends_.size(); }
  std::string_view operator[](std::size_t i) const {
    const std::size_t start = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(text_).substr(start, ends_[i] - start);
  }

 private:
  std::string text_;  // the lines one after another, without their ends
  std::vector<std::size_t> ends_;
};

ExportLines ReadAllLines(rt::Files& files, rt::FileNumber file) {
  ExportLines lines;
  std::string text;  // one line at a time, in the same room
  school::StudentExportReader reader(files, file);
  while (reader.Next(text)) lines.Add(text);
  return lines;
}

// The first reading of school.txt, before any login is handed out. Every line with both names
// names a student who may hold an account, even when the run skips the line; its base adds to
// the logins that keep an account from the leavers, and leaves the run's numbering as it is.
// Returns the accounts that namesakes take by their leaving year, by line.
std::unordered_map<std::size_t, ClaimedAccount> FirstReading(const Options& options,
                                                             const StartupState& startup,
                                                             const ExportLines& lines,
                                                             const NamesakeAccounts& accounts,
                                                             StudentLoginStems& stems) {
  const LoginFormat format = LoginFormatOf(options);
  const int final_year = FinalYear(options);
  const bool by_year = options.leaving_year_ous && !accounts.empty();
  std::unordered_map<std::string, std::string> leaving_years;  // by scholastic year
  std::vector<AccountClaimant> claimants;
  std::unordered_set<std::string> repeated;  // the bases of namesakes
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const StudentLine line = school::ParseStudentLine(lines[index]);
    if (line.Kind == LineKind::kNotStudent || line.Kind == LineKind::kOutOfOrder) continue;
    const StudentRecord& record = line.Record;
    if (line.NoPreferredName || !school::UsableInLogin(record.Surname) ||
        !school::UsableInLogin(record.PreferredName)) {
      continue;
    }
    std::string base =
        school::LimitLogin(school::BaseLogin(record.Surname, record.PreferredName, format));
    if (!stems.Add(base) && by_year) repeated.insert(base);
    if (!by_year || line.NoScholasticYear || !accounts.Concerns(base)) continue;
    auto year = leaving_years.find(record.ScholasticYear);
    if (year == leaving_years.end()) {
      year = leaving_years
                 .emplace(record.ScholasticYear, ComputeLeavingYear(startup.CurrentYear, final_year,
                                                                    record.ScholasticYear))
                 .first;
    }
    claimants.push_back({index, std::move(base), year->second});
  }
  return accounts.Assign(claimants, repeated);
}

// The login of a student who takes an existing account.
DerivedLogin ClaimedLogin(const StudentRecord& record, const ClaimedAccount& account) {
  DerivedLogin login;
  login.Login = account.login;
  login.LastName = record.Surname;
  if (account.number != 0) login.LastName += rt::NumberText(account.number);
  login.Number = account.number;
  return login;
}

// The first account that is not a student's among the logins a numbered student passed over on
// the way to his or her number: the base, then the base numbered from 2; "" when none is.
std::string OtherAccountPassedOver(const StudentRecord& record, LoginFormat format, int number,
                                   const rt::TextSet& others) {
  const std::string base =
      school::LimitLogin(school::BaseLogin(record.Surname, record.PreferredName, format));
  if (others.contains(base)) return base;
  for (int passed = 2; passed < number; ++passed) {
    std::string login = school::NumberedLogin(base, passed);
    if (others.contains(login)) return login;
  }
  return "";
}

}  // namespace

bool YearUnticked(const Options& options, std::string_view scholastic_year) {
  int year = -1;
  if (scholastic_year == "K") {
    year = 0;
  } else if (!scholastic_year.empty() && scholastic_year.size() <= 2 && scholastic_year[0] != '0' &&
             std::all_of(scholastic_year.begin(), scholastic_year.end(),
                         [](char c) { return c >= '0' && c <= '9'; })) {
    // One or two digits without a leading zero: the number as written, nothing else.
    year = 0;
    for (char c : scholastic_year) year = year * 10 + (c - '0');
  }
  return year >= 0 && year < kYearCount && !options.years[year];
}

std::string DataError(const StudentLine& line) {
  const StudentRecord& r = line.Record;
  if (line.NoPreferredName) {
    return rt::Concat({"In KORU, ", r.Surname, " does not have a preferred name entered."});
  }
  if (!line.NoScholasticYear && !line.NoRollClass && school::UsableInLogin(r.Surname) &&
      school::UsableInLogin(r.PreferredName)) {
    return "";  // the common case, without building the name
  }
  const std::string name = rt::Concat({r.Surname, " ", r.PreferredName});
  if (line.NoScholasticYear) {
    return rt::Concat({"In KORU, ", name, " does not have a Scholastic Year entered."});
  }
  if (line.NoRollClass) {
    return rt::Concat({"In KORU, ", name, " does not have a Roll Class entered."});
  }
  if (!school::UsableInLogin(r.Surname) || !school::UsableInLogin(r.PreferredName)) {
    return rt::Concat(
        {"In KORU, ", name, " has a character in the name that cannot be used in a login."});
  }
  return "";
}

void ProcessStudents(const Options& options, const Toolset& tools, const StartupState& startup,
                     rt::Files& files, const OutputFiles& out, RunState& run,
                     rt::RandomSource& random, ProgressSink& progress) {
  if (!startup.StudentExport) return;
  const ExportLines lines = ReadAllLines(files, *startup.StudentExport);
  // Sized up front: growing a table of a hundred thousand names rehashes it again and again.
  rt::TextSet existing;
  existing.reserve(startup.ExistingAccounts.size());
  // The leaving-year unit of each existing account that sits in one.
  AccountYears existing_years;
  existing_years.reserve(startup.ExistingAccounts.size());
  for (const ExistingAccount& account : startup.ExistingAccounts) {
    existing.insert(account.Name);
    // A Leavers unit's year is not a leaving year.
    if (!account.OuClass.empty() && account.OuClass[0] == '2' &&
        !MayBeInLeaversUnit(account.DistinguishedName)) {
      existing_years.emplace(account.Name, account.OuClass);
    }
  }
  // The accounts that stand in a Leavers unit, by login, when the run's import brings a
  // returning student's account back.
  tsl::robin_map<std::string_view, std::size_t, rt::TextHash, std::equal_to<>> in_leavers_unit;
  if (tools.ImportsLeavers()) {
    for (std::size_t i = 0; i < startup.ExistingAccounts.size(); ++i) {
      const ExistingAccount& account = startup.ExistingAccounts[i];
      if (MayBeInLeaversUnit(account.DistinguishedName) &&
          !PlaceOf(account.DistinguishedName).leavers_year.empty()) {
        in_leavers_unit.emplace(account.Name, i);
      }
    }
  }
  const LoginFormat format = LoginFormatOf(options);
  const int final_year = FinalYear(options);
  const std::string common_password = CommonPassword(options);
  std::unordered_map<std::string, YearPlacement> placements;
  // A school keeps about as many accounts as it has students: room for that many logins.
  run.Logins.Reserve(startup.ExistingAccounts.size() + startup.OtherAccounts.size());
  run.Stems.Reserve(startup.ExistingAccounts.size());
  run.CurrentLogins.reserve(startup.ExistingAccounts.size());
  const RowTexts row_texts(options);
  // The server's path of the home root: the drive as typed, then the share.
  const std::string server_home_root =
      rt::Concat({options.server_drive_letter, ":\\", rt::Trim(options.home_share), "\\"});
  const std::string home_drive = options.home_drive_letter + ":";

  // No student is given the login of an account that is not a student's, nor an account that a
  // namesake who leaves in its year takes.
  const rt::TextSet others(startup.OtherAccounts.begin(), startup.OtherAccounts.end());
  for (const std::string& other : startup.OtherAccounts) run.Logins.Hold(other);
  const auto claimed =
      FirstReading(options, startup, lines, NamesakeAccounts(existing_years), run.Stems);
  for (const auto& [line, account] : claimed) run.Logins.Hold(account.login);

  for (std::size_t index = 0; index < lines.size(); ++index) {
    const StudentLine line = school::ParseStudentLine(lines[index]);
    if (line.Kind == LineKind::kNotStudent) continue;
    if (line.Kind == LineKind::kOutOfOrder) {
      files.PrintLine(out.ErrorLog, rt::Concat({"In KORU, the line ", line.Trimmed,
                                                " is not in the form "
                                                "Surname@PreferredName#Year%RollClass."}));
      continue;
    }
    const StudentRecord& record = line.Record;
    if (YearUnticked(options, record.ScholasticYear)) continue;
    if (const std::string error = DataError(line); !error.empty()) {
      files.PrintLine(out.ErrorLog, error);
      continue;
    }

    std::string display_name = rt::Concat({record.PreferredName, " ", record.Surname});
    progress.ShowItem(display_name);
    progress.ShowPhase("Defining New User Account for:");

    auto placed = placements.find(record.ScholasticYear);
    if (placed == placements.end()) {
      YearPlacement placement;
      if (options.leaving_year_ous) {
        placement.leaving_year =
            ComputeLeavingYear(startup.CurrentYear, final_year, record.ScholasticYear);
      }
      placement.ou_path = BuildOuPath(options, placement.leaving_year);
      placement.unquoted_ou_path = Unquoted(placement.ou_path);
      placed = placements.emplace(record.ScholasticYear, std::move(placement)).first;
      // Adding the same leaving year again changes nothing, so it is added once a scholastic
      // year, at its first student, as it would be at every student.
      if (options.leaving_year_ous)
        AddLeavingYear(options, tools, placed->second.leaving_year, files, out, run);
    }
    const std::string& leaving_year = placed->second.leaving_year;
    const std::string& ou_path = placed->second.ou_path;

    const auto claim = claimed.find(index);
    // The names were checked above, so the login is always there.
    const DerivedLogin login =
        claim != claimed.end()
            ? ClaimedLogin(record, claim->second)
            : *school::DeriveLogin(record.Surname, record.PreferredName, format, run.Logins);
    run.CurrentLogins.push_back(login.Login);
    if (existing.contains(login.Login)) {
      if (const auto leaver = in_leavers_unit.find(std::string_view(login.Login));
          leaver != in_leavers_unit.end()) {
        // Back at school: the import moves the account out of the Leavers unit and enables it.
        const AccountPlace place =
            PlaceOf(startup.ExistingAccounts[leaver->second].DistinguishedName);
        run.Returning.push_back({leaver->second, placed->second.unquoted_ou_path});
        files.PrintLine(out.ErrorLog,
                        rt::Concat({"In KORU, ", record.Surname, " ", record.PreferredName,
                                    " is back at school: step 4 moves the account ", login.Login,
                                    " out of the Leavers unit of ", place.leavers_year,
                                    " and enables it again, with its old password."}));
        continue;
      }
      // The export carries no student number: a newcomer who shares a current student's name,
      // or a student who repeats a year, is taken as that account, and a person checks it.
      const auto year = existing_years.find(login.Login);
      if (year != existing_years.end() && !leaving_year.empty() && year->second != leaving_year) {
        files.PrintLine(
            out.ErrorLog,
            rt::Concat({"In KORU, ", record.Surname, " ", record.PreferredName, " leaves in ",
                        leaving_year, " but the existing account ", login.Login, " is in ",
                        year->second, ": check that it is the same student."}));
      }
      continue;
    }
    if (login.Number != 0 && !others.empty()) {
      const std::string other = OtherAccountPassedOver(record, format, login.Number, others);
      if (!other.empty()) {
        files.PrintLine(
            out.ErrorLog,
            rt::Concat({"In KORU, ", record.Surname, " ", record.PreferredName, " gets the login ",
                        login.Login, ": ", other, " is an account that is not a student's."}));
      }
    }

    const std::string password = !options.unique_passwords ? common_password
                                 : options.policy_passwords
                                     ? MakePolicyPassword(random, login.Login, display_name)
                                     : MakeUniquePassword(random);
    std::string home_path = HomePath(options, row_texts, leaving_year, login.Login);
    PrintAccountRow(files, out.AddUsersCsv, options, row_texts, record, login, ou_path, home_path,
                    password);
    // The folder below the share is the leaving year's folder and the login, or the login alone
    // without year folders.
    const std::string folder =
        rt::Concat({server_home_root, options.leaving_year_ous ? leaving_year : "",
                    options.leaving_year_ous ? "\\" : "", login.Login});
    tools.WriteHomeFolderLines(
        files, out,
        {folder, std::string_view(folder).substr(server_home_root.size()), login.Login});
    run.Ldif.AddAccount({placed->second.unquoted_ou_path, record.PreferredName, login.LastName,
                         display_name, login.Login, password, home_path});
    run.NewAccounts.push_back({record.RollClass, record.Surname, record.PreferredName,
                               std::move(display_name), login.Login, password, home_drive,
                               std::move(home_path)});
  }
}

}  // namespace acctgen

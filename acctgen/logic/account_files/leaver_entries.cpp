#include "acctgen/logic/account_files/leaver_entries.h"

#include "runtime/concat.h"

namespace acctgen {

namespace {

void PrintUnitEntry(rt::Files& files, rt::FileNumber file, std::string_view dn,
                    std::string_view description) {
  files.PrintLine(file, LdifLine("dn", Utf8From1252(dn)));
  files.PrintLine(file, "changetype: add");
  files.PrintLine(file, "objectClass: organizationalUnit");
  files.PrintLine(file, LdifLine("description", Utf8From1252(description)));
  files.PrintLine(file, "");
}

std::string DnOf(const ExistingEntry& account) {
  return rt::Concat({account.rdn, ",", account.parent});
}

}  // namespace

std::string LeaversUnit(const LdifRunTexts& run) {
  std::string unit = "OU=Leavers,";
  if (run.students_ou) unit += "OU=Students,";
  if (run.school_ou) unit += "OU=School,";
  return unit + run.ds_root;
}

std::string Disabled(int account_control) {
  return std::to_string(account_control | kAccountDisabled);
}

std::string Enabled(int account_control) {
  return std::to_string(account_control & ~kAccountDisabled);
}

void PrintControlEntry(rt::Files& files, rt::FileNumber file, std::string_view dn,
                       std::string_view account_control) {
  files.PrintLine(file, LdifLine("dn", Utf8From1252(dn)));
  files.PrintLine(file, "changetype: modify");
  files.PrintLine(file, "replace: userAccountControl");
  files.PrintLine(file, {"userAccountControl: ", account_control});
  files.PrintLine(file, "-");
  files.PrintLine(file, "");
}

void PrintMoveEntry(rt::Files& files, rt::FileNumber file, std::string_view rdn,
                    std::string_view from_parent, std::string_view to_parent) {
  files.PrintLine(file, LdifLine("dn", Utf8From1252(rt::Concat({rdn, ",", from_parent}))));
  files.PrintLine(file, "changetype: modrdn");
  files.PrintLine(file, LdifLine("newrdn", Utf8From1252(rdn)));
  files.PrintLine(file, "deleteoldrdn: 1");
  files.PrintLine(file, LdifLine("newsuperior", Utf8From1252(to_parent)));
  files.PrintLine(file, "");
}

void PrintDeleteEntry(rt::Files& files, rt::FileNumber file, std::string_view dn) {
  files.PrintLine(file, LdifLine("dn", Utf8From1252(dn)));
  files.PrintLine(file, "changetype: delete");
  files.PrintLine(file, "");
}

void WriteLeaverEntries(rt::Files& files, rt::FileNumber ldif, const LeaverChanges& changes) {
  const std::string year_unit = changes.YearUnit();
  if (!changes.disabled.empty()) {
    files.PrintLine(ldif, {"# Students who have left: disabled and moved into ", year_unit,
                           " until the first run of a later year deletes them."});
    PrintUnitEntry(files, ldif, changes.leavers_unit,
                   "Accounts of students who have left, disabled for a year");
    PrintUnitEntry(files, ldif, year_unit,
                   rt::Concat({"Left in ", changes.year, ", to be deleted in the next year"}));
  }
  for (const ExistingEntry& account : changes.disabled) {
    PrintControlEntry(files, ldif, DnOf(account), Disabled(account.account_control));
    PrintMoveEntry(files, ldif, account.rdn, account.parent, year_unit);
  }
  if (!changes.deleted.empty()) {
    files.PrintLine(ldif, "# Students who left in an earlier year: deleted.");
  }
  for (const ExistingEntry& account : changes.deleted) {
    PrintDeleteEntry(files, ldif, DnOf(account));
  }
  if (!changes.returning.empty()) {
    files.PrintLine(ldif,
                    "# Students back at school: moved into their leaving-year unit and enabled.");
  }
  for (const ReturningEntry& student : changes.returning) {
    const ExistingEntry& account = student.account;
    PrintMoveEntry(files, ldif, account.rdn, account.parent, student.leaving_year_unit);
    PrintControlEntry(files, ldif, rt::Concat({account.rdn, ",", student.leaving_year_unit}),
                      Enabled(account.account_control));
  }
}

}  // namespace acctgen

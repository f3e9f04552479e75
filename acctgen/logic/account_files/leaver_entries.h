#pragma once
// The changes of existing accounts that follow the added accounts in c:\addusers.ldf, so that
// step 4 makes every change of the directory in one import: a leaver is disabled and moved, under
// its own name, into the Leavers unit of the year the run found it gone; an account that went
// into a Leavers unit in an earlier year is deleted; a student who is back at school is moved
// from the Leavers unit into his or her leaving-year unit and enabled again, keeping account,
// password, files and rights.

#include <string>
#include <string_view>
#include <vector>

#include "acctgen/logic/account_files/ldif_file.h"
#include "runtime/files.h"

namespace acctgen {

// The account-disabled flag of userAccountControl.
inline constexpr int kAccountDisabled = 2;

// An account that exists already, named as the directory names it (Windows-1252, every value
// escaped as in a distinguished name).
struct ExistingEntry {
  std::string login;
  std::string rdn;          // "CN=Ivy Xu"
  std::string parent;       // where it stands before the import: "OU=2027,OU=Students,...,DC=..."
  int account_control = 0;  // its userAccountControl before the import
  std::string home_directory;  // for the report, "" when the export does not give it
};

// A student whose account the import takes out of a Leavers unit.
struct ReturningEntry {
  ExistingEntry account;
  std::string leaving_year_unit;  // the parent it returns to
};

struct LeaverChanges {
  std::string year;          // the run's calendar year, that of the Leavers unit it fills
  std::string leavers_unit;  // "OU=Leavers,OU=Students,OU=School,DC=..."
  std::vector<ExistingEntry> disabled;  // leavers found by this run
  std::vector<ExistingEntry> deleted;   // in the Leavers unit of an earlier year
  std::vector<ReturningEntry> returning;
  // Leavers the export names no unit for: the import leaves them, a person disables them.
  std::vector<std::string> by_hand;

  // The unit the run's leavers go to: "OU=2026,OU=Leavers,...".
  std::string YearUnit() const { return "OU=" + year + "," + leavers_unit; }
  bool empty() const { return disabled.empty() && deleted.empty() && returning.empty(); }
};

// The Leavers unit, beside the leaving-year units: under Students, or School, or the DS root, as
// the form places them.
std::string LeaversUnit(const LdifRunTexts& run);

// An account control with the account-disabled flag set, or cleared, as decimal digits.
std::string Disabled(int account_control);
std::string Enabled(int account_control);

// Lines that make one change of an existing account.
void PrintControlEntry(rt::Files& files, rt::FileNumber file, std::string_view dn,
                       std::string_view account_control);
void PrintMoveEntry(rt::Files& files, rt::FileNumber file, std::string_view rdn,
                    std::string_view from_parent, std::string_view to_parent);
void PrintDeleteEntry(rt::Files& files, rt::FileNumber file, std::string_view dn);

// Writes the changes into the open LDIF file, after its added accounts: the Leavers units when a
// leaver goes into them, then each leaver disabled before it moves (an account the move misses
// is still shut), each old leaver deleted, each returning student moved before it is enabled (a
// move that fails leaves it shut).
void WriteLeaverEntries(rt::Files& files, rt::FileNumber ldif, const LeaverChanges& changes);

}  // namespace acctgen

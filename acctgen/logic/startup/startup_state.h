#pragma once
// What start-up leaves for a Create run: the accounts that already exist, the current year and
// the student export, opened and kept open.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/files.h"

namespace acctgen {

// A student's account that the directory export lists.
struct ExistingAccount {
  std::string Name;  // the login (sAMAccountName), trimmed
  // The first unit of its distinguished name: a leaving year such as "2027", "Students",
  // "School" or "Invalid".
  std::string OuClass;
  std::string DistinguishedName;   // the export's first field, as the export wrote it
  std::string UserAccountControl;  // the export's value; empty when the export has no such column
  std::string HomeDirectory;       // the same of homeDirectory
};

struct StartupState {
  // The students' accounts, in the order of the sorted directory export: those whose
  // description is Student, or every account of an export without descriptions.
  std::vector<ExistingAccount> ExistingAccounts;
  // The logins of the other accounts of the domain (staff, administrators, the domain's own):
  // never a student's and never a leaver's, but no student may be given one.
  std::vector<std::string> OtherAccounts;
  // The number of students' accounts read from the directory export (even when the list was
  // not loaded).
  std::int64_t ExistingCount = 0;
  // Set when the directory export could not be found: a first run with no accounts yet.
  bool MissingExport = false;
  // The calendar year at start-up as decimal digits ("2026").
  std::string CurrentYear;
  // "A:\school.txt", open for reading from its first line; empty until start-up opened it.
  std::optional<rt::FileNumber> StudentExport;
};

}  // namespace acctgen

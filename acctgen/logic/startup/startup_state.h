#pragma once
// What start-up leaves for a Create run: the accounts that already exist, the current year and
// the student export, opened and kept open.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/files.h"

namespace acctgen {

struct StartupState {
  // The trimmed third field of each line of the sorted directory export, in the sorted order.
  std::vector<std::string> ExistingAccounts;
  // The OU class of each existing account, at the same position ("2027", "Students", ...).
  std::vector<std::string> ExistingOuClasses;
  // At the same positions: the distinguished name as the export wrote it, and the
  // userAccountControl ("" when the export has no such column).
  std::vector<std::string> ExistingDns;
  std::vector<std::string> ExistingAccountControls;
  // The number of data records read from the directory export (even when the list was not
  // loaded).
  std::int64_t ExistingCount = 0;
  // Set when the directory export could not be found: a first run with no accounts yet.
  bool MissingExport = false;
  // The calendar year at start-up as decimal digits ("2026").
  std::string CurrentYear;
  // "A:\school.txt", open for reading from its first line; empty until start-up opened it.
  std::optional<rt::FileNumber> StudentExport;
};

}  // namespace acctgen

#pragma once
// The dated name under which step 4 archives the workbook: "accounts2026-12-08-42.xls".

#include <string>

#include "runtime/clock.h"

namespace acctgen {

// Year, month, day and the seconds of the time of day; hours and minutes do not enter the name,
// so two runs on one day at the same second of different minutes give the same name.
std::string ArchiveName(const rt::DateTime& now);

}  // namespace acctgen

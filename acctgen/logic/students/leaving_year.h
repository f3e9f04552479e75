#pragma once
// The calendar year in which a student leaves school.

#include <cstdint>
#include <string>
#include <string_view>

namespace acctgen {

// CurrentYear + FinalYear - the number the scholastic year starts with ("K" and other texts
// count as 0), in decimal digits.
std::string ComputeLeavingYear(std::string_view current_year, int final_year,
                               std::string_view scholastic_year);

}  // namespace acctgen

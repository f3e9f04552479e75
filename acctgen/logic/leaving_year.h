#pragma once
// The calendar year in which a student leaves school.

#include <cstdint>
#include <string>
#include <string_view>

#include "acctgen/logic/form_values.h"

namespace acctgen {

// The last scholastic year of the selected school type: K-2 2, K-6 6, K-12 12, 7-10 10, 7-12 12;
// 0 when none is selected.
int FinalYear(const FormValues& form);

// CurrentYear + FinalYear - the number the scholastic year starts with ("K" and other texts
// count as 0), in decimal digits.
std::string ComputeLeavingYear(std::string_view current_year, int final_year,
                               std::string_view scholastic_year);

}  // namespace acctgen

#pragma once
// The student's OU relative to the domain root, innermost first, for the DS Root column.

#include <string>
#include <string_view>

#include "acctgen/logic/form_values.h"

namespace acctgen {

// In double quotes: "OU=" + leaving year (Check3), "OU=Students" (Check2), "OU=School" (Check1),
// each present when its box is ticked, joined by commas; "" when none is.
std::string BuildOuPath(const FormValues& form, std::string_view leaving_year);

}  // namespace acctgen

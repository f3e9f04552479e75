#pragma once
// The student's OU relative to the domain root, innermost first, for the DS Root column.

#include <string>
#include <string_view>

#include "acctgen/logic/form/options.h"

namespace acctgen {

// In double quotes: "OU=" + leaving year, "OU=Students", "OU=School", each present when its OU
// is chosen, joined by commas; "" when none is.
std::string BuildOuPath(const Options& options, std::string_view leaving_year);

}  // namespace acctgen

#pragma once
// The OU-creation script "a:\ou.vbs": its head (bind to the domain, the School and Students
// units) before the student pass, and one unit per leaving year after it.

#include <string>
#include <string_view>
#include <vector>

#include "acctgen/logic/form/options.h"

namespace acctgen {

inline constexpr std::string_view kOuScriptPath = "a:\\ou.vbs";

// The head: the bind line on the LDAP binding text, then the School unit when "School" is ticked
// and the Students unit (below School, or below the domain without it) when "Students" is.
std::vector<std::string> OuScriptHeadLines(const Options& options, std::string_view ldap_binding);

// The script variable the leaving-year units are created under: the innermost unit ticked.
std::string_view LeavingYearParent(const Options& options);

// The calendar-year block: its comment line, then four lines for each year in list order.
std::vector<std::string> CalendarYearLines(const Options& options,
                                           const std::vector<std::string>& leaving_years);

}  // namespace acctgen

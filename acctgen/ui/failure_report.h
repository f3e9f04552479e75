#pragma once
// The text of the default failure report for an error outside start-up.

#include <string>

namespace acctgen::ui {

// "Run-time error '61':" a blank line, then the description.
std::string FailureReportText(int error_number, const std::string& description);

}  // namespace acctgen::ui

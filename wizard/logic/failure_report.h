#pragma once
// The default failure report of a button that fails: the error's number and description.

#include <string>

namespace wizard {

// "Run-time error '53':", a blank line, then the description.
std::string FailureReportText(int error_number, const std::string& description);

}  // namespace wizard

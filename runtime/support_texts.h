#pragma once
// The texts with which every program reports a failure it cannot recover from, and who the
// administrator contacts about it: kept in this one place.

#include <string>
#include <string_view>

namespace rt {

inline constexpr std::string_view kSupportContactName = "the Trellis Help Desk";
inline constexpr std::string_view kSupportContactEmail = "helpdesk@trellis.example";

// "An Error Code  75 has occurred.  Please contact ... This utility will now close."
std::string GenericSupportMessage(int error_number);

// The default failure report: "Run-time error '53':", a blank line, the description.
std::string FailureReportText(int error_number, const std::string& description);

}  // namespace rt

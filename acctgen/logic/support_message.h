#pragma once
// Who the administrator contacts about an unexpected failure, kept in this one place.

#include <string>
#include <string_view>

namespace acctgen {

inline constexpr std::string_view kSupportContactName = "the Trellis Help Desk";
inline constexpr std::string_view kSupportContactEmail = "helpdesk@trellis.example";

// "An Error Code  75 has occurred.  Please contact ... This utility will now close."
std::string GenericSupportMessage(int error_number);

}  // namespace acctgen

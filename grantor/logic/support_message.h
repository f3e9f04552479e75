#pragma once
// The texts with which the rights tool reports what it cannot recover from.

#include <string>
#include <string_view>

#include "runtime/error.h"

namespace grantor {

inline constexpr std::string_view kSupportContactName = "the Trellis Help Desk";
inline constexpr std::string_view kSupportContactEmail = "helpdesk@trellis.example";

inline constexpr std::string_view kSevereProblemTitle = "Severe Problem";
inline constexpr std::string_view kProgramTitle = "Ondrel Intranet Rights";

// "An Error Code  76 has occurred.  Please contact ... This utility will now close."
std::string GenericSupportMessage(int error_number);

// The default failure report of an unexpected error during a run: its number and description.
std::string FailureReport(const rt::RuntimeError& error);

}  // namespace grantor

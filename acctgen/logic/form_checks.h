#pragma once
// The checks a Create run makes on the form before it writes anything, in their order. The
// first that fails names its message and the option whose field gets the keyboard focus.

#include <optional>
#include <string>
#include <string_view>

#include "acctgen/logic/form_fields.h"
#include "acctgen/logic/options.h"
#include "runtime/dialogs.h"

namespace acctgen {

struct FormCheckFailure {
  std::string_view text;
  std::string_view title;
  rt::MessageIcon icon;
  Field field;  // the DNS name, the profile path or the logon script
  bool operator==(const FormCheckFailure&) const = default;
};

inline constexpr std::string_view kDnsInvalidText =
    "Your DNS Address is invalid - check the syntax";
inline constexpr std::string_view kDnsInvalidTitle = "Check Data";
inline constexpr std::string_view kUncPathText =
    "You must specify a proper UNC path for the User Profile Location.";
inline constexpr std::string_view kUncPathTitle = "UNC Path Incorrect";
inline constexpr std::string_view kLogonScriptText =
    "You must specify a proper logon script batch file name - eg. 'student.bat'.";
inline constexpr std::string_view kLogonScriptTitle = "Logon Script Batch File Invalid";

// Expects the DNS name already trimmed. The DNS name's characters are checked first, then the
// profile path, then the logon script, and only last whether the DNS name has a usable first dot.
std::optional<FormCheckFailure> CheckForm(const Options& options);

}  // namespace acctgen

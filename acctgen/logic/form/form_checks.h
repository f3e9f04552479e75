#pragma once
// The checks a Create run makes on the form before it writes anything, in their order. The
// first that fails names its message and the option whose field gets the keyboard focus.

#include <optional>
#include <string>
#include <string_view>

#include "acctgen/logic/form/form_fields.h"
#include "acctgen/logic/form/options.h"
#include "runtime/dialogs.h"

namespace acctgen {

struct FormCheckFailure {
  std::string_view text;
  std::string_view title;
  rt::MessageIcon icon;
  Field field;  // the DNS name, the profile path, the logon script or the home share
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
inline constexpr std::string_view kHomeShareText =
    "The Folder Name for Home Folders cannot hold any of % \" = \\ / : * ? < > | or a control "
    "character.";
inline constexpr std::string_view kHomeShareTitle = "Folder Name Invalid";
inline constexpr std::string_view kNetbiosDomainText =
    "Today's Windows tools give each student rights in the name of the domain - enter the "
    "NetBIOS Domain Name.";
inline constexpr std::string_view kNetbiosDomainTitle = "NetBIOS Domain Name Missing";

// Expects the DNS name already trimmed. The DNS name's characters are checked first, then the
// profile path, then the logon script, then whether the DNS name has a usable first dot, and
// last the characters of the home folders' share.
std::optional<FormCheckFailure> CheckForm(const Options& options);

}  // namespace acctgen

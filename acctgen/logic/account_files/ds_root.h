#pragma once
// The school domain's directory root, cut from its full DNS name: "DC=" parts for the account
// rows and the bind argument of the OU-creation script.

#include <string>
#include <string_view>
#include <vector>

namespace acctgen {

inline constexpr int kMaxDomainComponents = 9;
// Only the last label cut (the one without a dot after it) is limited to this length.
inline constexpr std::size_t kLastComponentLength = 20;

// Nine components; those never cut are empty. The name must hold a dot after its first
// character (the form checks make sure of that); a name without one gives a single component.
std::vector<std::string> DomainComponents(std::string_view dns_name);

// "DC=x,DC=y,DC=z": the first component, then every further one up to the first empty one.
std::string DsRoot(const std::vector<std::string>& components);

// The same components as the bind argument: a double quote, "LDAP://DC=x,DC=y", a double quote
// and a closing parenthesis.
std::string LdapBindingText(const std::vector<std::string>& components);

}  // namespace acctgen

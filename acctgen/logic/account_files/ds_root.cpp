#include "acctgen/logic/account_files/ds_root.h"

#include "runtime/text.h"

namespace acctgen {

std::vector<std::string> DomainComponents(std::string_view dns_name) {
  std::vector<std::string> components(kMaxDomainComponents);
  const std::size_t first_dot = rt::FindFirst(dns_name, ".");
  if (first_dot == 0) {
    components[0] = std::string(dns_name);
    return components;
  }
  components[0] = rt::Left(dns_name, first_dot - 1);
  std::size_t previous_dot = first_dot;
  for (int k = 1; k < kMaxDomainComponents; ++k) {
    const std::size_t next_dot = rt::FindFirst(dns_name, ".", previous_dot + 1);
    if (next_dot == 0) {
      components[k] = rt::Trim(rt::Left(rt::Mid(dns_name, previous_dot + 1), kLastComponentLength));
      break;
    }
    components[k] = rt::Mid(dns_name, previous_dot + 1, next_dot - previous_dot - 1);
    previous_dot = next_dot;
  }
  return components;
}

namespace {
std::string DcList(const std::vector<std::string>& components) {
  std::string text = "DC=";
  if (!components.empty()) text += components[0];
  for (std::size_t k = 1; k < components.size() && !components[k].empty(); ++k) {
    text += ",DC=" + components[k];
  }
  return text;
}
}  // namespace

std::string DsRoot(const std::vector<std::string>& components) { return DcList(components); }

std::string LdapBindingText(const std::vector<std::string>& components) {
  return std::string("\"LDAP://").append(DcList(components)).append("\")");
}

}  // namespace acctgen

#include "acctgen/logic/form_checks.h"

#include "runtime/text.h"

namespace acctgen {

namespace {

constexpr FormCheckFailure kDnsInvalid{kDnsInvalidText, kDnsInvalidTitle, rt::MessageIcon::kNone,
                                       Field::kDomainDnsName};
constexpr FormCheckFailure kUncPath{kUncPathText, kUncPathTitle, rt::MessageIcon::kWarning,
                                    Field::kProfilePath};
constexpr FormCheckFailure kLogonScript{kLogonScriptText, kLogonScriptTitle,
                                        rt::MessageIcon::kWarning, Field::kLogonScript};

bool Contains(std::string_view text, std::string_view part) {
  return rt::FindFirst(text, part) != 0;
}

}  // namespace

std::optional<FormCheckFailure> CheckForm(const Options& options) {
  for (std::string_view refused : {" ", "/", "\\", "*", ",", "?", ".."}) {
    if (Contains(options.domain_dns_name, refused)) return kDnsInvalid;
  }
  if (options.sets_profile_path && rt::Left(rt::Trim(options.profile_path), 2) != "\\\\")
    return kUncPath;
  if (!Contains(rt::ToLower1252(options.logon_script), ".bat")) return kLogonScript;
  if (rt::FindFirst(options.domain_dns_name, ".") <= 1) return kDnsInvalid;
  return std::nullopt;
}

}  // namespace acctgen

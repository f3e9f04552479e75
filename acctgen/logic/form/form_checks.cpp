#include "acctgen/logic/form/form_checks.h"

#include "runtime/text.h"

namespace acctgen {

namespace {

constexpr FormCheckFailure kDnsInvalid{kDnsInvalidText, kDnsInvalidTitle, rt::MessageIcon::kNone,
                                       Field::kDomainDnsName};
constexpr FormCheckFailure kUncPath{kUncPathText, kUncPathTitle, rt::MessageIcon::kWarning,
                                    Field::kProfilePath};
constexpr FormCheckFailure kLogonScript{kLogonScriptText, kLogonScriptTitle,
                                        rt::MessageIcon::kWarning, Field::kLogonScript};

constexpr FormCheckFailure kHomeShare{kHomeShareText, kHomeShareTitle, rt::MessageIcon::kWarning,
                                      Field::kHomeShare};

bool Contains(std::string_view text, std::string_view part) {
  return rt::FindFirst(text, part) != 0;
}

// A domain name holds letters, digits, hyphens and dots; anything else would have to be escaped
// in the directory's names (a "+" or a leading "#" means something else there).
bool DnsCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.';
}

// The share's name stands on batch lines, where quotes keep a blank or an ampersand in its
// place but a percent sign is expanded all the same; the rest cannot name a folder or a share.
bool UnsafeShareCharacter(char c) {
  return static_cast<unsigned char>(c) < 32 ||
         std::string_view("%\"=\\/:*?<>|").find(c) != std::string_view::npos;
}

}  // namespace

std::optional<FormCheckFailure> CheckForm(const Options& options) {
  for (std::string_view refused : {" ", "/", "\\", "*", ",", "?", ".."}) {
    if (Contains(options.domain_dns_name, refused)) return kDnsInvalid;
  }
  for (char c : options.domain_dns_name) {
    if (!DnsCharacter(c)) return kDnsInvalid;
  }
  if (options.sets_profile_path && rt::Left(rt::Trim(options.profile_path), 2) != "\\\\")
    return kUncPath;
  if (!Contains(rt::ToLower1252(options.logon_script), ".bat")) return kLogonScript;
  if (rt::FindFirst(options.domain_dns_name, ".") <= 1) return kDnsInvalid;
  for (char c : rt::Trim(options.home_share)) {
    if (UnsafeShareCharacter(c)) return kHomeShare;
  }
  return std::nullopt;
}

}  // namespace acctgen

#include "acctgen/logic/form_checks.h"

#include "runtime/text.h"

namespace acctgen {

namespace {

constexpr FormCheckFailure kDnsInvalid{kDnsInvalidText, kDnsInvalidTitle, rt::MessageIcon::kNone,
                                       "Text1"};
constexpr FormCheckFailure kUncPath{kUncPathText, kUncPathTitle, rt::MessageIcon::kWarning,
                                    "Text8"};
constexpr FormCheckFailure kLogonScript{kLogonScriptText, kLogonScriptTitle,
                                        rt::MessageIcon::kWarning, "Text4"};

bool Contains(std::string_view text, std::string_view part) {
  return rt::FindFirst(text, part) != 0;
}

}  // namespace

std::optional<FormCheckFailure> CheckForm(const FormValues& form) {
  for (std::string_view refused : {" ", "/", "\\", "*", ",", "?", ".."}) {
    if (Contains(form.DomainDnsName(), refused)) return kDnsInvalid;
  }
  if (form.SetsProfilePath() && rt::Left(rt::Trim(form.ProfilePath()), 2) != "\\\\")
    return kUncPath;
  if (!Contains(rt::ToLower1252(form.LogonScript()), ".bat")) return kLogonScript;
  if (rt::FindFirst(form.DomainDnsName(), ".") <= 1) return kDnsInvalid;
  return std::nullopt;
}

}  // namespace acctgen

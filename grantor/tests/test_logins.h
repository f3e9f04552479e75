#pragma once
// A stand-in login rule for tests of the matching and the files: given name, a dot and surname in
// lower case without spaces; a name holding "*" makes no login.

#include <optional>
#include <string>
#include <string_view>

#include "grantor/logic/student_table.h"
#include "runtime/text.h"

namespace grantor::testing {

inline std::optional<std::string> DottedLogin(std::string_view surname, std::string_view given) {
  std::string login;
  for (char c : std::string(given) + "." + std::string(surname)) {
    if (c == '*') return std::nullopt;
    if (c != ' ') login += rt::ToLower1252(c);
  }
  return login;
}

inline LoginMaker DottedLogins() { return DottedLogin; }

}  // namespace grantor::testing

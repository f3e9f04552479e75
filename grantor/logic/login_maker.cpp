#include "grantor/logic/login_maker.h"

#include <memory>

namespace grantor {

LoginMaker MakeLoginMaker(school::LoginFormat format) {
  // One numbering for the whole run, over every student line: logins come out as the account
  // generator hands them out.
  auto numbering = std::make_shared<school::LoginNumbering>();
  return [format, numbering](std::string_view surname,
                             std::string_view given) -> std::optional<std::string> {
    auto derived = school::DeriveLogin(surname, given, format, *numbering);
    if (!derived) return std::nullopt;
    return std::move(derived->Login);
  };
}

}  // namespace grantor

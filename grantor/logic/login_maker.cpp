#include "grantor/logic/login_maker.h"

#include <memory>

#include "acctgen/logic/login_names.h"

namespace grantor {

namespace {

acctgen::LoginFormat SharedFormat(LoginFormat format) {
  switch (format) {
    case LoginFormat::kSurnameDotFirstname:
      return acctgen::LoginFormat::SurnameDotFirstName;
    case LoginFormat::kFirstnameDotSurname:
      return acctgen::LoginFormat::FirstNameDotSurname;
    case LoginFormat::kSurnameInitial:
      return acctgen::LoginFormat::SurnameInitial;
    case LoginFormat::kFirstnameSurname:
      return acctgen::LoginFormat::FirstNameSurname;
    case LoginFormat::kSurnameFirstname:
      break;
  }
  return acctgen::LoginFormat::SurnameFirstName;
}

}  // namespace

LoginMaker MakeLoginMaker(LoginFormat format) {
  // One numbering for the whole run, over every student line: logins come out as the account
  // generator hands them out.
  auto numbering = std::make_shared<acctgen::LoginNumbering>();
  const acctgen::LoginFormat shared_format = SharedFormat(format);
  return [shared_format, numbering](std::string_view surname,
                                    std::string_view given) -> std::optional<std::string> {
    auto derived = acctgen::DeriveLogin(surname, given, shared_format, *numbering);
    if (!derived) return std::nullopt;
    return std::move(derived->Login);
  };
}

}  // namespace grantor

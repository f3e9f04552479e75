#pragma once
// The five login-name formats the administrator picks from in the rights tool's frame, one per
// option button, in the order Option1 to Option5.

namespace grantor {

enum class LoginFormat {
  kSurnameDotFirstname,  // Option1 "Surname.Firstname"  varga.tomas
  kFirstnameDotSurname,  // Option2 "Firstname.Surname"  tomas.varga (selected at start)
  kSurnameInitial,       // Option3 "SurnameInitial"     vargat
  kFirstnameSurname,     // Option4 "FirstnameSurname"   tomasvarga
  kSurnameFirstname,     // Option5 "SurnameFirstname"   vargatomas
};

}  // namespace grantor

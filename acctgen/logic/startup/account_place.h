#pragma once
// Where an existing account stands in the directory, read from the distinguished name of the
// directory export, in which the export tool wrote every "CN=" as ",": ",Ivy Xu,OU=2027,..."
// stands for "CN=Ivy Xu,OU=2027,...". A run moves an account under its own name, so it needs
// the name and the unit apart.

#include <string>
#include <string_view>

namespace acctgen {

struct AccountPlace {
  std::string rdn;     // "CN=Ivy Xu", escaped as the directory writes it
  std::string parent;  // "OU=2027,OU=Students,OU=School,DC=hillcrest,DC=school,DC=example"
  // The year of the Leavers unit the account stands in ("OU=2025,OU=Leavers,..."); empty when
  // it stands anywhere else.
  std::string leavers_year;
};

// The place of an account from its exported name; a name the export left as the directory
// writes it ("CN=Ivy Xu,...") reads the same.
AccountPlace PlaceOf(std::string_view exported_dn);

// Whether the exported name may stand in a Leavers unit: a quick test, before the name is read.
bool MayBeInLeaversUnit(std::string_view exported_dn);

}  // namespace acctgen

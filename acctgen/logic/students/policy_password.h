#pragma once
// Unique passwords that a domain with Windows' default password policy accepts (at least 8
// characters from 3 of the 4 classes, holding neither the login nor a part of the name of 3 or
// more characters) and that read easily off a printed sheet: three syllables of a capital or
// small consonant and a vowel, then three digits ("Kabuve47" and one digit more), with none of
// the look-alikes l, 1, I, i, O, o, 0.

#include <string>
#include <string_view>

#include "runtime/random_source.h"

namespace acctgen {

// Drawn from `random` until it holds neither the login nor a part of the names (split at
// blanks, dots, hyphens, apostrophes and underscores) of 3 or more characters, in any case.
std::string MakePolicyPassword(rt::RandomSource& random, std::string_view login,
                               std::string_view display_name);

// Whether the password holds the login or a 3-character part of the name, ignoring case.
bool HoldsTheName(std::string_view password, std::string_view login, std::string_view display_name);

}  // namespace acctgen

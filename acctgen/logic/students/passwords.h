#pragma once
// Passwords of new accounts: one of their own per student, or the common one of the form.

#include <string>

#include "acctgen/logic/form/options.h"
#include "runtime/random_source.h"

namespace acctgen {

// Three letters a-z and three digits 0-9 ("abc123"), each uniformly drawn from `random`, which
// in the program is the operating system's cryptographic generator.
std::string MakeUniquePassword(rt::RandomSource& random);

// The common password as typed, in lower case, trimmed of spaces.
std::string CommonPassword(const Options& options);

}  // namespace acctgen

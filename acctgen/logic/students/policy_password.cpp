#include "acctgen/logic/students/policy_password.h"

#include <cmath>

#include "runtime/text.h"

namespace acctgen {
namespace {

constexpr std::string_view kConsonants = "bcdfghjkmnpqrstvwxz";
constexpr std::string_view kCapitals = "BCDFGHJKMNPQRSTVWXZ";
constexpr std::string_view kVowels = "aeu";
constexpr std::string_view kDigits = "23456789";

char Pick(rt::RandomSource& random, std::string_view from) {
  const auto index = static_cast<std::size_t>(std::floor(random.Next() * from.size()));
  return from[index < from.size() ? index : from.size() - 1];
}

bool Contains(std::string_view lower_text, std::string_view part) {
  return part.size() >= 3 && lower_text.find(rt::ToLower1252(part)) != std::string_view::npos;
}

bool Delimiter(char c) { return c == ' ' || c == '.' || c == '-' || c == '\'' || c == '_'; }

}  // namespace

bool HoldsTheName(std::string_view password, std::string_view login,
                  std::string_view display_name) {
  const std::string lower = rt::ToLower1252(password);
  if (Contains(lower, login)) return true;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= display_name.size(); ++i) {
    if (i == display_name.size() || Delimiter(display_name[i])) {
      if (Contains(lower, display_name.substr(start, i - start))) return true;
      start = i + 1;
    }
  }
  return false;
}

std::string MakePolicyPassword(rt::RandomSource& random, std::string_view login,
                               std::string_view display_name) {
  for (;;) {
    std::string password;
    password += Pick(random, kCapitals);
    password += Pick(random, kVowels);
    for (int syllable = 0; syllable < 2; ++syllable) {
      password += Pick(random, kConsonants);
      password += Pick(random, kVowels);
    }
    for (int digit = 0; digit < 3; ++digit) password += Pick(random, kDigits);
    if (!HoldsTheName(password, login, display_name)) return password;
  }
}

}  // namespace acctgen

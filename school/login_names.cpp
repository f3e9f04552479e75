#include "school/login_names.h"

#include "runtime/concat.h"
#include "runtime/text.h"
#include "school/transliteration.h"

namespace school {
namespace {

bool IsLoginCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
         c == '-' || c == '\'' || c == '_';
}

// Transliterated, lower case, without spaces.
std::string Prepared(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  bool ascii = true;
  for (char c : name) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) {  // the common case, without the intermediate copies
    for (char c : name) {
      if (c != ' ') out += c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    }
    return out;
  }
  for (char c : rt::ToLower1252(TransliterateToAscii(name))) {
    if (c != ' ') out += c;
  }
  return out;
}

}  // namespace

bool UsableInLogin(std::string_view name) {
  bool ascii = true;
  for (char c : name) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      ascii = false;
      break;
    }
    if (c != ' ' && !IsLoginCharacter(c)) return false;
  }
  if (ascii) return true;  // transliteration leaves plain ASCII as it is
  for (char c : TransliterateToAscii(name)) {
    if (c != ' ' && !IsLoginCharacter(c)) return false;
  }
  return true;
}

std::string BaseLogin(std::string_view surname, std::string_view preferred_name,
                      LoginFormat format) {
  const std::string s = Prepared(surname);
  const std::string f = Prepared(preferred_name);
  switch (format) {
    case LoginFormat::kSurnameDotFirstname:
      return rt::Concat({s, ".", f});
    case LoginFormat::kFirstnameDotSurname:
      return rt::Concat({f, ".", s});
    case LoginFormat::kSurnameInitial:
      return s + f.substr(0, 1);
    case LoginFormat::kFirstnameSurname:
      return f + s;
    case LoginFormat::kSurnameFirstname:
      break;
  }
  return s + f;
}

std::string LimitLogin(std::string_view login) {
  std::string out(login.substr(0, kMaxLoginLength));
  if (out.size() == kMaxLoginLength && out.back() == '.') out.pop_back();
  return out;
}

std::pair<std::string, int> LoginNumbering::Take(const std::string& base) {
  if (taken_.insert(base).second) return {base, 0};
  int& next = next_number_[base];
  if (next == 0) next = 2;
  for (;;) {
    const int number = next++;
    const std::string digits = rt::NumberText(number);
    std::string stem = base;
    if (stem.size() + digits.size() > kMaxLoginLength) {
      stem.resize(kMaxLoginLength - digits.size());
      if (!stem.empty() && stem.back() == '.') stem.pop_back();
    }
    std::string login = stem + digits;
    if (taken_.insert(login).second) return {std::move(login), number};
  }
}

std::optional<DerivedLogin> DeriveLogin(std::string_view surname, std::string_view preferred_name,
                                        LoginFormat format, LoginNumbering& numbering) {
  if (!UsableInLogin(surname) || !UsableInLogin(preferred_name)) return std::nullopt;
  auto [login, number] = numbering.Take(LimitLogin(BaseLogin(surname, preferred_name, format)));
  DerivedLogin derived;
  derived.Login = std::move(login);
  derived.LastName = std::string(surname);
  if (number != 0) derived.LastName += rt::NumberText(number);
  derived.Number = number;
  return derived;
}

}  // namespace school

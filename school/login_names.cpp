#include "school/login_names.h"

#include <algorithm>
#include <array>

#include "runtime/text.h"
#include "school/transliteration.h"

namespace school {
namespace {

// The characters a login may hold, as a table: every character of every name is looked up.
constexpr std::array<bool, 256> kLoginCharacters = [] {
  std::array<bool, 256> table{};
  for (int c = 'A'; c <= 'Z'; ++c) table[c] = table[c + 32] = true;
  for (int c = '0'; c <= '9'; ++c) table[c] = true;
  for (unsigned char c : std::string_view(".-'_")) table[c] = true;
  return table;
}();

bool IsLoginCharacter(char c) { return kLoginCharacters[static_cast<unsigned char>(c)]; }

// Appends the name transliterated, in lower case and without spaces.
void AppendPrepared(std::string& out, std::string_view name) {
  // Plain ASCII, the common case, in one pass; a letter to transliterate starts the name again
  // the long way.
  const std::size_t start = out.size();
  for (char c : name) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      out.resize(start);
      for (char t : rt::ToLower1252(TransliterateToAscii(name))) {
        if (t != ' ') out += t;
      }
      return;
    }
    if (c != ' ') out += c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
  }
}

// Cuts the login to at most 20 characters in place; a cut that leaves a final "." loses it too.
void Limit(std::string& login) {
  if (login.size() < kMaxLoginLength) return;
  login.resize(kMaxLoginLength);
  if (login.back() == '.') login.pop_back();
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
  // Built in place, one piece after the other, rather than joined from prepared copies.
  std::string login;
  login.reserve(surname.size() + preferred_name.size() + 1);
  switch (format) {
    case LoginFormat::kSurnameDotFirstname:
      AppendPrepared(login, surname);
      login += '.';
      AppendPrepared(login, preferred_name);
      break;
    case LoginFormat::kFirstnameDotSurname:
      AppendPrepared(login, preferred_name);
      login += '.';
      AppendPrepared(login, surname);
      break;
    case LoginFormat::kSurnameInitial: {
      AppendPrepared(login, surname);
      const std::size_t initial = login.size();
      AppendPrepared(login, preferred_name);
      login.resize(std::min(login.size(), initial + 1));
      break;
    }
    case LoginFormat::kFirstnameSurname:
      AppendPrepared(login, preferred_name);
      AppendPrepared(login, surname);
      break;
    case LoginFormat::kSurnameFirstname:
      AppendPrepared(login, surname);
      AppendPrepared(login, preferred_name);
      break;
  }
  return login;
}

std::string LimitLogin(std::string_view login) {
  std::string out(login.substr(0, kMaxLoginLength + 1));
  Limit(out);
  return out;
}

std::pair<std::string, int> LoginNumbering::Take(std::string base) {
  if (taken_.insert(base).second) return {std::move(base), 0};
  int& next = next_number_[base];
  if (next == 0) next = 2;
  for (;;) {
    const int number = next++;
    std::string login = NumberedLogin(base, number);
    if (taken_.insert(login).second) return {std::move(login), number};
  }
}

std::string NumberedLogin(std::string_view base, int number) {
  const std::string digits = rt::NumberText(number);
  std::string login(base);
  if (login.size() + digits.size() > kMaxLoginLength) {
    login.resize(kMaxLoginLength - digits.size());
    if (!login.empty() && login.back() == '.') login.pop_back();
  }
  return login + digits;
}

std::optional<DerivedLogin> DeriveLogin(std::string_view surname, std::string_view preferred_name,
                                        LoginFormat format, LoginNumbering& numbering) {
  if (!UsableInLogin(surname) || !UsableInLogin(preferred_name)) return std::nullopt;
  std::string base = BaseLogin(surname, preferred_name, format);
  Limit(base);
  auto [login, number] = numbering.Take(std::move(base));
  DerivedLogin derived;
  derived.Login = std::move(login);
  derived.LastName = std::string(surname);
  if (number != 0) derived.LastName += rt::NumberText(number);
  derived.Number = number;
  return derived;
}

}  // namespace school

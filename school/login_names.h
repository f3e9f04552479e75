#pragma once
// Login names of students: the account generator names the accounts with these rules and the
// intranet rights tool finds them again by the same rules.
//
// A login is formed from the surname and the preferred name: both transliterated to ASCII,
// lower-cased and without spaces, joined in the chosen format, cut to at most 20 characters
// (a cut that leaves a final "." loses it too). A LoginNumbering, one per run, makes every login
// of the run unique: the first student with a given login gets it plain, every later one (next
// in the file or not) gets the next number for it, so namesakes in a row come out as
// tomas.varga, tomas.varga2, tomas.varga3 and a fourth one further down as tomas.varga4.
//
// Typical use, once per student in file order:
//   school::LoginNumbering numbering;   // lives for the whole run
//   if (auto login = school::DeriveLogin(surname, preferred, format, numbering)) {
//     use(login->Login, login->LastName);
//   } else {
//     // the name holds a character that cannot be used in a login: report and skip the student
//   }

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "runtime/text_set.h"

namespace school {

inline constexpr std::size_t kMaxLoginLength = 20;

// The five ways of joining the names, as both programs offer them to the administrator.
enum class LoginFormat {
  kSurnameDotFirstname,  // "Surname.Firstname"  varga.tomas
  kFirstnameDotSurname,  // "Firstname.Surname"  tomas.varga
  kSurnameInitial,       // "SurnameInitial"     vargat
  kFirstnameSurname,     // "FirstnameSurname"   tomasvarga
  kSurnameFirstname,     // "SurnameFirstname"   vargatomas
};

// True when the name, transliterated and without its spaces, holds only A-Z, a-z, 0-9, ".",
// "-", "'" and "_". Anything else would break a column of addusers.csv, be refused by the
// directory in an account name, or inject commands into the batch files. The empty name is
// usable (there is nothing wrong in it).
bool UsableInLogin(std::string_view name);

// The login of the format before limit and numbering: both names transliterated, lower-cased,
// every space removed, then joined. SurnameInitial takes the first character of the prepared
// preferred name (none when it is empty).
std::string BaseLogin(std::string_view surname, std::string_view preferred_name,
                      LoginFormat format);

// At most 20 characters; a login of exactly 20 that ends in "." loses the dot.
std::string LimitLogin(std::string_view login);

struct DerivedLogin {
  std::string Login;     // unique within the run, lower case, at most 20 characters
  std::string LastName;  // the surname as given, with the login's number appended when numbered
  int Number = 0;        // the number appended, 0 when the login is plain
};

// The logins handed out in one run and the next number of each login that was met again.
class LoginNumbering {
 public:
  // Hands out the unique login for the limited base login `base`. When `base` is still free it
  // is the login; otherwise the next number for it (2, 3, ...) is appended, the base first cut
  // to 20 minus the number's length (losing a "." that then ends it), and numbers whose result
  // is already taken (by another student's plain login) are passed over.
  // Returns the login and the number (0 for plain).
  std::pair<std::string, int> Take(std::string base);

  // Makes room for about this many logins at once rather than growing the table step by step.
  void Reserve(std::size_t logins) { taken_.reserve(logins); }

  // Marks a login as held without handing it out: Take then never gives it to anyone, as for an
  // account that already belongs to someone.
  void Hold(std::string login) { taken_.insert(std::move(login)); }

  // Whether the login was handed out in this run.
  bool Taken(std::string_view login) const { return taken_.contains(login); }
  std::size_t size() const { return taken_.size(); }

 private:
  rt::TextSet taken_;
  std::unordered_map<std::string, int> next_number_;
};

// The login numbered `number` for the limited base login: the base cut to 20 minus the number's
// length (losing a "." that then ends it), then the number's digits.
std::string NumberedLogin(std::string_view base, int number);

// The login of one student: std::nullopt (and the numbering untouched) when the surname or the
// preferred name is not UsableInLogin; otherwise the limited base login taken from `numbering`.
std::optional<DerivedLogin> DeriveLogin(std::string_view surname, std::string_view preferred_name,
                                        LoginFormat format, LoginNumbering& numbering);

}  // namespace school

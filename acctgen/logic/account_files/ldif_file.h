#pragma once
// c:\addusers.ldf: the organisational units and accounts of a Create run as LDIF (RFC 2849), for
// "ldifde -i -k -h -f c:\addusers.ldf" on a domain controller or a computer with the directory
// tools. It needs neither Excel nor VBScript, and each account is added with its password and
// account control in one entry, so no account ever exists without its password; with -k a
// refused entry is skipped and the rest go on.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/files.h"

namespace acctgen {

inline constexpr std::string_view kLdifPath = "c:\\addusers.ldf";

// What the file says of every account of the run.
struct LdifRunTexts {
  std::string ds_root;     // "DC=hillcrest,DC=school,DC=example"
  std::string home_drive;  // "H:"
  std::string logon_script;
  std::string profile_path;  // empty: no profile path is set
  bool password_never_expires = false;
  bool must_change_password = false;
  bool school_ou = false;
  bool students_ou = false;
  bool leaving_year_ous = false;
  std::string dns_name;  // "hillcrest.school.example": each user principal name is login@dns_name
};

// One account row of the run, as addusers.csv holds it (Windows-1252).
struct LdifAccount {
  std::string_view ou_path;  // "OU=2031,OU=Students,OU=School", empty when no unit is chosen
  std::string_view given_name;
  std::string_view last_name;
  std::string_view display_name;
  std::string_view login;
  std::string_view password;
  std::string_view home_directory;
};

// Windows-1252 bytes as UTF-8; the five bytes the code page leaves undefined stay the C1
// controls of the same number, as Windows maps them.
std::string Utf8From1252(std::string_view text);

std::string Base64(std::string_view bytes);

// An attribute value (RFC 4514) escaped for a distinguished name.
std::string EscapeDnValue(std::string_view utf8);

// "name: value", or "name:: base64" for every value that is not an LDIF safe string (anything
// outside ASCII, a line break, a leading blank, colon or "<", a trailing blank).
std::string LdifLine(std::string_view attribute, std::string_view utf8_value);

// The unicodePwd value: the password in double quotes, UTF-16LE.
std::string UnicodePassword(std::string_view password_1252);

// The userAccountControl of every account the file adds: a normal, enabled account, whose
// password never expires when the form says so.
int NewAccountControl(const LdifRunTexts& run);

// The file, built as the run goes: each account's entry is added to one buffer during the
// student pass, and the units, known only after it, go ahead of them when the file is written.
// Entries are separated by empty lines; every line ends CR LF.
class LdifFile {
 public:
  LdifFile() = default;
  explicit LdifFile(LdifRunTexts run);

  // The account's entry in the unit of its row.
  void AddAccount(const LdifAccount& account);

  // The whole text: the version, the units that ou.vbs creates, then the accounts.
  std::string Text(const std::vector<std::string>& leaving_years) const;
  void Write(rt::Files& files, const std::vector<std::string>& leaving_years) const;
  // The same into an open file, which the run closes once the changes of the accounts that
  // exist already follow.
  void WriteInto(rt::Files& files, rt::FileNumber file,
                 const std::vector<std::string>& leaving_years) const;

  const LdifRunTexts& run() const { return run_; }
  // The "dn: " line of each added account, with its CR LF, in the order they were added.
  std::vector<std::string_view> AccountDnLines() const;

 private:
  std::string UnitsText(const std::vector<std::string>& leaving_years) const;

  LdifRunTexts run_;
  std::string ds_root_utf8_;
  std::string account_control_;
  std::string accounts_;  // the accounts' entries
  // Where each account's "dn: " line starts in accounts_, and where it ends.
  std::vector<std::pair<std::size_t, std::size_t>> dn_lines_;
  std::string scratch_;  // the room of one value on its way to UTF-8, base64 or a DN
  std::string dn_;
  std::string upn_;
};

}  // namespace acctgen

#pragma once
// c:\addusers.ldf: the organisational units and accounts of a Create run as LDIF (RFC 2849), for
// "ldifde -i -k -h -f c:\addusers.ldf" on a domain controller or a computer with the directory
// tools. It needs neither Excel nor VBScript, and each account is added with its password and
// account control in one entry, so no account ever exists without its password; with -k a
// refused entry is skipped and the rest go on.

#include <string>
#include <string_view>
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
};

// One account row of the run, as addusers.csv holds it (Windows-1252).
struct LdifAccount {
  std::string ou_path;  // "OU=2031,OU=Students,OU=School", empty when no unit is chosen
  std::string given_name;
  std::string last_name;
  std::string display_name;
  std::string login;
  std::string password;
  std::string home_directory;
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

// The distinguished name (UTF-8) the file gives the account: its full name in the unit of its
// row, or in the domain's Users container when no unit is chosen.
std::string AccountDn(const LdifRunTexts& run, const LdifAccount& account);

// The userAccountControl of every account the file adds: a normal, enabled account, whose
// password never expires when the form says so.
int NewAccountControl(const LdifRunTexts& run);

// The lines of the whole file, entries separated by empty lines: the units that ou.vbs creates,
// then one entry per account in the unit of its row.
std::vector<std::string> LdifLines(const LdifRunTexts& run,
                                   const std::vector<std::string>& leaving_years,
                                   const std::vector<LdifAccount>& accounts);

// Writes the units and the accounts into the open file; the run adds the changes of existing
// accounts after them and closes it.
void WriteLdifFile(rt::Files& files, rt::FileNumber file, const LdifRunTexts& run,
                   const std::vector<std::string>& leaving_years,
                   const std::vector<LdifAccount>& accounts);

}  // namespace acctgen

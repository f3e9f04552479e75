#include "acctgen/logic/account_files/ldif_file.h"

#include <cstdint>

#include "runtime/concat.h"

namespace acctgen {

namespace {

// The code points of bytes 0x80 to 0x9F; the undefined ones keep their own number.
constexpr char16_t kHigh1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t CodePoint1252(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x80 && byte < 0xA0 ? kHigh1252[byte - 0x80] : char16_t{byte};
}

void AppendUtf8(std::string& out, char16_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool SafeString(std::string_view value) {
  if (value.empty()) return true;
  const char first = value.front();
  if (first == ' ' || first == ':' || first == '<' || value.back() == ' ') return false;
  for (char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == 0 || byte == '\n' || byte == '\r' || byte >= 0x80) return false;
  }
  return true;
}

// userAccountControl flags: a normal account, and its password never expires.
constexpr int kNormalAccount = 512;
constexpr int kPasswordNeverExpires = 65536;

void AddOu(std::vector<std::string>& lines, std::string_view name, std::string_view parent_dn,
           std::string_view description) {
  lines.push_back(LdifLine("dn", Utf8From1252(rt::Concat({"OU=", name, ",", parent_dn}))));
  lines.push_back("changetype: add");
  lines.push_back("objectClass: organizationalUnit");
  if (!description.empty()) lines.push_back(LdifLine("description", Utf8From1252(description)));
  lines.push_back("");
}

// An attribute the row leaves empty is left out: a directory takes no empty value.
void AddValue(std::vector<std::string>& lines, std::string_view attribute,
              std::string_view value_1252) {
  if (!value_1252.empty()) lines.push_back(LdifLine(attribute, Utf8From1252(value_1252)));
}

}  // namespace

std::string Utf8From1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) AppendUtf8(out, CodePoint1252(c));
  return out;
}

std::string Base64(std::string_view bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    if (i + 2 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 2]);
    out += kDigits[(group >> 18) & 63];
    out += kDigits[(group >> 12) & 63];
    out += i + 1 < bytes.size() ? kDigits[(group >> 6) & 63] : '=';
    out += i + 2 < bytes.size() ? kDigits[group & 63] : '=';
  }
  return out;
}

std::string EscapeDnValue(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const char c = utf8[i];
    if (c == '\0') {
      out += "\\00";
      continue;
    }
    const bool reserved = c == '"' || c == '+' || c == ',' || c == ';' || c == '<' || c == '>' ||
                          c == '\\' || c == '=';
    const bool edge = (i == 0 && (c == ' ' || c == '#')) || (i + 1 == utf8.size() && c == ' ');
    if (reserved || edge) out += '\\';
    out += c;
  }
  return out;
}

std::string LdifLine(std::string_view attribute, std::string_view utf8_value) {
  if (SafeString(utf8_value)) return rt::Concat({attribute, ": ", utf8_value});
  return rt::Concat({attribute, ":: ", Base64(utf8_value)});
}

std::string UnicodePassword(std::string_view password_1252) {
  std::string out;
  auto add = [&out](char16_t code) {
    out += static_cast<char>(code & 0xFF);
    out += static_cast<char>(code >> 8);
  };
  add(u'"');
  for (char c : password_1252) add(CodePoint1252(c));
  add(u'"');
  return out;
}

std::string AccountDn(const LdifRunTexts& run, const LdifAccount& account) {
  const std::string common_name =
      EscapeDnValue(Utf8From1252(rt::Concat({account.given_name, " ", account.last_name})));
  // Without a unit chosen, the accounts go where a domain keeps new users.
  const std::string container =
      account.ou_path.empty() ? "CN=Users" : Utf8From1252(account.ou_path);
  return rt::Concat({"CN=", common_name, ",", container, ",", Utf8From1252(run.ds_root)});
}

int NewAccountControl(const LdifRunTexts& run) {
  return kNormalAccount + (run.password_never_expires ? kPasswordNeverExpires : 0);
}

std::vector<std::string> LdifLines(const LdifRunTexts& run,
                                   const std::vector<std::string>& leaving_years,
                                   const std::vector<LdifAccount>& accounts) {
  std::vector<std::string> lines{"version: 1", ""};
  const std::string school_dn = rt::Concat({"OU=School,", run.ds_root});
  const std::string students_dn =
      rt::Concat({"OU=Students,", run.school_ou ? school_dn : run.ds_root});
  if (run.school_ou) AddOu(lines, "School", run.ds_root, "");
  if (run.students_ou) AddOu(lines, "Students", run.school_ou ? school_dn : run.ds_root, "");
  if (run.leaving_year_ous) {
    const std::string& parent =
        run.students_ou ? students_dn : (run.school_ou ? school_dn : run.ds_root);
    for (const std::string& year : leaving_years) {
      AddOu(lines, year, parent, rt::Concat({"Students final year ", year}));
    }
  }

  const std::string account_control = std::to_string(NewAccountControl(run));
  for (const LdifAccount& account : accounts) {
    lines.push_back(LdifLine("dn", AccountDn(run, account)));
    lines.push_back("changetype: add");
    lines.push_back("objectClass: user");
    AddValue(lines, "givenName", account.given_name);
    AddValue(lines, "sn", account.last_name);
    AddValue(lines, "displayName", account.display_name);
    AddValue(lines, "description", "Student");
    AddValue(lines, "sAMAccountName", account.login);
    AddValue(lines, "userPrincipalName", account.login);
    AddValue(lines, "homeDrive", run.home_drive);
    AddValue(lines, "homeDirectory", account.home_directory);
    AddValue(lines, "scriptPath", run.logon_script);
    AddValue(lines, "profilePath", run.profile_path);
    lines.push_back(rt::Concat({"unicodePwd:: ", Base64(UnicodePassword(account.password))}));
    lines.push_back(rt::Concat({"userAccountControl: ", account_control}));
    if (run.must_change_password) lines.push_back("pwdLastSet: 0");
    lines.push_back("");
  }
  return lines;
}

void WriteLdifFile(rt::Files& files, rt::FileNumber file, const LdifRunTexts& run,
                   const std::vector<std::string>& leaving_years,
                   const std::vector<LdifAccount>& accounts) {
  for (const std::string& line : LdifLines(run, leaving_years, accounts))
    files.PrintLine(file, line);
}

}  // namespace acctgen

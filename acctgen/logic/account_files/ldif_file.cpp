#include "acctgen/logic/account_files/ldif_file.h"

#include <cstdint>
#include <utility>

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

bool Ascii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

void AppendUtf8From1252(std::string& out, std::string_view text) {
  for (char c : text) AppendUtf8(out, CodePoint1252(c));
}

void AppendBase64(std::string& out, std::string_view bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    if (i + 2 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 2]);
    out += kDigits[(group >> 18) & 63];
    out += kDigits[(group >> 12) & 63];
    out += i + 1 < bytes.size() ? kDigits[(group >> 6) & 63] : '=';
    out += i + 2 < bytes.size() ? kDigits[group & 63] : '=';
  }
}

void AppendEscapedDnValue(std::string& out, std::string_view utf8) {
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
}

// "attribute: value" or "attribute:: base64", and CR LF.
void AppendLine(std::string& out, std::string_view attribute, std::string_view utf8_value) {
  out += attribute;
  if (SafeString(utf8_value)) {
    out += ": ";
    out += utf8_value;
  } else {
    out += ":: ";
    AppendBase64(out, utf8_value);
  }
  out += "\r\n";
}

void AppendUnicodePassword(std::string& out, std::string_view password_1252) {
  auto add = [&out](char16_t code) {
    out += static_cast<char>(code & 0xFF);
    out += static_cast<char>(code >> 8);
  };
  add(u'"');
  for (char c : password_1252) add(CodePoint1252(c));
  add(u'"');
}

void AppendOu(std::string& out, std::string_view name, std::string_view parent_dn,
              std::string_view description) {
  const std::string dn = rt::Concat({"OU=", name, ",", parent_dn});
  AppendLine(out, "dn", Utf8From1252(dn));
  out += "changetype: add\r\nobjectClass: organizationalUnit\r\n";
  if (!description.empty()) AppendLine(out, "description", Utf8From1252(description));
  out += "\r\n";
}

}  // namespace

std::string Utf8From1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendUtf8From1252(out, text);
  return out;
}

std::string Base64(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  AppendBase64(out, bytes);
  return out;
}

std::string EscapeDnValue(std::string_view utf8) {
  std::string out;
  AppendEscapedDnValue(out, utf8);
  return out;
}

std::string LdifLine(std::string_view attribute, std::string_view utf8_value) {
  std::string out;
  AppendLine(out, attribute, utf8_value);
  out.resize(out.size() - 2);  // the CR LF
  return out;
}

std::string UnicodePassword(std::string_view password_1252) {
  std::string out;
  AppendUnicodePassword(out, password_1252);
  return out;
}

int NewAccountControl(const LdifRunTexts& run) {
  return kNormalAccount + (run.password_never_expires ? kPasswordNeverExpires : 0);
}

LdifFile::LdifFile(LdifRunTexts run)
    : run_(std::move(run)),
      ds_root_utf8_(Utf8From1252(run_.ds_root)),
      account_control_(std::to_string(NewAccountControl(run_))) {}

void LdifFile::AddAccount(const LdifAccount& account) {
  // A value of the row in Windows-1252 as UTF-8; the common ASCII one goes as it is. An
  // attribute the row leaves empty is left out: a directory takes no empty value.
  const auto value = [this](std::string_view attribute, std::string_view value_1252) {
    if (value_1252.empty()) return;
    if (Ascii(value_1252)) return AppendLine(accounts_, attribute, value_1252);
    scratch_.clear();
    AppendUtf8From1252(scratch_, value_1252);
    AppendLine(accounts_, attribute, scratch_);
  };

  scratch_.clear();
  AppendUtf8From1252(scratch_, account.given_name);
  scratch_ += ' ';
  AppendUtf8From1252(scratch_, account.last_name);
  dn_ = "CN=";
  AppendEscapedDnValue(dn_, scratch_);
  dn_ += ',';
  // Without a unit chosen, the accounts go where a domain keeps new users.
  if (account.ou_path.empty()) {
    dn_ += "CN=Users";
  } else {
    AppendUtf8From1252(dn_, account.ou_path);
  }
  dn_ += ',';
  dn_ += ds_root_utf8_;
  const std::size_t dn_line = accounts_.size();
  AppendLine(accounts_, "dn", dn_);
  dn_lines_.emplace_back(dn_line, accounts_.size());
  accounts_ += "changetype: add\r\nobjectClass: user\r\n";
  value("givenName", account.given_name);
  value("sn", account.last_name);
  value("displayName", account.display_name);
  accounts_ += "description: Student\r\n";
  value("sAMAccountName", account.login);
  upn_.assign(account.login);
  upn_ += '@';
  upn_ += run_.dns_name;
  value("userPrincipalName", upn_);
  value("homeDrive", run_.home_drive);
  value("homeDirectory", account.home_directory);
  value("scriptPath", run_.logon_script);
  value("profilePath", run_.profile_path);
  scratch_.clear();
  AppendUnicodePassword(scratch_, account.password);
  accounts_ += "unicodePwd:: ";
  AppendBase64(accounts_, scratch_);
  accounts_ += "\r\nuserAccountControl: ";
  accounts_ += account_control_;
  accounts_ += "\r\n";
  if (run_.must_change_password) accounts_ += "pwdLastSet: 0\r\n";
  accounts_ += "\r\n";
}

std::string LdifFile::UnitsText(const std::vector<std::string>& leaving_years) const {
  std::string out = "version: 1\r\n\r\n";
  const std::string school_dn = rt::Concat({"OU=School,", run_.ds_root});
  const std::string students_dn =
      rt::Concat({"OU=Students,", run_.school_ou ? school_dn : run_.ds_root});
  if (run_.school_ou) AppendOu(out, "School", run_.ds_root, "");
  if (run_.students_ou) AppendOu(out, "Students", run_.school_ou ? school_dn : run_.ds_root, "");
  if (run_.leaving_year_ous) {
    const std::string& parent =
        run_.students_ou ? students_dn : (run_.school_ou ? school_dn : run_.ds_root);
    for (const std::string& year : leaving_years) {
      AppendOu(out, year, parent, rt::Concat({"Students final year ", year}));
    }
  }
  return out;
}

std::string LdifFile::Text(const std::vector<std::string>& leaving_years) const {
  return UnitsText(leaving_years) + accounts_;
}

void LdifFile::Write(rt::Files& files, const std::vector<std::string>& leaving_years) const {
  const rt::FileNumber file = files.OpenOutput(kLdifPath);
  WriteInto(files, file, leaving_years);
  files.Close(file);
}

void LdifFile::WriteInto(rt::Files& files, rt::FileNumber file,
                         const std::vector<std::string>& leaving_years) const {
  files.Print(file, UnitsText(leaving_years));
  files.Print(file, accounts_);
}

std::vector<std::string_view> LdifFile::AccountDnLines() const {
  std::vector<std::string_view> lines;
  lines.reserve(dn_lines_.size());
  for (const auto& [start, end] : dn_lines_) {
    lines.push_back(std::string_view(accounts_).substr(start, end - start));
  }
  return lines;
}

}  // namespace acctgen

// The LDIF file: values that would break a line or a name are encoded, and the entries say what
// addusers.vbs would set.

#include "acctgen/logic/account_files/ldif_file.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace acctgen {
namespace {

// The file's lines, without their CR LF.
std::vector<std::string> LdifLines(const LdifRunTexts& run, const std::vector<std::string>& years,
                                   const std::vector<LdifAccount>& accounts) {
  LdifFile file(run);
  for (const LdifAccount& account : accounts) file.AddAccount(account);
  const std::string text = file.Text(years);
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "a line without CR LF";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST(LdifFileTest, ValuesThatAreNotSafeStringsAreBase64AndNamesAreEscaped) {
  EXPECT_EQ(LdifLine("sn", "Varga"), "sn: Varga");
  // Accented Windows-1252 letters become UTF-8, and then base64.
  EXPECT_EQ(Utf8From1252("Jos\xE9 \x80\x9F"), "Jos\xC3\xA9 \xE2\x82\xAC\xC5\xB8");
  EXPECT_EQ(LdifLine("sn", Utf8From1252("Jos\xE9")), "sn:: Sm9zw6k=");
  // A value can never start a line or an attribute of its own.
  EXPECT_EQ(LdifLine("sn", "a\r\ndn: x"), "sn:: YQ0KZG46IHg=");
  EXPECT_EQ(LdifLine("sn", ":x"), "sn:: Ong=");
  EXPECT_EQ(LdifLine("sn", "<x"), "sn:: PHg=");
  EXPECT_EQ(LdifLine("sn", " x"), "sn:: IHg=");
  EXPECT_EQ(LdifLine("sn", "x "), "sn:: eCA=");
  EXPECT_EQ(Base64(""), "");
  EXPECT_EQ(Base64("ab"), "YWI=");
  EXPECT_EQ(Base64("abc"), "YWJj");

  EXPECT_EQ(EscapeDnValue("O'Brien, Jr+1 <x>;\"y\"\\=z"),
            "O'Brien\\, Jr\\+1 \\<x\\>\\;\\\"y\\\"\\\\\\=z");
  EXPECT_EQ(EscapeDnValue(" #a# "), "\\ #a#\\ ");
  EXPECT_EQ(EscapeDnValue("#a"), "\\#a");
  EXPECT_EQ(EscapeDnValue(std::string("a\0b", 3)), "a\\00b");

  EXPECT_EQ(UnicodePassword("a\xE9"), std::string("\"\0a\0\xE9\0\"\0", 8));
}

TEST(LdifFileTest, UnitsAndAnAccountInOneAdd) {
  LdifRunTexts run{"DC=hillcrest,DC=school,DC=example",
                   "H:",
                   "Students.bat",
                   "\\\\HC\\profiles$",
                   true,
                   true,
                   true,
                   true,
                   true};
  const std::vector<LdifAccount> accounts{{"OU=2031,OU=Students,OU=School", "Ren\xE9", "Smith, 2",
                                           "Ren\xE9 Smith", "rene.smith2", "abc123",
                                           "\\\\HC\\s_home\\2031\\rene.smith2"}};
  const std::vector<std::string> lines = LdifLines(run, {"2026", "2031"}, accounts);
  const std::vector<std::string> expected{
      "version: 1",
      "",
      "dn: OU=School,DC=hillcrest,DC=school,DC=example",
      "changetype: add",
      "objectClass: organizationalUnit",
      "",
      "dn: OU=Students,OU=School,DC=hillcrest,DC=school,DC=example",
      "changetype: add",
      "objectClass: organizationalUnit",
      "",
      "dn: OU=2026,OU=Students,OU=School,DC=hillcrest,DC=school,DC=example",
      "changetype: add",
      "objectClass: organizationalUnit",
      "description: Students final year 2026",
      "",
      "dn: OU=2031,OU=Students,OU=School,DC=hillcrest,DC=school,DC=example",
      "changetype: add",
      "objectClass: organizationalUnit",
      "description: Students final year 2031",
      "",
      LdifLine("dn",
               "CN=Ren\xC3\xA9 Smith\\, 2,OU=2031,OU=Students,OU=School,DC=hillcrest,DC=school,"
               "DC=example"),
      "changetype: add",
      "objectClass: user",
      LdifLine("givenName", "Ren\xC3\xA9"),
      "sn: Smith, 2",
      LdifLine("displayName", "Ren\xC3\xA9 Smith"),
      "description: Student",
      "sAMAccountName: rene.smith2",
      "userPrincipalName: rene.smith2",
      "homeDrive: H:",
      "homeDirectory: \\\\HC\\s_home\\2031\\rene.smith2",
      "scriptPath: Students.bat",
      "profilePath: \\\\HC\\profiles$",
      "unicodePwd:: " + Base64(UnicodePassword("abc123")),
      "userAccountControl: 66048",
      "pwdLastSet: 0",
      ""};
  EXPECT_EQ(lines, expected);

  // No unit chosen: the account goes to the Users container; the plain account control, no
  // password age, and an empty script or profile is left out.
  run = {"DC=x,DC=y", "H:", "", "", false, false, false, false, false};
  const std::vector<std::string> plain =
      LdifLines(run, {"2031"}, {{"", "A", "B", "A B", "a.b", "pw", "\\\\s\\a.b"}});
  EXPECT_EQ(plain[2], "dn: CN=A B,CN=Users,DC=x,DC=y");
  EXPECT_EQ(std::count(plain.begin(), plain.end(), "userAccountControl: 512"), 1);
  for (const std::string& line : plain) {
    EXPECT_EQ(line.find("scriptPath"), std::string::npos);
    EXPECT_EQ(line.find("profilePath"), std::string::npos);
    EXPECT_EQ(line.find("pwdLastSet"), std::string::npos);
    EXPECT_EQ(line.find("organizationalUnit"), std::string::npos);
  }

  // Year units without the Students unit stand under School, or under the root without either.
  run.leaving_year_ous = true;
  run.school_ou = true;
  EXPECT_EQ(LdifLines(run, {"2031"}, {})[6], "dn: OU=2031,OU=School,DC=x,DC=y");
  run.school_ou = false;
  EXPECT_EQ(LdifLines(run, {"2031"}, {})[2], "dn: OU=2031,DC=x,DC=y");
}

}  // namespace
}  // namespace acctgen

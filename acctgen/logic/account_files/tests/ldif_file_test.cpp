// The LDIF file: values that would break a line or a name are encoded, and the entries say what
// addusers.vbs would set.

#include "acctgen/logic/account_files/ldif_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "acctgen/logic/account_files/leaver_entries.h"
#include "acctgen/logic/account_files/undo_file.h"
#include "runtime/files.h"
#include "runtime/testing/test_drives.h"

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
                   true,
                   "hillcrest.school.example"};
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
      "userPrincipalName: rene.smith2@hillcrest.school.example",
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
  run = {"DC=x,DC=y", "H:", "", "", false, false, false, false, false, "x.y"};
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

// The changes of existing accounts name them as the directory does: an accented name goes in
// base64 like any other value, the Leavers unit stands beside the leaving-year units, and the
// undo file deletes exactly the accounts the file adds.
TEST(LdifFileTest, LeaversOfAccentedNamesAndTheUndoOfTheAddedAccounts) {
  LdifRunTexts run{"DC=x,DC=y", "H:", "", "", false, false, false, false, false, "x.y"};
  EXPECT_EQ(LeaversUnit(run), "OU=Leavers,DC=x,DC=y");
  run.school_ou = true;
  EXPECT_EQ(LeaversUnit(run), "OU=Leavers,OU=School,DC=x,DC=y");
  run.students_ou = true;
  EXPECT_EQ(LeaversUnit(run), "OU=Leavers,OU=Students,OU=School,DC=x,DC=y");
  EXPECT_EQ(Disabled(66048), "66050");
  EXPECT_EQ(Disabled(514), "514");
  EXPECT_EQ(Enabled(66050), "66048");
  EXPECT_EQ(Enabled(512), "512");

  const std::string zoe = "CN=Zo\xEB S\xF8ndergaard";
  LeaverChanges changes;
  changes.year = "2026";
  changes.leavers_unit = LeaversUnit(run);
  changes.disabled.push_back({"zoe.sondergaard", zoe, "OU=2029,OU=Students,DC=x,DC=y", 66048, ""});
  changes.returning.push_back(
      {{"ana.lee", "CN=Ana Lee", "OU=2025," + LeaversUnit(run), 514, ""}, "CN=Users,DC=x,DC=y"});
  // A name that holds a line break stays in its comment line of the undo file.
  changes.deleted.push_back({"old\r\ndn: CN=x", "CN=Old", "OU=2024," + LeaversUnit(run), 514, ""});
  LdifFile file(run);
  file.AddAccount(
      {"OU=2031,OU=Students,OU=School", "Bj\xF6rn", "\xC5ngstr\xF6m", "", "b.a", "pw", ""});
  file.AddAccount({"", "A", "B", "", "a.b", "pw", ""});

  rt::testing::TestDrives drives;
  rt::Files files(drives.file_system());
  const rt::FileNumber ldif = files.OpenOutput(kLdifPath);
  file.WriteInto(files, ldif, {});
  WriteLeaverEntries(files, ldif, changes);
  files.Close(ldif);
  WriteUndoFile(files, file, changes);

  const std::string utf8_zoe = "CN=Zo\xC3\xAB S\xC3\xB8ndergaard";
  const std::string text = drives.ReadHostFile("c:\\addusers.ldf");
  const std::string leaver = LdifLine("dn", utf8_zoe + ",OU=2029,OU=Students,DC=x,DC=y") +
                             "\r\nchangetype: modify\r\nreplace: userAccountControl\r\n"
                             "userAccountControl: 66050\r\n-\r\n\r\n" +
                             LdifLine("dn", utf8_zoe + ",OU=2029,OU=Students,DC=x,DC=y") +
                             "\r\nchangetype: modrdn\r\n" + LdifLine("newrdn", utf8_zoe) +
                             "\r\ndeleteoldrdn: 1\r\nnewsuperior: OU=2026," + LeaversUnit(run) +
                             "\r\n\r\n";
  EXPECT_NE(text.find(leaver), std::string::npos) << text;
  EXPECT_EQ(leaver.rfind("dn:: ", 0), 0u);
  EXPECT_NE(text.find("dn: CN=Ana Lee,OU=2025,OU=Leavers,OU=Students,OU=School,DC=x,DC=y\r\n"
                      "changetype: modrdn\r\nnewrdn: CN=Ana Lee\r\ndeleteoldrdn: 1\r\n"
                      "newsuperior: CN=Users,DC=x,DC=y\r\n\r\n"
                      "dn: CN=Ana Lee,CN=Users,DC=x,DC=y\r\nchangetype: modify\r\n"
                      "replace: userAccountControl\r\nuserAccountControl: 512\r\n-\r\n"),
            std::string::npos)
      << text;

  const std::string undo = drives.ReadHostFile("c:\\undo.ldf");
  EXPECT_EQ(undo.rfind("version: 1\r\n\r\n#", 0), 0u);
  const std::size_t added = undo.find("# The accounts the import added: deleted.\r\n");
  ASSERT_NE(added, std::string::npos);
  EXPECT_EQ(
      undo.substr(added + 43),
      LdifLine("dn",
               "CN=Bj\xC3\xB6rn \xC3\x85ngstr\xC3\xB6m,OU=2031,OU=Students,OU=School,DC=x,DC=y") +
          "\r\nchangetype: delete\r\n\r\ndn: CN=A B,CN=Users,DC=x,DC=y\r\n"
          "changetype: delete\r\n\r\n");
  EXPECT_NE(undo.find("#     old??dn: CN=x (CN=Old,OU=2024,"), std::string::npos) << undo;
  EXPECT_EQ(undo.find("\ndn: CN=x"), std::string::npos);
  // The deleted account is named in a comment only: no entry can bring it back.
  EXPECT_EQ(undo.find("CN=Old,OU=2024", undo.find("(CN=Old") + 2), std::string::npos);
}

}  // namespace
}  // namespace acctgen

#include "acctgen/logic/account_files/handout_sheet.h"

#include <gtest/gtest.h>

#include "runtime/files.h"
#include "runtime/testing/test_drives.h"

namespace acctgen {
namespace {

const rt::DateTime kRunDate{2026, 12, 8, 9, 30, 0};

HandoutEntry Student(std::string roll_class, std::string surname, std::string preferred,
                     std::string login, std::string password = "abc123") {
  HandoutEntry entry;
  entry.RollClass = std::move(roll_class);
  entry.Surname = surname;
  entry.PreferredName = preferred;
  entry.DisplayName = preferred + " " + surname;
  entry.Login = std::move(login);
  entry.Password = std::move(password);
  entry.HomeDrive = "H:";
  entry.HomePath = "\\\\srv\\s_home\\2030\\" + entry.Login;
  return entry;
}

// Position of needle in page; fails the test when it is missing.
std::size_t At(const std::string& page, const std::string& needle) {
  const std::size_t at = page.find(needle);
  EXPECT_NE(at, std::string::npos) << "missing: " << needle;
  return at;
}

TEST(HandoutSheetTest, ClassesAscendEachOnItsOwnPageWithRowsBySurnameThenName) {
  const std::vector<HandoutEntry> entries = {
      Student("8B", "Varga", "Tomas", "tomas.varga"),
      Student("7A", "Ngata", "Aroha", "aroha.ngata"),
      Student("8B", "de Vries", "Anna", "anna.devries"),
      Student("7A", "Brown", "Zoe", "zoe.brown"),
      Student("8B", "Dean", "Sam", "sam.dean"),
      Student("7A", "Brown", "Amy", "amy.brown"),
      Student("10C", "Lee", "Kim", "kim.lee"),
  };
  const std::string page = RenderHandoutSheet("school.example.nz", kRunDate, entries);

  // Class texts in ascending byte order: "10C" before "7A" before "8B".
  const std::size_t c10 = At(page, "<h2>Roll class 10C</h2>");
  const std::size_t c7 = At(page, "<h2>Roll class 7A</h2>");
  const std::size_t c8 = At(page, "<h2>Roll class 8B</h2>");
  EXPECT_LT(c10, c7);
  EXPECT_LT(c7, c8);

  EXPECT_LT(At(page, ">Amy Brown<"), At(page, ">Zoe Brown<"));
  EXPECT_LT(At(page, ">Zoe Brown<"), At(page, ">Aroha Ngata<"));
  EXPECT_LT(At(page, ">Sam Dean<"), At(page, ">Anna de Vries<"));  // spaces and case aside
  EXPECT_LT(At(page, ">Anna de Vries<"), At(page, ">Tomas Varga<"));

  // Three sections, each a page of its own but the first, which follows the head.
  std::size_t sections = 0;
  for (std::size_t at = page.find("<section class=\"class\">"); at != std::string::npos;
       at = page.find("<section class=\"class\">", at + 1)) {
    ++sections;
  }
  EXPECT_EQ(sections, 3u);
  At(page, "section.class{break-before:page;");
  At(page, "Created 8 December 2026: 7 new accounts.");
  At(page,
     "<td class=\"secret\">kim.lee</td><td class=\"secret\">abc123</td>"
     "<td class=\"home\">H: \\\\srv\\s_home\\2030\\kim.lee</td>");
}

TEST(HandoutSheetTest, IsSelfContainedAndEndsEveryLineWithCrLf) {
  const std::string page =
      RenderHandoutSheet("school.example.nz", kRunDate, {Student("7A", "Lee", "Kim", "kim.lee")});
  At(page, "<meta charset=\"windows-1252\">");
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_EQ(page.find("<link"), std::string::npos);
  EXPECT_EQ(page.find("http"), std::string::npos);
  At(page, "1 new account.");
  for (std::size_t i = 0; i < page.size(); ++i) {
    if (page[i] == '\n') {
      ASSERT_GT(i, 0u);
      EXPECT_EQ(page[i - 1], '\r') << "bare line feed at byte " << i;
    }
  }
  EXPECT_EQ(page.substr(page.size() - 9), "</html>\r\n");
}

TEST(HandoutSheetTest, EscapesEveryNameAndClass) {
  EXPECT_EQ(EscapeHtml("O'Brien & <Sons> \"Jr\""), "O&#39;Brien &amp; &lt;Sons&gt; &quot;Jr&quot;");
  const std::string page = RenderHandoutSheet(
      "a&b.school", kRunDate, {Student("<7A>", "Smith & \"Co\"", "Jo<b>", "jo.smith")});
  At(page, "<h2>Roll class &lt;7A&gt;</h2>");
  At(page, "<td>Jo&lt;b&gt; Smith &amp; &quot;Co&quot;</td>");
  At(page, "New student accounts for a&amp;b.school</h1>");
  EXPECT_EQ(page.find("<b>"), std::string::npos);
  EXPECT_EQ(page.find("<7A>"), std::string::npos);
}

TEST(HandoutSheetTest, ARunWithoutNewAccountsSaysSoInOneLine) {
  const std::string page = RenderHandoutSheet("school.example.nz", kRunDate, {});
  At(page, "\r\n<p>No new accounts were created in this run.</p>\r\n");
  At(page, "Created 8 December 2026: 0 new accounts.");
  EXPECT_EQ(page.find("<section"), std::string::npos);
  EXPECT_EQ(page.find("<table"), std::string::npos);
}

TEST(HandoutSheetTest, ACommonPasswordStandsInEveryRow) {
  const std::vector<HandoutEntry> entries = {Student("7A", "Lee", "Kim", "kim.lee", "lanterns"),
                                             Student("7A", "Ng", "Jo", "jo.ng", "lanterns")};
  const std::string page = RenderHandoutSheet("school.example.nz", kRunDate, entries);
  EXPECT_NE(page.find("<td class=\"secret\">kim.lee</td><td class=\"secret\">lanterns</td>"),
            std::string::npos);
  EXPECT_NE(page.find("<td class=\"secret\">jo.ng</td><td class=\"secret\">lanterns</td>"),
            std::string::npos);
}

TEST(HandoutSheetTest, IsWrittenToDriveCReplacingAnOlderSheet) {
  rt::testing::TestDrives drives;
  drives.WriteHostFile("c:\\handout.htm", std::string(50000, 'x'));
  rt::Files files(drives.file_system());
  const std::vector<HandoutEntry> entries = {Student("7A", "Lee", "Kim", "kim.lee")};
  WriteHandoutSheet(files, "school.example.nz", kRunDate, entries);
  EXPECT_EQ(drives.ReadHostFile("c:\\handout.htm"),
            RenderHandoutSheet("school.example.nz", kRunDate, entries));
  drives.RemoveHostFile("c:\\handout.htm");
}

}  // namespace
}  // namespace acctgen

#include "acctgen/logic/account_files/addusers_script.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/files.h"
#include "runtime/testing/test_drives.h"

namespace acctgen {
namespace {

Options AllSwitchesOn() {
  Options form;
  form.sets_profile_path = true;
  form.password_never_expires = true;
  form.must_change_password = true;
  return form;
}

std::size_t Indent(const std::string& line) {
  const std::size_t first = line.find_first_not_of(' ');
  return first == std::string::npos ? line.size() : first;
}

bool IsComment(const std::string& line) {
  const std::size_t first = line.find_first_not_of(' ');
  return first != std::string::npos && line[first] == '\'';
}

TEST(AddUsersScriptTest, AllSwitchesOnGiveTheWholeScriptOfOneHundredTwentyLines) {
  const auto lines = AddUsersScriptLines(AllSwitchesOn());
  ASSERT_EQ(lines.size(), 120u);
  EXPECT_EQ(lines[0], "    Dim oXL");
  EXPECT_EQ(lines[11], "    set oArgs=wscript.arguments");
  EXPECT_EQ(lines[30], "       WScript.Echo \"No input file provided. Stopping the script now.\"");
  EXPECT_EQ(lines[48],
            "    oXL.ActiveSheet.range(\"A2\").Activate ' this cell has the DS root in it");
  EXPECT_EQ(lines[68], "            s = \"LDAP://\" + ou+\",\" + root");
  EXPECT_EQ(lines[71], "      WScript.Echo s");
  EXPECT_EQ(lines[94],
            "        u.Put \"ProfilePath\",oXL.activecell.offset(0, 10).Value  'Profile Path");
  EXPECT_EQ(lines[101], "  pword= oXL.activecell.offset(0, 6).Value");
  EXPECT_EQ(lines[105], "  u.Put \"userAccountControl\", \"66048\"");
  EXPECT_EQ(lines[106], "  u.Put \"pwdLastSet\", \"0\"");
  EXPECT_EQ(lines[107], "  u.SetInfo ");
  EXPECT_EQ(lines[119], "    oXL.application.quit");
}

TEST(AddUsersScriptTest, BlankLinesHoldExactlyTheirSpaces) {
  const auto lines = AddUsersScriptLines(AllSwitchesOn());
  const std::pair<int, std::string> spaces_only[] = {
      {10, "    "}, {15, "  "}, {37, "   "}, {53, "  "}, {62, "      "}, {96, "  "}, {97, "  "}};
  for (const auto& [number, text] : spaces_only) EXPECT_EQ(lines[number - 1], text) << number;
  for (int number : {9,  13, 29, 34, 41, 44,  47,  50,  56,  59,  67,  70,
                     73, 77, 80, 83, 98, 101, 103, 109, 110, 113, 117, 118}) {
    EXPECT_EQ(lines[number - 1], "") << number;
  }
}

TEST(AddUsersScriptTest, CommentLinesStandAtTheirPlacesAndIndents) {
  const auto lines = AddUsersScriptLines(AllSwitchesOn());
  const std::pair<int, std::size_t> comments[] = {
      {11, 4}, {16, 4}, {25, 4}, {35, 4}, {38, 4}, {42, 4},  {45, 4},  {48, 4},  {51, 4},
      {52, 4}, {54, 4}, {57, 4}, {60, 4}, {63, 8}, {65, 12}, {68, 12}, {71, 12}, {74, 12},
      {78, 8}, {81, 8}, {84, 8}, {91, 8}, {99, 8}, {111, 8}, {114, 8}, {119, 4}};
  int comment_count = 0;
  for (const auto& [number, indent] : comments) {
    EXPECT_TRUE(IsComment(lines[number - 1])) << number;
    EXPECT_EQ(Indent(lines[number - 1]), indent) << number;
  }
  for (const std::string& line : lines) comment_count += IsComment(line) ? 1 : 0;
  EXPECT_EQ(comment_count, 26);
  // The sheet's comment ends with one space; no other line but "  u.SetInfo " does.
  for (int number = 1; number <= 120; ++number) {
    const std::string& line = lines[number - 1];
    const bool trailing = !line.empty() && line.back() == ' ' && Indent(line) < line.size();
    EXPECT_EQ(trailing, number == 45 || number == 108) << number;
  }
  // The "mail" attribute stays commented out.
  EXPECT_NE(lines[90].find("\"mail\", oXL.activecell.offset(0, 8)"), std::string::npos);
}

TEST(AddUsersScriptTest, ThePromptIsOneInputBoxCallOverSevenContinuedLines) {
  const auto lines = AddUsersScriptLines(AllSwitchesOn());
  EXPECT_EQ(lines[16], "    If oArgs.Count = 0 Then");
  EXPECT_EQ(lines[17].rfind("       TextXL = InputBox(\"", 0), 0u);
  std::string prompt;
  for (int number = 18; number <= 24; ++number) {
    const std::string& line = lines[number - 1];
    EXPECT_EQ(Indent(line), 7u) << number;
    // Each piece is one closed string literal.
    EXPECT_EQ(std::count(line.begin(), line.end(), '"') % 2, 0) << number;
    if (number < 24) {
      EXPECT_TRUE(line.ends_with("\" & _")) << number;
    }
    if (number > 18) {
      EXPECT_EQ(line.rfind("       CRLF & CRLF & \"", 0), 0u) << number;
    }
    prompt += line;
  }
  EXPECT_TRUE(lines[23].ends_with("\" & CRLF)"));
  for (const char* words :
       {"Excel spreadsheet", "ADSI", "DS root", "add or delete", "ADDUSERS.XLS", "DELUSERS.XLS"}) {
    EXPECT_NE(prompt.find(words), std::string::npos) << words;
  }
  EXPECT_EQ(lines[25], "    Else");
}

TEST(AddUsersScriptTest, EachSwitchOffRemovesOnlyItsLine) {
  const auto all = AddUsersScriptLines(AllSwitchesOn());
  const auto without = [&](int number) {
    auto lines = all;
    lines.erase(lines.begin() + (number - 1));
    return lines;
  };
  Options form = AllSwitchesOn();
  form.sets_profile_path = false;
  EXPECT_EQ(AddUsersScriptLines(form), without(95));
  form = AllSwitchesOn();
  form.password_never_expires = false;
  EXPECT_EQ(AddUsersScriptLines(form), without(106));
  form = AllSwitchesOn();
  form.must_change_password = false;
  EXPECT_EQ(AddUsersScriptLines(form), without(107));

  form.password_never_expires = false;
  form.sets_profile_path = false;
  const auto bare = AddUsersScriptLines(form);
  EXPECT_EQ(bare.size(), 117u);
  for (const std::string& line : bare) {
    EXPECT_EQ(line.find("userAccountControl"), std::string::npos);
    EXPECT_EQ(line.find("pwdLastSet"), std::string::npos);
    EXPECT_EQ(line.find("ProfilePath"), std::string::npos);
  }
}

TEST(AddUsersScriptTest, TheWrittenFileEndsEveryLineWithCrLf) {
  rt::testing::TestDrives drives;
  rt::Files files(drives.file_system());
  drives.WriteHostFile("A:\\addusers.vbs", "an older, much longer script that must not survive\n");
  const Options form = AllSwitchesOn();
  WriteAddUsersScript(files, form);

  std::string expected;
  for (const std::string& line : AddUsersScriptLines(form)) expected += line + "\r\n";
  EXPECT_EQ(drives.ReadHostFile("A:\\addusers.vbs"), expected);
  EXPECT_FALSE(files.IsOpen(1));
}

}  // namespace
}  // namespace acctgen

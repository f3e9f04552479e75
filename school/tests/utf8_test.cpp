// A student export saved as UTF-8 reads as its Windows-1252 twin.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/files.h"
#include "runtime/testing/memory_file_system.h"
#include "school/student_export_reader.h"
#include "school/testing/saved_as_utf8.h"
#include "school/utf8_to_1252.h"

namespace school {
namespace {

std::string To1252(std::string text) {
  Utf8To1252(text);
  return text;
}

TEST(Utf8DecodingTest, EveryCharacterOfTheCodePageComesBackAsItsByte) {
  for (int b = 1; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = testing::SavedAsUtf8(byte, false);
    ASSERT_TRUE(IsValidUtf8(utf8)) << b;
    // The five bytes the code page leaves out have no character to come back from.
    const bool unassigned = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
    EXPECT_EQ(To1252(utf8), unassigned ? "?" : byte) << b;
  }
  EXPECT_EQ(To1252("Durand@Chlo\xC3\xA9#7%7B"), "Durand@Chlo\xE9#7%7B");
  EXPECT_EQ(To1252("\xE2\x82\xAC \xC5\x92 \xC5\xB8 \xE2\x84\xA2"), "\x80 \x8C \x9F \x99");
}

TEST(Utf8DecodingTest, ACharacterTheCodePageLacksBecomesOneQuestionMark) {
  EXPECT_EQ(To1252("Nowak@\xC5\x81ukasz#9%9C"), "Nowak@?ukasz#9%9C");  // Ł
  EXPECT_EQ(To1252("Nguy\xE1\xBB\x85n@Lan#8%8A"), "Nguy?n@Lan#8%8A");  // ễ
  EXPECT_EQ(To1252("Kim@Ji\xF0\x9F\x98\x80#8%8A"), "Kim@Ji?#8%8A");    // a four-byte character
  // An accent written as a character of its own after the letter.
  EXPECT_EQ(To1252("Chloe\xCC\x81"), "Chloe?");
}

TEST(Utf8DecodingTest, BytesThatAreNoUtf8AreRefusedAndMarkedOncePerStretch) {
  for (const char* valid : {"", "Varga@Tomas#7%7B", "Zo\xC3\xAB", "\xF0\x9F\x98\x80",
                            "\xED\x9F\xBF", "\xF4\x8F\xBF\xBF", "\xEF\xBB\xBFx"}) {
    EXPECT_TRUE(IsValidUtf8(valid)) << valid;
  }
  for (const char* invalid : {"Durand@Chlo\xE9#7%7B",  // a lone Windows-1252 letter
                              "\x80", "\xC3", "a\xE2\x82", "\xC0\xAF", "\xE0\x80\xAF",
                              "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF"}) {
    EXPECT_FALSE(IsValidUtf8(invalid)) << invalid;
  }
  EXPECT_EQ(To1252("Chlo\xE9#7"), "Chlo?#7");
  EXPECT_EQ(To1252("a\xE2\x82#b"), "a?#b");  // a cut sequence is one stretch
  EXPECT_EQ(To1252("\xC0\xAF|\xED\xA0\x80"), "??|???");
}

class Utf8StudentExportTest : public ::testing::Test {
 protected:
  std::vector<std::string> Lines(const std::string& bytes) {
    file_system_.files["a:\\school.txt"] = bytes;
    rt::Files files(file_system_);
    StudentExportReader reader(files, files.OpenInput("A:\\school.txt"));
    std::vector<std::string> lines;
    std::string line = "left over";
    while (reader.Next(line)) lines.push_back(line);
    return lines;
  }
  rt::testing::MemoryFileSystem file_system_;
};

TEST_F(Utf8StudentExportTest, AUtf8FileReadsAsItsWindows1252Twin) {
  const std::string twin =
      "KORU export\r\n\r\nDurand@Chlo\xE9#7%7B\r\nM\x9Cller@\x8Aimon#8%8A\rLast@One#9%9A";
  const std::vector<std::string> expected = {"KORU export", "", "Durand@Chlo\xE9#7%7B",
                                             "M\x9Cller@\x8Aimon#8%8A", "Last@One#9%9A"};
  EXPECT_EQ(Lines(twin), expected);
  EXPECT_EQ(Lines(testing::SavedAsUtf8(twin, true)), expected);
  EXPECT_EQ(Lines(testing::SavedAsUtf8(twin, false)), expected);
  // The byte order mark alone makes the file UTF-8: a stray byte in it is marked, not taken as
  // a Windows-1252 letter.
  EXPECT_EQ(Lines("\xEF\xBB\xBFVarga@Tom\xE1s#7%7B\r\nNowak@\xC5\x81ukasz#9%9C\r\n"),
            (std::vector<std::string>{"Varga@Tom?s#7%7B", "Nowak@?ukasz#9%9C"}));
}

TEST_F(Utf8StudentExportTest, OneLineThatIsNoUtf8MakesTheWholeFileWindows1252) {
  // "Ã©" in Windows-1252 happens to be valid UTF-8 for "é"; the lone "é" further down decides.
  const std::string file =
      "Intro\r\nGarc\xC3\xA9s@Ana#7%7B\r\nPlain@Line#7%7B\r\n\r\n"
      "Durand@Chlo\xE9#7%7B\r\nZo\xC3\xAB@Last#8%8A\r\n";
  EXPECT_EQ(Lines(file),
            (std::vector<std::string>{"Intro", "Garc\xC3\xA9s@Ana#7%7B", "Plain@Line#7%7B", "",
                                      "Durand@Chlo\xE9#7%7B", "Zo\xC3\xAB@Last#8%8A"}));
  // The byte order mark counts only where the file starts.
  EXPECT_EQ(Lines("Durand@Chlo\xE9#7%7B\r\n\xEF\xBB\xBFVarga@Tomas#7%7B"),
            (std::vector<std::string>{"Durand@Chlo\xE9#7%7B", "\xEF\xBB\xBFVarga@Tomas#7%7B"}));
}

}  // namespace
}  // namespace school

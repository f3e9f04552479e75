#include "grantor/logic/shortcut_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/testing/test_drives.h"

namespace grantor {
namespace {

class ShortcutFileTest : public ::testing::Test {
 protected:
  // Every record of the text, and the error number the reading stopped with (0 at the end).
  std::pair<std::vector<ShortcutRecord>, int> ReadAll(const std::string& text) {
    drives_.WriteHostFile("C:\\odshrtct.dat", text);
    rt::Files files(drives_.file_system());
    const rt::FileNumber file = files.OpenInput("C:\\odshrtct.dat");
    std::vector<ShortcutRecord> records;
    try {
      while (!files.AtEnd(file)) records.push_back(ReadShortcutRecord(files, file));
    } catch (const rt::RuntimeError& error) {
      return {records, error.number()};
    }
    return {records, 0};
  }

  rt::testing::TestDrives drives_;
};

TEST_F(ShortcutFileTest, ValuesLoseTheirQuotesAndSurroundingSpacesWhereverLinesEnd) {
  const auto [records, error] = ReadAll(
      "\"  Varga Tomas \",\"tv\",\"7B\",\"year7\"\r\n"
      "  Lee Ann , la ,KA,kinder\r\n"
      "Split,over\r\ntwo,lines\r\n"
      "\"Smith, Jo\",sj,3A,year3");
  EXPECT_EQ(error, 0);
  EXPECT_EQ(records, (std::vector<ShortcutRecord>{{"Varga Tomas", "tv", "7B", "year7"},
                                                  {"Lee Ann", "la", "KA", "kinder"},
                                                  {"Split", "over", "two", "lines"},
                                                  {"Smith, Jo", "sj", "3A", "year3"}}));
}

TEST_F(ShortcutFileTest, ValuesRunningOutInsideARecordAreAnError) {
  const auto [records, error] = ReadAll("a,b,c,d\r\ne,f\r\n");
  EXPECT_EQ(records.size(), 1u);
  EXPECT_EQ(error, rt::kInputPastEndOfFile);
}

TEST_F(ShortcutFileTest, RewrittenLinesReadBackAsTheSameRecords) {
  const ShortcutRecord plain{"Varga Tomas", "tv", "7B", "year7"};
  EXPECT_EQ(ShortcutLine("tomas.varga", plain), "tomas.varga,tv,7B,year7");
  EXPECT_EQ(ShortcutLine(plain.Name, plain), "Varga Tomas,tv,7B,year7");
  // A comma inside a value keeps its quotes, or the package would read five values.
  const ShortcutRecord comma{"Smith, Jo", "s,j", "3A", "year3"};
  EXPECT_EQ(ShortcutLine(comma.Name, comma), "\"Smith, Jo\",\"s,j\",3A,year3");
  const auto [records, error] =
      ReadAll(ShortcutLine(comma.Name, comma) + "\r\n" + ShortcutLine(plain.Name, plain) + "\r\n");
  EXPECT_EQ(error, 0);
  EXPECT_EQ(records, (std::vector<ShortcutRecord>{comma, plain}));
}

TEST(RightsLinesTest, ResetAndStudentLinesJoinThePathsAndQuoteOneHoldingABlank) {
  EXPECT_EQ(ResetRightsLine("D:\\INTRANET\\ONDREL"),
            "a:\\xcacls D:\\INTRANET\\ONDREL /t /g administrators:F system:F everyone:R /Y");
  EXPECT_EQ(StudentRightsLine("D:\\INTRANET\\ONDREL", "Students",
                              {"Varga Tomas", "tv", "7B", "year7"}, "tomas.varga"),
            "a:\\xcacls D:\\INTRANET\\ONDREL\\Students\\year7\\7B\\tv /t /g administrators:F "
            "system:F tomas.varga:RC everyone:R /Y");
  // Bare, xcacls would be handed D:\intranet\ondrel, another folder.
  EXPECT_EQ(ResetRightsLine("D:\\intranet\\ondrel web"),
            "a:\\xcacls \"D:\\intranet\\ondrel web\" /t /g administrators:F system:F "
            "everyone:R /Y");
  EXPECT_EQ(StudentRightsLine("D:\\intranet\\ondrel", "Students",
                              {"Varga Tomas", "t v", "7B", "year7"}, "tomas.varga"),
            "a:\\xcacls \"D:\\intranet\\ondrel\\Students\\year7\\7B\\t v\" /t /g "
            "administrators:F system:F tomas.varga:RC everyone:R /Y");
}

TEST(RightsLinesTest, FoldersThatWouldBreakOutOfTheCommandAreRefused) {
  const ShortcutRecord plain{"Varga Tomas", "tv", "7B", "year7"};
  EXPECT_TRUE(FoldersSafeInBatch("Students", plain));
  EXPECT_TRUE(FoldersSafeInBatch("Students", {"Any & name", "O'Brien-Smith", "7 B", "year_7"}));
  for (const char* bad :
       {"a&b", "a|b", "a>b", "a<b", "a^b", "%PATH%", "a\"b", "a\rb", "a\nb", "a\tb"}) {
    EXPECT_FALSE(FoldersSafeInBatch(bad, plain)) << bad;
    EXPECT_FALSE(FoldersSafeInBatch("Students", {"Varga Tomas", bad, "7B", "year7"})) << bad;
    EXPECT_FALSE(FoldersSafeInBatch("Students", {"Varga Tomas", "tv", bad, "year7"})) << bad;
    EXPECT_FALSE(FoldersSafeInBatch("Students", {"Varga Tomas", "tv", "7B", bad})) << bad;
  }
}

}  // namespace
}  // namespace grantor

#include "acctgen/logic/todays_tools_lines.h"

#include <gtest/gtest.h>

namespace acctgen {
namespace {

TEST(TodaysToolsLinesTest, LinesQuoteEveryFolderAndName) {
  EXPECT_EQ(LdifImportLine(), "ldifde -i -k -h -f c:\\addusers.ldf");
  EXPECT_EQ(
      MakeFolderLine("D:\\s home\\2007\\tomas.varga"),
      "If Not Exist \"D:\\s home\\2007\\tomas.varga\\\" md \"D:\\s home\\2007\\tomas.varga\"");
  EXPECT_EQ(HomeFolderGrantLine("D:\\s_home\\2007\\o'brien&co", "o'brien&co", false),
            "icacls \"D:\\s_home\\2007\\o'brien&co\" /inheritance:r /grant:r "
            "\"o'brien&co:(OI)(CI)M\" \"administrator:(OI)(CI)F\" /c /q");
  EXPECT_EQ(HomeFolderGrantLine("D:\\s_home\\tomas.varga", "tomas.varga", true),
            "icacls \"D:\\s_home\\tomas.varga\" /inheritance:r /grant:r "
            "\"tomas.varga:(OI)(CI)F\" \"administrator:(OI)(CI)F\" /c /q");
  EXPECT_EQ(HomeFolderOwnerLine("D:\\s_home\\2007\\tomas.varga", "HILLCREST", "tomas.varga"),
            "icacls \"D:\\s_home\\2007\\tomas.varga\" /setowner \"HILLCREST\\tomas.varga\" /t /c "
            "/q");
}

}  // namespace
}  // namespace acctgen

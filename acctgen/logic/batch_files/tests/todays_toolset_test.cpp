#include "acctgen/logic/batch_files/todays_toolset.h"

#include <gtest/gtest.h>

#include "runtime/files.h"
#include "runtime/testing/test_drives.h"

namespace acctgen {
namespace {

TEST(TodaysToolsLinesTest, LinesQuoteEveryFolderAndName) {
  EXPECT_EQ(LdifImportLine(), "ldifde -i -k -h -f c:\\addusers.ldf");
  EXPECT_EQ(
      MakeFolderLine("D:\\s home\\2007\\tomas.varga"),
      "If Not Exist \"D:\\s home\\2007\\tomas.varga\\\" md \"D:\\s home\\2007\\tomas.varga\"");
  // The student with the domain; the Administrators group and the system by their identifiers.
  EXPECT_EQ(
      HomeFolderGrantLine("D:\\s_home\\2007\\o'brien&co", "HILLCREST", "o'brien&co", false),
      "icacls \"D:\\s_home\\2007\\o'brien&co\" /inheritance:r /grant:r "
      "\"HILLCREST\\o'brien&co:(OI)(CI)M\" \"*S-1-5-32-544:(OI)(CI)F\" \"*S-1-5-18:(OI)(CI)F\" "
      "/c /q");
  EXPECT_EQ(
      HomeFolderGrantLine("D:\\s_home\\tomas.varga", "HILLCREST", "tomas.varga", true),
      "icacls \"D:\\s_home\\tomas.varga\" /inheritance:r /grant:r "
      "\"HILLCREST\\tomas.varga:(OI)(CI)F\" \"*S-1-5-32-544:(OI)(CI)F\" \"*S-1-5-18:(OI)(CI)F\" "
      "/c /q");
  // A folder above the students' own: nothing inherited, signed-in users only list it.
  EXPECT_EQ(TodaysTools(Options{}).UpperFolderLines("D:\\s home"),
            (std::vector<std::string>{
                "If Not Exist \"D:\\s home\\\" md \"D:\\s home\"",
                "icacls \"D:\\s home\" /inheritance:r /grant:r \"*S-1-5-32-544:(OI)(CI)F\" "
                "\"*S-1-5-18:(OI)(CI)F\" \"*S-1-5-11:(RX)\" /c /q"}));
  EXPECT_EQ(HomeFolderOwnerLine("D:\\s_home\\2007\\tomas.varga", "HILLCREST", "tomas.varga"),
            "icacls \"D:\\s_home\\2007\\tomas.varga\" /setowner \"HILLCREST\\tomas.varga\" /t /c "
            "/q");
}

// The student becomes the owner only when the form asks for it; the grant is written either way.
TEST(TodaysToolsTest, TheOwnerLineFollowsTheOwnerBox) {
  for (const bool owns : {false, true}) {
    rt::testing::TestDrives drives;
    rt::Files files(drives.file_system());
    OutputFiles out;
    out.Step5 = files.OpenOutput("A:\\step5.bat");
    out.Step6 = files.OpenOutput("A:\\step6.bat");
    Options form;
    form.netbios_domain = " HILLCREST ";
    form.student_owns_home_folder = owns;
    TodaysTools(form).WriteHomeFolderLines(
        files, out, {"D:\\s_home\\2031\\tomas.varga", "2031\\tomas.varga", "tomas.varga"});
    files.CloseAll();
    std::string step6 =
        "icacls \"D:\\s_home\\2031\\tomas.varga\" /inheritance:r /grant:r "
        "\"HILLCREST\\tomas.varga:(OI)(CI)M\" \"*S-1-5-32-544:(OI)(CI)F\" \"*S-1-5-18:(OI)(CI)F\" "
        "/c /q\r\n";
    if (owns) {
      step6 +=
          "icacls \"D:\\s_home\\2031\\tomas.varga\" /setowner \"HILLCREST\\tomas.varga\" /t /c "
          "/q\r\n";
    }
    EXPECT_EQ(drives.ReadHostFile("A:\\step6.bat"), step6) << "owner box " << owns;
  }
}

}  // namespace
}  // namespace acctgen

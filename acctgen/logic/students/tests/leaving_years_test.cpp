#include "acctgen/logic/students/leaving_years.h"

#include <gtest/gtest.h>

#include "acctgen/logic/batch_files/classic_toolset.h"
#include "runtime/files.h"
#include "runtime/testing/test_drives.h"

namespace acctgen {
namespace {

TEST(LeavingYearsTest, EachYearGetsOneFolderLineWhenItFirstEnters) {
  rt::testing::TestDrives drives;
  rt::Files files(drives.file_system());
  OutputFiles out;
  out.Step5 = files.OpenOutput("A:\\step5.bat");
  Options form;
  form.server_drive_letter = "D ";
  form.home_share = " s_home ";
  const ClassicTools tools(form);
  RunState run;
  // The seeding with the current year, then the years met in the pass.
  AddLeavingYear(form, tools, "2026", files, out, run);
  for (const char* year : {"2026", "2031", "2029", "2031", "2026", "2029", "2027"}) {
    AddLeavingYear(form, tools, year, files, out, run);
  }
  files.Close(out.Step5);
  EXPECT_EQ(run.LeavingYearList, (std::vector<std::string>{"2026", "2031", "2029", "2027"}));
  EXPECT_EQ(drives.ReadHostFile("A:\\step5.bat"),
            "cscript a:\\makfldr.vbs \"D :\\s_home\\2026\"\r\n"
            "cscript a:\\makfldr.vbs \"D :\\s_home\\2031\"\r\n"
            "cscript a:\\makfldr.vbs \"D :\\s_home\\2029\"\r\n"
            "cscript a:\\makfldr.vbs \"D :\\s_home\\2027\"\r\n");
}

TEST(LeavingYearsTest, TheListGrowsBeyondTwentyYearsAndKeepsItsOrder) {
  rt::testing::TestDrives drives;
  rt::Files files(drives.file_system());
  OutputFiles out;
  out.Step5 = files.OpenOutput("A:\\step5.bat");
  Options form;
  form.server_drive_letter = "D";
  form.home_share = "s_home";
  const ClassicTools tools(form);
  RunState run;
  // A list filled by hand is taken into account, and gets no line of its own here.
  run.LeavingYearList = {"2000"};
  run.YearFolderLinesWritten = 1;
  std::string expected;
  for (int i = 0; i < 30; ++i) {
    const std::string year = std::to_string(3000 - i);
    AddLeavingYear(form, tools, year, files, out, run);
    AddLeavingYear(form, tools, "2000", files, out, run);
    expected += "cscript a:\\makfldr.vbs D:\\s_home\\" + year + "\r\n";
  }
  files.Close(out.Step5);
  ASSERT_EQ(run.LeavingYearList.size(), 31u);
  EXPECT_EQ(run.LeavingYearList[1], "3000");
  EXPECT_EQ(run.LeavingYearList[30], "2971");
  EXPECT_EQ(drives.ReadHostFile("A:\\step5.bat"), expected);
}

}  // namespace
}  // namespace acctgen

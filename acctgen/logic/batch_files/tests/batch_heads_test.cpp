#include "acctgen/logic/batch_files/batch_heads.h"

#include <gtest/gtest.h>

#include "acctgen/logic/batch_files/classic_toolset.h"
#include "acctgen/logic/batch_files/todays_toolset.h"
#include "runtime/files.h"
#include "runtime/testing/test_drives.h"

namespace acctgen {
namespace {

using Lines = std::vector<std::string>;

TEST(Step4Test, AFirstRunAlsoCreatesTheOus) {
  const Lines first_run = {"If Not Exist C:\\Accounts\\*.* md c:\\Accounts",
                           "Copy c:\\addusers.xls c:\\Accounts\\accounts2026-12-08-42.xls",
                           "cscript a:\\OU.vbs", "cscript a:\\addusers.vbs c:\\addusers.xls"};
  EXPECT_EQ(ClassicStep4Lines("accounts2026-12-08-42.xls", 0), first_run);
  EXPECT_EQ(ClassicStep4Lines("accounts2026-12-08-42.xls", 1), first_run);
  const Lines later = {first_run[0], first_run[1], first_run[3]};
  EXPECT_EQ(ClassicStep4Lines("accounts2026-12-08-42.xls", 2), later);
  EXPECT_EQ(ClassicStep4Lines("accounts2026-12-08-42.xls", 2000), later);
}

TEST(Step4Test, IsWrittenWholeAndClosed) {
  rt::testing::TestDrives drives;
  rt::Files files(drives.file_system());
  WriteStep4(files, ClassicStep4Lines("accounts2026-01-02-03.xls", 5));
  EXPECT_EQ(drives.ReadHostFile("A:\\step4.bat"),
            "If Not Exist C:\\Accounts\\*.* md c:\\Accounts\r\n"
            "Copy c:\\addusers.xls c:\\Accounts\\accounts2026-01-02-03.xls\r\n"
            "cscript a:\\addusers.vbs c:\\addusers.xls\r\n");
}

TEST(Step5HeadTest, TheFolderIsTrimmedAndTheDriveUsedAsTyped) {
  Options form;
  form.server_drive_letter = "D";
  form.home_share = "  s_home ";
  EXPECT_EQ(Step5HeadLines(form, ClassicTools(form)),
            (Lines{"cscript a:\\makfldr.vbs D:\\s_home",
                   "net share s_home=D:\\s_home /GRANT:Everyone,FULL"}));
  form.server_drive_letter = "D ";
  EXPECT_EQ(Step5HeadLines(form, ClassicTools(form))[1],
            "net share s_home=\"D :\\s_home\" /GRANT:Everyone,FULL");
}

// A share whose name holds a blank or an ampersand stays one argument on every line.
TEST(Step5HeadTest, AShareNameThatWouldSplitTheCommandIsQuoted) {
  Options form;
  form.server_drive_letter = "D";
  form.home_share = "s home&co";
  const std::string share = "net share \"s home&co\"=\"D:\\s home&co\" /GRANT:Everyone,FULL";
  EXPECT_EQ(Step5HeadLines(form, ClassicTools(form)),
            (Lines{"cscript a:\\makfldr.vbs \"D:\\s home&co\"", share}));
  const Lines todays = Step5HeadLines(form, TodaysTools(form));
  ASSERT_EQ(todays.size(), 3u);
  EXPECT_EQ(todays[0], "If Not Exist \"D:\\s home&co\\\" md \"D:\\s home&co\"");
  EXPECT_EQ(todays[1].rfind("icacls \"D:\\s home&co\" ", 0), 0u) << todays[1];
  EXPECT_EQ(todays[2], share);
}

TEST(AccountRowsHeadTest, TheProfileColumnFollowsTheProfileBox) {
  Options form;
  form.sets_profile_path = true;
  const Lines with = AccountRowsHeadLines(form, "DC=lakeside,DC=school,DC=nz");
  EXPECT_EQ(with[0],
            "DS Root,First Name, Last Name, Display Name, Description, SAM Account, Password, "
            "Home Drive, Home Path, Logon Script, Profile Path");
  EXPECT_EQ(with[1], "\"DC=lakeside,DC=school,DC=nz\"");
  form.sets_profile_path = false;
  const Lines without = AccountRowsHeadLines(form, "DC=a,DC=b");
  EXPECT_TRUE(without[0].ends_with(", Home Path, Logon Script"));
  EXPECT_EQ(without[1], "\"DC=a,DC=b\"");
}

TEST(Step6CleanUpTest, DeletesTheExportAndItsSortedCopy) {
  EXPECT_EQ(Step6CleanUpLines(), (Lines{"Del c:\\exportad.*", "Del c:\\exprtad2.csv"}));
}

}  // namespace
}  // namespace acctgen

#include "acctgen/logic/run/completion.h"

#include <gtest/gtest.h>

#include "acctgen/testing/recording_progress.h"
#include "runtime/files.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/test_drives.h"

namespace acctgen {
namespace {

using rt::testing::ShownMessage;
using rt::testing::StartedCommand;

class CompletionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    drives_.WriteHostFile("A:\\school.txt", "Varga@Tomas#7%7B\r\n");
    student_export_ = files_.OpenInput("A:\\school.txt");
    out_ = OpenOutputFiles(files_);
    files_.PrintLine(out_.AddUsersCsv, "row");
    progress_.visible = true;
  }
  void TearDown() override { drives_.RemoveHostFile("C:\\addusers.csv"); }

  void ExpectEverythingClosed() {
    for (rt::FileNumber file :
         {student_export_, out_.ErrorLog, out_.AddUsersCsv, out_.Step5, out_.Step6, out_.OuVbs}) {
      EXPECT_FALSE(files_.IsOpen(file)) << file;
    }
    EXPECT_EQ(drives_.ReadHostFile("C:\\addusers.csv"), "row\r\n");
    EXPECT_FALSE(progress_.visible);
    ASSERT_FALSE(progress_.items.empty());
    EXPECT_EQ(progress_.items.back(), "");
  }

  rt::testing::TestDrives drives_;
  rt::Files files_{drives_.file_system()};
  OutputFiles out_;
  rt::FileNumber student_export_ = 0;
  rt::testing::RecordingDialogs dialogs_;
  rt::testing::RecordingShell shell_;
  testing::RecordingProgress progress_;
};

TEST_F(CompletionTest, AnEmptyErrorLogEndsInSuccessWithoutNotepad) {
  EXPECT_EQ(CompleteRun(files_, out_, dialogs_, shell_, progress_), RunEnding::kSuccess);
  ExpectEverythingClosed();
  EXPECT_EQ(drives_.ReadHostFile("A:\\errorlog.txt"), "");
  EXPECT_EQ(
      dialogs_.messages,
      (std::vector<ShownMessage>{{"Step 2 Completed Successfully.  Please continue with Step 3.",
                                  "Success!", rt::MessageIcon::kInformation}}));
  EXPECT_TRUE(shell_.started.empty());
}

TEST_F(CompletionTest, ALoggedRecordGetsTheAdviceAndOpensTheLogByItsFullName) {
  files_.PrintLine(out_.ErrorLog, "In KORU, Varga does not have a preferred name entered.");
  // Notepad must find the finished log on the floppy disk when it starts.
  dialogs_.on_message = [&](const ShownMessage&) {
    EXPECT_TRUE(shell_.started.empty());
    EXPECT_EQ(drives_.ReadHostFile("A:\\errorlog.txt"),
              "In KORU, Varga does not have a preferred name entered.\r\n"
              " \r\n"
              "Please correct these errors in KORU, re-export and re-run this utility.\r\n"
              "Do NOT run this utility until these corrections are made.\r\n");
  };
  EXPECT_EQ(CompleteRun(files_, out_, dialogs_, shell_, progress_), RunEnding::kDataErrors);
  ExpectEverythingClosed();
  EXPECT_EQ(dialogs_.messages,
            (std::vector<ShownMessage>{
                {"There were errors found in your KORU data.  Click OK to view the errors.",
                 "Errors in KORU Data", rt::MessageIcon::kCritical}}));
  EXPECT_EQ(
      shell_.started,
      (std::vector<StartedCommand>{{"Notepad a:\\errorlog.txt", rt::WindowStyle::kNormalFocus}}));
}

TEST_F(CompletionTest, AfterAFailureEveryFileIsClosedAndWhatWasWrittenIsKept) {
  files_.PrintLine(out_.Step5, "cscript a:\\makfldr.vbs D:\\s_home");  // still buffered
  CloseAfterFailure(files_);
  EXPECT_EQ(drives_.ReadHostFile("A:\\step5.bat"), "cscript a:\\makfldr.vbs D:\\s_home\r\n");
  for (rt::FileNumber file : {student_export_, out_.ErrorLog, out_.Step5, out_.OuVbs}) {
    EXPECT_FALSE(files_.IsOpen(file));
  }
  EXPECT_TRUE(dialogs_.messages.empty());
}

}  // namespace
}  // namespace acctgen

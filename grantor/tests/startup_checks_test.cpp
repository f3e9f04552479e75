#include "grantor/logic/startup_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/fault_injecting_file_system.h"
#include "runtime/testing/test_drives.h"

namespace grantor {
namespace {

using rt::MessageIcon;
using rt::testing::ShownMessage;

constexpr char kFloppyTitle[] = "Where's the Floppy?";

class StartupChecksTest : public ::testing::Test {
 protected:
  void WriteExport(std::size_t bytes) {
    std::string text = "Varga@Tomas#7%7B\r\n";
    text.resize(bytes, 'x');
    drives_.WriteHostFile("A:\\school.txt", text.substr(0, bytes));
  }

  rt::testing::TestDrives drives_;
  rt::testing::RecordingDialogs dialogs_;
};

TEST_F(StartupChecksTest, AcceptsAnExportOfOneHundredBytesAndKeepsItOpenAtItsFirstLine) {
  WriteExport(100);
  rt::Files files(drives_.file_system());
  const StartupResult result = RunStartupChecks(files, dialogs_);
  ASSERT_TRUE(result.StudentExport.has_value());
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_EQ(files.LineInput(*result.StudentExport), "Varga@Tomas#7%7B");
}

TEST_F(StartupChecksTest, RefusesShortAndEmptyExportsAndClosesThem) {
  for (std::size_t bytes : {99u, 0u}) {
    WriteExport(bytes);
    rt::Files files(drives_.file_system());
    dialogs_.messages.clear();
    const StartupResult result = RunStartupChecks(files, dialogs_);
    EXPECT_FALSE(result.StudentExport.has_value()) << bytes;
    EXPECT_FALSE(files.IsOpen(1)) << bytes;
    ASSERT_EQ(dialogs_.messages.size(), 1u) << bytes;
    EXPECT_EQ(dialogs_.messages[0],
              (ShownMessage{"It appears that school.txt file has not been exported from KORU "
                            "correctly.  This utility will now close.",
                            "Severe Problem", MessageIcon::kCritical}));
  }
}

TEST_F(StartupChecksTest, MissingExportIsFatal) {
  rt::Files files(drives_.file_system());
  EXPECT_FALSE(RunStartupChecks(files, dialogs_).StudentExport.has_value());
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0],
            (ShownMessage{"The school.txt file from Ondrel or the Trellis is not on your floppy "
                          "disk.  Please put the correct diskette in.  This utility will now "
                          "close.",
                          "Severe Problem", MessageIcon::kCritical}));
}

TEST_F(StartupChecksTest, FloppyPromptRepeatsUntilTheDiskIsInThenReadsIt) {
  drives_.EjectFloppy();
  int prompts = 0;
  dialogs_.on_message = [&](const ShownMessage& shown) {
    if (shown.title == kFloppyTitle && ++prompts == 3) {
      drives_.InsertFloppy();
      WriteExport(150);
    }
  };
  rt::Files files(drives_.file_system());
  const StartupResult result = RunStartupChecks(files, dialogs_);
  ASSERT_TRUE(result.StudentExport.has_value());
  ASSERT_EQ(dialogs_.messages.size(), 3u);
  for (const ShownMessage& shown : dialogs_.messages) {
    EXPECT_EQ(shown, (ShownMessage{"The Win2000 floppy disk with your exported school.txt file is "
                                   "not in the floppy drive.  Please insert it then click OK.",
                                   kFloppyTitle, MessageIcon::kCritical}));
  }
}

TEST_F(StartupChecksTest, InsertedDiskWithoutTheExportEndsWithTheMissingExportMessage) {
  drives_.EjectFloppy();
  dialogs_.on_message = [&](const ShownMessage&) { drives_.InsertFloppy(); };
  rt::Files files(drives_.file_system());
  EXPECT_FALSE(RunStartupChecks(files, dialogs_).StudentExport.has_value());
  ASSERT_EQ(dialogs_.messages.size(), 2u);
  EXPECT_EQ(dialogs_.messages[0].title, kFloppyTitle);
  EXPECT_EQ(dialogs_.messages[1].title, "Severe Problem");
  EXPECT_NE(dialogs_.messages[1].text.find("is not on your floppy disk"), std::string::npos);
}

TEST_F(StartupChecksTest, BadSectorsAndUnexpectedErrorsAreFatalAndCloseTheExport) {
  WriteExport(200);
  struct Case {
    rt::testing::FileOperation operation;
    int error;
    std::string text;
  };
  const Case cases[] = {
      {rt::testing::FileOperation::kOpen, rt::kDeviceIoError,
       "It appears that the floppy disk has developed some bad sectors or the drive needs "
       "cleaning.  This utility will now close."},
      {rt::testing::FileOperation::kLength, rt::kPathNotFound,
       "An Error Code  76 has occurred.  Please contact the Trellis Help Desk at "
       "helpdesk@trellis.example reporting the problem and what you were trying to do.  This "
       "utility will now close."},
  };
  for (const Case& c : cases) {
    rt::testing::FaultInjectingFileSystem faulty(drives_.file_system());
    faulty.AddRule({c.operation, "school.txt", c.error});
    rt::Files files(faulty);
    dialogs_.messages.clear();
    EXPECT_FALSE(RunStartupChecks(files, dialogs_).StudentExport.has_value()) << c.error;
    EXPECT_FALSE(files.IsOpen(1)) << c.error;
    ASSERT_EQ(dialogs_.messages.size(), 1u) << c.error;
    EXPECT_EQ(dialogs_.messages[0],
              (ShownMessage{c.text, "Severe Problem", MessageIcon::kCritical}));
  }
}

}  // namespace
}  // namespace grantor

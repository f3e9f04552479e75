#include "runtime/testing/fault_injecting_file_system.h"

#include <gtest/gtest.h>

#include <functional>

#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/testing/test_drives.h"

namespace rt::testing {
namespace {

int ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& error) {
    return error.number();
  }
  return 0;
}

class FaultInjectionTest : public ::testing::Test {
 protected:
  TestDrives drives_;
  FaultInjectingFileSystem faulty_{drives_.file_system()};
  Files files_{faulty_};
};

TEST_F(FaultInjectionTest, ErrorsThePlatformRarelyGivesCanBeInjected) {
  faulty_.AddRule({FileOperation::kOpen, "a:\\", kPermissionDenied, OpenMode::kOutput});
  EXPECT_EQ(ErrorOf([&] { files_.OpenOutput("A:\\step5.bat"); }), kPermissionDenied);
  EXPECT_FALSE(drives_.HostFileExists("A:\\step5.bat"));

  drives_.WriteHostFile("A:\\school.txt", "line\r\n");
  faulty_.AddRule({FileOperation::kRead, "school", kDeviceIoError});
  const FileNumber in = files_.OpenInput("A:\\school.txt");
  EXPECT_EQ(ErrorOf([&] { files_.LineInput(in); }), kDeviceIoError);
}

TEST_F(FaultInjectionTest, AFullDiskSurfacesWhenBufferedLinesAreWritten) {
  faulty_.AddRule({FileOperation::kWrite, "", kDiskFull});
  const FileNumber out = files_.OpenOutput("C:\\full.txt");
  files_.PrintLine(out, "short");  // still buffered
  EXPECT_EQ(ErrorOf([&] { files_.Close(out); }), kDiskFull);
  EXPECT_FALSE(files_.IsOpen(out));
  drives_.RemoveHostFile("C:\\full.txt");

  // Lines reach the platform in blocks, so a sweep over the operations meets each block once:
  // its fault surfaces at the line that fills the block or at the close, with its number.
  faulty_.ClearFaults();
  const std::size_t logged_before = faulty_.log().size();
  const FileNumber report = files_.OpenOutput("C:\\full.txt");
  for (int i = 0; i < 10000; ++i) files_.PrintLine(report, "twenty bytes of text");  // 220,000
  files_.Close(report);
  int writes = 0;
  for (std::size_t i = logged_before; i < faulty_.log().size(); ++i) {
    writes += faulty_.log()[i] == "write C:\\full.txt";
  }
  EXPECT_EQ(writes, 4);  // three full blocks and the rest at the close
  EXPECT_EQ(drives_.ReadHostFile("C:\\full.txt").size(), 220000u);
  faulty_.AddRule({FileOperation::kWrite, "", kDiskFull});
  const FileNumber again = files_.OpenOutput("C:\\full.txt");
  int failed_at = -1;
  for (int i = 0; i < 10000 && failed_at < 0; ++i) {
    if (ErrorOf([&] { files_.PrintLine(again, "twenty bytes of text"); }) == kDiskFull) {
      failed_at = i;
    }
  }
  EXPECT_EQ(failed_at, 65536 / 22);  // the line that fills the first block
  files_.Close(again);
  drives_.RemoveHostFile("C:\\full.txt");
}

TEST_F(FaultInjectionTest, SkipAndTimesChooseWhichCallsFail) {
  faulty_.AddRule({FileOperation::kOpen, "x.txt", kDiskNotReady, std::nullopt, 1, 2});
  EXPECT_EQ(ErrorOf([&] { files_.Close(files_.OpenOutput("A:\\x.txt")); }), 0);
  EXPECT_EQ(ErrorOf([&] { files_.OpenOutput("A:\\x.txt"); }), kDiskNotReady);
  EXPECT_EQ(ErrorOf([&] { files_.OpenOutput("A:\\x.txt"); }), kDiskNotReady);
  EXPECT_EQ(ErrorOf([&] { files_.Close(files_.OpenOutput("A:\\x.txt")); }), 0);
}

TEST_F(FaultInjectionTest, ASweepCanFailEachOperationInTurn) {
  const auto run = [&] {
    const FileNumber out = files_.OpenOutput("A:\\a.txt");
    files_.PrintLine(out, "a");
    files_.Close(out);
    files_.Rename("A:\\a.txt", "A:\\b.txt");
    files_.Delete("A:\\b.txt");
  };
  run();
  const std::vector<std::string> expected = {"open output A:\\a.txt", "write A:\\a.txt",
                                             "close A:\\a.txt", "rename A:\\a.txt -> A:\\b.txt",
                                             "delete A:\\b.txt"};
  EXPECT_EQ(faulty_.log(), expected);
  for (int step = 0; step < static_cast<int>(expected.size()); ++step) {
    drives_.CleanFloppy();
    FaultInjectingFileSystem sweep(drives_.file_system());
    Files files(sweep);
    sweep.FailOperationAt(step, kDeviceIoError);
    EXPECT_EQ(ErrorOf([&] {
                const FileNumber out = files.OpenOutput("A:\\a.txt");
                files.PrintLine(out, "a");
                files.Close(out);
                files.Rename("A:\\a.txt", "A:\\b.txt");
                files.Delete("A:\\b.txt");
              }),
              kDeviceIoError)
        << "step " << step;
  }
}

TEST(ErrorTest, DescriptionsAreTheStandardOnes) {
  EXPECT_EQ(RuntimeError(53).description(), "File not found");
  EXPECT_EQ(RuntimeError(57).description(), "Device I/O error");
  EXPECT_EQ(RuntimeError(58).description(), "File already exists");
  EXPECT_EQ(RuntimeError(61).description(), "Disk full");
  EXPECT_EQ(RuntimeError(62).description(), "Input past end of file");
  EXPECT_EQ(RuntimeError(70).description(), "Permission denied");
  EXPECT_EQ(RuntimeError(71).description(), "Disk not ready");
  EXPECT_EQ(RuntimeError(75).description(), "Path/File access error");
  EXPECT_EQ(RuntimeError(76).description(), "Path not found");
  EXPECT_EQ(RuntimeError(9).description(), "Subscript out of range");
  EXPECT_EQ(RuntimeError(5).description(), "Invalid procedure call or argument");
  EXPECT_EQ(RuntimeError(6).description(), "Overflow");
  EXPECT_EQ(RuntimeError(52).description(), "Bad file name or number");
  EXPECT_EQ(RuntimeError(71, "A:\\school.txt").number(), 71);
}

}  // namespace
}  // namespace rt::testing

// The bundled sample package through the whole run with the shared login rules, compared with
// the same golden files that the end-to-end test under Wine compares grantor.exe's output with.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "grantor/logic/login_maker.h"
#include "grantor/logic/rights_run.h"
#include "runtime/files.h"
#include "runtime/posix/posix_file_system.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/test_drives.h"
#include "school/testing/saved_as_utf8.h"

namespace grantor {
namespace {

std::string Sample(const std::string& name) {
  std::ifstream file(std::string(SAMPLES_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// The whole run on the sample package with this student export, checked against the golden
// files.
void RunOnTheSamplePackage(const std::string& school) {
  rt::testing::TestDrives drives;
  auto* posix = dynamic_cast<rt::PosixFileSystem*>(&drives.file_system());
  ASSERT_NE(posix, nullptr);
  const std::string share = drives.HostPath("C:\\share");
  std::filesystem::create_directories(share + "/INTRANET/ONDREL");
  posix->MapDrive('S', share);
  drives.WriteHostFile("A:\\school.txt", school);
  const std::string package = drives.HostPath("C:\\share\\INTRANET\\ONDREL\\");
  for (const char* name : {"odshrtct.dat", "odshrtct.ini"}) {
    std::ofstream(package + name, std::ios::binary) << Sample(name);
  }

  rt::testing::RecordingDialogs dialogs;
  rt::testing::RecordingShell shell;
  rt::Files files(drives.file_system());
  const rt::FileNumber student_export = files.OpenInput("A:\\school.txt");
  ASSERT_EQ(RunSetRights(files, dialogs, shell, "S:\\INTRANET\\ONDREL", student_export,
                         MakeLoginMaker(school::LoginFormat::kFirstnameDotSurname)),
            RunOutcome::kFinished);

  auto read = [&](const char* name) {
    return drives.ReadHostFile(std::string("C:\\share\\INTRANET\\ONDREL\\") + name);
  };
  EXPECT_EQ(read("odrights.bat"), Sample("golden/odrights.bat"));
  EXPECT_EQ(read("odshrtct.dat"), Sample("golden/odshrtct.dat"));
  EXPECT_EQ(read("odshrtct.org"), Sample("odshrtct.dat"));
  // Nothing of the name that makes no login reaches the batch file.
  EXPECT_EQ(read("odrights.bat").find("Star"), std::string::npos);
  // The two Tomas Vargas of year 7 leave their records to be set by hand.
  ASSERT_EQ(shell.started.size(), 2u);
  EXPECT_EQ(shell.started[0].command_line, "S:\\INTRANET\\ONDREL\\odrights.bat");
  EXPECT_EQ(shell.started[1].command_line, "Notepad \"S:\\INTRANET\\ONDREL\\odrights.txt\"");
  posix->UnmapDrive('S');
}

TEST(SamplePackageTest, FullRunOnAMappedDriveMatchesTheGoldenFiles) {
  RunOnTheSamplePackage(Sample("school.txt"));
}

// The list saved as UTF-8 by an editor of today gives the same files: Zoë keeps her rights.
TEST(SamplePackageTest, Utf8TwinsOfTheListMatchTheSameGoldenFiles) {
  for (const bool byte_order_mark : {true, false}) {
    SCOPED_TRACE(byte_order_mark ? "with the byte order mark" : "without");
    RunOnTheSamplePackage(school::testing::SavedAsUtf8(Sample("school.txt"), byte_order_mark));
  }
}

}  // namespace
}  // namespace grantor

// Start-up and a Create run on the bundled sample school, through the real form model.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "acctgen/logic/run/create_run.h"
#include "acctgen/logic/startup/startup.h"
#include "acctgen/testing/files_line_sorter.h"
#include "acctgen/testing/student_accounts.h"
#include "acctgen/ui/form_model.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/test_drives.h"
#include "school/testing/saved_as_utf8.h"

namespace acctgen::ui {
namespace {

std::string SampleFile(const std::string& name) {
  std::ifstream file(std::string(SAMPLE_SCHOOL_DIR) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

TEST(SampleSchoolTest, StartUpLoadsTheAccountsAndRestoresTheForm) {
  rt::testing::TestDrives drives;
  drives.WriteHostFile("A:\\school.txt", SampleFile("floppy/school.txt"));
  drives.WriteHostFile("C:\\exportad.csv", SampleFile("c/exportad.csv"));
  drives.WriteHostFile("C:\\trellis.ini", SampleFile("c/trellis.ini"));
  ASSERT_GT(drives.ReadHostFile("A:\\school.txt").size(), 100u);

  rt::Files files(drives.file_system());
  acctgen::testing::FilesLineSorter sorter(files);
  rt::testing::RecordingDialogs dialogs;
  rt::testing::FixedClock clock({2026, 12, 8, 8, 0, 0});
  FormModel form(dialogs);
  rt::testing::RecordingShell shell;
  rt::testing::SequenceRandom random({0.5});
  SilentProgress progress;
  StartupState state;
  const StartupOutcome outcome =
      RunStartup({files, dialogs, shell, clock, random, progress, sorter}, form, state);

  EXPECT_EQ(outcome.end, StartupEnd::kShowForm);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(state.ExistingCount, 128);
  ASSERT_EQ(state.ExistingAccounts.size(), 128u);
  // Sorted by surname, then given name: the account names follow that order, not their own.
  const std::vector<std::string> names = testing::NamesOf(state.ExistingAccounts);
  EXPECT_FALSE(std::is_sorted(names.begin(), names.end()));
  EXPECT_NE(std::find(names.begin(), names.end(), "dane.hollis"), names.end());

  EXPECT_EQ(form.Get("Text1").text, "hillcrest.school.example");
  EXPECT_EQ(form.Get("Text8").text, "\\\\HCSERVER1\\profiles$");
  EXPECT_TRUE(form.Get("Check20").checked);
  EXPECT_FALSE(form.Get("Text6").enabled);
  EXPECT_FALSE(form.Get("Check5").enabled);
  EXPECT_TRUE(form.Get("Check17").checked);
  // The sample's settings predate the strong passwords and today's tools: the classic run.
  EXPECT_FALSE(form.Get("Check21").checked);
  EXPECT_FALSE(form.Get("Check22").checked);
  ASSERT_TRUE(state.StudentExport.has_value());
  EXPECT_EQ(files.LineInput(*state.StudentExport),
            "HILLCREST COLLEGE - STUDENT LIST FOR NETWORK ACCOUNTS");
  files.CloseAll();
}

// Every file a Create run may write.
const char* const kRunOutputs[] = {"A:\\addusers.vbs", "A:\\step4.bat",    "A:\\errorlog.txt",
                                   "C:\\addusers.csv", "A:\\step5.bat",    "A:\\step6.bat",
                                   "A:\\ou.vbs",       "C:\\addusers.ldf", "A:\\deleted.txt",
                                   "C:\\handout.htm",  "C:\\trellis.ini"};

// Start-up and a Create run on the sample school with this student export, as the form restores
// it; the files written, by path ("" for one not written).
std::map<std::string, std::string> CreateRunFiles(const std::string& school) {
  rt::testing::TestDrives drives;
  drives.WriteHostFile("A:\\school.txt", school);
  drives.WriteHostFile("C:\\exportad.csv", SampleFile("c/exportad.csv"));
  drives.WriteHostFile("C:\\trellis.ini", SampleFile("c/trellis.ini"));
  rt::Files files(drives.file_system());
  acctgen::testing::FilesLineSorter sorter(files);
  rt::testing::RecordingDialogs dialogs;
  rt::testing::FixedClock clock({2026, 12, 8, 8, 0, 0});
  FormModel form(dialogs);
  rt::testing::RecordingShell shell;
  rt::testing::SequenceRandom random({0.5});
  SilentProgress progress;
  StartupState state;
  const Services services{files, dialogs, shell, clock, random, progress, sorter};
  EXPECT_EQ(RunStartup(services, form, state).end, StartupEnd::kShowForm);
  // One password for every account, so that the runs can be compared byte for byte.
  form.SetFlag("Check4", false);
  form.SetText("Text6", "sunrise7");
  EXPECT_EQ(RunCreate(form.Snapshot(), state, services).end, CreateEnd::kDataErrors);
  std::map<std::string, std::string> written;
  for (const char* path : kRunOutputs) {
    written[path] = drives.HostFileExists(path) ? drives.ReadHostFile(path) : "";
  }
  return written;
}

std::size_t LineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// An editor of today saves the list as UTF-8, with or without the byte order mark; every file
// of the run comes out as from the list in Windows-1252, accented students included.
TEST(SampleSchoolTest, Utf8TwinsOfTheSchoolWriteTheSameFiles) {
  const std::string list = SampleFile("floppy/school.txt");
  const std::map<std::string, std::string> expected = CreateRunFiles(list);
  // The header, the domain root and one row for each of the 198 new accounts.
  EXPECT_EQ(LineCount(expected.at("C:\\addusers.csv")), 2u + 198u);
  // The sample's data errors and its closing lines; a namesake now takes the account of his unit.
  EXPECT_EQ(LineCount(expected.at("A:\\errorlog.txt")), 8u);
  for (const bool byte_order_mark : {true, false}) {
    const std::map<std::string, std::string> written =
        CreateRunFiles(school::testing::SavedAsUtf8(list, byte_order_mark));
    for (const char* path : kRunOutputs) {
      SCOPED_TRACE(std::string(path) + (byte_order_mark ? " with" : " without") +
                   " the byte order mark");
      EXPECT_EQ(LineCount(written.at(path)), LineCount(expected.at(path)));
      EXPECT_TRUE(written.at(path) == expected.at(path));
    }
  }
}

}  // namespace
}  // namespace acctgen::ui

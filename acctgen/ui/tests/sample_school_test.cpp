// Start-up on the bundled sample school, through the real form model.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "acctgen/logic/startup.h"
#include "acctgen/testing/files_line_sorter.h"
#include "acctgen/testing/student_accounts.h"
#include "acctgen/ui/form_model.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/test_drives.h"

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
  ASSERT_TRUE(state.StudentExport.has_value());
  EXPECT_EQ(files.LineInput(*state.StudentExport),
            "HILLCREST COLLEGE - STUDENT LIST FOR NETWORK ACCOUNTS");
  files.CloseAll();
}

}  // namespace
}  // namespace acctgen::ui

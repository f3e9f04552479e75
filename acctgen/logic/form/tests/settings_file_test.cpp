#include "acctgen/logic/form/settings_file.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "runtime/error.h"
#include "runtime/testing/fault_injecting_file_system.h"
#include "runtime/testing/test_drives.h"

namespace acctgen {
namespace {

// Records what restoring applies, in order: "Text1=..." or "Option4:1".
class RecordingTarget : public SettingsTarget {
 public:
  void SetText(Field field, std::string_view text) override {
    applied.push_back(std::string(ControlOf(field).name) + "=" + std::string(text));
  }
  void SetFlag(Field field, bool on) override {
    applied.push_back(std::string(ControlOf(field).name) + (on ? ":1" : ":0"));
  }
  std::vector<std::string> applied;
};

class SettingsFileTest : public ::testing::Test {
 protected:
  // Restores from a settings file holding bytes; returns the error number that ended it (0).
  int Restore(const std::string& bytes) {
    drives.WriteHostFile("C:\\trellis.ini", bytes);
    const rt::FileNumber file = files.OpenInput("C:\\trellis.ini");
    int error = 0;
    try {
      RestoreSettings(files, file, target);
    } catch (const rt::RuntimeError& e) {
      error = e.number();
    }
    files.Close(file);
    return error;
  }

  rt::testing::TestDrives drives;
  rt::Files files{drives.file_system()};
  RecordingTarget target;
};

TEST_F(SettingsFileTest, StartValuesGiveTheDocumentedBytes) {
  EXPECT_EQ(SettingsFileText(Options{}),
            ",,,,,0,1,,1,0,0,1,1,1,0,0,0,0,0,1,1,0,0,0,0,0,0,0,0,1,1,1,1,1,1,1,1,1,0,,LANTERNS,0,"
            "\r\n0,0,0,0,");
}

TEST_F(SettingsFileTest, FirstLineEndsWithTheNetBiosNameAndTheSecondHasNoLineEnd) {
  Options values;
  values.netbios_domain = "HILLCREST";
  values.login_format = school::LoginFormat::kFirstnameSurname;
  values.todays_tools = true;
  const std::string text = SettingsFileText(values);
  const std::size_t line_end = text.find("\r\n");
  ASSERT_NE(line_end, std::string::npos);
  EXPECT_EQ(text.substr(line_end - 10, 10), ",HILLCREST");
  EXPECT_EQ(text.substr(line_end + 2), "1,0,0,1,");
  EXPECT_EQ(text.find("\r\n", line_end + 2), std::string::npos);

  // Read back, the name and the four flags are separate fields.
  ASSERT_EQ(Restore(text), 0);
  ASSERT_EQ(target.applied.size(), 47u);
  EXPECT_EQ(target.applied[41], "Text9=HILLCREST");
  EXPECT_EQ(target.applied[43], "Option15:1");
  EXPECT_EQ(target.applied[44], "Option16:0");
  EXPECT_EQ(target.applied[45], "Check21:0");
  EXPECT_EQ(target.applied[46], "Check22:1");
}

TEST_F(SettingsFileTest, AFileWrittenBeforeThePolicyAndToolsOptionsLeavesBothOff) {
  Options values;
  values.policy_passwords = true;
  values.todays_tools = true;
  std::string text = SettingsFileText(values);
  ASSERT_EQ(text.substr(text.size() - 4), "1,1,");
  text.resize(text.size() - 4);
  // The end of the data surfaces after field 45, as for any short file; start-up shows the
  // form, with both new options off whatever a fresh form starts with.
  ASSERT_EQ(Restore(text), rt::kInputPastEndOfFile);
  ASSERT_EQ(target.applied.size(), 47u);
  EXPECT_EQ(target.applied[44], "Option16:0");
  EXPECT_EQ(target.applied[45], "Check21:0");
  EXPECT_EQ(target.applied[46], "Check22:0");
}

TEST_F(SettingsFileTest, GroupsApplyInFileOrderWithTheNetBiosNameBeforeTheOwnerBox) {
  Options values;
  values.domain_dns_name = "a.b";
  values.netbios_domain = "NB";
  values.student_owns_home_folder = true;
  ASSERT_EQ(Restore(SettingsFileText(values)), 0);
  const std::vector<std::string> expected_names = {
      "Text1",   "Text2",   "Text7",   "Text3",    "Text5",    "Option9",  "Option10", "Text4",
      "Option1", "Option2", "Option3", "Check1",   "Check2",   "Check3",   "Check18",  "Option4",
      "Option5", "Option6", "Option7", "Option8",  "Option11", "Option12", "Check5",   "Check6",
      "Check7",  "Check8",  "Check9",  "Check10",  "Check11",  "Check12",  "Check13",  "Check14",
      "Check15", "Check16", "Check17", "Check4",   "Check19",  "Option13", "Option14", "Text8",
      "Text6",   "Text9",   "Check20", "Option15", "Option16", "Check21",  "Check22"};
  ASSERT_EQ(target.applied.size(), expected_names.size());
  for (std::size_t i = 0; i < expected_names.size(); ++i) {
    EXPECT_EQ(target.applied[i].substr(0, expected_names[i].size()), expected_names[i]) << i;
  }
  EXPECT_EQ(target.applied[41], "Text9=NB");
  EXPECT_EQ(target.applied[42], "Check20:1");
}

TEST_F(SettingsFileTest, OnlyZeroClearsAFlag) {
  // Fields 6 to 8: Option9, Option10, Text4; the rest of the file is cut off.
  ASSERT_EQ(Restore(",,,,,1,0,x,-1,yes,,0"), rt::kInputPastEndOfFile);
  const std::vector<std::string> expected = {
      "Text1=",  "Text2=",    "Text7=",    "Text3=",    "Text5=",    "Option9:1", "Option10:0",
      "Text4=x", "Option1:1", "Option2:1", "Option3:1", "Check21:0", "Check22:0"};
  EXPECT_EQ(target.applied, expected);
}

TEST_F(SettingsFileTest, TextsComeBackTrimmed) {
  ASSERT_EQ(Restore("  school.example  ,"), rt::kInputPastEndOfFile);
  ASSERT_FALSE(target.applied.empty());
  EXPECT_EQ(target.applied[0], "Text1=school.example");
}

TEST_F(SettingsFileTest, AFileEndingAfterField22AppliesTheFirstEightGroupsOnly) {
  Options values;
  const std::string text = SettingsFileText(values);
  std::size_t cut = 0;
  for (int commas = 0; commas < 22; ++commas) cut = text.find(',', cut) + 1;
  ASSERT_EQ(Restore(text.substr(0, cut)), rt::kInputPastEndOfFile);
  ASSERT_EQ(target.applied.size(), 24u);
  EXPECT_EQ(target.applied[21], "Option12:0");
  EXPECT_EQ(target.applied[23], "Check22:0");

  // Ending inside a group leaves the whole group out.
  target.applied.clear();
  ASSERT_EQ(Restore(text.substr(0, cut) + "0,0,0,"), rt::kInputPastEndOfFile);
  EXPECT_EQ(target.applied.size(), 24u);
  EXPECT_EQ(target.applied[21], "Option12:0");

  // A file without a single field restores nothing.
  target.applied.clear();
  ASSERT_EQ(Restore(""), rt::kInputPastEndOfFile);
  EXPECT_TRUE(target.applied.empty());
}

TEST_F(SettingsFileTest, ATextWithACommaStaysOneField) {
  Options values;
  values.logon_script = "logon,students.bat";
  values.common_password = "\"quoted";
  const std::string text = SettingsFileText(values);
  EXPECT_NE(text.find(",\"logon,students.bat\","), std::string::npos);
  ASSERT_EQ(Restore(text), 0);
  ASSERT_EQ(target.applied.size(), 47u);
  EXPECT_EQ(target.applied[7], "Text4=logon,students.bat");
  EXPECT_EQ(target.applied[40], "Text6=quoted");
  EXPECT_EQ(target.applied[46], "Check22:0");
}

TEST_F(SettingsFileTest, SaveReplacesTheFileAndLeavesNoTemporaryFile) {
  drives.WriteHostFile("C:\\trellis.ini", "old");
  Options values;
  values.domain_dns_name = "hillcrest.school.example";
  SaveSettings(files, values);
  EXPECT_EQ(drives.ReadHostFile("C:\\trellis.ini"), SettingsFileText(values));
  EXPECT_FALSE(drives.HostFileExists("C:\\trellis.new"));
  EXPECT_FALSE(drives.HostFileExists("C:\\trellis.old"));

  drives.RemoveHostFile("C:\\trellis.ini");
  SaveSettings(files, values);
  EXPECT_EQ(drives.ReadHostFile("C:\\trellis.ini"), SettingsFileText(values));
  // The wizard reads the saved choice of tools from the same field.
  EXPECT_FALSE(school::TodaysToolsChosen(files));
  values.todays_tools = true;
  SaveSettings(files, values);
  EXPECT_TRUE(school::TodaysToolsChosen(files));
}

TEST_F(SettingsFileTest, AFailedSaveKeepsThePreviousSettings) {
  const Options values;
  for (auto [operation, error] :
       {std::pair{rt::testing::FileOperation::kWrite, rt::kDiskFull},
        std::pair{rt::testing::FileOperation::kClose, rt::kDiskFull},
        std::pair{rt::testing::FileOperation::kRename, rt::kPermissionDenied},
        std::pair{rt::testing::FileOperation::kOpen, rt::kPathFileAccessError}}) {
    drives.WriteHostFile("C:\\trellis.ini", "previous");
    rt::testing::FaultInjectingFileSystem faulty(drives.file_system());
    faulty.AddRule({.operation = operation,
                    .path_contains = "",
                    .error_number = error,
                    .skip = operation == rt::testing::FileOperation::kRename ? 1 : 0,
                    .times = 1});
    rt::Files faulty_files(faulty);
    try {
      SaveSettings(faulty_files, values);
      ADD_FAILURE() << "no failure for error " << error;
    } catch (const rt::RuntimeError& e) {
      EXPECT_EQ(e.number(), error);
    }
    EXPECT_EQ(drives.ReadHostFile("C:\\trellis.ini"), "previous") << error;
  }
}

}  // namespace
}  // namespace acctgen

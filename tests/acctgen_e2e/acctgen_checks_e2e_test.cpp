// The form checks of a Create run under Wine: each refusal's message, title and icon, the focus
// on the field at fault, the trimmed DNS name in its field, and not a file written.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "acctgen/ui/product.h"
#include "runtime/testing/test_drives.h"
#include "tests/acctgen_e2e/e2e_support.h"
#include "tools/robot/robot.h"

namespace acctgen_e2e {
namespace {

constexpr const char* kDnsLabel = "Full DNS Name for School Domain:";
constexpr const char* kUncLabel = "UNC Path:";
constexpr const char* kLogonLabel = "Logon Script Filename:";
constexpr const char* kDnsText = "Your DNS Address is invalid - check the syntax";

struct Refusal {
  const char* label;  // the field typed into
  const char* typed;
  const char* focus_label;  // the field that must get the focus
  const char* title;
  const char* icon;
  const char* text;
};

// The edit box that follows a caption label in creation order.
HWND FieldAfter(HWND form, std::string_view label) {
  const std::vector<robot::Control> controls = robot::ListControls(form);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].caption != label) continue;
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      if (controls[j].kind == "edit") return controls[j].handle;
    }
  }
  return nullptr;
}

class AcctgenChecksE2eTest : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  static void Clean() {
    for (const char* path : {"C:\\exportad.csv", "C:\\exportad.srt", "C:\\exprtad2.csv",
                             "C:\\trellis.ini", "C:\\trellis.new", "C:\\trellis.old",
                             "C:\\addusers.csv", "C:\\addusers.xls", "C:\\handout.htm"}) {
      RemoveFile(path);
    }
  }
  rt::testing::TestDrives drives_;
};

TEST_F(AcctgenChecksE2eTest, EachRefusalShowsItsMessageFocusesItsFieldAndWritesNothing) {
  const std::string settings = ExampleFile("c\\trellis.ini");
  WriteWholeFile("A:\\school.txt", ExampleFile("floppy\\school.txt"));
  WriteWholeFile("C:\\exportad.csv", ExampleFile("c\\exportad.csv"));
  WriteWholeFile("C:\\trellis.ini", settings);
  WriteWholeFile("C:\\addusers.xls", "last year's workbook");

  robot::Process program = robot::Process::Start("\"" + AcctgenExe() + "\"", "C:\\");
  HWND form = robot::WaitForWindow(std::string(acctgen::ui::kMainFormTitle), 30000, program.id());
  ASSERT_NE(form, nullptr);
  const std::string dns = robot::ReadField(form, kDnsLabel);
  const std::string unc = robot::ReadField(form, kUncLabel);
  const std::string logon = robot::ReadField(form, kLogonLabel);

  const Refusal refusals[] = {
      {kDnsLabel, "hillcrest school.example", kDnsLabel, "Check Data", "none", kDnsText},
      {kDnsLabel, "hillcrest/school.example", kDnsLabel, "Check Data", "none", kDnsText},
      {kDnsLabel, "hillcrest\\school.example", kDnsLabel, "Check Data", "none", kDnsText},
      {kDnsLabel, "hillcrest*school.example", kDnsLabel, "Check Data", "none", kDnsText},
      {kDnsLabel, "hillcrest,school.example", kDnsLabel, "Check Data", "none", kDnsText},
      {kDnsLabel, "hillcrest?school.example", kDnsLabel, "Check Data", "none", kDnsText},
      {kDnsLabel, "hillcrest..example", kDnsLabel, "Check Data", "none", kDnsText},
      {kUncLabel, "\\HCSERVER1\\profiles$", kUncLabel, "UNC Path Incorrect", "warning",
       "You must specify a proper UNC path for the User Profile Location."},
      {kLogonLabel, "Students.cmd", kLogonLabel, "Logon Script Batch File Invalid", "warning",
       "You must specify a proper logon script batch file name - eg. 'student.bat'."},
      {kDnsLabel, "hillcrest", kDnsLabel, "Check Data", "none", kDnsText},
  };
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.typed);
    // Each case spoils one field; the others hold the sample's valid values.
    ASSERT_TRUE(robot::TypeIntoField(form, kDnsLabel, dns));
    ASSERT_TRUE(robot::TypeIntoField(form, kUncLabel, unc));
    ASSERT_TRUE(robot::TypeIntoField(form, kLogonLabel, logon));
    ASSERT_TRUE(robot::TypeIntoField(form, refusal.label, refusal.typed));
    ASSERT_TRUE(robot::Click(form, "Create!"));
    const auto box = robot::AnswerMessageBox(20000, program.id());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, refusal.title);
    EXPECT_EQ(box->icon, refusal.icon);
    EXPECT_EQ(box->text, refusal.text);
    Sleep(200);  // the focus moves once the box is gone
    EXPECT_EQ(robot::FocusedControl(form), FieldAfter(form, refusal.focus_label));
    EXPECT_TRUE(program.Running());
  }

  // The DNS name is trimmed and written back into its field before it is checked.
  ASSERT_TRUE(robot::TypeIntoField(form, kDnsLabel, "  hillcrest school.example  "));
  ASSERT_TRUE(robot::Click(form, "Create!"));
  ASSERT_TRUE(robot::AnswerMessageBox(20000, program.id()));
  EXPECT_EQ(robot::ReadField(form, kDnsLabel), "hillcrest school.example");

  ASSERT_TRUE(robot::Click(form, "Exit"));
  EXPECT_EQ(program.WaitForExit(20000), std::optional<DWORD>(0));

  // Nothing was written, deleted or saved.
  for (const char* path :
       {"A:\\addusers.vbs", "A:\\step4.bat", "A:\\errorlog.txt", "C:\\addusers.csv",
        "A:\\step5.bat", "A:\\step6.bat", "A:\\ou.vbs", "A:\\deleted.txt"}) {
    EXPECT_FALSE(FileExists(path)) << path;
  }
  EXPECT_EQ(ReadWholeFile("C:\\addusers.xls"), "last year's workbook");
  EXPECT_EQ(ReadWholeFile("C:\\trellis.ini"), settings);
}

// A file that cannot be written takes the default failure path: the error's number and
// description, then the program ends; what was written before stays. A folder in the place of
// step 4 makes its creation fail (read-only attributes do not stop a root-run Wine).
TEST_F(AcctgenChecksE2eTest, AStepFourThatCannotBeCreatedEndsWithTheErrorReport) {
  WriteWholeFile("A:\\school.txt", ExampleFile("floppy\\school.txt"));
  WriteWholeFile("C:\\exportad.csv", ExampleFile("c\\exportad.csv"));
  WriteWholeFile("C:\\trellis.ini", ExampleFile("c\\trellis.ini"));
  ASSERT_TRUE(CreateDirectoryA("A:\\step4.bat", nullptr));

  robot::Process program = robot::Process::Start("\"" + AcctgenExe() + "\"", "C:\\");
  HWND form = robot::WaitForWindow(std::string(acctgen::ui::kMainFormTitle), 30000, program.id());
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(robot::Click(form, "Create!"));
  const auto box = robot::AnswerMessageBox(20000, program.id());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->title, acctgen::ui::kFailureTitle);
  EXPECT_EQ(box->icon, "critical");
  EXPECT_EQ(box->text.rfind("Run-time error '", 0), 0u) << box->text;
  EXPECT_NE(program.WaitForExit(20000), std::nullopt);

  EXPECT_TRUE(GetFileAttributesA("A:\\step4.bat") & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_TRUE(FileExists("A:\\addusers.vbs"));  // written and closed before step 4
  EXPECT_FALSE(FileExists("A:\\step5.bat"));
  EXPECT_EQ(ReadWholeFile("C:\\trellis.ini"), ExampleFile("c\\trellis.ini"));
  EXPECT_TRUE(NotepadTitles().empty());
  RemoveDirectoryA("A:\\step4.bat");
}

}  // namespace
}  // namespace acctgen_e2e

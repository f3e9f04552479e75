#include "wizard/tests/e2e/wizard_test_support.h"

#include <cstdlib>
#include <vector>

#include "wizard/win32/wizard_layout.h"

namespace wizard::testing {

namespace {

const char* const kFixedFiles[] = {"C:\\exportad.csv", "C:\\exportad.srt",
                                   "C:\\exprtad2.csv", "c:\\addusers.csv",
                                   "c:\\addusers.xls", "c:\\addusers.ldf",
                                   "C:\\trellis.ini",  "C:\\trellis.new",
                                   "C:\\trellis.old",  kStubLog};

// The stubs that stand in for the outside tools, by the names the wizard and the batch files use.
const char* const kStubNames[] = {"cscript.exe", "net.exe", "xcacls.exe", "subinacl.exe",
                                  "rundll32.exe"};

std::string WineView(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return "Z:" + path;
}

std::string StubTool() { return TreeProgram("wizard_stub_tool.exe"); }

}  // namespace

std::string TreeFolder() {
  const char* tree = std::getenv("TEST_TREE");
  return WineView(tree != nullptr ? tree : "");
}

std::string TreeProgram(std::string_view name) { return TreeFolder() + "\\" + std::string(name); }

std::string TestData(std::string_view name) {
  return WineView(WIZARD_TEST_DATA_DIR "/" + std::string(name));
}

WizardProgramTest::WizardProgramTest() {
  RemoveFixedFiles();
  drives.CleanFloppy();
  CreateDirectoryA(kToolsFolder, nullptr);
  for (const char* name : kStubNames) {
    const std::string target = std::string(kToolsFolder) + "\\" + name;
    EXPECT_TRUE(CopyFileA(StubTool().c_str(), target.c_str(), FALSE)) << target;
  }
  SetEnvironmentVariableA("STUB_LOG", kStubLog);
}

WizardProgramTest::~WizardProgramTest() {
  if (program.Running()) program.Kill();
  program.WaitForExit(5000);
  for (const char* name : kStubNames)
    DeleteFileA((std::string(kToolsFolder) + "\\" + name).c_str());
  RemoveDirectoryA(kToolsFolder);
  RemoveFixedFiles();
  drives.CleanFloppy();
}

void WizardProgramTest::RemoveFixedFiles() {
  for (const char* path : kFixedFiles) drives.RemoveHostFile(path);
}

HWND WizardProgramTest::StartWizard() {
  program = robot::Process::Start(TreeProgram("wizard.exe"), kToolsFolder);
  HWND window = robot::WaitForWindow(kWindowTitle, kWait, program.id());
  if (window == nullptr) {
    std::string titles;
    for (const std::string& title : robot::TopLevelTitles(program.id()))
      titles += "[" + title + "]";
    ADD_FAILURE() << "no wizard window; windows: " << titles;
  }
  return window;
}

void WizardProgramTest::InstallCsvdeStub() {
  EXPECT_TRUE(CopyFileA(StubTool().c_str(), drives.HostPath("A:\\csvde.exe").c_str(), FALSE));
}

std::string WizardProgramTest::StubLog() const {
  if (!drives.HostFileExists(kStubLog)) return {};
  return drives.ReadHostFile(kStubLog);
}

bool WizardProgramTest::WaitForLog(std::string_view text, DWORD timeout_ms) const {
  for (DWORD waited = 0; waited < timeout_ms; waited += 50) {
    if (StubLog().find(text) != std::string::npos) return true;
    Sleep(50);
  }
  return false;
}

bool WizardProgramTest::WaitForFileText(std::string_view path, std::string_view text,
                                        DWORD timeout_ms) const {
  for (DWORD waited = 0; waited < timeout_ms; waited += 50) {
    if (drives.ReadHostFile(path).find(text) != std::string::npos) return true;
    Sleep(50);
  }
  return false;
}

void WizardProgramTest::ExpectBox(std::string_view title, std::string_view icon,
                                  std::string_view text) {
  const auto box = robot::AnswerMessageBox(kWait, program.id());
  ASSERT_TRUE(box.has_value()) << "no box: " << title;
  EXPECT_EQ(box->title, title);
  EXPECT_EQ(box->icon, icon);
  EXPECT_EQ(box->text, text);
}

void WizardProgramTest::CloseWindowsTitled(std::string_view part) {
  struct Search {
    std::string_view part;
    std::vector<HWND> found;
  } search{part, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<Search*>(data);
        char title[512] = {};
        GetWindowTextA(window, title, sizeof title);
        if (std::string_view(title).find(search->part) != std::string_view::npos) {
          search->found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  for (HWND window : search.found) PostMessageA(window, WM_CLOSE, 0, 0);
}

}  // namespace wizard::testing

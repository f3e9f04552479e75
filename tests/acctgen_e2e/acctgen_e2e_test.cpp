// The real acctgen.exe under Wine, driven as the administrator drives it: started on a prepared
// floppy disk and drive C:, "&Create!" pressed, the message boxes read and answered, Notepad's
// windows checked and closed. What it writes is compared byte for byte with reviewed golden
// files; the generated batch files are then run by Wine's command interpreter.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "acctgen/ui/product.h"
#include "runtime/testing/test_drives.h"
#include "school/testing/saved_as_utf8.h"
#include "tests/acctgen_e2e/e2e_support.h"
#include "tools/robot/robot.h"

namespace acctgen_e2e {
namespace {

namespace fs = std::filesystem;

// Every file a run may write, with the name of its golden file.
const std::pair<const char*, const char*> kOutputs[] = {{"A:\\addusers.vbs", "addusers.vbs"},
                                                        {"A:\\step4.bat", "step4.bat"},
                                                        {"A:\\errorlog.txt", "errorlog.txt"},
                                                        {"C:\\addusers.csv", "addusers.csv"},
                                                        {"A:\\step5.bat", "step5.bat"},
                                                        {"A:\\step6.bat", "step6.bat"},
                                                        {"A:\\ou.vbs", "ou.vbs"},
                                                        {"C:\\addusers.ldf", "addusers.ldf"},
                                                        {"C:\\undo.ldf", "undo.ldf"},
                                                        {"A:\\deleted.txt", "deleted.txt"},
                                                        {"C:\\trellis.ini", "trellis.ini"}};

// The files of C: that a run or a test may leave behind.
const char* const kCFiles[] = {"C:\\exportad.csv", "C:\\exportad.srt",    "C:\\exprtad2.csv",
                               "C:\\trellis.ini",  "C:\\trellis.new",     "C:\\trellis.old",
                               "C:\\addusers.csv", "C:\\addusers.xls",    "C:\\handout.htm",
                               "C:\\tools.log",    "C:\\batch-output.txt"};

std::string MainTitle() { return std::string(acctgen::ui::kMainFormTitle); }

// The sample school without its faulty records (every field present).
std::string CleanSchool() {
  std::istringstream lines(ExampleFile("floppy\\school.txt"));
  std::string line, clean;
  while (std::getline(lines, line)) {
    const auto at = line.find('@'), hash = line.find('#'), percent = line.find('%');
    if (at != std::string::npos && hash != std::string::npos && percent != std::string::npos) {
      auto blank = [&](std::size_t from, std::size_t to) {
        return line.substr(from, to - from).find_first_not_of(" \r") == std::string::npos;
      };
      if (blank(at + 1, hash) || blank(hash + 1, percent) || blank(percent + 1, line.size())) {
        continue;
      }
    }
    clean += line + "\n";
  }
  return clean;
}

struct RunCase {
  const char* name;
  std::string settings;
  std::optional<std::string> export_csv;  // C:\exportad.csv; none: a first run
  std::string school;
  bool data_errors;
  bool leavers;
  std::vector<std::string> ticked = {};  // check boxes the administrator ticks before Create
};

struct RunSeen {
  std::optional<robot::MessageBoxSeen> ending;
  std::optional<NotepadSeen> report;  // A:\deleted.txt
  std::optional<NotepadSeen> log;     // A:\errorlog.txt
  std::optional<DWORD> exit_code;
  std::vector<std::string> notepads_left;
};

class AcctgenE2eTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CloseEveryNotepad();
    CleanC();
    PutKitOnFloppy();
  }
  void TearDown() override {
    CloseEveryNotepad();
    CleanC();
  }

  static void CleanC() {
    for (const char* path : kCFiles) RemoveFile(path);
    std::error_code ignored;
    fs::remove_all("C:\\Accounts", ignored);
    fs::remove_all("C:\\e2e-tools", ignored);
    if (const char* server = std::getenv("SERVER_DRIVE_HOST")) {
      fs::remove_all(WineView(server) + "\\s_home", ignored);
    }
  }

  void Prepare(const RunCase& run) {
    WriteWholeFile("A:\\school.txt", run.school);
    if (run.export_csv) WriteWholeFile("C:\\exportad.csv", *run.export_csv);
    WriteWholeFile("C:\\trellis.ini", run.settings);
    // A run with the classic tools removes it; one with today's writes its own.
    WriteWholeFile("C:\\undo.ldf", "an earlier run's undo file");
  }

  // Starts acctgen.exe, presses "&Create!" and answers what follows as the administrator would.
  RunSeen CreateRun(const RunCase& run) {
    RunSeen seen;
    robot::Process program = robot::Process::Start("\"" + AcctgenExe() + "\"", "C:\\");
    HWND form = robot::WaitForWindow(MainTitle(), 30000, program.id());
    if (form == nullptr) {
      ADD_FAILURE() << "no main form";
      program.Kill();
      return seen;
    }
    for (const std::string& box : run.ticked) EXPECT_TRUE(robot::Click(form, box)) << box;
    EXPECT_TRUE(robot::Click(form, "Create!"));
    seen.ending = robot::WaitForMessageBox(60000, program.id());
    // The report of leavers opens before the ending's message, the error log after it.
    if (run.leavers) seen.report = TakeNotepad("deleted.txt", 15000);
    robot::AnswerMessageBox(5000, program.id());
    if (run.data_errors) seen.log = TakeNotepad("errorlog.txt", 15000);
    seen.exit_code = program.WaitForExit(20000);
    if (!seen.exit_code) program.Kill();
    if (!run.data_errors && !run.leavers) Sleep(1500);  // time for a wrongly started Notepad
    seen.notepads_left = NotepadTitles();
    return seen;
  }

  void ExpectGoldenFiles(const char* case_name) {
    for (const auto& [path, name] : kOutputs) {
      SCOPED_TRACE(std::string(case_name) + "/" + name);
      const std::string golden = GoldenPath(case_name, name);
      const bool written = FileExists(path);
      const std::string actual = Normalized(name, ReadWholeFile(path));
      if (UpdatingGoldenFiles()) {
        fs::create_directories(fs::path(golden).parent_path());
        if (written) {
          WriteWholeFile(golden, actual);
        } else {
          RemoveFile(golden);
        }
        continue;
      }
      if (!FileExists(golden)) {
        EXPECT_FALSE(written) << path << " was written";
        continue;
      }
      ASSERT_TRUE(written) << path << " is missing";
      EXPECT_EQ(actual, ReadWholeFile(golden));
    }
  }

  // Runs one case whole: the run, its ending, Notepad and the golden files.
  void RunAndCompare(const RunCase& run) {
    Prepare(run);
    const RunSeen seen = CreateRun(run);
    ASSERT_TRUE(seen.ending);
    if (run.data_errors) {
      EXPECT_EQ(seen.ending->title, "Errors in KORU Data");
      EXPECT_EQ(seen.ending->icon, "critical");
      EXPECT_EQ(seen.ending->text,
                "There were errors found in your KORU data.  Click OK to view the errors.");
      ASSERT_TRUE(seen.log) << "Notepad did not open the error log";
      EXPECT_EQ(seen.log->text, ReadWholeFile("A:\\errorlog.txt"));
    } else {
      EXPECT_EQ(seen.ending->title, "Success!");
      EXPECT_EQ(seen.ending->icon, "information");
      EXPECT_EQ(seen.ending->text, "Step 2 Completed Successfully.  Please continue with Step 3.");
      EXPECT_EQ(ReadWholeFile("A:\\errorlog.txt"), "");
    }
    if (run.leavers) {
      ASSERT_TRUE(seen.report) << "Notepad did not open the report of leavers";
      EXPECT_EQ(seen.report->text, ReadWholeFile("A:\\deleted.txt"));
    }
    EXPECT_TRUE(seen.notepads_left.empty()) << seen.notepads_left.front();
    EXPECT_EQ(seen.exit_code, std::optional<DWORD>(0));
    ExpectGoldenFiles(run.name);
  }

  rt::testing::TestDrives drives_;
};

RunCase Sample(const char* name, std::vector<std::pair<int, std::string>> fields = {}) {
  return {name,
          SampleSettingsWith(fields),
          ExampleFile("c\\exportad.csv"),
          ExampleFile("floppy\\school.txt"),
          true,
          false};
}

// Settings fields, counted from 1.
constexpr int kSchoolOu = 12, kStudentsOu = 13, kLeavingYearOu = 14, kDeleteLeavers = 15;
constexpr int kProfile = 37, kNeverExpires = 38, kRequestChange = 39, kOwner = 42;
constexpr const char* kTodaysToolsBox =
    "Use today's Windows tools (ldifde, md, icacls) instead of Excel, VBScript and xcacls";

TEST_F(AcctgenE2eTest, SampleSchoolWithTheDefaultOuLayoutAndOwnerLines) {
  RunAndCompare(Sample("sample"));
}

TEST_F(AcctgenE2eTest, NoOuBoxesTicked) {
  RunAndCompare(Sample("no_ou", {{kSchoolOu, "0"}, {kStudentsOu, "0"}, {kLeavingYearOu, "0"}}));
}

TEST_F(AcctgenE2eTest, OnlyTheLeavingYearBox) {
  RunAndCompare(
      Sample("leaving_year_only", {{kSchoolOu, "0"}, {kStudentsOu, "0"}, {kLeavingYearOu, "1"}}));
}

TEST_F(AcctgenE2eTest, NoProfilePathAndNoOwner) {
  RunAndCompare(Sample("no_profile", {{kProfile, "0"}, {kOwner, "0"}}));
}

TEST_F(AcctgenE2eTest, RequestChange) {
  RunAndCompare(Sample("request_change", {{kNeverExpires, "0"}, {kRequestChange, "1"}}));
}

TEST_F(AcctgenE2eTest, NeitherPasswordExpiryOption) {
  RunAndCompare(Sample("neither_expiry", {{kNeverExpires, "0"}, {kRequestChange, "0"}}));
}

TEST_F(AcctgenE2eTest, DeleteLeaversWithLeaversFound) {
  RunCase run = Sample("leavers_found", {{kDeleteLeavers, "1"}});
  run.leavers = true;
  RunAndCompare(run);
}

TEST_F(AcctgenE2eTest, DeleteLeaversWithNoneFound) {
  // Every existing account belongs to a student of the export.
  RunCase run = Sample("leavers_none", {{kDeleteLeavers, "1"}});
  run.export_csv = ReadWholeFile(WineView(DATA_DIR_HOST) + "\\exportad_no_leavers.csv");
  RunAndCompare(run);
}

TEST_F(AcctgenE2eTest, AFirstRunWithNoExportAndNoDataErrors) {
  RunCase run = Sample("first_run");
  run.export_csv.reset();
  run.school = CleanSchool();
  run.data_errors = false;
  RunAndCompare(run);
}

// The sample list saved as UTF-8 by an editor of today writes the files of the Windows-1252 list.
TEST_F(AcctgenE2eTest, Utf8SampleSchoolWithAByteOrderMark) {
  RunCase run = Sample("sample");
  run.school = school::testing::SavedAsUtf8(run.school, true);
  RunAndCompare(run);
}

std::vector<std::string> SplitLines(const std::string& text);

// A batch file's run: its exit code and the commands run a second time.
struct BatchRun {
  DWORD code;
  int rerun;
};

// The waits for steps 5 and 6 (each a few hundred commands) take three eighths of the test
// case's time each and step 4's a sixteenth, so they and the Create run end inside it and a
// batch that hangs is reported by the test, not by a time limit.
constexpr DWORD kLongBatchWait = TEST_CASE_SECONDS * 1000 * 3 / 8;
constexpr DWORD kShortBatchWait = TEST_CASE_SECONDS * 1000 / 16;

// Runs a command line in the folder that holds the stub tools (the interpreter looks there
// first) and waits for it; 9999 when it does not start, 9998 when it does not end in time.
DWORD RunCommand(std::string command, const std::string& folder, DWORD wait) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      folder.c_str(), &startup, &process)) {
    return 9999;
  }
  DWORD code = 9998;
  if (WaitForSingleObject(process.hProcess, wait) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &code);
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

// The commands the interpreter said it could not start ("Can't recognize '<command>' as an
// internal or external command, or batch script.") in its output file.
std::vector<std::string> UnstartedCommands(const std::string& output_file) {
  constexpr std::string_view kOpening = "Can't recognize '";
  constexpr std::string_view kClosing = "' as an internal or external command";
  std::vector<std::string> commands;
  for (const std::string& line : SplitLines(ReadWholeFile(output_file))) {
    const std::size_t at = line.find(kOpening);
    const std::size_t end = line.rfind(kClosing);
    if (at == std::string::npos || end == std::string::npos || end < at) continue;
    commands.push_back(line.substr(at + kOpening.size(), end - at - kOpening.size()));
  }
  return commands;
}

// Runs a batch file in Wine's command interpreter and waits for it. Under heavy load the
// interpreter has been seen to fail to start a program that is there, which loses one command:
// a command it names so that is a line of the batch is printed and run once more by itself (a
// few at most), from a one-line batch. A command that fails again stays failed, and the batch's
// effects are checked.
BatchRun RunBatch(const std::string& batch, const std::string& folder, DWORD wait) {
  BatchRun run{RunCommand("cmd.exe /c " + batch + " >C:\\batch-output.txt 2>&1", folder, wait), 0};
  const std::vector<std::string> lines = SplitLines(ReadWholeFile(batch));
  const std::vector<std::string> unstarted = UnstartedCommands("C:\\batch-output.txt");
  for (const std::string& command : unstarted) {
    // More than a few is no passing hiccup of a loaded machine.
    if (unstarted.size() > 3) {
      std::cout << "The interpreter did not start [" << command << "].\n";
      continue;
    }
    if (std::find(lines.begin(), lines.end(), command) == lines.end()) continue;
    std::cout << "The interpreter did not start [" << command << "]; it runs once more.\n";
    // From a batch of its own, so the tool sees its arguments as the batch line gives them: a
    // redirection after the command on the interpreter's own line leaves its spaces behind.
    WriteWholeFile("C:\\batch-retry.bat", "@" + command + "\r\n");
    RunCommand("cmd.exe /c C:\\batch-retry.bat >C:\\batch-retry.txt 2>&1", folder, kShortBatchWait);
    for (const std::string& again : UnstartedCommands("C:\\batch-retry.txt")) {
      std::cout << "Not started again: [" << again << "]\n";
    }
    ++run.rerun;
  }
  return run;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  std::string line;
  while (std::getline(stream, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The account rows' Home Path and SAM Account columns (row 3 on).
struct Account {
  std::string login;
  std::string home_path;  // "\\HCSERVER1\s_home\2027\anaru.okafor"
};

std::vector<Account> Accounts() {
  std::vector<Account> accounts;
  const std::vector<std::string> rows = SplitLines(ReadWholeFile("C:\\addusers.csv"));
  for (std::size_t i = 2; i < rows.size(); ++i) {
    // The OU path is quoted and holds commas; the other columns hold none.
    const std::string& row = rows[i];
    const std::size_t after_ou = row.find('"', 1) + 2;
    std::vector<std::string> columns;
    std::stringstream rest(row.substr(after_ou));
    std::string column;
    while (std::getline(rest, column, ',')) columns.push_back(column);
    accounts.push_back({columns.at(4), columns.at(7)});
  }
  return accounts;
}

// With stubs for makfldr.vbs, xcacls and subinacl, step 5 makes the sample school's whole
// home-folder tree on the server drive, step 6 grants each student their folder and hands it
// over, and step 4 archives the workbook.
TEST_F(AcctgenE2eTest, TheGeneratedBatchFilesRun) {
  RunCase run = Sample("batch");
  Prepare(run);
  const RunSeen seen = CreateRun(run);
  ASSERT_TRUE(seen.exit_code);
  const char* server = std::getenv("SERVER_DRIVE_HOST");
  ASSERT_NE(server, nullptr) << "run through wine_with_server_drive";
  const std::string server_root = WineView(server);

  // A stub that makes exactly the folder it is given: a parent made too late fails it.
  WriteWholeFile("A:\\makfldr.vbs",
                 "Set fso = CreateObject(\"Scripting.FileSystemObject\")\r\n"
                 "fso.CreateFolder WScript.Arguments(0)\r\n");
  const std::string tools = "C:\\e2e-tools";
  fs::create_directories(tools);
  for (const char* tool : {"xcacls.exe", "subinacl.exe"}) {
    ASSERT_TRUE(CopyFileA(WineView(ARG_LOGGER_HOST).c_str(), (tools + "\\" + tool).c_str(), FALSE));
  }

  EXPECT_EQ(RunBatch("a:\\step5.bat", tools, kLongBatchWait).code, 0u);
  const std::vector<Account> accounts = Accounts();
  ASSERT_GT(accounts.size(), 150u);  // the sample's existing accounts get no row
  const std::string share = "\\\\HCSERVER1\\s_home\\";
  for (const Account& account : accounts) {
    ASSERT_EQ(account.home_path.rfind(share, 0), 0u) << account.home_path;
    const std::string folder = server_root + "\\s_home\\" + account.home_path.substr(share.size());
    EXPECT_TRUE(fs::is_directory(folder)) << folder;
  }

  const BatchRun step6 = RunBatch("a:\\step6.bat", tools, kLongBatchWait);
  EXPECT_EQ(step6.code, 0u);
  std::vector<std::string> expected;
  for (const Account& account : accounts) {
    const std::string below_share = account.home_path.substr(share.size());
    expected.push_back("xcacls.exe D:\\s_home\\" + below_share + " /g " + account.login +
                       ":RC administrator:F /Y");
    expected.push_back("subinacl.exe /subdirectories \\\\HCSERVER1\\s_home\\" + below_share +
                       " /setowner=HILLCREST\\" + account.login);
  }
  std::vector<std::string> logged = SplitLines(ReadWholeFile("C:\\tools.log"));
  if (step6.rerun > 0) {
    // A call run once more is logged last.
    std::sort(logged.begin(), logged.end());
    std::sort(expected.begin(), expected.end());
  }
  EXPECT_EQ(logged.size(), expected.size());
  for (std::size_t i = 0; i < logged.size() && i < expected.size(); ++i) {
    ASSERT_EQ(logged[i], expected[i]) << "tool call " << i;
  }
  // Its last lines delete the directory export and its sorted copies.
  EXPECT_FALSE(FileExists("C:\\exportad.csv"));
  EXPECT_FALSE(FileExists("C:\\exportad.srt"));
  EXPECT_FALSE(FileExists("C:\\exprtad2.csv"));

  WriteWholeFile("C:\\addusers.xls", "the saved workbook");
  RunBatch("a:\\step4.bat", tools, kShortBatchWait);
  std::vector<std::string> archived;
  for (const auto& entry : fs::directory_iterator("C:\\Accounts")) {
    archived.push_back(entry.path().filename().string());
  }
  ASSERT_EQ(archived.size(), 1u);
  EXPECT_EQ(Normalized("step4.bat", archived[0]), "accounts<yyyy-mm-dd-ss>.xls");
  EXPECT_EQ(ReadWholeFile("C:\\Accounts\\" + archived[0]), "the saved workbook");
}

// The box ticked on the form: the run writes no Excel or VBScript file (stale ones from a classic
// run go), its files match their golden copies, and its batch files run under the real command
// interpreter with stubs for ldifde, icacls and net: step 5 makes every folder once with md and
// gives the root and each year folder their own rights, step 6 gives each student their own
// existing folder, step 4 hands ldifde the run's LDIF file, which disables and moves the leavers
// that deleted.txt names, so step 5 deletes nobody. Every icacls call names accounts by their
// well-known identifiers or with the domain, never by a bare name.
TEST_F(AcctgenE2eTest, TodaysToolsRunWithIcaclsIdentifiersAndLdifde) {
  RunCase run = Sample("todays_tools", {{kDeleteLeavers, "1"}});
  run.leavers = true;
  run.ticked = {kTodaysToolsBox};
  WriteWholeFile("A:\\addusers.vbs", "an earlier classic run's script");
  WriteWholeFile("A:\\ou.vbs", "an earlier classic run's units");
  RunAndCompare(run);
  const std::string ldif = ReadWholeFile("C:\\addusers.ldf");
  for (const char* path : {"A:\\step4.bat", "A:\\step5.bat", "A:\\step6.bat"}) {
    for (const std::string& line : SplitLines(ReadWholeFile(path))) {
      std::string lower = line;
      std::transform(lower.begin(), lower.end(), lower.begin(),
                     [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
      for (const char* tool : {"cscript", "xcacls", "subinacl", "excel", ".xls", ".vbs"}) {
        EXPECT_EQ(lower.find(tool), std::string::npos) << path << ": " << line;
      }
    }
  }

  const char* server = std::getenv("SERVER_DRIVE_HOST");
  ASSERT_NE(server, nullptr) << "run through wine_with_server_drive";
  const std::string server_root = WineView(server);
  const std::string tools = "C:\\e2e-tools";
  fs::create_directories(tools);
  for (const char* tool : {"icacls.exe", "ldifde.exe", "net.exe"}) {
    ASSERT_TRUE(CopyFileA(WineView(ARG_LOGGER_HOST).c_str(), (tools + "\\" + tool).c_str(), FALSE));
  }

  // Every folder line names its folder once, and md makes it: the folder is there afterwards,
  // its parent made before it.
  const std::vector<std::string> step5 = SplitLines(ReadWholeFile("A:\\step5.bat"));
  std::vector<std::string> made;
  for (const std::string& line : step5) {
    if (line.rfind("If Not Exist ", 0) == 0) made.push_back(line);
  }
  std::vector<std::string> unique = made;
  std::sort(unique.begin(), unique.end());
  EXPECT_EQ(std::unique(unique.begin(), unique.end()), unique.end()) << "a folder made twice";
  const BatchRun step5_run = RunBatch("a:\\step5.bat", tools, kLongBatchWait);
  EXPECT_EQ(step5_run.code, 0u);
  const std::vector<Account> accounts = Accounts();
  ASSERT_GT(accounts.size(), 150u);
  EXPECT_EQ(made.size(), accounts.size() + 1 + 6);  // the root and six leaving years
  const std::string share = "\\\\HCSERVER1\\s_home\\";
  for (const Account& account : accounts) {
    ASSERT_EQ(account.home_path.rfind(share, 0), 0u) << account.home_path;
    const std::string folder = server_root + "\\s_home\\" + account.home_path.substr(share.size());
    EXPECT_TRUE(fs::is_directory(folder)) << folder;
  }
  // The tools step 5 calls, in its order: the rights of the root and of each year folder, one
  // line a folder, and the share.
  std::vector<std::string> expected;
  std::vector<std::string> upper_folders;
  for (const std::string& line : step5) {
    if (line.rfind("icacls ", 0) == 0) {
      expected.push_back("icacls.exe" + line.substr(6));
      upper_folders.push_back(line.substr(7, line.find('"', 8) - 7));
    } else if (line.rfind("net share ", 0) == 0) {
      expected.push_back("net.exe" + line.substr(3));
    }
    EXPECT_EQ(line.find("NET USER"), std::string::npos) << line;
  }
  std::size_t disabled = 0;
  for (const std::string& line : SplitLines(ReadWholeFile("A:\\deleted.txt"))) {
    disabled += line.find(": disabled and moved to the Leavers unit of ") != std::string::npos;
  }
  const auto count = [&ldif](const std::string& text) {
    std::size_t found = 0;
    for (std::size_t at = ldif.find(text); at != std::string::npos; at = ldif.find(text, at + 1)) {
      ++found;
    }
    return found;
  };
  EXPECT_GT(disabled, 0u);
  EXPECT_EQ(count("\r\nchangetype: modrdn\r\n"), disabled);
  EXPECT_EQ(count("\r\nuserAccountControl: 66050\r\n-\r\n"), disabled);
  EXPECT_EQ(upper_folders.size(), 1u + 6u) << "the root and six leaving years";
  std::sort(upper_folders.begin(), upper_folders.end());
  EXPECT_EQ(std::unique(upper_folders.begin(), upper_folders.end()), upper_folders.end());
  EXPECT_EQ(expected[1], "net.exe share s_home=D:\\s_home /GRANT:Everyone,FULL");

  // Step 6 runs on the folders step 5 made, one grant and one owner line for each student.
  const BatchRun step6 = RunBatch("a:\\step6.bat", tools, kLongBatchWait);
  EXPECT_EQ(step6.code, 0u);
  for (const Account& account : accounts) {
    const std::string folder = "\"D:\\s_home\\" + account.home_path.substr(share.size()) + "\"";
    expected.push_back("icacls.exe " + folder + " /inheritance:r /grant:r \"HILLCREST\\" +
                       account.login +
                       ":(OI)(CI)M\" \"*S-1-5-32-544:(OI)(CI)F\" \"*S-1-5-18:(OI)(CI)F\" /c /q");
    expected.push_back("icacls.exe " + folder + " /setowner \"HILLCREST\\" + account.login +
                       "\" /t /c /q");
  }
  EXPECT_FALSE(FileExists("C:\\exportad.csv"));

  // Step 4 hands ldifde the file the run wrote, untouched since.
  RunBatch("a:\\step4.bat", tools, kShortBatchWait);
  expected.push_back("ldifde.exe -i -k -h -f c:\\addusers.ldf");
  EXPECT_EQ(ReadWholeFile("C:\\addusers.ldf"), ldif);
  EXPECT_NE(ldif.find("sAMAccountName: " + accounts.front().login + "\r\n"), std::string::npos);
  EXPECT_FALSE(fs::exists("C:\\Accounts"));

  std::vector<std::string> logged = SplitLines(ReadWholeFile("C:\\tools.log"));
  if (step5_run.rerun + step6.rerun > 0) {
    // A call run once more is logged out of its place.
    std::sort(logged.begin(), logged.end());
    std::sort(expected.begin(), expected.end());
  }
  EXPECT_EQ(logged.size(), expected.size());
  for (std::size_t i = 0; i < logged.size() && i < expected.size(); ++i) {
    ASSERT_EQ(logged[i], expected[i]) << "tool call " << i;
  }
  // Each account an icacls call grants to is a well-known identifier or named with the domain.
  for (const std::string& call : logged) {
    if (call.rfind("icacls.exe ", 0) != 0 || call.find(" /grant:r ") == std::string::npos) continue;
    const std::string grants = call.substr(call.find(" /grant:r ") + 10);
    for (std::size_t quote = grants.find('"'); quote != std::string::npos;
         quote = grants.find('"', grants.find('"', quote + 1) + 1)) {
      const std::string grant = grants.substr(quote + 1);
      EXPECT_TRUE(grant.rfind("*S-1-5-", 0) == 0 || grant.rfind("HILLCREST\\", 0) == 0) << call;
    }
  }
}

}  // namespace
}  // namespace acctgen_e2e

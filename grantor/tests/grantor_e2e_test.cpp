// The real grantor.exe under Wine, driven by the robot as the administrator would drive it:
// start-up messages, the window, the "Problem" boxes and a full run on a package on drive S:
// with a stub xcacls on the floppy disk (the files written are compared with golden files), and
// one with a stub icacls.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/testing/test_drives.h"
#include "runtime/text.h"
#include "tools/robot/e2e_support.h"
#include "tools/robot/robot.h"

namespace {

namespace fs = std::filesystem;

constexpr char kTitle[] = "Ondrel Intranet Rights";
constexpr char kPackage[] = "S:\\INTRANET\\ONDREL";
constexpr char kSavedSettings[] = "C:\\trellis.ini";
constexpr char kDomainCaption[] = "NetBIOS Domain Name:";
constexpr DWORD kWait = 20000;

std::string ReadFile(const std::string& path) {
  std::string bytes;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
      bytes.append(buffer, got);
    }
    std::fclose(file);
  }
  return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

std::string Sample(const std::string& name) {
  return ReadFile(robot::WineView(SAMPLES_DIR "/" + name));
}

class GrantorEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(
        CopyFileA(robot::TreeFile("grantor/tests/xcacls.exe").c_str(), "A:\\xcacls.exe", FALSE));
    std::error_code ignored;
    fs::remove_all("S:\\INTRANET", ignored);
    fs::create_directories(kPackage);
    DeleteFileA(kSavedSettings);
  }

  void TearDown() override {
    if (program_.Running()) program_.Kill();
    std::error_code ignored;
    fs::remove_all("S:\\INTRANET", ignored);
    DeleteFileA(kSavedSettings);
  }

  void PutSchool(const std::string& bytes) { drives_.WriteHostFile("A:\\school.txt", bytes); }

  void Start() { program_ = robot::Process::Start(robot::TreeFile("grantor/grantor.exe")); }

  HWND WaitForForm() {
    HWND form = robot::WaitForWindow(kTitle, kWait, program_.id());
    EXPECT_NE(form, nullptr);
    return form;
  }

  // The message box the program shows next, answered with OK.
  robot::MessageBoxSeen Answer() {
    auto seen = robot::AnswerMessageBox(kWait, program_.id());
    EXPECT_TRUE(seen.has_value());
    return seen.value_or(robot::MessageBoxSeen{});
  }

  void ExpectEnded() { EXPECT_TRUE(program_.WaitForExit(kWait).has_value()); }

  std::string Package(const std::string& name) { return std::string(kPackage) + "\\" + name; }

  // Waits for Notepad to show the report of the records left by hand, and closes it.
  static bool CloseReport() {
    for (int tries = 0; tries < 200; ++tries) {
      for (const std::string& title : robot::TopLevelTitles()) {
        if (title.find("odrights") == std::string::npos) continue;
        PostMessageA(FindWindowA(nullptr, title.c_str()), WM_CLOSE, 0, 0);
        return true;
      }
      Sleep(100);
    }
    return false;
  }

  // The log of a stub tool once it stops growing towards expected (the batch runs on after the
  // tool has ended).
  static std::string WaitForLog(const std::string& path, const std::string& expected) {
    std::string log;
    for (int tries = 0; tries < 200 && log != expected; ++tries) {
      Sleep(100);
      log = ReadFile(path);
    }
    return log;
  }

  rt::testing::TestDrives drives_;
  robot::Process program_;
};

TEST_F(GrantorEndToEnd, FloppyPromptRepeatsUntilTheDiskIsInserted) {
  drives_.EjectFloppy();
  Start();
  for (int prompt = 0; prompt < 2; ++prompt) {
    const robot::MessageBoxSeen seen = Answer();
    EXPECT_EQ(seen.title, "Where's the Floppy?");
    EXPECT_EQ(seen.icon, "critical");
    EXPECT_EQ(seen.text,
              "The Win2000 floppy disk with your exported school.txt file is not in the floppy "
              "drive.  Please insert it then click OK.");
  }
  auto third = robot::WaitForMessageBox(kWait, program_.id());
  ASSERT_TRUE(third.has_value());
  EXPECT_EQ(third->title, "Where's the Floppy?");
  drives_.InsertFloppy();
  PutSchool(Sample("school.txt"));
  Answer();
  HWND form = WaitForForm();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(robot::Click(form, "Quit"));
  ExpectEnded();
}

TEST_F(GrantorEndToEnd, MissingAndShortExportsAreSevereProblems) {
  struct Case {
    bool present;
    std::size_t bytes;
    std::string text;
  };
  const Case cases[] = {
      {false, 0,
       "The school.txt file from Ondrel or the Trellis is not on your floppy disk.  Please put "
       "the correct diskette in.  This utility will now close."},
      {true, 99,
       "It appears that school.txt file has not been exported from KORU correctly.  This utility "
       "will now close."},
  };
  for (const Case& c : cases) {
    drives_.RemoveHostFile("A:\\school.txt");
    if (c.present) PutSchool(std::string(c.bytes, 'x'));
    Start();
    const robot::MessageBoxSeen seen = Answer();
    EXPECT_EQ(seen.title, "Severe Problem");
    EXPECT_EQ(seen.icon, "critical");
    EXPECT_EQ(seen.text, c.text);
    ExpectEnded();
    EXPECT_TRUE(robot::TopLevelTitles(program_.id()).empty());
  }
}

TEST_F(GrantorEndToEnd, WindowStartsWithItsControlsTheFocusInThePathAndTheSecondFormat) {
  PutSchool(Sample("school.txt"));
  Start();
  HWND form = WaitForForm();
  ASSERT_NE(form, nullptr);
  const std::vector<robot::Control> controls = robot::ListControls(form);
  std::vector<std::string> captions;
  for (const auto& control : controls) captions.push_back(control.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{
                          "Server Path where Ondrel is installed:", "", "eg. D:\\INTRANET\\ONDREL",
                          "Individual Logon Name Format Used on Server:", "Firstname.Surname",
                          "Surname.Firstname", "SurnameInitial", "FirstnameSurname",
                          "SurnameFirstname", "eg. tomas.varga", "eg. varga.tomas", "eg. vargat",
                          "eg. tomasvarga", "eg. vargatomas", "Use today's icacls, not xcacls",
                          kDomainCaption, "", "&Quit", "&Set Rights"}));
  for (const auto& control : controls) {
    if (control.kind == "option") {
      EXPECT_EQ(control.checked, control.caption == "Firstname.Surname") << control.caption;
    }
  }
  EXPECT_EQ(robot::FocusedControl(form), controls[1].handle);
  EXPECT_EQ(controls[1].kind, "edit");
  // Twips at 96 dots an inch: 15 to a pixel. Set Rights stands at 4320, 3360, 1215 by 615.
  EXPECT_EQ(controls[14].kind, "check");
  EXPECT_FALSE(controls[14].checked);
  // The domain, empty without the generator's saved settings, opens with today's icacls.
  EXPECT_EQ(controls[16].kind, "edit");
  EXPECT_FALSE(controls[15].enabled || controls[16].enabled);
  ASSERT_TRUE(robot::Click(form, "Use today's icacls, not xcacls"));
  EXPECT_TRUE(robot::ListControls(form)[16].enabled);
  EXPECT_TRUE(robot::TypeIntoField(form, kDomainCaption, "HILLCREST"));
  for (const auto& control : robot::ListControls(form)) {
    const RECT& at = control.rect;
    EXPECT_TRUE(at.left >= 0 && at.top >= 0 && at.right <= 383 && at.bottom <= 274)
        << control.caption;
  }
  const RECT button = controls[18].rect;
  EXPECT_EQ(button.left, 288);
  EXPECT_EQ(button.top, 224);
  EXPECT_EQ(button.right - button.left, 81);
  EXPECT_EQ(button.bottom - button.top, 41);
  // Option2 sits in the frame at 240, 360: 360, 1800 in the form.
  EXPECT_EQ(controls[4].rect.left, 24);
  EXPECT_EQ(controls[4].rect.top, 120);
  RECT client;
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, 383);
  EXPECT_EQ(client.bottom, 274);
  EXPECT_TRUE(robot::Click(form, "Quit"));
  ExpectEnded();
}

TEST_F(GrantorEndToEnd, WrongPathOrNoDomainShowsTheProblemBoxAndTheWindowWaits) {
  PutSchool(Sample("school.txt"));
  Start();
  HWND form = WaitForForm();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(robot::TypeIntoField(form, "Server Path where Ondrel is installed:", kPackage));
  // Today's icacls without a domain to name the students by.
  ASSERT_TRUE(robot::Click(form, "Use today's icacls, not xcacls"));
  ASSERT_TRUE(robot::Click(form, "Set Rights"));
  const robot::MessageBoxSeen no_domain = Answer();
  EXPECT_EQ(no_domain.title, "Problem");
  EXPECT_EQ(no_domain.icon, "warning");
  EXPECT_EQ(no_domain.text,
            "Please type the NetBIOS Domain Name of the students' accounts, for example "
            "HILLCREST: today's icacls names each student as DOMAIN\\login.");
  EXPECT_TRUE(program_.Running());
  EXPECT_FALSE(fs::exists(Package("odshrtct.dat")));  // nothing was touched
  ASSERT_TRUE(robot::Click(form, "Use today's icacls, not xcacls"));
  ASSERT_TRUE(robot::Click(form, "Set Rights"));
  const robot::MessageBoxSeen seen = Answer();
  EXPECT_EQ(seen.title, "Problem");
  EXPECT_EQ(seen.icon, "warning");
  EXPECT_EQ(seen.text, "Your Ondrel Path is not correct...");
  EXPECT_TRUE(program_.Running());
  EXPECT_EQ(ReadFile(Package("odshrtct.dat")), "");  // the probe left an empty file
  EXPECT_FALSE(fs::exists(Package("odrights.bat")));
  EXPECT_TRUE(robot::Click(form, "Quit"));
  ExpectEnded();
}

TEST_F(GrantorEndToEnd, FullRunRewritesTheShortcutsAndRunsTheRightsBatchThenASecondRunStops) {
  PutSchool(Sample("school.txt"));
  WriteFile(Package("odshrtct.dat"), Sample("odshrtct.dat"));
  WriteFile(Package("odshrtct.ini"), Sample("odshrtct.ini"));
  Start();
  HWND form = WaitForForm();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(robot::TypeIntoField(form, "Server Path where Ondrel is installed:", kPackage));
  ASSERT_TRUE(robot::Click(form, "Set Rights"));
  ExpectEnded();
  // The two Tomas Vargas of year 7 leave their records to the administrator.
  EXPECT_TRUE(CloseReport());
  EXPECT_NE(ReadFile(Package("odrights.txt")).find("tomas.varga tomas.varga2"), std::string::npos);

  EXPECT_EQ(WaitForLog("A:\\xcacls.log", Sample("golden/xcacls.log")), Sample("golden/xcacls.log"));
  EXPECT_EQ(ReadFile(Package("odrights.bat")), Sample("golden/odrights.bat"));
  EXPECT_EQ(ReadFile(Package("odshrtct.dat")), Sample("golden/odshrtct.dat"));
  EXPECT_EQ(ReadFile(Package("odshrtct.org")), Sample("odshrtct.dat"));
  EXPECT_FALSE(fs::exists(Package("odshrtct.new")));

  // Again over the same path: the backup is there, so the first rename fails.
  drives_.RemoveHostFile("A:\\xcacls.log");
  Start();
  form = WaitForForm();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(robot::TypeIntoField(form, "Server Path where Ondrel is installed:", kPackage));
  ASSERT_TRUE(robot::Click(form, "Set Rights"));
  const robot::MessageBoxSeen seen = Answer();
  EXPECT_EQ(seen.title, kTitle);
  EXPECT_EQ(seen.icon, "critical");
  EXPECT_EQ(seen.text, "Run-time error '58':\r\n\r\nFile already exists");
  ExpectEnded();
  EXPECT_EQ(ReadFile(Package("odshrtct.dat")), Sample("golden/odshrtct.dat"));
  EXPECT_EQ(ReadFile(Package("odshrtct.new")), Sample("golden/odshrtct.dat"));
  Sleep(500);
  EXPECT_FALSE(fs::exists("A:\\xcacls.log"));  // the batch was not started
}

TEST_F(GrantorEndToEnd, TodaysToolsGrantByWellKnownIdentifiersAndTheDomainThroughIcacls) {
  // A blank in the package path; the stub icacls comes first on the path; the generator's saved
  // settings name the domain.
  const std::string package = "S:\\INTRANET\\ONDREL WEB";
  fs::create_directories(package);
  ASSERT_TRUE(
      CopyFileA(robot::TreeFile("grantor/tests/xcacls.exe").c_str(), "A:\\icacls.exe", FALSE));
  DeleteFileA("A:\\icacls.log");
  char path[32768];
  const DWORD length = GetEnvironmentVariableA("PATH", path, sizeof path);
  SetEnvironmentVariableA("PATH", ("A:\\;" + std::string(path, length)).c_str());
  PutSchool(Sample("school.txt"));
  WriteFile(package + "\\odshrtct.dat", Sample("odshrtct.dat"));
  WriteFile(package + "\\odshrtct.ini", Sample("odshrtct.ini"));
  WriteFile(kSavedSettings, ReadFile(robot::WineView(EXAMPLES_DIR "/c/trellis.ini")));
  Start();
  SetEnvironmentVariableA("PATH", std::string(path, length).c_str());
  HWND form = WaitForForm();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(robot::ReadField(form, kDomainCaption), "HILLCREST");
  ASSERT_TRUE(robot::TypeIntoField(form, "Server Path where Ondrel is installed:", package));
  ASSERT_TRUE(robot::Click(form, "Use today's icacls, not xcacls"));
  ASSERT_TRUE(robot::Click(form, "Set Rights"));
  ExpectEnded();
  EXPECT_TRUE(CloseReport());

  // Every line calls icacls; every grant names Administrators, SYSTEM and Everyone by their
  // identifiers and the student with the domain, one grant line per folder; the stub received
  // each quoted argument whole.
  const std::string batch = ReadFile(package + "\\odrights.bat");
  std::string expected_log;
  std::vector<std::string> folders;
  for (std::size_t at = 0, end; (end = batch.find("\r\n", at)) != std::string::npos; at = end + 2) {
    const std::string line = batch.substr(at, end - at);
    ASSERT_EQ(line.rfind("icacls \"", 0), 0u) << line;
    expected_log += line.substr(7) + "\r\n";
    const std::size_t grant = line.find(" /inheritance:r /grant:r ");
    if (grant == std::string::npos) {
      EXPECT_EQ(line, "icacls \"" + package + "\" /reset /t /c /q");
      continue;
    }
    folders.push_back(line.substr(7, grant - 7));
    for (const char* well_known :
         {"\"*S-1-5-32-544:(OI)(CI)F\"", "\"*S-1-5-18:(OI)(CI)F\"", "\"*S-1-1-0:(OI)(CI)R\""}) {
      EXPECT_NE(line.find(well_known), std::string::npos) << line;
    }
    // Every account the line grants to is an identifier or a student of the domain.
    for (std::size_t account = line.find(" \"", grant + 1); account != std::string::npos;
         account = line.find(" \"", account + 1)) {
      EXPECT_TRUE(line.compare(account, 5, " \"*S-") == 0 ||
                  line.compare(account, 12, " \"HILLCREST\\") == 0)
          << line;
    }
  }
  EXPECT_EQ(folders, (std::vector<std::string>{"\"" + package + "\"",
                                               "\"" + package + "\\Students\\Kinder\\KA\\lee\"",
                                               "\"" + package + "\\Students\\presch\\PA\\zob\"",
                                               "\"" + package + "\\Students\\year8\\8A\\jb\"",
                                               "\"" + package + "\\Students\\year9\\9A\\tv9\"",
                                               "\"" + package + "\\Students\\year10\\10A\\mf\""}));
  for (const char* by_name : {"administrator", "system:", "everyone", " \"jo.brown"}) {
    EXPECT_EQ(rt::ToLower1252(batch).find(by_name), std::string::npos) << by_name;
  }
  EXPECT_NE(batch.find("\"S:\\INTRANET\\ONDREL WEB\\Students\\year8\\8A\\jb\" /inheritance:r "
                       "/grant:r \"*S-1-5-32-544:(OI)(CI)F\" \"*S-1-5-18:(OI)(CI)F\" "
                       "\"HILLCREST\\jo.brown:(OI)(CI)M\" \"*S-1-1-0:(OI)(CI)R\" /c /q\r\n"),
            std::string::npos)
      << batch;
  EXPECT_EQ(WaitForLog("A:\\icacls.log", expected_log), expected_log);
  EXPECT_EQ(ReadFile(package + "\\odshrtct.dat"), Sample("golden/odshrtct.dat"));
  DeleteFileA("A:\\icacls.exe");
  DeleteFileA("A:\\icacls.log");
}

}  // namespace

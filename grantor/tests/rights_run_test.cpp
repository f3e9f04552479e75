#include "grantor/logic/rights_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "grantor/tests/test_logins.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/fault_injecting_file_system.h"
#include "runtime/testing/test_drives.h"

namespace grantor {
namespace {

using rt::testing::StartedCommand;

constexpr char kPackage[] = "C:\\Intranet\\Ondrel";

constexpr char kSchool[] =
    "KORU student export\r\n"
    "Varga@Tomas#7%7B\r\n"
    "Lee@Ann Marie#K%KA\r\n"
    "Varga@Tomas#7%7C\r\n"
    "Nash@Star*#12%12A\r\n"
    "Smith@Jo#3\r\n"
    "Brown@Jo#8%8A\r\n";

constexpr char kSettings[] = "\"C:\\Intranet\\Ondrel\", students \r\n";

constexpr char kShortcuts[] =
    "\"Varga Tomas\",\"tvarga\",\"7B\",\"year7\"\r\n"
    "VARGA TOMAS,tv2,7C,YEAR7\r\n"
    "\"  Lee Ann Marie \", lee , KA ,Kinder\r\n"
    "Nobody Here,nh,1A,year1\r\n"
    "Nash Star*,ns,12A,year12\r\n"
    "Smith Jo,sj,x,\r\n"
    "Varga Tomas,\"tv\r\ndel /q C:\\*\",7B,year7\r\n"
    "Varga Tomas,tv & del C:\\x,7B,year7\r\n"
    "Brown Jo,jb & del C:\\x,8A,year8\r\n";

// The two Tomas Vargas of year 7 both match both of their records: neither record can say whose
// folder it is, so both are left for the administrator. Jo Brown's record would break out of the
// batch command: it is left too, although only one student matches it.
constexpr char kExpectedBatch[] =
    "a:\\xcacls C:\\Intranet\\Ondrel /t /g administrators:F system:F everyone:R /Y\r\n"
    "a:\\xcacls C:\\Intranet\\Ondrel\\students\\Kinder\\KA\\lee /t /g administrators:F "
    "system:F annmarie.lee:RC everyone:R /Y\r\n";

constexpr char kExpectedShortcuts[] =
    "Varga Tomas,tvarga,7B,year7\r\n"
    "VARGA TOMAS,tv2,7C,YEAR7\r\n"
    "annmarie.lee,lee,KA,Kinder\r\n"
    "Nobody Here,nh,1A,year1\r\n"
    "Nash Star*,ns,12A,year12\r\n"
    "Smith Jo,sj,x,\r\n"
    "Varga Tomas,\"tv\r\ndel /q C:\\*\",7B,year7\r\n"
    "Varga Tomas,tv & del C:\\x,7B,year7\r\n"
    "Brown Jo,jb & del C:\\x,8A,year8\r\n";

// Numbers every repeat of a login, so that the two Tomas Vargas can be told apart.
LoginMaker NumberedLogins() {
  auto seen = std::make_shared<std::map<std::string, int>>();
  return [seen](std::string_view surname, std::string_view given) -> std::optional<std::string> {
    auto login = testing::DottedLogin(surname, given);
    if (login && ++(*seen)[*login] > 1) *login += std::to_string((*seen)[*login]);
    return login;
  };
}

class RightsRunTest : public ::testing::Test {
 protected:
  RightsRunTest() {
    std::filesystem::create_directories(drives_.HostPath(kPackage));
    drives_.WriteHostFile("A:\\school.txt", kSchool);
    drives_.WriteHostFile(Package("odshrtct.ini"), kSettings);
    drives_.WriteHostFile(Package("odshrtct.dat"), kShortcuts);
  }

  static std::string Package(const std::string& name) {
    return std::string(kPackage) + "\\" + name;
  }

  RunOutcome Run(rt::FileSystem& file_system, const std::string& path = kPackage,
                 const RightsBatch& choice = {}) {
    rt::Files files(file_system);
    const rt::FileNumber student_export = files.OpenInput("A:\\school.txt");
    const RunOutcome outcome =
        RunSetRights(files, dialogs_, shell_, path, student_export, NumberedLogins(), choice);
    export_left_open_ = files.IsOpen(student_export);
    return outcome;
  }
  RunOutcome Run() { return Run(drives_.file_system()); }

  // The error number a run stops with; 0 when it does not stop.
  int FailureOf(rt::FileSystem& file_system) {
    try {
      Run(file_system);
    } catch (const rt::RuntimeError& error) {
      return error.number();
    }
    return 0;
  }

  rt::testing::TestDrives drives_;
  rt::testing::RecordingDialogs dialogs_;
  rt::testing::RecordingShell shell_;
  bool export_left_open_ = false;
};

TEST_F(RightsRunTest, RewritesTheShortcutsWritesTheBatchForEveryMatchAndStartsIt) {
  EXPECT_EQ(Run(), RunOutcome::kFinished);
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_FALSE(export_left_open_);
  EXPECT_EQ(drives_.ReadHostFile(Package("odrights.bat")), kExpectedBatch);
  EXPECT_EQ(drives_.ReadHostFile(Package("odshrtct.dat")), kExpectedShortcuts);
  EXPECT_EQ(drives_.ReadHostFile(Package("odshrtct.org")), kShortcuts);
  EXPECT_FALSE(drives_.HostFileExists(Package("odshrtct.new")));
  // The report of the records left by hand opens once the batch runs.
  EXPECT_EQ(shell_.started,
            (std::vector<StartedCommand>{
                {Package("odrights.bat"), rt::WindowStyle::kMaximizedFocus},
                {"Notepad \"" + Package("odrights.txt") + "\"", rt::WindowStyle::kNormalFocus}}));
  const std::string report = drives_.ReadHostFile(Package("odrights.txt"));
  EXPECT_NE(report.find("\r\n\r\nVarga Tomas,tvarga,7B,year7  -  2 students of the export match "
                        "it: tomas.varga tomas.varga2  -  "
                        "C:\\Intranet\\Ondrel\\students\\year7\\7B\\tvarga\r\n"
                        "VARGA TOMAS,tv2,7C,YEAR7  -  2 students"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("\r\nBrown Jo,jb & del C:\\x,8A,year8  -  its folders hold a character "
                        "that cannot stand in a batch line  -  "),
            std::string::npos)
      << report;
}

TEST_F(RightsRunTest, TodaysToolsGrantTheSameRightsByIdentifiersWithQuotedIcaclsLines) {
  // A blank in the package path and a login whose quotes would break the line.
  const std::string package = "C:\\Intranet\\Ondrel Web";
  std::filesystem::create_directories(drives_.HostPath(package));
  drives_.WriteHostFile(package + "\\odshrtct.ini", kSettings);
  drives_.WriteHostFile(package + "\\odshrtct.dat",
                        "Lee Ann Marie,lee,KA,Kinder\r\nO\"Neil Al,on,1A,year1\r\n");
  drives_.WriteHostFile("A:\\school.txt", std::string(kSchool) + "O\"Neil@Al#1%1A\r\n");

  // icacls names each student with the domain: without a usable one nothing is touched.
  for (const char* domain : {"", "  ", "HILL%CREST", "HILL\\CREST", "HILL\"CREST"}) {
    EXPECT_EQ(Run(drives_.file_system(), package, {RightsTool::kIcacls, domain}),
              RunOutcome::kNoDomain)
        << domain;
    EXPECT_TRUE(export_left_open_);
  }
  ASSERT_EQ(dialogs_.messages.size(), 5u);
  EXPECT_EQ(dialogs_.messages[0].text,
            "Please type the NetBIOS Domain Name of the students' accounts, for example "
            "HILLCREST: today's icacls names each student as DOMAIN\\login.");
  EXPECT_EQ(dialogs_.messages[1].text, dialogs_.messages[0].text);
  EXPECT_EQ(dialogs_.messages[2].text.rfind("A NetBIOS Domain Name cannot hold any of", 0), 0u);
  for (const auto& shown : dialogs_.messages) {
    EXPECT_EQ(shown.title, "Problem");
    EXPECT_EQ(shown.icon, rt::MessageIcon::kWarning);
  }
  EXPECT_FALSE(drives_.HostFileExists(package + "\\odrights.bat"));
  EXPECT_FALSE(drives_.HostFileExists(package + "\\odshrtct.org"));
  EXPECT_TRUE(shell_.started.empty());

  EXPECT_EQ(Run(drives_.file_system(), package, {RightsTool::kIcacls, " HILLCREST "}),
            RunOutcome::kFinished);
  EXPECT_EQ(drives_.ReadHostFile(package + "\\odrights.bat"),
            "icacls \"C:\\Intranet\\Ondrel Web\" /reset /t /c /q\r\n"
            "icacls \"C:\\Intranet\\Ondrel Web\" /inheritance:r /grant:r "
            "\"*S-1-5-32-544:(OI)(CI)F\" \"*S-1-5-18:(OI)(CI)F\" \"*S-1-1-0:(OI)(CI)R\" /c /q\r\n"
            "icacls \"C:\\Intranet\\Ondrel Web\\students\\Kinder\\KA\\lee\" /inheritance:r "
            "/grant:r \"*S-1-5-32-544:(OI)(CI)F\" \"*S-1-5-18:(OI)(CI)F\" "
            "\"HILLCREST\\annmarie.lee:(OI)(CI)M\" \"*S-1-1-0:(OI)(CI)R\" /c /q\r\n");
  EXPECT_EQ(drives_.ReadHostFile(package + "\\odshrtct.dat"),
            "annmarie.lee,lee,KA,Kinder\r\nO\"Neil Al,on,1A,year1\r\n");
  EXPECT_NE(drives_.ReadHostFile(package + "\\odrights.txt").find("the login al.o\"neil"),
            std::string::npos);

  // A later run with nothing to leave by hand removes the earlier list.
  drives_.RemoveHostFile(package + "\\odshrtct.org");
  drives_.WriteHostFile(package + "\\odshrtct.dat", "Lee Ann Marie,lee,KA,Kinder\r\n");
  EXPECT_EQ(Run(drives_.file_system(), package, {RightsTool::kIcacls, "HILLCREST"}),
            RunOutcome::kFinished);
  EXPECT_FALSE(drives_.HostFileExists(package + "\\odrights.txt"));
  EXPECT_EQ(shell_.started.back().command_line, package + "\\odrights.bat");
}

TEST_F(RightsRunTest, MissingOrShortShortcutFileIsAWrongPathAndChangesNothingElse) {
  drives_.RemoveHostFile(Package("odshrtct.dat"));
  EXPECT_EQ(Run(), RunOutcome::kWrongPath);
  EXPECT_EQ(drives_.ReadHostFile(Package("odshrtct.dat")), "");  // the probe made it
  EXPECT_TRUE(drives_.HostFileExists(Package("odshrtct.dat")));

  drives_.WriteHostFile(Package("odshrtct.dat"), "a,b,c,d\r\n");  // 9 bytes
  EXPECT_EQ(Run(), RunOutcome::kWrongPath);
  EXPECT_TRUE(export_left_open_);
  ASSERT_EQ(dialogs_.messages.size(), 2u);
  for (const auto& shown : dialogs_.messages) {
    EXPECT_EQ(shown, (rt::testing::ShownMessage{"Your Ondrel Path is not correct...", "Problem",
                                                rt::MessageIcon::kWarning}));
  }
  EXPECT_FALSE(drives_.HostFileExists(Package("odshrtct.new")));
  EXPECT_FALSE(drives_.HostFileExists(Package("odrights.bat")));
  EXPECT_TRUE(shell_.started.empty());

  // Ten bytes are a shortcut file; the corrected package then runs.
  drives_.WriteHostFile(Package("odshrtct.dat"), "ab,b,c,d\r\n");
  EXPECT_EQ(Run(), RunOutcome::kFinished);
  EXPECT_EQ(drives_.ReadHostFile(Package("odshrtct.dat")), "ab,b,c,d\r\n");
}

TEST_F(RightsRunTest, AFolderThatDoesNotExistStopsTheRun) {
  rt::Files files(drives_.file_system());
  const rt::FileNumber student_export = files.OpenInput("A:\\school.txt");
  EXPECT_THROW(
      RunSetRights(files, dialogs_, shell_, "C:\\NoSuchFolder", student_export, NumberedLogins()),
      rt::RuntimeError);
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(RightsRunTest, RecordsThatRunOutInsideARecordStopTheRunBeforeAnyRename) {
  drives_.WriteHostFile(Package("odshrtct.dat"), std::string(kShortcuts) + "Lone,value\r\n");
  EXPECT_EQ(FailureOf(drives_.file_system()), rt::kInputPastEndOfFile);
  EXPECT_EQ(drives_.ReadHostFile(Package("odshrtct.dat")),
            std::string(kShortcuts) + "Lone,value\r\n");
  EXPECT_FALSE(drives_.HostFileExists(Package("odshrtct.org")));
}

TEST_F(RightsRunTest, AnyFailureBeforeTheRenamesLeavesTheShortcutFileUntouched) {
  rt::testing::FaultInjectingFileSystem counting(drives_.file_system());
  Run(counting);
  const auto& log = counting.log();
  int first_rename = -1;
  for (int i = 0; i < static_cast<int>(log.size()); ++i) {
    if (log[i].rfind("rename", 0) == 0) {
      first_rename = i;
      break;
    }
  }
  ASSERT_GT(first_rename, 10);

  for (int i = 0; i < first_rename; ++i) {
    drives_.WriteHostFile("A:\\school.txt", kSchool);
    drives_.WriteHostFile(Package("odshrtct.dat"), kShortcuts);
    drives_.RemoveHostFile(Package("odshrtct.org"));
    rt::testing::FaultInjectingFileSystem faulty(drives_.file_system());
    faulty.FailOperationAt(i, rt::kDiskFull);
    shell_.started.clear();
    EXPECT_EQ(FailureOf(faulty), rt::kDiskFull) << "operation " << i << ": " << log[i];
    EXPECT_EQ(drives_.ReadHostFile(Package("odshrtct.dat")), kShortcuts) << log[i];
    EXPECT_FALSE(drives_.HostFileExists(Package("odshrtct.org"))) << log[i];
    EXPECT_TRUE(shell_.started.empty()) << log[i];
  }
}

TEST_F(RightsRunTest, ASecondRunStopsAtTheFirstRenameAndStartsNothing) {
  ASSERT_EQ(Run(), RunOutcome::kFinished);
  shell_.started.clear();
  EXPECT_EQ(FailureOf(drives_.file_system()), rt::kFileAlreadyExists);
  // The rewritten file stays as the first run left it, beside the finished new files.
  EXPECT_EQ(drives_.ReadHostFile(Package("odshrtct.dat")), kExpectedShortcuts);
  EXPECT_EQ(drives_.ReadHostFile(Package("odshrtct.org")), kShortcuts);
  EXPECT_EQ(drives_.ReadHostFile(Package("odshrtct.new")), kExpectedShortcuts);
  EXPECT_TRUE(drives_.HostFileExists(Package("odrights.bat")));
  EXPECT_TRUE(shell_.started.empty());
}

}  // namespace
}  // namespace grantor

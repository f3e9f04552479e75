#include "acctgen/logic/run/create_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "acctgen/logic/batch_files/todays_toolset.h"
#include "acctgen/logic/form/settings_file.h"
#include "acctgen/testing/files_line_sorter.h"
#include "acctgen/testing/recording_progress.h"
#include "acctgen/testing/sample_forms.h"
#include "acctgen/testing/student_accounts.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/fault_injecting_file_system.h"
#include "runtime/testing/test_drives.h"
#include "runtime/text.h"

namespace acctgen {
namespace {

using rt::testing::ShownMessage;
using rt::testing::StartedCommand;

constexpr const char* kSchool =
    "KORU student export\r\n"
    "Varga@Tomas#7%7B\r\n"
    "Lee@Ana#12%12A\r\n"
    "Moana@#9%9C\r\n"
    "Smith@Jo#10%10B\r\n";

// Every file a run may write, with the path the run uses.
const char* const kOutputs[] = {
    "A:\\addusers.vbs", "a:\\step4.bat", "a:\\errorlog.txt", "c:\\addusers.csv", "a:\\step5.bat",
    "a:\\step6.bat",    "a:\\ou.vbs",    "A:\\deleted.txt",  "c:\\handout.htm",  "c:\\trellis.ini"};

Options SampleForm() { return testing::FileServerForm(); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

class CreateRunTest : public ::testing::Test {
 protected:
  CreateRunTest() {
    drives_.WriteHostFile("A:\\school.txt", kSchool);
    drives_.WriteHostFile("C:\\addusers.xls", "last year's workbook");
    drives_.WriteHostFile("C:\\trellis.ini", "old settings,");
    startup_.CurrentYear = "2026";
  }
  ~CreateRunTest() override {
    for (const char* path : {"C:\\addusers.csv", "C:\\addusers.xls", "C:\\handout.htm",
                             "C:\\trellis.ini", "C:\\trellis.new", "C:\\trellis.old"}) {
      drives_.RemoveHostFile(path);
    }
  }

  CreateOutcome Run(const Options& form) {
    startup_.StudentExport = files_.OpenInput("A:\\school.txt");
    return RunCreate(form, startup_,
                     {files_, dialogs_, shell_, clock_, random_, progress_, sorter_});
  }
  std::string Read(const char* path) const { return drives_.ReadHostFile(path); }

  rt::testing::TestDrives drives_;
  rt::testing::FaultInjectingFileSystem faulty_{drives_.file_system()};
  rt::Files files_{faulty_};
  StartupState startup_;
  rt::testing::RecordingDialogs dialogs_;
  rt::testing::RecordingShell shell_;
  testing::FilesLineSorter sorter_{files_};
  rt::testing::FixedClock clock_{{2026, 12, 8, 10, 15, 42}};
  rt::testing::SequenceRandom random_{{0.1, 0.5, 0.9}};
  testing::RecordingProgress progress_;
};

TEST_F(CreateRunTest, ARefusedRunWritesNothingAndNamesTheField) {
  struct Case {
    std::function<void(Options&)> spoil;
    Field field;
    const char* title;
  };
  const Case cases[] = {
      {[](Options& f) { f.domain_dns_name = "lake side.nz"; }, Field::kDomainDnsName, "Check Data"},
      {[](Options& f) { f.domain_dns_name = "lakeside"; }, Field::kDomainDnsName, "Check Data"},
      {[](Options& f) { f.profile_path = "\\fileserver"; }, Field::kProfilePath,
       "UNC Path Incorrect"},
      {[](Options& f) { f.logon_script = "students.cmd"; }, Field::kLogonScript,
       "Logon Script Batch File Invalid"},
  };
  for (const Case& c : cases) {
    Options form = SampleForm();
    c.spoil(form);
    dialogs_.messages.clear();
    const CreateOutcome outcome = Run(form);
    EXPECT_EQ(outcome.end, CreateEnd::kRefused);
    EXPECT_FALSE(outcome.EndsProgram());
    EXPECT_EQ(outcome.focus_field, c.field);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].title, c.title);
  }
  EXPECT_EQ(progress_.shown, 0);
  EXPECT_TRUE(shell_.started.empty());
  // Only the student export was touched: nothing was created, deleted or renamed.
  for (const std::string& entry : faulty_.log()) {
    EXPECT_TRUE(entry.find("school.txt") != std::string::npos) << entry;
  }
  EXPECT_EQ(Read("C:\\addusers.xls"), "last year's workbook");
  EXPECT_EQ(Read("C:\\trellis.ini"), "old settings,");
}

TEST_F(CreateRunTest, EveryFileIsCreatedWrittenAndClosedInItsOrder) {
  Options form = SampleForm();
  const CreateOutcome outcome = Run(form);
  ASSERT_EQ(outcome.end, CreateEnd::kDataErrors);  // Moana has no preferred name
  EXPECT_TRUE(outcome.EndsProgram());

  std::vector<std::string> opens_and_closes;
  for (const std::string& entry : faulty_.log()) {
    if (entry.rfind("open output", 0) == 0 || entry.rfind("delete", 0) == 0 ||
        entry.rfind("close ", 0) == 0) {
      opens_and_closes.push_back(entry);
    }
  }
  const std::vector<std::string> head(opens_and_closes.begin(), opens_and_closes.begin() + 10);
  EXPECT_EQ(head,
            (std::vector<std::string>{"open output A:\\addusers.vbs", "close A:\\addusers.vbs",
                                      "delete c:\\addusers.xls", "open output a:\\step4.bat",
                                      "close a:\\step4.bat", "open output a:\\errorlog.txt",
                                      "open output c:\\addusers.csv", "open output a:\\step5.bat",
                                      "open output a:\\step6.bat", "open output a:\\ou.vbs"}));
  EXPECT_FALSE(drives_.HostFileExists("C:\\addusers.xls"));

  const std::vector<std::string> step4 = Lines(Read("a:\\step4.bat"));
  EXPECT_EQ(step4[1], "Copy c:\\addusers.xls c:\\Accounts\\accounts2026-12-08-42.xls");
  EXPECT_EQ(step4[2], "cscript a:\\OU.vbs");

  const std::vector<std::string> csv = Lines(Read("c:\\addusers.csv"));
  EXPECT_TRUE(csv[0].ends_with(", Logon Script, Profile Path"));
  EXPECT_EQ(csv[1], "\"DC=lakeside,DC=school,DC=nz\"");

  const std::vector<std::string> step5 = Lines(Read("a:\\step5.bat"));
  EXPECT_EQ(step5[0], "cscript a:\\makfldr.vbs D:\\s_home");
  EXPECT_EQ(step5[1], "net share s_home=D:\\s_home /GRANT:Everyone,FULL");
  EXPECT_EQ(step5[2], "cscript a:\\makfldr.vbs D:\\s_home\\2026");

  const std::vector<std::string> step6 = Lines(Read("a:\\step6.bat"));
  ASSERT_GE(step6.size(), 2u);
  EXPECT_EQ(step6[step6.size() - 2], "Del c:\\exportad.*");
  EXPECT_EQ(step6.back(), "Del c:\\exprtad2.csv");

  const std::vector<std::string> ou = Lines(Read("a:\\ou.vbs"));
  EXPECT_EQ(ou[4], "Set dom = GetObject(\"LDAP://DC=lakeside,DC=school,DC=nz\")");
  EXPECT_EQ(ou[14], "'Make calendar year OU's ");
  EXPECT_EQ(ou[15], "Set yrgp2026 = studentsOrg.Create(\"organizationalUnit\", \"OU=2026\")");

  EXPECT_EQ(Read("c:\\trellis.ini"), SettingsFileText(form));
  EXPECT_EQ(Lines(Read("A:\\addusers.vbs")).size(), 119u);  // "Request Change" is off
  EXPECT_FALSE(drives_.HostFileExists("A:\\deleted.txt"));  // leavers were not asked for
  EXPECT_EQ(progress_.shown, 1);
  EXPECT_FALSE(progress_.visible);
  EXPECT_EQ(
      shell_.started,
      (std::vector<StartedCommand>{{"Notepad a:\\errorlog.txt", rt::WindowStyle::kNormalFocus}}));
}

TEST_F(CreateRunTest, TodaysToolsWriteNoExcelVbscriptXcaclsOrSubinacl) {
  drives_.WriteHostFile("A:\\addusers.vbs", "an earlier classic run's script");
  drives_.WriteHostFile("A:\\ou.vbs", "an earlier classic run's units");
  Options form = SampleForm();
  form.todays_tools = true;
  form.student_owns_home_folder = true;
  form.delete_leavers = true;
  startup_.ExistingAccounts = {
      {"gone.student", "2025",
       ",Gone Student,OU=2025,OU=Students,OU=School,DC=lakeside,DC=school,DC=nz", "", ""}};
  ASSERT_EQ(Run(form).end, CreateEnd::kDataErrors);

  EXPECT_FALSE(drives_.HostFileExists("A:\\addusers.vbs"));
  EXPECT_FALSE(drives_.HostFileExists("A:\\ou.vbs"));
  EXPECT_FALSE(drives_.HostFileExists("C:\\addusers.xls"));
  for (const char* path : kOutputs) {
    for (const std::string& line : Lines(Read(path))) {
      const std::string lower = rt::ToLower1252(line);
      for (const char* tool : {"cscript", "xcacls", "subinacl", "excel", ".xls", ".vbs"}) {
        EXPECT_EQ(lower.find(tool), std::string::npos) << path << ": " << line;
      }
    }
  }
  EXPECT_EQ(Read("a:\\step4.bat"), "ldifde -i -k -h -f c:\\addusers.ldf\r\n");
  const std::vector<std::string> step5 = Lines(Read("a:\\step5.bat"));
  EXPECT_EQ(step5[0], "If Not Exist \"D:\\s_home\\\" md \"D:\\s_home\"");
  EXPECT_EQ(step5[1], UpperFolderRightsLine("D:\\s_home"));
  EXPECT_EQ(step5[2], "net share s_home=D:\\s_home /GRANT:Everyone,FULL");
  EXPECT_EQ(step5[3], "If Not Exist \"D:\\s_home\\2026\\\" md \"D:\\s_home\\2026\"");
  EXPECT_EQ(step5[4], UpperFolderRightsLine("D:\\s_home\\2026"));
  EXPECT_NE(
      std::find(step5.begin(), step5.end(),
                "If Not Exist \"D:\\s_home\\2026\\ana.lee\\\" md \"D:\\s_home\\2026\\ana.lee\""),
      step5.end());
  // The import disables the leaver: step 5 deletes nobody.
  for (const std::string& line : step5) EXPECT_EQ(line.find("NET USER"), std::string::npos);
  EXPECT_NE(Read("c:\\addusers.ldf").find("dn: CN=Gone Student,OU=2025,OU=Students,OU=School,"),
            std::string::npos);
  const std::vector<std::string> step6 = Lines(Read("a:\\step6.bat"));
  EXPECT_NE(
      std::find(step6.begin(), step6.end(),
                HomeFolderGrantLine("D:\\s_home\\2026\\ana.lee", "LAKESIDE", "ana.lee", false)),
      step6.end());
  EXPECT_NE(
      std::find(step6.begin(), step6.end(),
                "icacls \"D:\\s_home\\2026\\ana.lee\" /setowner \"LAKESIDE\\ana.lee\" /t /c /q"),
      step6.end());
  EXPECT_TRUE(drives_.HostFileExists("C:\\addusers.ldf"));

  // Without the domain no student could be named: the run is refused before anything is written.
  drives_.RemoveHostFile("C:\\addusers.ldf");
  form.netbios_domain = " ";
  const CreateOutcome refused = Run(form);
  EXPECT_EQ(refused.end, CreateEnd::kRefused);
  EXPECT_EQ(refused.focus_field, Field::kNetbiosDomain);
  EXPECT_FALSE(drives_.HostFileExists("C:\\addusers.ldf"));
}

// With today's tools the import takes the leavers: a leaver is disabled and moved into the
// Leavers unit of the run's year, an account of an earlier year's Leavers unit is deleted (even
// when a current name could hold it), one of this year's stays, and a student handed the login
// of an account in a Leavers unit has it back. The undo file takes each change back in turn.
TEST_F(CreateRunTest, TodaysToolsDisableDeleteAndBringBackThroughTheImport) {
  Options form = SampleForm();
  form.todays_tools = true;
  form.delete_leavers = true;
  const std::string root = "DC=lakeside,DC=school,DC=nz";
  const std::string students = "OU=Students,OU=School," + root;
  const std::string leavers = "OU=Leavers," + students;
  struct Existing {
    const char *login, *dn, *control, *home = "";
  };
  const Existing existing[] = {
      {"ana.lee", ",Ana Lee,OU=2026,", "66048"},            // Ana is at school
      {"ana.lee2", ",Ana Lee2,OU=2028,", "66048"},          // a current name could hold it
      {"gone.student", ",Gone Student,OU=2027,", "512"},    // left: disabled
      {"jo.smith2", ",Jo Smith2,OU=2024,OU=Leavers,", ""},  // left in 2024: deleted
      {"old.leaver", ",Old Leaver,OU=2025,OU=Leavers,", "66050",
       "\\\\fs\\old\\old.leaver"},                                     // left in 2025: deleted
      {"recent.leaver", ",Recent Leaver,OU=2026,OU=Leavers,", "514"},  // stays this year
      {"smith.o'neil", ",Smith\\, O'Neil,OU=2029,", ""},  // left: disabled, no control known
      {"tomas.varga", ",Tomas Varga,OU=2025,OU=Leavers,", "66050"},  // back at school
  };
  for (const Existing& account : existing) {
    startup_.ExistingAccounts.push_back(
        {account.login, "2026", account.dn + students, account.control, account.home});
  }
  startup_.ExistingCount = std::size(existing);
  ASSERT_EQ(Run(form).end, CreateEnd::kDataErrors);  // Moana has no preferred name

  for (const std::string& line : Lines(Read("a:\\step5.bat"))) {
    EXPECT_EQ(line.find("NET USER"), std::string::npos) << line;
  }
  const std::string rows = Read("c:\\addusers.csv");
  EXPECT_EQ(rows.find("tomas.varga"), std::string::npos);
  EXPECT_NE(rows.find(",jo.smith,"), std::string::npos);
  EXPECT_NE(Read("a:\\errorlog.txt")
                .find("In KORU, Varga Tomas is back at school: step 4 moves the account "
                      "tomas.varga out of the Leavers unit of 2025 and enables it again, with its "
                      "old password.\r\n"),
            std::string::npos);

  const std::string ldif = Read("c:\\addusers.ldf");
  const std::size_t changes = ldif.find("# Students who have left");
  ASSERT_NE(changes, std::string::npos);
  EXPECT_LT(ldif.find("sAMAccountName: jo.smith\r\n"), changes);  // the added accounts first
  const auto move = [](const std::string& rdn, const std::string& from, const std::string& to) {
    return "dn: " + rdn + "," + from + "\r\nchangetype: modrdn\r\nnewrdn: " + rdn +
           "\r\ndeleteoldrdn: 1\r\nnewsuperior: " + to + "\r\n\r\n";
  };
  const auto control = [](const std::string& dn, const std::string& value) {
    return "dn: " + dn + "\r\nchangetype: modify\r\nreplace: userAccountControl\r\n" +
           "userAccountControl: " + value + "\r\n-\r\n\r\n";
  };
  const auto unit = [](const std::string& dn, const std::string& description) {
    return "dn: " + dn + "\r\nchangetype: add\r\nobjectClass: organizationalUnit\r\n" +
           "description: " + description + "\r\n\r\n";
  };
  const std::string gone = "CN=Gone Student", smith = "CN=Smith\\, O'Neil";
  const std::string tomas = "CN=Tomas Varga", this_year = "OU=2026," + leavers;
  EXPECT_EQ(ldif.substr(changes),
            "# Students who have left: disabled and moved into " + this_year +
                " until the first run of a later year deletes them.\r\n" +
                unit(leavers, "Accounts of students who have left, disabled for a year") +
                unit(this_year, "Left in 2026, to be deleted in the next year") +
                control(gone + ",OU=2027," + students, "514") +
                move(gone, "OU=2027," + students, this_year) +
                control(smith + ",OU=2029," + students, "66050") +
                move(smith, "OU=2029," + students, this_year) +
                "# Students who left in an earlier year: deleted.\r\n"
                "dn: CN=Jo Smith2,OU=2024," +
                leavers + "\r\nchangetype: delete\r\n\r\n" + "dn: CN=Old Leaver,OU=2025," +
                leavers + "\r\nchangetype: delete\r\n\r\n" +
                "# Students back at school: moved into their leaving-year unit and enabled.\r\n" +
                move(tomas, "OU=2025," + leavers, "OU=2031," + students) +
                control(tomas + ",OU=2031," + students, "66048"));

  const std::string undo = Read("c:\\undo.ldf");
  EXPECT_NE(undo.find("#     old.leaver (CN=Old Leaver,OU=2025," + leavers + ")\r\n"),
            std::string::npos);
  const std::size_t entries = undo.find("# Students brought back");
  ASSERT_NE(entries, std::string::npos);
  EXPECT_EQ(undo.substr(entries),
            "# Students brought back: into the Leavers unit again, disabled.\r\n" +
                control(tomas + ",OU=2031," + students, "66050") +
                move(tomas, "OU=2031," + students, "OU=2025," + leavers) +
                "# Leavers: back into their units, enabled as they were.\r\n" +
                move(gone, this_year, "OU=2027," + students) +
                control(gone + ",OU=2027," + students, "512") +
                move(smith, this_year, "OU=2029," + students) +
                control(smith + ",OU=2029," + students, "66048") +
                "# The accounts the import added: deleted.\r\n"
                "dn: CN=Jo Smith,OU=2028," +
                students + "\r\nchangetype: delete\r\n\r\n");

  EXPECT_EQ(Read("A:\\deleted.txt"),
            "Step 4 disables or deletes these accounts as they have left the school:\r\n"
            " \r\n"
            "gone.student: disabled and moved to the Leavers unit of 2026, can come back until "
            "the first run in 2027 deletes it; home folder \\\\fileserver\\s_home\\2027\\"
            "gone.student\r\n"
            "smith.o'neil: disabled and moved to the Leavers unit of 2026, can come back until "
            "the first run in 2027 deletes it; home folder \\\\fileserver\\s_home\\2029\\"
            "smith.o'neil\r\n"
            "jo.smith2: deleted, in the Leavers unit of 2024; home folder "
            "\\\\fileserver\\s_home\\<year>\\jo.smith2\r\n"
            "old.leaver: deleted, in the Leavers unit of 2025; home folder "
            "\\\\fs\\old\\old.leaver\r\n"
            " \r\n"
            "The home folders stay: check the contents of each one and delete it\r\n"
            "when no longer required. To bring a disabled student back, put the\r\n"
            "student in school.txt again and run steps 1 to 4 again.\r\n"
            " \r\n"
            "Please close this window when ready.\r\n");
  EXPECT_EQ(shell_.started.front().command_line, "Notepad.exe a:\\deleted.txt");
}

TEST_F(CreateRunTest, LeaversAreReportedBeforeTheSettingsAndTheEnding) {
  Options form = SampleForm();
  form.delete_leavers = true;
  drives_.WriteHostFile("A:\\school.txt", "Varga@Tomas#7%7B\r\nLee@Ana#12%12A\r\n");
  startup_.ExistingAccounts = testing::StudentAccounts({"ana.lee", "old.leaver", "tomas.varga"});
  startup_.ExistingCount = 3;
  const CreateOutcome outcome = Run(form);
  EXPECT_EQ(outcome.end, CreateEnd::kSuccess);
  const std::vector<std::string> step5 = Lines(Read("a:\\step5.bat"));
  EXPECT_EQ(step5.back(), "NET USER /delete \"old.leaver\" /DOMAIN");
  EXPECT_EQ(Lines(Read("A:\\deleted.txt"))[2], "old.leaver");
  EXPECT_EQ(Lines(Read("a:\\step4.bat")).size(), 3u);  // not a first run: no OU script
  EXPECT_EQ(shell_.started, (std::vector<StartedCommand>{
                                {"Notepad.exe a:\\deleted.txt", rt::WindowStyle::kNormalFocus}}));
  EXPECT_EQ(dialogs_.messages.back().title, "Success!");

  // The report was closed before the settings were saved.
  const auto& log = faulty_.log();
  const auto position = [&](const std::string& entry) {
    return std::find(log.begin(), log.end(), entry) - log.begin();
  };
  EXPECT_LT(position("close A:\\deleted.txt"), position("open output c:\\trellis.new"));
}

TEST_F(CreateRunTest, TheHandoutListsEveryNewAccountBeforeTheSettingsAreSaved) {
  Options form = SampleForm();
  form.unique_passwords = false;
  form.common_password = " Lanterns ";
  startup_.ExistingAccounts =
      testing::StudentAccounts({"ana.lee"});  // Ana has an account already: no row, no slip
  startup_.ExistingCount = 1;
  Run(form);
  const std::string sheet = Read("c:\\handout.htm");
  EXPECT_NE(sheet.find("New student accounts for lakeside.school.nz"), std::string::npos);
  EXPECT_NE(sheet.find("Created 8 December 2026: 2 new accounts."), std::string::npos);
  EXPECT_NE(sheet.find("<h2>Roll class 10B</h2>"), std::string::npos);
  EXPECT_NE(sheet.find("<tr><td>Tomas Varga</td><td class=\"secret\">tomas.varga</td>"
                       "<td class=\"secret\">lanterns</td>"
                       "<td class=\"home\">H: \\\\fileserver\\s_home\\2031\\tomas.varga</td></tr>"),
            std::string::npos);
  EXPECT_EQ(sheet.find("Ana Lee"), std::string::npos);
  EXPECT_EQ(sheet.find("Moana"), std::string::npos);  // a faulty record gets no row

  const auto& log = faulty_.log();
  const auto position = [&](const std::string& entry) {
    return std::find(log.begin(), log.end(), entry) - log.begin();
  };
  EXPECT_LT(position("close c:\\handout.htm"), position("open output c:\\trellis.new"));
  EXPECT_LT(position("close c:\\handout.htm"),
            position("close a:\\step6.bat"));  // before the ending
}

// Every file operation of a run can fail with any of the errors the disks give: the run then
// reports it and ends, what was finished before stays as it was, and the settings file is
// either the old one or the new one, whole. Output is buffered, so a "write" here is a whole
// block or what is left at a close: a write fault surfaces at that flush, not at its line.
TEST_F(CreateRunTest, AFailureAtAnyOperationTakesTheDefaultFailurePath) {
  Options clean_form = SampleForm();
  clean_form.delete_leavers = true;
  startup_.ExistingAccounts = testing::StudentAccounts({"gone.student", "x", "y"});
  startup_.ExistingCount = 3;
  Run(clean_form);
  const std::vector<std::string> clean_log = faulty_.log();
  std::map<std::string, std::string> clean_content;
  std::map<std::string, int> closed_at;
  for (const char* path : kOutputs) clean_content[path] = Read(path);
  for (int i = 0; i < static_cast<int>(clean_log.size()); ++i) {
    for (const char* path : kOutputs) {
      if (clean_log[i] == std::string("close ") + path) closed_at[path] = i;
    }
  }
  closed_at["c:\\trellis.ini"] = static_cast<int>(clean_log.size());  // checked on its own
  const std::string new_settings = clean_content["c:\\trellis.ini"];

  int failed_runs = 0;
  for (int error : {rt::kFileNotFound, rt::kDeviceIoError, rt::kDiskFull, rt::kPermissionDenied,
                    rt::kDiskNotReady, rt::kPathFileAccessError, rt::kPathNotFound}) {
    // Operation 0 opened the student export at start-up, before the run.
    for (int index = 1; index < static_cast<int>(clean_log.size()); ++index) {
      SCOPED_TRACE(clean_log[index] + " failing with " + std::to_string(error));
      rt::testing::TestDrives drives;
      drives.WriteHostFile("A:\\school.txt", kSchool);
      drives.WriteHostFile("C:\\trellis.ini", "old settings,");
      for (const char* path : {"C:\\trellis.new", "C:\\trellis.old", "C:\\addusers.csv"}) {
        drives.RemoveHostFile(path);
      }
      rt::testing::FaultInjectingFileSystem faulty(drives.file_system());
      rt::Files files(faulty);
      rt::testing::RecordingDialogs dialogs;
      rt::testing::RecordingShell shell;
      testing::RecordingProgress progress;
      rt::testing::FixedClock clock({2026, 12, 8, 10, 15, 42});
      rt::testing::SequenceRandom random({0.1, 0.5, 0.9});
      testing::FilesLineSorter sorter(files);
      StartupState startup = startup_;
      startup.StudentExport = files.OpenInput("A:\\school.txt");
      faulty.FailOperationAt(index, error);
      Options form = SampleForm();
      form.delete_leavers = true;
      const CreateOutcome outcome =
          RunCreate(form, startup, {files, dialogs, shell, clock, random, progress, sorter});

      // A stale file that is not there is gone already.
      const bool swallowed = (clean_log[index] == "delete c:\\addusers.xls" ||
                              clean_log[index] == "delete c:\\undo.ldf") &&
                             error == rt::kFileNotFound;
      if (swallowed) {
        EXPECT_NE(outcome.end, CreateEnd::kFailed);
        continue;
      }
      ++failed_runs;
      EXPECT_EQ(outcome.end, CreateEnd::kFailed);
      EXPECT_EQ(outcome.error, error);
      EXPECT_EQ(outcome.error_description, rt::DescribeError(error));
      EXPECT_TRUE(outcome.EndsProgram());
      EXPECT_FALSE(progress.visible);
      EXPECT_FALSE(files.IsOpen(*startup.StudentExport));
      // The endings' messages are shown only once everything is written.
      for (const ShownMessage& message : dialogs.messages) {
        EXPECT_NE(message.title, "Success!");
        EXPECT_NE(message.title, "Errors in KORU Data");
      }
      for (const char* path : kOutputs) {
        if (closed_at.count(path) && closed_at[path] < index) {
          EXPECT_EQ(drives.ReadHostFile(path), clean_content[path]) << path;
        }
      }
      const std::string settings = drives.ReadHostFile("C:\\trellis.ini");
      EXPECT_TRUE(settings == "old settings," || settings == new_settings) << settings;
      drives.RemoveHostFile("C:\\addusers.csv");
      drives.RemoveHostFile("C:\\trellis.ini");
      drives.RemoveHostFile("C:\\trellis.new");
      drives.RemoveHostFile("C:\\trellis.old");
    }
  }
  // Every operation failed the run once per error, but for the workbook and the undo file of an
  // earlier run that are not found.
  EXPECT_EQ(failed_runs, 7 * (static_cast<int>(clean_log.size()) - 1) - 2);
}

}  // namespace
}  // namespace acctgen

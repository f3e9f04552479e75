// The buttons' reactions on real files of drives A: and C:, with recorded boxes and commands.

#include "wizard/logic/wizard_steps.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/support_texts.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/fault_injecting_file_system.h"
#include "runtime/testing/test_drives.h"
#include "school/saved_settings.h"

namespace wizard {
namespace {

using rt::MessageIcon;
using rt::WindowStyle;
using rt::testing::ShownMessage;
using rt::testing::StartedCommand;

const char* const kFixedFiles[] = {"C:\\exportad.csv", "c:\\addusers.csv", "c:\\addusers.xls",
                                   "c:\\addusers.ldf", "c:\\trellis.ini"};

class WizardStepsTest : public ::testing::Test {
 protected:
  WizardStepsTest() : files_(drives_.file_system()), steps_(files_, dialogs_, shell_) {
    RemoveFixedFiles();
  }
  ~WizardStepsTest() override {
    files_.CloseAll();
    RemoveFixedFiles();
    drives_.CleanFloppy();
  }
  void RemoveFixedFiles() {
    for (const char* path : kFixedFiles) drives_.RemoveHostFile(path);
  }

  rt::testing::TestDrives drives_;
  rt::Files files_;
  rt::testing::RecordingDialogs dialogs_;
  rt::testing::RecordingShell shell_;
  WizardSteps steps_;
};

TEST_F(WizardStepsTest, ExportAsksForTheServerAtItsPlace) {
  dialogs_.answers = {""};
  steps_.Press(Step::k1);
  ASSERT_EQ(dialogs_.questions.size(), 1u);
  const auto& question = dialogs_.questions[0];
  EXPECT_EQ(question.prompt, "Please enter the name of your Server - eg. SERVER1");
  EXPECT_EQ(question.title, "Server Name?");
  EXPECT_EQ(question.default_answer, "SERVER1");
  ASSERT_TRUE(question.position.has_value());
  EXPECT_EQ(question.position->x, 6000);
  EXPECT_EQ(question.position->y, 1500);
}

TEST_F(WizardStepsTest, CancelledExportWritesAndStartsNothing) {
  drives_.WriteHostFile("C:\\exportad.csv", "earlier export\r\n");
  dialogs_.answers = {""};
  steps_.Press(Step::k1);
  EXPECT_EQ(drives_.ReadHostFile("C:\\exportad.csv"), "earlier export\r\n");
  EXPECT_TRUE(shell_.started.empty());
  EXPECT_TRUE(shell_.opened.empty());
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(WizardStepsTest, ExportWritesThePlaceholderThenStartsCsvdeAndOpensTheInstructions) {
  drives_.WriteHostFile("C:\\exportad.csv", "a much longer earlier export that must go\r\n");
  dialogs_.answers = {" dc01 "};
  // The placeholder must be on disk, closed, by the time the export starts.
  struct CheckingShell : rt::testing::RecordingShell {
    rt::testing::TestDrives* drives;
    std::string seen_at_start;
    void Start(std::string_view command_line, WindowStyle style) override {
      if (started.empty()) seen_at_start = drives->ReadHostFile("C:\\exportad.csv");
      RecordingShell::Start(command_line, style);
    }
  } shell;
  shell.drives = &drives_;
  WizardSteps steps(files_, dialogs_, shell);
  steps.Press(Step::k1);

  EXPECT_EQ(shell.seen_at_start, "Fred,Fred,Fred,Fred\r\n");
  EXPECT_EQ(drives_.ReadHostFile("C:\\exportad.csv"), "Fred,Fred,Fred,Fred\r\n");
  ASSERT_EQ(shell.started.size(), 1u);
  // The server name goes in exactly as typed.
  EXPECT_EQ(shell.started[0],
            (StartedCommand{"a:\\csvde -f c:\\exportad.csv -s  dc01  -c CN=  , -r "
                            "\"(&(objectCategory=person)(objectClass=user))\" -l "
                            "sn,givenName,sAMAccountName,description,userAccountControl,"
                            "homeDirectory",
                            WindowStyle::kNormalFocus}));
  EXPECT_EQ(shell.opened, std::vector<std::string>{"a:\\koru.txt"});
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(WizardStepsTest, InstructionsWithNoAssociatedProgramGetTheOpenWithDialog) {
  dialogs_.answers = {"dc01"};
  shell_.open_result = 31;
  steps_.Press(Step::k1);
  ASSERT_EQ(shell_.started.size(), 2u);
  EXPECT_EQ(shell_.started[1],
            (StartedCommand{"rundll32.exe shell32.dll,OpenAs_RunDLL a:\\koru.txt",
                            WindowStyle::kNormalFocus}));
}

TEST_F(WizardStepsTest, OtherShellFailuresAreIgnored) {
  for (long result : {0L, 2L, 30L, 32L, 33L}) {
    rt::testing::RecordingShell shell;
    shell.open_result = result;
    ShellOpenDocument(shell, "c:\\addusers.csv");
    EXPECT_EQ(shell.opened.size(), 1u);
    EXPECT_TRUE(shell.started.empty()) << result;
  }
}

TEST_F(WizardStepsTest, ExportThatCannotWriteThePlaceholderFailsBeforeStartingAnything) {
  rt::testing::FaultInjectingFileSystem faulty(drives_.file_system());
  faulty.AddRule({rt::testing::FileOperation::kOpen, "exportad", rt::kPathNotFound});
  rt::Files files(faulty);
  WizardSteps steps(files, dialogs_, shell_);
  dialogs_.answers = {"dc01"};
  try {
    steps.Press(Step::k1);
    FAIL() << "no error";
  } catch (const rt::RuntimeError& error) {
    EXPECT_EQ(error.number(), rt::kPathNotFound);
  }
  EXPECT_TRUE(shell_.started.empty());
}

TEST_F(WizardStepsTest, GeneratorStartsWithoutProbingOrAsking) {
  steps_.Press(Step::k2);
  const std::vector<StartedCommand> expected{{"A:\\acctgen.exe", WindowStyle::kNormalFocus}};
  EXPECT_EQ(shell_.started, expected);
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_FALSE(drives_.HostFileExists("c:\\addusers.csv"));
}

TEST_F(WizardStepsTest, AccountRowsOfAHundredBytesOpenAfterTheNote) {
  drives_.WriteHostFile("c:\\addusers.csv", std::string(100, 'x'));
  bool open_at_box = true;
  dialogs_.on_message = [&](const ShownMessage&) {
    open_at_box = false;
    for (int number = 1; number <= 8; ++number) open_at_box |= files_.IsOpen(number);
    // Nothing is opened before the box is closed.
    EXPECT_TRUE(shell_.opened.empty());
  };
  steps_.Press(Step::k3);
  EXPECT_FALSE(open_at_box) << "a file was still open while the note was shown";
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].title, "Please Note");
  EXPECT_EQ(dialogs_.messages[0].icon, MessageIcon::kInformation);
  EXPECT_EQ(dialogs_.messages[0].text,
            "When you click the OK button below, Excel will start (assuming it's installed on "
            "this computer - if not, you must run Step 3 on another computer).  You must do the "
            "following:\n\r\n\r(1) Choose File...Save As\n\r(2) Change 'Save as Type' to "
            "'Excel 97-2003 Workbook (*.xls)'\n\r(3) Click the Save button\n\r(4) "
            "Close Excel\n\r(5) Run Step 4 on the Wizard.\n\r");
  EXPECT_EQ(shell_.opened, std::vector<std::string>{"c:\\addusers.csv"});
  EXPECT_TRUE(shell_.started.empty());
  EXPECT_EQ(drives_.ReadHostFile("c:\\addusers.csv"), std::string(100, 'x'));
}

TEST_F(WizardStepsTest, AccountRowsWithNoAssociatedProgramGetTheOpenWithDialog) {
  drives_.WriteHostFile("c:\\addusers.csv", std::string(150, 'x'));
  shell_.open_result = 31;
  steps_.Press(Step::k3);
  const std::vector<StartedCommand> expected{
      {"rundll32.exe shell32.dll,OpenAs_RunDLL c:\\addusers.csv", WindowStyle::kNormalFocus}};
  EXPECT_EQ(shell_.started, expected);
}

TEST_F(WizardStepsTest, ShortOrMissingAccountRowsAreRefusedAndAMissingFileIsLeftEmpty) {
  drives_.WriteHostFile("c:\\addusers.csv", std::string(99, 'x'));
  steps_.Press(Step::k3);
  EXPECT_EQ(drives_.ReadHostFile("c:\\addusers.csv"), std::string(99, 'x'));

  drives_.RemoveHostFile("c:\\addusers.csv");
  steps_.Press(Step::k3);
  EXPECT_TRUE(drives_.HostFileExists("c:\\addusers.csv"));
  EXPECT_EQ(drives_.ReadHostFile("c:\\addusers.csv"), "");
  // The empty file it made is refused again.
  steps_.Press(Step::k3);

  const ShownMessage refusal{
      "There doesn't appear to be a valid ADDUSERS.CSV file on the diskette.  Did you run Step 2 "
      "successfully?",
      "Sorry", MessageIcon::kWarning};
  EXPECT_EQ(dialogs_.messages, std::vector<ShownMessage>(3, refusal));
  EXPECT_TRUE(shell_.opened.empty());
  EXPECT_TRUE(shell_.started.empty());
  for (int number = 1; number <= 8; ++number) EXPECT_FALSE(files_.IsOpen(number));
}

struct BatchCase {
  Step step;
  const char* probed;
  const char* started;
  const char* note;
  const char* refusal;
};

const BatchCase kBatchCases[] = {
    {Step::k4, "c:\\addusers.xls", "A:\\STEP4.BAT",
     "A batch file is about to run which will create all the specified OUs and user accounts in "
     "the Active Directory.  When it is complete, continue to Step 5.",
     "There doesn't appear to be a valid ADDUSERS.XLS file on the diskette.  Did you run Step 3 "
     "successfully?"},
    {Step::k5, "A:\\step5.bat", "A:\\STEP5.BAT",
     "A batch file is about to run which will create all the specified user home folders on the "
     "server.  When it is complete, continue to Step 6.",
     "There doesn't appear to be a valid STEP5.BAT file on the diskette.  Did you run Step 2 "
     "successfully?"},
    {Step::k6, "A:\\step6.bat", "A:\\STEP6.BAT",
     "A batch file is about to run which will set all the specified permissions to each user's "
     "home folder on the server.  When it is complete, you should be done!",
     "There doesn't appear to be a valid STEP6.BAT file on the diskette.  Did you run Step 2 "
     "successfully?"},
};

TEST_F(WizardStepsTest, BatchStepsStartTheirBatchOnceTheProbedFileIsLongEnough) {
  for (const BatchCase& batch : kBatchCases) {
    SCOPED_TRACE(batch.probed);
    dialogs_.messages.clear();
    shell_.started.clear();
    drives_.WriteHostFile(batch.probed, std::string(100, 'r'));
    bool open_at_box = false;
    dialogs_.on_message = [&](const ShownMessage&) {
      for (int number = 1; number <= 8; ++number) open_at_box |= files_.IsOpen(number);
      EXPECT_TRUE(shell_.started.empty()) << "started before the note was closed";
    };
    steps_.Press(batch.step);
    EXPECT_FALSE(open_at_box);
    const std::vector<ShownMessage> note{{batch.note, "Please Note", MessageIcon::kInformation}};
    EXPECT_EQ(dialogs_.messages, note);
    const std::vector<StartedCommand> started{{batch.started, WindowStyle::kNormalFocus}};
    EXPECT_EQ(shell_.started, started);
  }
}

TEST_F(WizardStepsTest, BatchStepsRefuseShortAndMissingFiles) {
  for (const BatchCase& batch : kBatchCases) {
    SCOPED_TRACE(batch.probed);
    dialogs_.messages.clear();
    drives_.WriteHostFile(batch.probed, std::string(99, 'r'));
    steps_.Press(batch.step);
    drives_.RemoveHostFile(batch.probed);
    steps_.Press(batch.step);
    EXPECT_EQ(drives_.ReadHostFile(batch.probed), "");
    EXPECT_EQ(dialogs_.messages,
              std::vector<ShownMessage>(2, {batch.refusal, "Sorry", MessageIcon::kWarning}));
    EXPECT_TRUE(shell_.started.empty());
    for (int number = 1; number <= 8; ++number) EXPECT_FALSE(files_.IsOpen(number));
  }
}

// The generator's saved form with the given value in the today's-tools field; the second line
// holds fields 44 to 47.
std::string SavedSettings(std::string_view todays_tools) {
  std::string text;
  for (int field = 1; field <= 42; ++field) text += field == 7 ? "\"D:\\a, b\"," : "0,";
  text += "HILLCREST\r\n0,1,0,";
  text += todays_tools;
  text += ",";
  return text;
}

TEST_F(WizardStepsTest, TodaysToolsFollowOnlyAOneInField47) {
  EXPECT_FALSE(school::TodaysToolsChosen(files_)) << "no settings file";
  const std::string full = SavedSettings("1");
  drives_.WriteHostFile("c:\\trellis.ini", full);
  EXPECT_TRUE(school::TodaysToolsChosen(files_));
  // Files from before the choice, or any other value.
  for (const std::string& text :
       {full.substr(0, full.find('\n') + 1), full.substr(0, full.size() - 2), SavedSettings("0"),
        SavedSettings("yes"), std::string()}) {
    drives_.WriteHostFile("c:\\trellis.ini", text);
    EXPECT_FALSE(school::TodaysToolsChosen(files_)) << text;
  }
  for (int number = 1; number <= 8; ++number) EXPECT_FALSE(files_.IsOpen(number));
}

TEST_F(WizardStepsTest, TodaysToolsSkipStep3AndImportTheLdifFileAtStep4) {
  drives_.WriteHostFile("c:\\trellis.ini", SavedSettings("1"));
  steps_.Press(Step::k3);
  EXPECT_FALSE(drives_.HostFileExists("c:\\addusers.csv")) << "step 3 probed the rows";
  EXPECT_TRUE(shell_.opened.empty());

  // Step 4 wants the LDIF file, not the workbook.
  drives_.WriteHostFile("c:\\addusers.xls", std::string(500, 'w'));
  steps_.Press(Step::k4);
  EXPECT_EQ(drives_.ReadHostFile("c:\\addusers.ldf"), "");
  drives_.WriteHostFile("c:\\addusers.ldf", std::string(100, 'l'));
  steps_.Press(Step::k4);
  ASSERT_EQ(dialogs_.messages.size(), 3u);
  EXPECT_EQ(dialogs_.messages[0], (ShownMessage{std::string(kNoWorkbookNeededNote), "Please Note",
                                                MessageIcon::kInformation}));
  EXPECT_EQ(dialogs_.messages[1],
            (ShownMessage{"There doesn't appear to be a valid ADDUSERS.LDF file on drive C:.  "
                          "Did you run Step 2 successfully?",
                          "Sorry", MessageIcon::kWarning}));
  EXPECT_NE(dialogs_.messages[2].text.find("ldifde"), std::string::npos);
  const std::vector<StartedCommand> started{{"A:\\STEP4.BAT", WindowStyle::kNormalFocus}};
  EXPECT_EQ(shell_.started, started);

  // The notes of steps 5 and 6 name the tools; their files and refusals are the classic ones.
  const char* const tools[] = {" md.", " icacls."};
  for (Step step : {Step::k5, Step::k6}) {
    const BatchStep& today = BatchStepOf(step, true);
    const BatchStep& classic = BatchStepOf(step, false);
    EXPECT_EQ(today.probed_file, classic.probed_file);
    EXPECT_EQ(today.batch_file, classic.batch_file);
    EXPECT_EQ(today.refusal, classic.refusal);
    EXPECT_NE(today.note.find(tools[step == Step::k6]), std::string_view::npos);
  }
}

// A file of the test data, hand-written as the generator writes it.
std::string TestData(const std::string& name) {
  std::string path = WIZARD_TEST_DATA_DIR "/" + name;
#ifdef _WIN32
  for (char& c : path) c = c == '/' ? '\\' : c;
  path = "Z:" + path;
#endif
  std::string bytes;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
      bytes.append(buffer, got);
    }
    std::fclose(file);
  }
  EXPECT_FALSE(bytes.empty()) << path;
  return bytes;
}

std::string WithLfOnly(std::string text) {
  std::erase(text, '\r');
  return text;
}

AccountChanges CountLines(std::initializer_list<std::string_view> lines) {
  LdifChangeCounter counter;
  for (std::string_view line : lines) counter.Line(line);
  return counter.Finish();
}

TEST_F(WizardStepsTest, LdifEntriesAreCountedByTheirStructure) {
  // Folded lines, comments, base64 values, names in any case, modify entries beside the moves.
  const AccountChanges figures{.added = 4, .disabled = 3, .deleted = 2, .returning = 1};
  drives_.WriteHostFile("c:\\addusers.ldf", TestData("leavers.ldf"));
  EXPECT_EQ(CountLdifChanges(files_, "c:\\addusers.ldf"), figures);
  EXPECT_FALSE(files_.IsOpen(1));
  drives_.WriteHostFile("c:\\addusers.ldf", WithLfOnly(TestData("leavers.ldf")));
  EXPECT_EQ(CountLdifChanges(files_, "c:\\addusers.ldf"), figures);
  drives_.WriteHostFile("c:\\addusers.ldf", std::string(200, '0'));
  EXPECT_EQ(CountLdifChanges(files_, "c:\\addusers.ldf"), AccountChanges{});

  // A rename in place moves nothing; a URL value is not read; a line folded onto nothing and a
  // last entry without a blank line after it.
  EXPECT_EQ(CountLines({"dn: CN=A,OU=2025,OU=Leavers,DC=x", "changetype: modrdn", "newrdn: CN=B",
                        "", " changetype: delete", "", "dn: CN=C,DC=x", "changetype: modrdn",
                        "newsuperior:< file:///c:/leavers.txt", "", "dn: CN=D,DC=x",
                        "changetype: delete"}),
            (AccountChanges{.deleted = 1, .returning = 1}));
  EXPECT_EQ(DecodeBase64("Q2hsb8OpIER1cmFuZA=="), "Chlo\xc3\xa9 Durand");
  EXPECT_EQ(DecodeBase64("YW\r\nRk"), "add");
}

TEST_F(WizardStepsTest, AccountDeletesAreTheLinesTheInterpreterRunsAsNetUserDelete) {
  drives_.WriteHostFile("A:\\step5.bat", TestData("step5_leavers.bat"));
  EXPECT_EQ(CountAccountDeletes(files_, "A:\\step5.bat"), 4);
  EXPECT_FALSE(files_.IsOpen(1));
  drives_.WriteHostFile("A:\\step5.bat",
                        "NET USER /deleted x\r\nNET USER x /delete\r\nNET USER /delete");
  EXPECT_EQ(CountAccountDeletes(files_, "A:\\step5.bat"), 0);
}

TEST_F(WizardStepsTest, LeaversInTheLdifFileAreImportedOnlyAfterYes) {
  drives_.WriteHostFile("c:\\trellis.ini", SavedSettings("1"));
  drives_.WriteHostFile("c:\\addusers.ldf", TestData("leavers.ldf"));
  bool open_at_box = false;
  dialogs_.on_message = [&](const ShownMessage&) {
    for (int number = 1; number <= 8; ++number) open_at_box |= files_.IsOpen(number);
  };
  steps_.Press(Step::k4);  // no answer: No, the default
  EXPECT_TRUE(shell_.started.empty()) << "No started the import";
  const ShownMessage question{
      std::string(BatchStepOf(Step::k4, true).note) +
          "\r\n\r\nWhat c:\\addusers.ldf will do:\r\nAccounts added: 4\r\nAccounts disabled and "
          "moved to Leavers: 3\r\nAccounts deleted after their year in Leavers: 2\r\nReturning "
          "students moved back and enabled: 1\r\n\r\nA deleted account cannot be brought back "
          "with its rights.  Read A:\\deleted.txt before you answer.\r\n\r\nRun the batch file "
          "now?",
      "Please Note", MessageIcon::kWarning};
  EXPECT_EQ(dialogs_.yes_no_questions, std::vector<ShownMessage>{question});
  EXPECT_TRUE(dialogs_.messages.empty());

  dialogs_.yes_no_answers = {true};
  steps_.Press(Step::k4);
  EXPECT_EQ(dialogs_.yes_no_questions.size(), 2u);
  const std::vector<StartedCommand> started{{"A:\\STEP4.BAT", WindowStyle::kNormalFocus}};
  EXPECT_EQ(shell_.started, started);
  EXPECT_FALSE(open_at_box);

  // A file that only adds shows the OK box with the figure, and starts at once.
  const std::string fixture = TestData("leavers.ldf");
  drives_.WriteHostFile("c:\\addusers.ldf", fixture.substr(0, fixture.find("dn: CN=Old")));
  steps_.Press(Step::k4);
  EXPECT_EQ(dialogs_.yes_no_questions.size(), 2u);
  const ShownMessage note{std::string(BatchStepOf(Step::k4, true).note) +
                              "\r\n\r\nWhat c:\\addusers.ldf will do:\r\nAccounts added: 4",
                          "Please Note", MessageIcon::kInformation};
  EXPECT_EQ(dialogs_.messages, std::vector<ShownMessage>{note});
  EXPECT_EQ(shell_.started.size(), 2u);
}

TEST_F(WizardStepsTest, LeaversDeletedByStep5AreDeletedOnlyAfterYesWithEitherTools) {
  drives_.WriteHostFile("A:\\step5.bat", TestData("step5_leavers.bat"));
  for (const char* todays_tools : {"0", "1"}) {
    SCOPED_TRACE(todays_tools);
    drives_.WriteHostFile("c:\\trellis.ini", SavedSettings(todays_tools));
    dialogs_.yes_no_questions.clear();
    shell_.started.clear();
    dialogs_.yes_no_answers = {false, true};
    steps_.Press(Step::k5);
    EXPECT_TRUE(shell_.started.empty()) << "No started step 5";
    steps_.Press(Step::k5);
    const ShownMessage question{
        std::string(BatchStepOf(Step::k5, todays_tools[0] == '1').note) +
            "\r\n\r\nA:\\step5.bat also deletes accounts from the directory with NET USER "
            "/delete.\r\nAccounts deleted: 4\r\n\r\nA deleted account cannot be brought back with "
            "its rights.  Read A:\\deleted.txt before you answer.\r\n\r\nRun the batch file now?",
        "Please Note", MessageIcon::kWarning};
    EXPECT_EQ(dialogs_.yes_no_questions, std::vector<ShownMessage>(2, question));
    const std::vector<StartedCommand> started{{"A:\\STEP5.BAT", WindowStyle::kNormalFocus}};
    EXPECT_EQ(shell_.started, started);
  }
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST(BatchNoteTest, AsksOnlyWhereAccountsAreDisabledOrDeleted) {
  // Disabled only: it asks, without the warning about deleted accounts.
  const BatchNote disabled = LdifImportNote("Note.", {.added = 2, .disabled = 1});
  EXPECT_TRUE(disabled.asks);
  EXPECT_EQ(disabled.text.find("cannot be brought back"), std::string::npos) << disabled.text;
  // Returning students are no removal: the OK box, with every figure.
  EXPECT_EQ(LdifImportNote("Note.", {.returning = 2}),
            (BatchNote{"Note.\r\n\r\nWhat c:\\addusers.ldf will do:\r\nAccounts added: 0\r\n"
                       "Accounts disabled and moved to Leavers: 0\r\nAccounts deleted after their "
                       "year in Leavers: 0\r\nReturning students moved back and enabled: 2",
                       false}));
  EXPECT_EQ(AccountDeletesNote("Note.", 0), (BatchNote{"Note.", false}));
  EXPECT_TRUE(AccountDeletesNote("Note.", 1).asks);
}

TEST_F(WizardStepsTest, ProbeOnAMissingFloppyFailsWithoutABox) {
  drives_.EjectFloppy();
  EXPECT_THROW(steps_.Press(Step::k5), rt::RuntimeError);
  drives_.InsertFloppy();
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_TRUE(shell_.started.empty());
}

TEST(FailureReportTest, GivesTheNumberAndTheDescription) {
  EXPECT_EQ(rt::FailureReportText(53, "File not found"),
            "Run-time error '53':\r\n\r\nFile not found");
}

}  // namespace
}  // namespace wizard

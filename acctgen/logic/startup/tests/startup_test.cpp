#include "acctgen/logic/startup/startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "acctgen/testing/files_line_sorter.h"
#include "acctgen/testing/student_accounts.h"
#include "runtime/error.h"
#include "runtime/support_texts.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/fault_injecting_file_system.h"
#include "runtime/testing/test_drives.h"

namespace acctgen {
namespace {

using rt::testing::ShownMessage;
using testing::NamesOf;

class RecordingForm : public SettingsTarget {
 public:
  void SetText(Field field, std::string_view text) override {
    applied.emplace_back(field, std::string(text));
  }
  void SetFlag(Field field, bool on) override { applied.emplace_back(field, on ? "1" : "0"); }
  std::vector<std::pair<Field, std::string>> applied;
};

class RecordingProgress : public ProgressSink {
 public:
  void ShowPhase(std::string_view text) override { shown.push_back("phase " + std::string(text)); }
  void ShowItem(std::string_view text) override { shown.push_back("item " + std::string(text)); }
  std::vector<std::string> shown;
};

// A sorter that is not there, as when CMSortLib.dll is missing.
class MissingSorter : public LineSorter {
 public:
  std::int16_t SortFile(std::string_view) override { throw rt::RuntimeError(rt::kFileNotFound); }
};

constexpr char kHeader[] = "DN,givenName,sAMAccountName,sn\r\n";

// The distinguished name as the export writes it, every "CN=" replaced by ",".
std::string Dn(const std::string& given, const std::string& sn, const std::string& unit) {
  return "," + given + " " + sn + ",OU=" + unit +
         ",OU=Students,OU=School,DC=hillcrest,DC=school,DC=example";
}

std::string Record(const std::string& given, const std::string& login, const std::string& sn,
                   const std::string& unit = "2007") {
  return "\"" + Dn(given, sn, unit) + "\"," + given + "," + login + "," + sn + "\r\n";
}

std::string SchoolText(std::size_t bytes) {
  std::string text;
  while (text.size() < bytes) text += "Varga@Tomas#9%9KW\r\n";
  return text.substr(0, bytes);
}

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    drives.RemoveHostFile("C:\\exportad.csv");
    drives.RemoveHostFile("C:\\exportad.srt");
    drives.RemoveHostFile("C:\\exprtad2.csv");
    drives.RemoveHostFile("C:\\trellis.ini");
    drives.WriteHostFile("A:\\school.txt", SchoolText(400));
  }
  ~StartupTest() override {
    faulty.ClearFaults();
    try {
      files.CloseAll();
    } catch (const rt::RuntimeError&) {  // nothing to report from here
    }
    for (const char* path :
         {"C:\\exportad.csv", "C:\\exportad.srt", "C:\\exprtad2.csv", "C:\\trellis.ini"}) {
      drives.RemoveHostFile(path);
    }
  }

  StartupOutcome Run(LineSorter* other_sorter = nullptr) {
    const Services services{
        files, dialogs, shell, clock, random, progress, other_sorter ? *other_sorter : sorter};
    return RunStartup(services, form, state);
  }

  void ExpectSevere(const StartupOutcome& outcome, std::string_view message) {
    EXPECT_EQ(outcome.end, StartupEnd::kEndProgram);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ShownMessage{std::string(message), "Severe Problem", rt::MessageIcon::kCritical}));
    EXPECT_EQ(outcome.message, message);
    EXPECT_FALSE(state.StudentExport.has_value());
  }

  rt::testing::TestDrives drives;
  rt::testing::FaultInjectingFileSystem faulty{drives.file_system()};
  rt::Files files{faulty};
  testing::FilesLineSorter sorter{files};
  rt::testing::RecordingDialogs dialogs;
  rt::testing::FixedClock clock{{2026, 12, 8, 7, 50, 0}};
  rt::testing::RecordingShell shell;
  rt::testing::SequenceRandom random{{0.5}};
  RecordingForm form;
  RecordingProgress progress;
  StartupState state;
};

TEST_F(StartupTest, LoadsTheSortedAccountsAndKeepsTheStudentExportOpen) {
  drives.WriteHostFile("C:\\exportad.csv",
                       std::string(kHeader) + Record("Tomas", "tomas.varga", "Varga") +
                           Record("Ana", "  ana.kereama ", "Kereama", "Students") +
                           Record("Émile", "emile.durand", "Durand", "School") +
                           Record("Ana", "ana.kereama2", "Kereama", "2009"));
  const StartupOutcome outcome = Run();

  EXPECT_EQ(outcome.end, StartupEnd::kShowForm);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(progress.shown, std::vector<std::string>{"item Please Wait..."});
  EXPECT_EQ(state.CurrentYear, "2026");
  EXPECT_EQ(state.ExistingCount, 4);
  EXPECT_FALSE(state.MissingExport);
  EXPECT_EQ(drives.ReadHostFile("C:\\exportad.srt"),
            "Varga,Tomas,tomas.varga,\"2007\",0\r\n"
            "Kereama,Ana,ana.kereama,\"Students\",1\r\n"
            "Durand,\xC3\x89mile,emile.durand,\"School\",2\r\n"
            "Kereama,Ana,ana.kereama2,\"2009\",3\r\n");
  EXPECT_EQ(drives.ReadHostFile("C:\\exprtad2.csv"),
            "Durand,\xC3\x89mile,emile.durand,\"School\",2\r\n"
            "Kereama,Ana,ana.kereama,\"Students\",1\r\n"
            "Kereama,Ana,ana.kereama2,\"2009\",3\r\n"
            "Varga,Tomas,tomas.varga,\"2007\",0\r\n");
  EXPECT_EQ(
      NamesOf(state.ExistingAccounts),
      (std::vector<std::string>{"emile.durand", "ana.kereama", "ana.kereama2", "tomas.varga"}));
  EXPECT_EQ(state.ExistingAccounts[2].OuClass, "2009");
  EXPECT_EQ(state.ExistingAccounts[2].DistinguishedName, Dn("Ana", "Kereama", "2009"));
  EXPECT_TRUE(state.OtherAccounts.empty());
  // The student export is open at its first line for the Create run.
  ASSERT_TRUE(state.StudentExport.has_value());
  EXPECT_EQ(files.LineInput(*state.StudentExport), "Varga@Tomas#9%9KW");
  // A missing settings file is created empty and restores nothing.
  EXPECT_TRUE(drives.HostFileExists("C:\\trellis.ini"));
  EXPECT_EQ(drives.ReadHostFile("C:\\trellis.ini"), "");
  EXPECT_TRUE(form.applied.empty());
}

// Step 1 exports every user account with its description: only Student makes an account a
// student's; the others are known by login alone, whatever order the columns come in.
TEST_F(StartupTest, AccountsWhoseDescriptionIsNotStudentAreOthers) {
  drives.WriteHostFile(
      "C:\\exportad.csv",
      "DN,description,sn,givenName,sAMAccountName,userAccountControl,homeDirectory\r\n"
      "\"" +
          Dn("Tomas", "Varga", "2029") +
          "\",Student,Varga,Tomas,tomas.varga,512,\\\\hc\\s_home\\2029\\tomas.varga\r\n"
          "\",Administrator,CN=Users,DC=hillcrest\",\"Built-in account, for administering\",,,"
          "Administrator,66048,\r\n"
          "\",John Smith,OU=Staff,DC=hillcrest\",Teacher,Smith,John,john.smith,512,\r\n"
          "\"" +
          Dn("Ana", "Lee", "2031") +
          "\",student,Lee,Ana,ana.lee,514,\r\n"
          "\",Guest,CN=Users,DC=hillcrest\",,,,Guest,66082,\r\n");
  EXPECT_EQ(Run().end, StartupEnd::kShowForm);
  // A fresh domain's own accounts do not make a run look like a later one.
  EXPECT_EQ(state.ExistingCount, 2);
  ASSERT_EQ(NamesOf(state.ExistingAccounts), (std::vector<std::string>{"ana.lee", "tomas.varga"}));
  EXPECT_EQ(state.ExistingAccounts[0].OuClass, "2031");
  EXPECT_EQ(state.ExistingAccounts[0].DistinguishedName, Dn("Ana", "Lee", "2031"));
  EXPECT_EQ(state.ExistingAccounts[0].UserAccountControl, "514");
  EXPECT_EQ(state.ExistingAccounts[1].UserAccountControl, "512");
  EXPECT_EQ(state.ExistingAccounts[0].HomeDirectory, "");
  EXPECT_EQ(state.ExistingAccounts[1].HomeDirectory, "\\\\hc\\s_home\\2029\\tomas.varga");
  std::vector<std::string> others = state.OtherAccounts;
  std::sort(others.begin(), others.end());
  EXPECT_EQ(others, (std::vector<std::string>{"Administrator", "Guest", "john.smith"}));
}

TEST_F(StartupTest, WithoutADirectoryExportNoAccountsExist) {
  const StartupOutcome outcome = Run();
  EXPECT_EQ(outcome.end, StartupEnd::kShowForm);
  EXPECT_TRUE(state.MissingExport);
  EXPECT_EQ(state.ExistingCount, 0);
  EXPECT_TRUE(state.ExistingAccounts.empty());
  EXPECT_FALSE(drives.HostFileExists("C:\\exprtad2.csv"));
  EXPECT_TRUE(state.StudentExport.has_value());
}

TEST_F(StartupTest, AHeaderOrPlaceholderAloneStillSorts) {
  for (std::string only : {std::string(kHeader), std::string("x,x,x,x\r\n")}) {
    drives.RemoveHostFile("C:\\exprtad2.csv");
    drives.WriteHostFile("C:\\exportad.csv", only);
    StartupState fresh;
    state = fresh;
    const StartupOutcome outcome = Run();
    EXPECT_EQ(outcome.end, StartupEnd::kShowForm);
    EXPECT_EQ(state.ExistingCount, 0);
    EXPECT_TRUE(drives.HostFileExists("C:\\exprtad2.csv"));
    EXPECT_EQ(drives.ReadHostFile("C:\\exprtad2.csv"), "");
    files.CloseAll();
  }
}

TEST_F(StartupTest, ATruncatedOrEmptyExportEndsTheProgram) {
  for (std::string text : {std::string(), std::string("DN,givenName"),
                           std::string(kHeader) + Record("Tomas", "tomas.varga", "Varga") +
                               "\",CN=Ana,OU=2007\",Ana"}) {
    dialogs.messages.clear();
    drives.WriteHostFile("C:\\exportad.csv", text);
    ExpectSevere(Run(), kExportIncomplete);
  }
}

TEST_F(StartupTest, AnyNumberOfAccountsLoads) {
  std::string text = kHeader;
  for (int i = 0; i < 2001; ++i) {
    std::string login = std::to_string(10000 + i);
    text += Record("Ana", login.insert(0, 1, 'a'), "K");
  }
  drives.WriteHostFile("C:\\exportad.csv", text);
  EXPECT_EQ(Run().end, StartupEnd::kShowForm);
  EXPECT_EQ(state.ExistingCount, 2001);
  ASSERT_EQ(state.ExistingAccounts.size(), 2001u);
  EXPECT_EQ(state.ExistingAccounts.front().Name, "a10000");
  EXPECT_EQ(state.ExistingAccounts.back().Name, "a12000");
}

TEST_F(StartupTest, TheStudentExportMustBeThereAndAtLeast100Bytes) {
  drives.WriteHostFile("A:\\school.txt", SchoolText(100));
  EXPECT_EQ(Run().end, StartupEnd::kShowForm);
  files.CloseAll();

  drives.WriteHostFile("A:\\school.txt", SchoolText(99));
  ExpectSevere(Run(), school::kStudentExportTooShort);

  dialogs.messages.clear();
  drives.RemoveHostFile("A:\\school.txt");
  ExpectSevere(Run(), kStepOneNotRun);
}

TEST_F(StartupTest, AMissingSortLibraryIsAMissingStepOne) {
  drives.WriteHostFile("C:\\exportad.csv", std::string(kHeader) + Record("A", "a", "B"));
  MissingSorter missing;
  ExpectSevere(Run(&missing), kStepOneNotRun);
}

TEST_F(StartupTest, AMissingFloppyIsAskedForUntilItIsInserted) {
  drives.WriteHostFile("C:\\exportad.csv", std::string(kHeader) + Record("Ana", "ana.k", "K") +
                                               Record("Tomas", "tomas.varga", "Varga"));
  drives.EjectFloppy();
  dialogs.on_message = [&](const ShownMessage&) {
    if (dialogs.messages.size() == 3) drives.InsertFloppy();
  };
  const StartupOutcome outcome = Run();
  EXPECT_EQ(outcome.end, StartupEnd::kShowForm);
  EXPECT_EQ(outcome.passes, 4);
  ASSERT_EQ(dialogs.messages.size(), 3u);
  for (const ShownMessage& message : dialogs.messages) {
    EXPECT_EQ(message, (ShownMessage{std::string(school::kInsertFloppy), "Where's the Floppy?",
                                     rt::MessageIcon::kCritical}));
  }
  // Every pass reads the export again from its start.
  EXPECT_EQ(state.ExistingCount, 2);
  EXPECT_EQ(NamesOf(state.ExistingAccounts), (std::vector<std::string>{"ana.k", "tomas.varga"}));
  ASSERT_TRUE(state.StudentExport.has_value());
  EXPECT_EQ(files.LineInput(*state.StudentExport), "Varga@Tomas#9%9KW");
}

TEST_F(StartupTest, AnExportThatAppearsDuringAFloppyRetryIsReadWithItsHeader) {
  drives.EjectFloppy();
  dialogs.on_message = [&](const ShownMessage&) {
    drives.WriteHostFile("C:\\exportad.csv", std::string(kHeader) + Record("A", "a.b", "B"));
    drives.InsertFloppy();
  };
  EXPECT_EQ(Run().end, StartupEnd::kShowForm);
  EXPECT_FALSE(state.MissingExport);
  EXPECT_EQ(NamesOf(state.ExistingAccounts), std::vector<std::string>{"a.b"});
}

TEST_F(StartupTest, TheTrapTellsTheErrorsApart) {
  struct Case {
    rt::testing::FileOperation operation;
    const char* path;
    int error;
    std::string message;
  };
  const std::vector<Case> cases = {
      {rt::testing::FileOperation::kOpen, "school.txt", rt::kDeviceIoError,
       std::string(school::kBadSectors)},
      {rt::testing::FileOperation::kRead, "exportad.csv", rt::kDeviceIoError,
       std::string(school::kBadSectors)},
      {rt::testing::FileOperation::kOpen, "trellis.ini", rt::kPathFileAccessError,
       rt::GenericSupportMessage(75)},
      {rt::testing::FileOperation::kWrite, "exportad.srt", rt::kDiskFull,
       rt::GenericSupportMessage(61)},
      {rt::testing::FileOperation::kOpen, "exprtad2.csv", rt::kFileNotFound,
       std::string(kStepOneNotRun)},
      {rt::testing::FileOperation::kOpen, "exportad.srt", rt::kPermissionDenied,
       rt::GenericSupportMessage(70)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path + std::string(" ") + std::to_string(c.error));
    drives.WriteHostFile("C:\\exportad.csv", std::string(kHeader) + Record("A", "a", "B"));
    dialogs.messages.clear();
    faulty.ClearFaults();
    faulty.AddRule({.operation = c.operation, .path_contains = c.path, .error_number = c.error});
    const StartupOutcome outcome = Run();
    ExpectSevere(outcome, c.message);
    EXPECT_EQ(outcome.error, c.error);
  }
  EXPECT_EQ(rt::GenericSupportMessage(75).substr(0, 18), "An Error Code  75 ");
}

TEST_F(StartupTest, AFloppyNotReadyAnywhereIsRetried) {
  drives.WriteHostFile("C:\\exportad.csv", std::string(kHeader) + Record("A", "a", "B"));
  faulty.AddRule({.operation = rt::testing::FileOperation::kLength,
                  .path_contains = "trellis.ini",
                  .error_number = rt::kDiskNotReady,
                  .times = 1});
  const StartupOutcome outcome = Run();
  EXPECT_EQ(outcome.end, StartupEnd::kShowForm);
  EXPECT_EQ(outcome.passes, 2);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "Where's the Floppy?");
  EXPECT_EQ(NamesOf(state.ExistingAccounts), std::vector<std::string>{"a"});
}

TEST_F(StartupTest, SettingsAreRestoredAndAShortFileStillShowsTheForm) {
  drives.WriteHostFile("C:\\trellis.ini", "hillcrest.school.example,HCSERVER1,D,s_home,");
  const StartupOutcome outcome = Run();
  EXPECT_EQ(outcome.end, StartupEnd::kShowForm);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(form.applied, (std::vector<std::pair<Field, std::string>>{
                              {Field::kDomainDnsName, "hillcrest.school.example"},
                              {Field::kServerName, "HCSERVER1"},
                              {Field::kServerDriveLetter, "D"},
                              {Field::kPolicyPasswords, "0"},
                              {Field::kTodaysTools, "0"}}));
  ASSERT_TRUE(state.StudentExport.has_value());
  EXPECT_TRUE(files.IsOpen(*state.StudentExport));
}

TEST_F(StartupTest, EveryFailingOperationEndsInOneReport) {
  drives.WriteHostFile("C:\\exportad.csv", std::string(kHeader) + Record("A", "a", "B"));
  drives.WriteHostFile("C:\\trellis.ini", SettingsFileText(Options{}));
  ASSERT_EQ(Run().end, StartupEnd::kShowForm);
  const int operations = faulty.operation_count();
  files.CloseAll();
  ASSERT_GT(operations, 10);
  for (int index = 0; index < operations; ++index) {
    SCOPED_TRACE(index);
    faulty.ClearFaults();
    faulty.FailOperationAt(faulty.operation_count() + index, rt::kDiskFull);
    dialogs.messages.clear();
    form.applied.clear();
    state = StartupState{};
    const StartupOutcome outcome = Run();
    ExpectSevere(outcome, rt::GenericSupportMessage(61));
  }
}

}  // namespace
}  // namespace acctgen

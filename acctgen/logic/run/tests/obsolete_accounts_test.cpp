#include "acctgen/logic/run/obsolete_accounts.h"

#include <gtest/gtest.h>

#include "acctgen/testing/recording_progress.h"
#include "acctgen/testing/student_accounts.h"
#include "runtime/files.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/test_drives.h"

namespace acctgen {
namespace {

using Names = std::vector<std::string>;

class ObsoleteAccountsTest : public ::testing::Test {
 protected:
  // Runs the report after one earlier line of step 5; returns whether it found any account.
  bool Run(const Names& existing, const Names& current, const StudentLoginStems& students = {}) {
    const rt::FileNumber step5 = files_.OpenOutput("a:\\step5.bat");
    files_.PrintLine(step5, "net share s_home=D:\\s_home");
    school::LoginNumbering logins;
    for (const std::string& login : current) logins.Take(login);
    const bool found = WriteObsoleteAccountsReport(
        files_, step5, testing::StudentAccounts(existing), logins, students, progress_, shell_);
    files_.Close(step5);
    return found;
  }
  std::string Report() const { return drives_.ReadHostFile("A:\\deleted.txt"); }
  std::string Step5() const { return drives_.ReadHostFile("A:\\step5.bat"); }

  rt::testing::TestDrives drives_;
  rt::Files files_{drives_.file_system()};
  testing::RecordingProgress progress_;
  rt::testing::RecordingShell shell_;
};

// The blank after the list and the blank before the closing line both stand, with no advice
// between them.
constexpr const char* kNothingToDelete =
    "The following accounts will be deleted as they have left the school:\r\n"
    " \r\n"
    "NO ACCOUNTS TO DELETE\r\n"
    " \r\n"
    " \r\n"
    "Please close this window when ready.\r\n";

TEST_F(ObsoleteAccountsTest, NoExistingAccountsGiveTheEmptyReportAndNoNotepad) {
  EXPECT_FALSE(Run({}, {"tomas.varga"}));
  EXPECT_EQ(Report(), kNothingToDelete);
  EXPECT_EQ(Step5(), "net share s_home=D:\\s_home\r\n");
  EXPECT_TRUE(shell_.started.empty());
  EXPECT_EQ(progress_.phases, Names{"Checking for Obsolete Accounts"});
}

TEST_F(ObsoleteAccountsTest, EveryAccountStillInUseDeletesNothing) {
  EXPECT_FALSE(Run({"ana.lee", "tomas.varga"}, {"tomas.varga", "ana.lee", "new.student"}));
  EXPECT_EQ(Report(), kNothingToDelete);
  EXPECT_TRUE(shell_.started.empty());
  EXPECT_EQ(progress_.items, (Names{"ana.lee", "tomas.varga"}));
}

TEST_F(ObsoleteAccountsTest, LeaversAreListedAndDeletedInTheExistingOrder) {
  // "Tomas.Varga" differs from the derived login only in case: it is a different account.
  EXPECT_TRUE(Run({"zed.old", "Tomas.Varga", "ana.lee", "amy.gone"}, {"ana.lee", "tomas.varga"}));
  EXPECT_EQ(Report(),
            "The following accounts will be deleted as they have left the school:\r\n"
            " \r\n"
            "zed.old\r\n"
            "Tomas.Varga\r\n"
            "amy.gone\r\n"
            " \r\n"
            "The home folders for these users will not be deleted automatically.\r\n"
            "You should manually check the contents of their home folders and\r\n"
            "delete them if no longer required.\r\n"
            " \r\n"
            "Please close this window when ready.\r\n");
  EXPECT_EQ(Step5(),
            "net share s_home=D:\\s_home\r\n"
            "NET USER /delete \"zed.old\" /DOMAIN\r\n"
            "NET USER /delete \"Tomas.Varga\" /DOMAIN\r\n"
            "NET USER /delete \"amy.gone\" /DOMAIN\r\n");
  ASSERT_EQ(shell_.started.size(), 1u);
  EXPECT_EQ(shell_.started[0], (rt::testing::StartedCommand{"Notepad.exe a:\\deleted.txt",
                                                            rt::WindowStyle::kNormalFocus}));
}

TEST_F(ObsoleteAccountsTest, AnOlderReportIsReplacedWhole) {
  drives_.WriteHostFile("A:\\deleted.txt", std::string(5000, 'x'));
  Run({"a"}, {"a"});
  EXPECT_EQ(Report(), kNothingToDelete);
}

TEST_F(ObsoleteAccountsTest, AnAccountListedTwiceIsDeletedTwiceInItsPlace) {
  EXPECT_TRUE(Run({"b", "a", "b", "c"}, {"c"}));
  EXPECT_EQ(Step5(),
            "net share s_home=D:\\s_home\r\n"
            "NET USER /delete \"b\" /DOMAIN\r\n"
            "NET USER /delete \"a\" /DOMAIN\r\n"
            "NET USER /delete \"b\" /DOMAIN\r\n");
}

// A name with a blank or "&" stays one argument in quotes; one that quotes cannot make safe
// (a percent sign, a double quote, a control character) gets no command and is left to a person.
TEST_F(ObsoleteAccountsTest, DeleteCommandsQuoteTheNameOrLeaveTheAccountToAPerson) {
  EXPECT_TRUE(Run({"two words", "50%off", "a&b", "say\"hi", "tab\there", "ok"}, {}));
  EXPECT_EQ(Step5(),
            "net share s_home=D:\\s_home\r\n"
            "NET USER /delete \"two words\" /DOMAIN\r\n"
            "NET USER /delete \"a&b\" /DOMAIN\r\n"
            "NET USER /delete \"ok\" /DOMAIN\r\n");
  EXPECT_EQ(Report(),
            "The following accounts will be deleted as they have left the school:\r\n"
            " \r\n"
            "two words\r\n"
            "a&b\r\n"
            "ok\r\n"
            " \r\n"
            "These accounts have left too, but their names cannot be put safely into step5.bat: "
            "please delete them yourself.\r\n"
            " \r\n"
            "50%off\r\n"
            "say\"hi\r\n"
            "tab\there\r\n"
            " \r\n"
            "The home folders for these users will not be deleted automatically.\r\n"
            "You should manually check the contents of their home folders and\r\n"
            "delete them if no longer required.\r\n"
            " \r\n"
            "Please close this window when ready.\r\n");
  // Left to a person alone, the report still opens.
  shell_.started.clear();
  EXPECT_TRUE(Run({"100%"}, {}));
  EXPECT_EQ(Step5(), "net share s_home=D:\\s_home\r\n");
  EXPECT_EQ(shell_.started.size(), 1u);
}

// A student of school.txt keeps an account of his or her name, plain or numbered in an earlier
// year (its base cut for the number), whether or not this run derived it.
TEST_F(ObsoleteAccountsTest, AccountsThatAStudentOfTheSchoolMayHoldAreKept) {
  StudentLoginStems students;
  students.Add("tomas.varga");
  students.Add("alexandria.constanti");  // a base cut at 20 characters
  students.Add("abcdefghijklmnopqrs.");  // numbered, it loses its final dot
  EXPECT_TRUE(Run({"tomas.varga", "tomas.varga2", "tomas.varga12", "alexandria.constant3",
                   "alexandria.consta10", "abcdefghijklmnopqrs2", "abcdefghijklmnopqr12",
                   "tomas.varga02", "tomas.vargas", "tomas.varg2", "2", "amy.gone"},
                  {}, students));
  EXPECT_EQ(Step5(),
            "net share s_home=D:\\s_home\r\n"
            "NET USER /delete \"tomas.varga02\" /DOMAIN\r\n"
            "NET USER /delete \"tomas.vargas\" /DOMAIN\r\n"
            "NET USER /delete \"tomas.varg2\" /DOMAIN\r\n"
            "NET USER /delete \"2\" /DOMAIN\r\n"
            "NET USER /delete \"amy.gone\" /DOMAIN\r\n");
}

// Every login the numbering hands out for a base, numbered into the thousands, is one a student
// of that name may hold: bases of 16 to 20 characters, which a number of one to four digits cuts,
// with a "." at each place a cut can leave at the end.
TEST(StudentLoginStemsTest, EveryNumberedLoginOfABaseMayBelongToItsStudent) {
  for (std::size_t length = 16; length <= 20; ++length) {
    for (std::size_t dot = 15; dot < length; ++dot) {
      std::string base(length, 'a');
      base[dot] = '.';
      StudentLoginStems students;
      students.Add(base);
      school::LoginNumbering numbering;
      for (int number = 1; number <= 9999; ++number) {
        const std::string login = numbering.Take(base).first;
        ASSERT_TRUE(students.MayBelongToAStudent(login)) << base << " numbered " << login;
      }
    }
  }
}

}  // namespace
}  // namespace acctgen

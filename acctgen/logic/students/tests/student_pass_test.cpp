#include "acctgen/logic/students/student_pass.h"

#include <gtest/gtest.h>

#include "acctgen/testing/student_pass_fixture.h"

namespace acctgen {
namespace {

using testing::ExampleForm;
using testing::StudentPassRun;

TEST(StudentPassTest, WritesTheRowAndTheCommandsOfAStudent) {
  StudentPassRun pass;
  const auto out = pass.Run(ExampleForm(), "Student list\r\nVarga@Tomas#7%7B\r\n");
  EXPECT_EQ(out.rows,
            "\"OU=2009,OU=Students,OU=School\",Tomas,Varga,Tomas Varga,Student,tomas.varga,"
            "lanterns,H:,\\\\SERVER1\\s_home\\2009\\tomas.varga,Students.bat\r\n");
  EXPECT_EQ(out.step5,
            "cscript a:\\makfldr.vbs D:\\s_home\\2009\r\n"
            "cscript a:\\makfldr.vbs D:\\s_home\\2009\\tomas.varga\r\n");
  EXPECT_EQ(out.step6,
            "xcacls D:\\s_home\\2009\\tomas.varga /g tomas.varga:RC administrator:F /Y\r\n");
  EXPECT_EQ(out.errors, "");
  EXPECT_EQ(out.logins, (std::vector<std::string>{"tomas.varga"}));
  EXPECT_EQ(pass.progress.items, (std::vector<std::string>{"Tomas Varga"}));
  EXPECT_EQ(pass.progress.phases, (std::vector<std::string>{"Defining New User Account for:"}));
}

TEST(StudentPassTest, TheFormShapesTheRowAndTheCommands) {
  Options form = ExampleForm();
  form.leaving_year_ous = false;
  form.school_ou = false;
  form.sets_profile_path = true;
  form.student_owns_home_folder = true;
  form.unique_passwords = true;
  form.full_home_folder_access = true;
  form.login_format = school::LoginFormat::kSurnameInitial;
  form.server_name = " SERVER1 ";
  form.home_share = " s_home ";
  form.logon_script = " Students.bat ";
  form.home_drive_letter = "H ";
  form.server_drive_letter = "D ";
  form.profile_path = " \\\\SERVER1\\profiles ";
  form.netbios_domain = " LAKESIDE ";
  StudentPassRun pass;
  const auto out = pass.Run(form, "Varga@Tomas#7%7B\r\n");
  EXPECT_EQ(out.rows,
            "\"OU=Students\",Tomas,Varga,Tomas Varga,Student,vargat,bbb383,H :,"
            "\\\\SERVER1\\s_home\\vargat,Students.bat,\\\\SERVER1\\profiles\r\n");
  // The drive as typed, blank and all, inside quotes that keep the path one argument.
  EXPECT_EQ(out.step5, "cscript a:\\makfldr.vbs \"D :\\s_home\\vargat\"\r\n");
  EXPECT_EQ(out.step6,
            "xcacls \"D :\\s_home\\vargat\" /g vargat:F administrator:F /Y\r\n"
            "subinacl /subdirectories \\\\SERVER1\\s_home\\vargat /setowner=LAKESIDE\\vargat\r\n");
  EXPECT_TRUE(out.years.empty());
}

TEST(StudentPassTest, FaultyRecordsLogTheirFirstFaultAndGetNothingElse) {
  Options form = ExampleForm();
  form.years[9] = false;  // year 9
  StudentPassRun pass;
  const auto out = pass.Run(form,
                            "Varga@#7%7B\r\n"
                            "Varga@#9%9B\r\n"      // unticked year: silent, though faulty
                            "Varga@Tomas#%7B\r\n"  // no year passes every filter
                            "Varga@Tomas#7%\r\n"
                            "Kim@#%\r\n"  // only the first fault
                            "Kim@Ana#%\r\n"
                            "O'Neil, Jr@Sean#7%7B\r\n"  // a comma would add a column
                            "Smith@To\"m#7%7B\r\n"
                            "Smith@Tom\tJr#7%7B\r\n"
                            "Ng@Li#8%8A\r\n"
                            "Ng#Li@8%8A\r\n"  // out of order, logged whatever the year
                            "Ng@Li%9#9A\r\n"
                            "@Li#8%8A\r\n"  // "@" first: silent
                            "Ng Li 8 8A\r\n");
  EXPECT_EQ(out.errors,
            "In KORU, Varga does not have a preferred name entered.\r\n"
            "In KORU, Varga Tomas does not have a Scholastic Year entered.\r\n"
            "In KORU, Varga Tomas does not have a Roll Class entered.\r\n"
            "In KORU, Kim does not have a preferred name entered.\r\n"
            "In KORU, Kim Ana does not have a Scholastic Year entered.\r\n"
            "In KORU, O'Neil, Jr Sean has a character in the name that cannot be used in a "
            "login.\r\n"
            "In KORU, Smith To\"m has a character in the name that cannot be used in a login.\r\n"
            "In KORU, Smith Tom\tJr has a character in the name that cannot be used in a "
            "login.\r\n"
            "In KORU, the line Ng#Li@8%8A is not in the form "
            "Surname@PreferredName#Year%RollClass.\r\n"
            "In KORU, the line Ng@Li%9#9A is not in the form "
            "Surname@PreferredName#Year%RollClass.\r\n");
  EXPECT_EQ(out.logins, (std::vector<std::string>{"li.ng"}));
  EXPECT_EQ(out.step5,
            "cscript a:\\makfldr.vbs D:\\s_home\\2008\r\n"
            "cscript a:\\makfldr.vbs D:\\s_home\\2008\\li.ng\r\n");
  EXPECT_EQ(pass.progress.items, (std::vector<std::string>{"Li Ng"}));
}

TEST(StudentPassTest, OnlyTheThirteenYearTextsAreFiltered) {
  Options form = ExampleForm();
  for (int year = 0; year <= 12; ++year) form.years[year] = year == 3;
  StudentPassRun pass;
  const auto out = pass.Run(form,
                            "A@K#K%1\r\nB@One#1%1\r\nC@Three#3%1\r\nD@Twelve#12%1\r\n"
                            "E@Small#k%1\r\nF@Zero#07%1\r\nG@High#13%1\r\nH@Pre#P%1\r\n");
  EXPECT_EQ(out.logins,
            (std::vector<std::string>{"three.c", "small.e", "zero.f", "high.g", "pre.h"}));
  // Their leaving years follow from the numbers they start with; the years mode is not consulted.
  EXPECT_EQ(out.years, (std::vector<std::string>{"2013", "2016", "2009", "2003"}));
}

TEST(StudentPassTest, EveryLoginOfTheRunIsUniqueAndNumbersGoOnTheLastName) {
  StudentPassRun pass;
  const auto out = pass.Run(ExampleForm(),
                            "Varga@Tomas#7%7B\r\n"
                            "Varga@Tomas#7%7B\r\n"
                            "Varga@#7%7B\r\n"  // a faulty record does not break the run
                            "Varga@Tomas#8%8B\r\n"
                            "Kim@Ana#7%7B\r\n"
                            "VARGA@tomas#7%7B\r\n");
  EXPECT_EQ(out.logins, (std::vector<std::string>{"tomas.varga", "tomas.varga2", "tomas.varga3",
                                                  "ana.kim", "tomas.varga4"}));
  EXPECT_NE(out.rows.find(",Tomas,Varga2,Tomas Varga,Student,tomas.varga2,"), std::string::npos);
  EXPECT_NE(out.rows.find(",Tomas,Varga3,Tomas Varga,Student,tomas.varga3,"), std::string::npos);
  EXPECT_NE(out.rows.find(",tomas,VARGA4,tomas VARGA,Student,tomas.varga4,"), std::string::npos);
}

TEST(StudentPassTest, AnExistingAccountGetsNothingButKeepsItsLoginAndItsYear) {
  for (std::vector<std::string> existing :
       {std::vector<std::string>{"tomas.varga"},
        std::vector<std::string>{"a", "tomas.varga", "z", "zz"}}) {
    StudentPassRun pass;
    const auto out = pass.Run(ExampleForm(),
                              "Varga@Tomas#7%7B\r\nVarga@Tomas#7%7B\r\nKim@Ana#8%8B\r\n", existing);
    EXPECT_EQ(out.logins, (std::vector<std::string>{"tomas.varga", "tomas.varga2", "ana.kim"}));
    EXPECT_EQ(out.step5,
              "cscript a:\\makfldr.vbs D:\\s_home\\2009\r\n"
              "cscript a:\\makfldr.vbs D:\\s_home\\2009\\tomas.varga2\r\n"
              "cscript a:\\makfldr.vbs D:\\s_home\\2008\r\n"
              "cscript a:\\makfldr.vbs D:\\s_home\\2008\\ana.kim\r\n");
    EXPECT_EQ(out.rows.find("tomas.varga,"), std::string::npos);
    EXPECT_EQ(out.errors, "");
  }
  // The search is exact and case-sensitive.
  StudentPassRun pass;
  EXPECT_EQ(pass.Run(ExampleForm(), "Varga@Tomas#7%7B\r\n", {"Tomas.Varga"}).logins.size(), 1u);
}

// An existing account in another leaving year may be a namesake's: the log names both years.
TEST(StudentPassTest, AnExistingAccountInAnotherYearIsTakenAndLogged) {
  StudentPassRun pass;
  pass.existing_ou_classes = {"2009", "2007", "Students"};
  const auto out = pass.Run(ExampleForm(), "Varga@Tomas#7%7B\r\nKim@Ana#8%8B\r\nLee@Bo#8%8B\r\n",
                            {"tomas.varga", "ana.kim", "bo.lee"});
  EXPECT_EQ(out.rows, "");
  EXPECT_EQ(out.errors,
            "In KORU, Kim Ana leaves in 2008 but the existing account ana.kim is in 2007: check "
            "that it is the same student.\r\n");
}

// A teacher's login is no student's: the student is numbered past it, once logged, and later
// years keep the numbered account without a word.
TEST(StudentPassTest, AStudentIsNumberedPastAnAccountThatIsNotAStudents) {
  StudentPassRun pass;
  pass.other_accounts = {"tomas.varga", "ana.kim2", "Administrator"};
  const auto out = pass.Run(ExampleForm(),
                            "Varga@Tomas#7%7B\r\nKim@Ana#8%8B\r\nKim@Ana#8%8C\r\n"
                            "Lee@Bo#9%9A\r\nLee@Bo#9%9A\r\n",
                            {"bo.lee2"});
  EXPECT_EQ(out.logins,
            (std::vector<std::string>{"tomas.varga2", "ana.kim", "ana.kim3", "bo.lee", "bo.lee2"}));
  EXPECT_EQ(out.errors,
            "In KORU, Varga Tomas gets the login tomas.varga2: tomas.varga is an account that is "
            "not a student's.\r\n"
            "In KORU, Kim Ana gets the login ana.kim3: ana.kim2 is an account that is not a "
            "student's.\r\n");
  for (const std::string& text : {out.rows, out.step5, out.step6}) {
    EXPECT_EQ(text.find("tomas.varga,"), std::string::npos);
    EXPECT_EQ(text.find("tomas.varga\r"), std::string::npos);
    EXPECT_EQ(text.find("ana.kim2"), std::string::npos);
    EXPECT_EQ(text.find("bo.lee2"), std::string::npos);
  }
  EXPECT_NE(out.rows.find(",Tomas,Varga2,Tomas Varga,Student,tomas.varga2,"), std::string::npos);
}

// Namesakes: an account goes to the namesake who leaves in the year of its unit, wherever he or
// she stands and even in an unticked year; the others are numbered as new students.
TEST(StudentPassTest, AnExistingAccountGoesToTheNamesakeOfItsLeavingYear) {
  Options form = ExampleForm();
  form.years[6] = false;
  StudentPassRun pass;
  pass.existing_ou_classes = {"2008", "2010", "2009"};
  const auto out = pass.Run(form,
                            "Kim@Grace#7%7B\r\n"  // a newcomer, leaving in 2009
                            "Kim@Grace#6%6A\r\n"  // unticked, leaving in 2010
                            "Lee@Bo#7%7B\r\n"
                            "Kim@Grace#8%8B\r\n",  // leaving in 2008
                            {"grace.kim", "grace.kim2", "bo.lee"});
  EXPECT_EQ(out.logins, (std::vector<std::string>{"grace.kim3", "bo.lee", "grace.kim"}));
  EXPECT_EQ(out.errors, "");
  EXPECT_EQ(out.rows,
            "\"OU=2009,OU=Students,OU=School\",Grace,Kim3,Grace Kim,Student,grace.kim3,lanterns,H:,"
            "\\\\SERVER1\\s_home\\2009\\grace.kim3,Students.bat\r\n");

  // No namesake leaves in the unit's year: file order takes it, and a person checks it.
  StudentPassRun other;
  other.existing_ou_classes = {"2005"};
  const auto in_order =
      other.Run(ExampleForm(), "Kim@Grace#7%7B\r\nKim@Grace#8%8B\r\n", {"grace.kim"});
  EXPECT_EQ(in_order.logins, (std::vector<std::string>{"grace.kim", "grace.kim2"}));
  EXPECT_EQ(in_order.errors,
            "In KORU, Kim Grace leaves in 2009 but the existing account grace.kim is in 2005: "
            "check that it is the same student.\r\n");
}

// A base cut at 20 characters loses a character for the number, as the numbering cuts it.
TEST(StudentPassTest, ANamesakeFindsTheAccountOfACutBase) {
  StudentPassRun pass;
  pass.existing_ou_classes = {"2008"};
  const auto out = pass.Run(ExampleForm(),
                            "Constantinopoulos@Alexandra#8%8B\r\n"
                            "Constantinopoulos@Alexandra#7%7B\r\n",
                            {"alexandra.constanti2"});
  EXPECT_EQ(out.logins, (std::vector<std::string>{"alexandra.constanti2", "alexandra.constantin"}));
  EXPECT_EQ(out.errors, "");
  EXPECT_NE(out.rows.find("\\2009\\alexandra.constantin,"), std::string::npos);
}

TEST(StudentPassTest, YearFoldersComeBeforeTheFoldersInsideThem) {
  StudentPassRun pass;
  pass.seed_current_year = true;
  const auto out =
      pass.Run(ExampleForm(), "A@Ann#12%1\r\nB@Bo#11%1\r\nC@Cy#12%1\r\nD@Di#11%1\r\nE@Ed#7%1\r\n");
  EXPECT_EQ(out.step5,
            "cscript a:\\makfldr.vbs D:\\s_home\\2004\r\n"
            "cscript a:\\makfldr.vbs D:\\s_home\\2004\\ann.a\r\n"
            "cscript a:\\makfldr.vbs D:\\s_home\\2005\r\n"
            "cscript a:\\makfldr.vbs D:\\s_home\\2005\\bo.b\r\n"
            "cscript a:\\makfldr.vbs D:\\s_home\\2004\\cy.c\r\n"
            "cscript a:\\makfldr.vbs D:\\s_home\\2005\\di.d\r\n"
            "cscript a:\\makfldr.vbs D:\\s_home\\2009\r\n"
            "cscript a:\\makfldr.vbs D:\\s_home\\2009\\ed.e\r\n");
  EXPECT_EQ(out.years, (std::vector<std::string>{"2004", "2005", "2009"}));
}

TEST(StudentPassTest, AccentedNamesGetAsciiLoginsAndKeepTheirLettersInTheRow) {
  StudentPassRun pass;
  const auto out = pass.Run(ExampleForm(), "M\xFCller@Zo\xEB#7%7B\r\n");
  EXPECT_EQ(out.logins, (std::vector<std::string>{"zoe.muller"}));
  EXPECT_NE(out.rows.find(",Zo\xEB,M\xFCller,Zo\xEB M\xFCller,Student,zoe.muller,"),
            std::string::npos);
}

}  // namespace
}  // namespace acctgen

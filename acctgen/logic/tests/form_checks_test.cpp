#include "acctgen/logic/form_checks.h"

#include <gtest/gtest.h>

namespace acctgen {
namespace {

FormValues Valid() {
  FormValues form;
  form.Text1 = "lakeside.school.nz";
  form.Text4 = "Students.bat";
  form.Check19 = true;
  form.Text8 = "\\\\fileserver\\profiles";
  return form;
}

std::string_view FieldAtFault(const FormValues& form) {
  const auto failure = CheckForm(form);
  return failure ? failure->field : "";
}

TEST(FormChecksTest, AValidFormPasses) { EXPECT_EQ(CheckForm(Valid()), std::nullopt); }

TEST(FormChecksTest, RefusedCharactersInTheDnsNameComeFirst) {
  for (const char* name : {"lake side.nz", "lake/side.nz", "lake\\side.nz", "lake*side.nz",
                           "lake,side.nz", "lake?side.nz", "lakeside..nz"}) {
    FormValues form = Valid();
    form.Text1 = name;
    form.Text8 = "no unc path";  // would fail too, but the DNS name is checked first
    const auto failure = CheckForm(form);
    ASSERT_TRUE(failure) << name;
    EXPECT_EQ(failure->text, "Your DNS Address is invalid - check the syntax");
    EXPECT_EQ(failure->title, "Check Data");
    EXPECT_EQ(failure->icon, rt::MessageIcon::kNone);
    EXPECT_EQ(failure->field, "Text1") << name;
  }
}

TEST(FormChecksTest, AMissingFirstDotIsFoundOnlyAfterTheProfileAndLogonScript) {
  FormValues form = Valid();
  form.Text1 = "lakeside";
  EXPECT_EQ(FieldAtFault(form), "Text1");
  form.Text1 = ".lakeside.nz";
  EXPECT_EQ(FieldAtFault(form), "Text1");
  form.Text8 = "\\fileserver\\profiles";
  EXPECT_EQ(FieldAtFault(form), "Text8");
  form.Text8 = "\\\\fileserver";
  form.Text4 = "students.cmd";
  EXPECT_EQ(FieldAtFault(form), "Text4");
}

TEST(FormChecksTest, TheProfilePathIsTestedTrimmedAndOnlyWhenTicked) {
  FormValues form = Valid();
  form.Text8 = "  \\\\fileserver\\profiles";
  EXPECT_EQ(CheckForm(form), std::nullopt);
  form.Text8 = "\\fileserver\\profiles";
  const auto failure = CheckForm(form);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->text, "You must specify a proper UNC path for the User Profile Location.");
  EXPECT_EQ(failure->title, "UNC Path Incorrect");
  EXPECT_EQ(failure->icon, rt::MessageIcon::kWarning);
  EXPECT_EQ(failure->field, "Text8");
  form.Check19 = false;
  EXPECT_EQ(CheckForm(form), std::nullopt);
  form.Text8 = "";
  EXPECT_EQ(CheckForm(form), std::nullopt);
}

TEST(FormChecksTest, TheLogonScriptMustContainBatInAnyCase) {
  FormValues form = Valid();
  for (const char* name : {"STUDENTS.BAT", "logon.bat.old", "a.Bat"}) {
    form.Text4 = name;
    EXPECT_EQ(CheckForm(form), std::nullopt) << name;
  }
  for (const char* name : {"students.cmd", "", "bat", "students. bat"}) {
    form.Text4 = name;
    const auto failure = CheckForm(form);
    ASSERT_TRUE(failure) << name;
    EXPECT_EQ(failure->text,
              "You must specify a proper logon script batch file name - eg. 'student.bat'.");
    EXPECT_EQ(failure->title, "Logon Script Batch File Invalid");
    EXPECT_EQ(failure->icon, rt::MessageIcon::kWarning);
    EXPECT_EQ(failure->field, "Text4");
  }
}

}  // namespace
}  // namespace acctgen

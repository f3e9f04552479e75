#include "acctgen/logic/form/form_checks.h"

#include <gtest/gtest.h>

namespace acctgen {
namespace {

Options Valid() {
  Options form;
  form.domain_dns_name = "lakeside.school.nz";
  form.logon_script = "Students.bat";
  form.sets_profile_path = true;
  form.profile_path = "\\\\fileserver\\profiles";
  return form;
}

Field FieldAtFault(const Options& form) {
  const auto failure = CheckForm(form);
  return failure ? failure->field : Field::kNone;
}

TEST(FormChecksTest, AValidFormPasses) { EXPECT_EQ(CheckForm(Valid()), std::nullopt); }

TEST(FormChecksTest, RefusedCharactersInTheDnsNameComeFirst) {
  for (const char* name :
       {"lake side.nz", "lake/side.nz", "lake\\side.nz", "lake*side.nz", "lake,side.nz",
        "lake?side.nz", "lakeside..nz", "a+b.nz", "#lead.nz", "lake_side.nz", "lak\xe9side.nz"}) {
    Options form = Valid();
    form.domain_dns_name = name;
    form.profile_path = "no unc path";  // would fail too, but the DNS name is checked first
    const auto failure = CheckForm(form);
    ASSERT_TRUE(failure) << name;
    EXPECT_EQ(failure->text, "Your DNS Address is invalid - check the syntax");
    EXPECT_EQ(failure->title, "Check Data");
    EXPECT_EQ(failure->icon, rt::MessageIcon::kNone);
    EXPECT_EQ(failure->field, Field::kDomainDnsName) << name;
  }
}

TEST(FormChecksTest, AMissingFirstDotIsFoundOnlyAfterTheProfileAndLogonScript) {
  Options form = Valid();
  form.domain_dns_name = "lakeside";
  EXPECT_EQ(FieldAtFault(form), Field::kDomainDnsName);
  form.domain_dns_name = ".lakeside.nz";
  EXPECT_EQ(FieldAtFault(form), Field::kDomainDnsName);
  form.profile_path = "\\fileserver\\profiles";
  EXPECT_EQ(FieldAtFault(form), Field::kProfilePath);
  form.profile_path = "\\\\fileserver";
  form.logon_script = "students.cmd";
  EXPECT_EQ(FieldAtFault(form), Field::kLogonScript);
}

TEST(FormChecksTest, TheProfilePathIsTestedTrimmedAndOnlyWhenTicked) {
  Options form = Valid();
  form.profile_path = "  \\\\fileserver\\profiles";
  EXPECT_EQ(CheckForm(form), std::nullopt);
  form.profile_path = "\\fileserver\\profiles";
  const auto failure = CheckForm(form);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->text, "You must specify a proper UNC path for the User Profile Location.");
  EXPECT_EQ(failure->title, "UNC Path Incorrect");
  EXPECT_EQ(failure->icon, rt::MessageIcon::kWarning);
  EXPECT_EQ(failure->field, Field::kProfilePath);
  form.sets_profile_path = false;
  EXPECT_EQ(CheckForm(form), std::nullopt);
  form.profile_path = "";
  EXPECT_EQ(CheckForm(form), std::nullopt);
}

TEST(FormChecksTest, TheLogonScriptMustContainBatInAnyCase) {
  Options form = Valid();
  for (const char* name : {"STUDENTS.BAT", "logon.bat.old", "a.Bat"}) {
    form.logon_script = name;
    EXPECT_EQ(CheckForm(form), std::nullopt) << name;
  }
  for (const char* name : {"students.cmd", "", "bat", "students. bat"}) {
    form.logon_script = name;
    const auto failure = CheckForm(form);
    ASSERT_TRUE(failure) << name;
    EXPECT_EQ(failure->text,
              "You must specify a proper logon script batch file name - eg. 'student.bat'.");
    EXPECT_EQ(failure->title, "Logon Script Batch File Invalid");
    EXPECT_EQ(failure->icon, rt::MessageIcon::kWarning);
    EXPECT_EQ(failure->field, Field::kLogonScript);
  }
}

// A share name that quotes cannot keep whole on a batch line is refused, after every other check.
TEST(FormChecksTest, TheHomeShareHoldsNoCharacterQuotesCannotGuard) {
  for (const char* share : {"s%USERNAME%", "s\"home", "s\\home", "s:home", "s\thome", "s=home"}) {
    Options form = Valid();
    form.home_share = share;
    EXPECT_EQ(FieldAtFault(form), Field::kHomeShare) << share;
    form.logon_script = "students.cmd";
    EXPECT_EQ(FieldAtFault(form), Field::kLogonScript) << share;
  }
  Options form = Valid();
  form.home_share = " s home&co ";  // quoted on every line
  EXPECT_EQ(CheckForm(form), std::nullopt);
}

}  // namespace
}  // namespace acctgen

#include "acctgen/logic/account_files/ou_script.h"

#include <gtest/gtest.h>

namespace acctgen {
namespace {

using Lines = std::vector<std::string>;
constexpr const char* kBinding = "\"LDAP://DC=lakeside,DC=school,DC=nz\")";

Options Ous(bool school, bool students, bool years) {
  Options form;
  form.school_ou = school;
  form.students_ou = students;
  form.leaving_year_ous = years;
  return form;
}

TEST(OuScriptHeadTest, SchoolAndStudentsNestBelowTheDomain) {
  EXPECT_EQ(
      OuScriptHeadLines(Ous(true, true, true), kBinding),
      (Lines{"On Error Resume Next", " ", "'Bind", " ",
             "Set dom = GetObject(\"LDAP://DC=lakeside,DC=school,DC=nz\")", " ", "'Make School OU",
             "Set schoolOrg = dom.Create(\"organizationalUnit\", \"OU=School\")",
             "schoolOrg.SetInfo", " ", "'Make Students OU",
             "Set studentsOrg = schoolOrg.Create(\"organizationalUnit\", \"OU=Students\")",
             "studentsOrg.SetInfo", " "}));
}

TEST(OuScriptHeadTest, StudentsWithoutSchoolSitBelowTheDomainRoot) {
  const Lines lines = OuScriptHeadLines(Ous(false, true, false), kBinding);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[6], "'Make Students OU");
  EXPECT_EQ(lines[7], "Set studentsOrg = dom.Create(\"organizationalUnit\", \"OU=Students\")");
}

TEST(OuScriptHeadTest, NoBoxesTickedLeavesTheBindAlone) {
  EXPECT_EQ(OuScriptHeadLines(Ous(false, false, true), kBinding).size(), 6u);
  EXPECT_EQ(OuScriptHeadLines(Ous(true, false, false), kBinding).size(), 10u);
}

TEST(CalendarYearLinesTest, EachYearGetsItsUnitUnderTheInnermostTickedUnit) {
  EXPECT_EQ(LeavingYearParent(Ous(true, false, true)), "schoolOrg");
  EXPECT_EQ(LeavingYearParent(Ous(true, true, true)), "studentsOrg");
  EXPECT_EQ(LeavingYearParent(Ous(false, true, true)), "studentsOrg");
  EXPECT_EQ(LeavingYearParent(Ous(false, false, true)), "dom");

  EXPECT_EQ(
      CalendarYearLines(Ous(true, true, true), {"2026", "2031"}),
      (Lines{"'Make calendar year OU's ",
             "Set yrgp2026 = studentsOrg.Create(\"organizationalUnit\", \"OU=2026\")",
             "yrgp2026.Description = \"Students final year 2026\"", "yrgp2026.SetInfo", " ",
             "Set yrgp2031 = studentsOrg.Create(\"organizationalUnit\", \"OU=2031\")",
             "yrgp2031.Description = \"Students final year 2031\"", "yrgp2031.SetInfo", " "}));
}

TEST(CalendarYearLinesTest, AnEmptyListGivesTheCommentAlone) {
  EXPECT_EQ(CalendarYearLines(Ous(false, false, true), {}), (Lines{"'Make calendar year OU's "}));
}

}  // namespace
}  // namespace acctgen

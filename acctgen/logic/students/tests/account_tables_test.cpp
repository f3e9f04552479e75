#include <gtest/gtest.h>

#include "acctgen/logic/batch_files/classic_toolset.h"
#include "acctgen/logic/students/leaving_year.h"
#include "acctgen/logic/students/ou_path.h"
#include "acctgen/logic/students/passwords.h"
#include "runtime/testing/fakes.h"

namespace acctgen {
namespace {

Options OfSchoolType(std::optional<SchoolType> type) {
  Options form;
  form.school_type = type;
  return form;
}

TEST(LeavingYearTest, CurrentYearPlusFinalYearLessTheScholasticYear) {
  constexpr auto kK2 = SchoolType::kK2, kK6 = SchoolType::kK6, kK12 = SchoolType::kK12,
                 k7To10 = SchoolType::kYears7To10, k7To12 = SchoolType::kYears7To12;
  struct Case {
    std::optional<SchoolType> type;
    const char* year;
    const char* leaving;
  } cases[] = {{kK6, "K", "2010"},      {kK6, "3", "2007"},     {kK6, "6", "2004"},
               {kK2, "1", "2005"},      {k7To10, "7", "2007"},  {k7To12, "12", "2004"},
               {kK12, "K", "2016"},     {k7To10, "12", "2002"}, {kK6, "P", "2010"},
               {k7To12, "07", "2009"},  {k7To12, "13", "2003"}, {std::nullopt, "7", "1997"},
               {k7To12, "7.5", "2009"}, {k7To12, "-3", "2019"}};
  for (const Case& c : cases) {
    EXPECT_EQ(ComputeLeavingYear("2004", FinalYear(OfSchoolType(c.type)), c.year), c.leaving)
        << c.year;
  }
  // A year of nineteen digits neither overflows nor wraps.
  EXPECT_EQ(ComputeLeavingYear("2026", 12, "-9223372036854775799"), "9223372036854777837");
}

TEST(OuPathTest, LevelsRunFromTheLeavingYearOutwards) {
  struct Case {
    bool years, students, school;
    const char* path;
  } cases[] = {{true, true, true, "\"OU=2007,OU=Students,OU=School\""},
               {true, true, false, "\"OU=2007,OU=Students\""},
               {true, false, true, "\"OU=2007,OU=School\""},
               {true, false, false, "\"OU=2007\""},
               {false, true, true, "\"OU=Students,OU=School\""},
               {false, true, false, "\"OU=Students\""},
               {false, false, true, "\"OU=School\""},
               {false, false, false, "\"\""}};
  for (const Case& c : cases) {
    Options form;
    form.leaving_year_ous = c.years;
    form.students_ou = c.students;
    form.school_ou = c.school;
    EXPECT_EQ(BuildOuPath(form, "2007"), c.path);
  }
}

TEST(PasswordTest, UniquePasswordsRedrawOutOfRangeLettersAndDigits) {
  // 0.5 gives code 61 and 0.1 code 12: both are drawn again.
  rt::testing::SequenceRandom random({0.5, 0.79, 0.1, 0.999, 0.8, 0.0, 0.35, 0.9999});
  EXPECT_EQ(MakeUniquePassword(random), "azb039");
  rt::SystemRandomSource system;
  int letters[26] = {};
  for (int i = 0; i < 2000; ++i) {
    const std::string password = MakeUniquePassword(system);
    ASSERT_EQ(password.size(), 6u);
    for (int j = 0; j < 3; ++j) {
      ASSERT_TRUE(password[j] >= 'a' && password[j] <= 'z') << password;
      ++letters[password[j] - 'a'];
      ASSERT_TRUE(password[3 + j] >= '0' && password[3 + j] <= '9') << password;
    }
  }
  // 6000 letters: every one of the 26 turns up (expected 230 each).
  for (int count : letters) EXPECT_GT(count, 120);
}

TEST(PasswordTest, TheCommonPasswordIsTrimmedAndLowerCase) {
  Options form;
  form.common_password = "  LanTERNS\xC9 ";
  EXPECT_EQ(CommonPassword(form), "lanterns\xE9");
}

TEST(HomeFolderAccessTest, FullModifyAndTheFallbackToModify) {
  Options form;
  form.full_home_folder_access = true;
  EXPECT_EQ(HomeFolderAccess(form), "F ");
  form.full_home_folder_access = false;
  EXPECT_EQ(HomeFolderAccess(form), "RC ");
  form.no_home_folder_access = true;
  EXPECT_EQ(HomeFolderAccess(form), "RC ");
}

}  // namespace
}  // namespace acctgen

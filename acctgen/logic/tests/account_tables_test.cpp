#include <gtest/gtest.h>

#include "acctgen/logic/home_folder_commands.h"
#include "acctgen/logic/leaving_year.h"
#include "acctgen/logic/ou_path.h"
#include "acctgen/logic/passwords.h"
#include "runtime/testing/fakes.h"

namespace acctgen {
namespace {

FormValues SchoolType(int option) {
  FormValues form;
  form.Option8 = false;
  if (option == 4) form.Option4 = true;
  if (option == 5) form.Option5 = true;
  if (option == 6) form.Option6 = true;
  if (option == 7) form.Option7 = true;
  if (option == 8) form.Option8 = true;
  return form;
}

TEST(LeavingYearTest, CurrentYearPlusFinalYearLessTheScholasticYear) {
  struct Case {
    int option;
    const char* year;
    const char* leaving;
  } cases[] = {{5, "K", "2010"},   {5, "3", "2007"},  {5, "6", "2004"},  {4, "1", "2005"},
               {7, "7", "2007"},   {8, "12", "2004"}, {6, "K", "2016"},  {7, "12", "2002"},
               {5, "P", "2010"},   {8, "07", "2009"}, {8, "13", "2003"}, {0, "7", "1997"},
               {8, "7.5", "2009"}, {8, "-3", "2019"}};
  for (const Case& c : cases) {
    EXPECT_EQ(ComputeLeavingYear("2004", FinalYear(SchoolType(c.option)), c.year), c.leaving)
        << c.option << " " << c.year;
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
    FormValues form;
    form.Check3 = c.years;
    form.Check2 = c.students;
    form.Check1 = c.school;
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
  FormValues form;
  form.Text6 = "  LanTERNS\xC9 ";
  EXPECT_EQ(CommonPassword(form), "lanterns\xE9");
}

TEST(HomeFolderAccessTest, FullModifyAndTheFallbackToModify) {
  FormValues form;
  form.Option9 = true;
  form.Option10 = false;
  EXPECT_EQ(HomeFolderAccess(form), "F ");
  form.Option9 = false;
  form.Option10 = true;
  EXPECT_EQ(HomeFolderAccess(form), "RC ");
  form.Option10 = false;
  EXPECT_EQ(HomeFolderAccess(form), "RC ");
}

}  // namespace
}  // namespace acctgen

#include "grantor/logic/student_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grantor/tests/test_logins.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/testing/test_drives.h"

namespace grantor {
namespace {

int ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const rt::RuntimeError& error) {
    return error.number();
  }
  return 0;
}

TEST(YearFolderTest, PreschoolAndKindergartenByLetterOtherwiseTheYearAsWritten) {
  EXPECT_EQ(YearFolderOf("P"), "presch");
  EXPECT_EQ(YearFolderOf("p"), "presch");
  EXPECT_EQ(YearFolderOf("K"), "kinder");
  EXPECT_EQ(YearFolderOf("k"), "kinder");
  EXPECT_EQ(YearFolderOf("7"), "year7");
  EXPECT_EQ(YearFolderOf("07"), "year07");
  EXPECT_EQ(YearFolderOf("Kx"), "yearKx");
}

class StudentTableTest : public ::testing::Test {
 protected:
  std::vector<StudentEntry> Read(const std::string& text) {
    drives_.WriteHostFile("A:\\school.txt", text);
    rt::Files files(drives_.file_system());
    const rt::FileNumber file = files.OpenInput("A:\\school.txt");
    return ReadStudentTable(files, file, testing::DottedLogins());
  }

  rt::testing::TestDrives drives_;
};

TEST_F(StudentTableTest, EveryLineHasItsEntrySkippedOnesEmpty) {
  const auto table = Read(
      "KORU export\r\n"
      "Varga@Tomas#7%7B\r\n"
      "\r\n"
      "@Nobody#7%7B\r\n"
      "Lee@Ann#K\r\n"
      "O'Brien @ Mary Anne # p % 1\r"
      "Nash@Star*#12%12A\n");
  ASSERT_EQ(table.size(), 7u);
  const std::vector<std::vector<std::string>> expected = {
      {"", "", ""},
      {"Varga Tomas", "year7", "tomas.varga"},
      {"", "", ""},
      {"", "", ""},
      {"Lee Ann", "", ""},
      {"O'Brien Mary Anne", "presch", "maryanne.o'brien"},
      {"Nash Star*", "year12", ""},
  };
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i].DisplayName, expected[i][0]) << "line " << i + 1;
    EXPECT_EQ(table[i].YearFolder, expected[i][1]) << "line " << i + 1;
    EXPECT_EQ(table[i].Login, expected[i][2]) << "line " << i + 1;
  }
}

TEST_F(StudentTableTest, LoginsAreAskedForEveryStudentLineInOrder) {
  drives_.WriteHostFile("A:\\school.txt", "A@B#7%x\r\nheading\r\nC@D#\r\nE@F#k%x\r\n");
  rt::Files files(drives_.file_system());
  std::vector<std::string> asked;
  ReadStudentTable(files, files.OpenInput("A:\\school.txt"),
                   [&](std::string_view surname, std::string_view given) {
                     asked.push_back(std::string(surname) + "/" + std::string(given));
                     return std::optional<std::string>("x");
                   });
  EXPECT_EQ(asked, (std::vector<std::string>{"A/B", "E/F"}));
}

TEST_F(StudentTableTest, ALineWhoseDelimitersAreOutOfOrderStopsTheRun) {
  EXPECT_EQ(ErrorOf([&] { Read("Varga@Tomas#7%7B\r\nVar#ga@Tomas\r\n"); }),
            rt::kInvalidProcedureCall);
  EXPECT_EQ(ErrorOf([&] { Read("Varga@To%mas#7\r\n"); }), rt::kInvalidProcedureCall);
}

TEST_F(StudentTableTest, HoldsTwoThousandLinesAndStopsAtAStudentLineBeyondThem) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "Varga@Tomas#7%7B\r\n";
  const std::string full = text;
  // Lines beyond the table without a name are passed over.
  EXPECT_EQ(Read(full + "trailer\r\n@x#7%\r\n").size(), 2000u);
  EXPECT_EQ(ErrorOf([&] { Read(full + "trailer\r\nLee@Ann\r\n"); }), rt::kSubscriptOutOfRange);
}

}  // namespace
}  // namespace grantor

#include "school/student_line.h"

#include <gtest/gtest.h>

namespace school {
namespace {

TEST(StudentLineTest, CutsTheLineAtTheFirstDelimitersAndTrimsEachField) {
  for (const char* text : {"Varga@Tomas#7%7B", "  Varga @ Tomas # 7 % 7B "}) {
    const StudentLine line = ParseStudentLine(text);
    ASSERT_EQ(line.Kind, LineKind::kStudent) << text;
    EXPECT_EQ(line.Record.Surname, "Varga");
    EXPECT_EQ(line.Record.PreferredName, "Tomas");
    EXPECT_EQ(line.Record.ScholasticYear, "7");
    EXPECT_EQ(line.Record.RollClass, "7B");
    EXPECT_FALSE(line.NoPreferredName || line.NoScholasticYear || line.NoRollClass);
  }
  // Only the first "@", "#" and "%" delimit; later ones belong to the roll class.
  const StudentLine later = ParseStudentLine("Van Der Berg@Mary Anne#12%12@#%x");
  EXPECT_EQ(later.Record.Surname, "Van Der Berg");
  EXPECT_EQ(later.Record.PreferredName, "Mary Anne");
  EXPECT_EQ(later.Record.RollClass, "12@#%x");
  // Tabs are not trimmed.
  EXPECT_EQ(ParseStudentLine("Varga@\tTomas#7%7B").Record.PreferredName, "\tTomas");
}

TEST(StudentLineTest, LinesWithoutTheDelimitersAreNoStudents) {
  for (const char* text : {"", "   ", "Student list 2026", "@Tomas#7%7B", "  @Tomas#7%7B",
                           "Varga@Tomas 7%7B", "Varga@Tomas#7 7B", "Varga#Tomas%7"}) {
    EXPECT_EQ(ParseStudentLine(text).Kind, LineKind::kNotStudent) << text;
  }
  for (const char* text : {"Varga#Tomas@7%7B", "Varga@Tomas%7#7B", "Va%rga@Tomas#7%7B"}) {
    const StudentLine line = ParseStudentLine(text);
    EXPECT_EQ(line.Kind, LineKind::kOutOfOrder) << text;
  }
  EXPECT_EQ(ParseStudentLine(" Varga#Tomas@7%7B ").Trimmed, "Varga#Tomas@7%7B");
}

// The rights tool looks students up by name: "@" and "#" are enough for it to cut the name, and
// "#" before "@" is out of order even where "%" is missing.
TEST(StudentLineTest, ReadNameFirstALineWithoutItsYearStillGivesTheName) {
  const StudentLine name_only =
      ParseStudentLine("  Van Der Berg @ Mary Anne # 07", LineReading::kNameFirst);
  EXPECT_EQ(name_only.Kind, LineKind::kNameOnly);
  EXPECT_EQ(name_only.Record.Surname, "Van Der Berg");
  EXPECT_EQ(name_only.Record.PreferredName, "Mary Anne");
  EXPECT_EQ(ParseStudentLine("Van Der Berg@Mary Anne#07").Kind, LineKind::kNotStudent);
  for (const char* text : {"", "Heading line", "@Tomas#7%7B", "  @Tomas#7%7B", "Varga@Tomas 7%"}) {
    EXPECT_EQ(ParseStudentLine(text, LineReading::kNameFirst).Kind, LineKind::kNotStudent) << text;
  }
  for (const char* text : {"Var#ga@Tomas", "Var#ga@Tomas%7", "Varga@To%mas#7"}) {
    EXPECT_EQ(ParseStudentLine(text, LineReading::kNameFirst).Kind, LineKind::kOutOfOrder) << text;
  }
  const StudentLine whole = ParseStudentLine(" Varga @ Tomas # 7 % 7B", LineReading::kNameFirst);
  EXPECT_EQ(whole.Kind, LineKind::kStudent);
  EXPECT_EQ(whole.Record.ScholasticYear, "7");
  EXPECT_EQ(ParseStudentLine("Varga@#%", LineReading::kNameFirst).Kind, LineKind::kStudent);
}

TEST(StudentLineTest, MissingFieldsRaiseTheirFlags) {
  EXPECT_TRUE(ParseStudentLine("Varga@#7%7B").NoPreferredName);
  EXPECT_TRUE(ParseStudentLine("Varga@ #%7B").NoPreferredName);
  EXPECT_TRUE(ParseStudentLine("Varga@ #%7B").NoScholasticYear);
  EXPECT_TRUE(ParseStudentLine("Varga@Tomas#7%").NoRollClass);
  EXPECT_TRUE(ParseStudentLine("Varga@Tomas#7%   ").NoRollClass);
  EXPECT_FALSE(ParseStudentLine("Varga@Tomas#7%").NoScholasticYear);
}

TEST(StudentLineTest, TheRollClassIsCutToThirtyAndLosesOneStrayLastCharacter) {
  EXPECT_EQ(ParseStudentLine("Varga@Tomas#7%7B\t").Record.RollClass, "7B");
  EXPECT_EQ(ParseStudentLine("Varga@Tomas#7%7B\t\t").Record.RollClass, "7B\t");
  EXPECT_EQ(ParseStudentLine("Varga@Tomas#7%7\xE9").Record.RollClass, "7");
  EXPECT_EQ(ParseStudentLine("Varga@Tomas#7%7\x7F").Record.RollClass, "7");
  EXPECT_EQ(ParseStudentLine("Varga@Tomas#7%7~").Record.RollClass, "7~");
  // A single character stays, even a tab, and counts as a roll class.
  const StudentLine tab = ParseStudentLine("Varga@Tomas#7%\t");
  EXPECT_EQ(tab.Record.RollClass, "\t");
  EXPECT_FALSE(tab.NoRollClass);
  const std::string thirty = "123456789012345678901234567890";
  EXPECT_EQ(ParseStudentLine("Varga@Tomas#7%" + thirty + "XYZ").Record.RollClass, thirty);
  // The cut comes before the trim: 29 characters and a space.
  EXPECT_EQ(ParseStudentLine("Varga@Tomas#7%" + thirty.substr(0, 29) + " Z").Record.RollClass,
            thirty.substr(0, 29));
}

}  // namespace
}  // namespace school

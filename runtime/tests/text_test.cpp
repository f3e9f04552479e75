#include "runtime/text.h"

#include <gtest/gtest.h>

namespace rt {
namespace {

TEST(TrimTest, RemovesOnlySpaces) {
  EXPECT_EQ(Trim("  tomas  "), "tomas");
  EXPECT_EQ(Trim("\ttomas\t"), "\ttomas\t");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(TrimLeft("  a b  "), "a b  ");
  EXPECT_EQ(TrimRight("  a b  "), "  a b");
}

TEST(CaseTest, FollowsTheWindows1252Table) {
  EXPECT_EQ(ToLower1252("VARGA Tomas"), "varga tomas");
  // À..Þ map to à..þ except the multiplication sign; Š Œ Ž Ÿ have lower forms outside Latin-1.
  EXPECT_EQ(ToLower1252("\xC0\xC9\xD6\xDE"), "\xE0\xE9\xF6\xFE");
  EXPECT_EQ(ToLower1252("\xD7"), "\xD7");
  EXPECT_EQ(ToLower1252("\x8A\x8C\x8E\x9F"), "\x9A\x9C\x9E\xFF");
  EXPECT_EQ(ToUpper1252("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");
  EXPECT_EQ(ToUpper1252("\xDF\xF7"), "\xDF\xF7");  // ß and ÷ have no upper case
  EXPECT_EQ(ToUpper1252("d"), "D");
  EXPECT_TRUE(EqualsIgnoreCase1252("STEP5.BAT", "step5.bat"));
  EXPECT_FALSE(EqualsIgnoreCase1252("step5.bat", "step5.ba"));
}

TEST(SearchTest, CountsFromOne) {
  EXPECT_EQ(FindFirst("CN=x,OU=2007,OU=Students", "OU="), 6u);
  EXPECT_EQ(FindFirst("CN=x,OU=2007,OU=Students", "OU=", 7), 14u);
  EXPECT_EQ(FindFirst("abc", "x"), 0u);
  EXPECT_EQ(FindFirst("ou=", "OU="), 0u);  // case-sensitive
  EXPECT_EQ(Mid("OU=2007", 4, 4), "2007");
  EXPECT_EQ(Mid("OU=20", 4, 4), "20");
  EXPECT_EQ(Mid("ab", 5, 2), "");
  EXPECT_EQ(Left("abc", 5), "abc");
  EXPECT_EQ(Right("abc", 2), "bc");
}

// A name in a batch line: the quotes keep blanks and & | < > ^ in one argument; what they cannot
// keep is refused.
TEST(QuotingTest, QuotesKeepOneArgumentExceptWhatTheyCannotHold) {
  EXPECT_EQ(QuotedField("two words & more"), "\"two words & more\"");
  EXPECT_EQ(QuotedField("say\"hi"), "\"sayhi\"");
  EXPECT_TRUE(SafeInQuotes("two words & (more) | ^ < > !"));
  EXPECT_TRUE(SafeInQuotes("Ren\xE9"));
  for (const char* unsafe : {"100%", "say\"hi", "tab\there", "line\r\nend", "del\x7F"}) {
    EXPECT_FALSE(SafeInQuotes(unsafe)) << unsafe;
  }
}

TEST(NumberTest, NumericPrefixAndSignPosition) {
  EXPECT_EQ(NumericPrefix("7B"), 7);
  EXPECT_EQ(NumericPrefix("K"), 0);
  EXPECT_EQ(NumericPrefix("  12"), 12);
  EXPECT_EQ(NumericPrefix("-3x"), -3);
  EXPECT_EQ(NumericPrefix(""), 0);
  EXPECT_GT(NumericPrefix("99999999999999999999999"), 0);  // no overflow
  EXPECT_EQ(NumberWithSign(75), " 75");
  EXPECT_EQ(NumberWithSign(-3), "-3");
  EXPECT_EQ(NumberWithSign(0), " 0");
  EXPECT_EQ(NumberText(2005), "2005");
}

}  // namespace
}  // namespace rt

#include "acctgen/sortlib/line_sort.h"

#include <gtest/gtest.h>

namespace cmsort {
namespace {

TEST(ParseSortArgumentsTest, SkipsOptionsAndTakesInputThenOutput) {
  const auto parsed = ParseSortArguments("/T=TMP c:\\exportad.srt c:\\exprtad2.csv");
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->input, "c:\\exportad.srt");
  EXPECT_EQ(parsed->output, "c:\\exprtad2.csv");
  EXPECT_FALSE(ParseSortArguments("/T=TMP c:\\exportad.srt").has_value());
  EXPECT_FALSE(ParseSortArguments("").has_value());
}

TEST(SortedTextTest, OrdersWholeLinesByUnsignedBytes) {
  // Accented letters (above 127) come after every ASCII letter; a prefix comes first.
  EXPECT_EQ(SortedText("b\r\n\xC9mile\r\nab\r\na\r\nB\r\n"), "B\r\na\r\nab\r\nb\r\n\xC9mile\r\n");
}

TEST(SortedTextTest, KeepsOneLinePerInputLineWhateverItsEnding) {
  EXPECT_EQ(SortedText("c\nb\ra\r\n\r\nd"), "\r\na\r\nb\r\nc\r\nd\r\n");
  EXPECT_EQ(SortedText(""), "");
  EXPECT_EQ(SortedText("x,y\r\nx,y\r\n"), "x,y\r\nx,y\r\n");
}

}  // namespace
}  // namespace cmsort

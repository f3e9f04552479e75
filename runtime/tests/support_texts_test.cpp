#include "runtime/support_texts.h"

#include <gtest/gtest.h>

namespace rt {
namespace {

TEST(SupportTextsTest, TheGenericMessageWritesTheNumberWithItsSignPosition) {
  EXPECT_EQ(GenericSupportMessage(9),
            "An Error Code  9 has occurred.  Please contact the Trellis Help Desk at "
            "helpdesk@trellis.example reporting the problem and what you were trying to do.  "
            "This utility will now close.");
  EXPECT_EQ(GenericSupportMessage(-1).substr(0, 17), "An Error Code -1 ");
}

TEST(SupportTextsTest, TheFailureReportNamesNumberAndDescription) {
  EXPECT_EQ(FailureReportText(53, "File not found"), "Run-time error '53':\r\n\r\nFile not found");
}

}  // namespace
}  // namespace rt

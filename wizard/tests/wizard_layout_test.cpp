// The window's table: the buttons inside the client area, found by their ids.

#include "wizard/win32/wizard_layout.h"

#include <gtest/gtest.h>

namespace wizard {
namespace {

TEST(WizardLayoutTest, ButtonsSitInsideTheClientAreaWithoutOverlapping) {
  for (std::size_t i = 0; i < kButtons.size(); ++i) {
    const rt::TwipsRect& a = kButtons[i].rect;
    EXPECT_GE(a.left, 0);
    EXPECT_GE(a.top, 0);
    EXPECT_LE(a.left + a.width, kClientWidthTwips);
    EXPECT_LE(a.top + a.height, kClientHeightTwips);
    for (std::size_t j = i + 1; j < kButtons.size(); ++j) {
      const rt::TwipsRect& b = kButtons[j].rect;
      const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                         a.top + a.height <= b.top || b.top + b.height <= a.top;
      EXPECT_TRUE(apart) << kButtons[i].caption << " overlaps " << kButtons[j].caption;
    }
  }
}

TEST(WizardLayoutTest, ButtonsAreFoundByTheirIds) {
  for (const ButtonSpec& button : kButtons) EXPECT_EQ(FindButton(button.id), &button);
  EXPECT_EQ(FindButton(100), nullptr);
  EXPECT_EQ(FindButton(108), nullptr);
  EXPECT_EQ(kButtons[1].tool_tip, "Step 2: Run the " + std::string(kGeneratorTitle) + "...");
}

}  // namespace
}  // namespace wizard

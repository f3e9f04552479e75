#include "runtime/twips.h"

#include <gtest/gtest.h>

namespace rt {
namespace {

TEST(TwipsTest, BecomePixelsAtAResolutionRoundedToTheNearest) {
  EXPECT_EQ(TwipsToPixels(1440, 96), 96);
  EXPECT_EQ(TwipsToPixels(15, 96), 1);
  EXPECT_EQ(TwipsToPixels(5985, 96), 399);
  EXPECT_EQ(TwipsToPixels(5985, 120), 499);
  EXPECT_EQ(TwipsToPixels(1575, 120), 131);  // 131.25
  EXPECT_EQ(TwipsToPixels(7, 96), 0);        // 0.47
  EXPECT_EQ(TwipsToPixels(8, 96), 1);        // 0.53
  EXPECT_EQ(TwipsToPixels(375, 144), 38);    // 37.5: halves go up
  EXPECT_EQ(TwipsToPixels(-375, 144), -38);  // and away from zero below it
}

}  // namespace
}  // namespace rt

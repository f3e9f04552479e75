#include "runtime/random_source.h"

#include <gtest/gtest.h>

#include <set>

namespace rt {
namespace {

TEST(SystemRandomSourceTest, DrawsUniformNumbersAcrossManyBlocks) {
  SystemRandomSource random;
  std::set<double> seen;
  int buckets[10] = {};
  constexpr int kDraws = 10000;  // far more than one block of the system's bytes
  for (int i = 0; i < kDraws; ++i) {
    const double x = random.Next();
    ASSERT_GE(x, 0.0);
    ASSERT_LT(x, 1.0);
    seen.insert(x);
    ++buckets[static_cast<int>(x * 10)];
  }
  // 53-bit numbers do not repeat in ten thousand draws, and each tenth holds about a tenth.
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kDraws));
  for (int count : buckets) {
    EXPECT_GT(count, 800);
    EXPECT_LT(count, 1200);
  }
  // Two sources do not hand out the same sequence.
  SystemRandomSource other;
  EXPECT_NE(random.Next(), other.Next());
}

}  // namespace
}  // namespace rt

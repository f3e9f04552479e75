// Passwords a default domain policy accepts, easy to read off the sheet.

#include "acctgen/logic/students/policy_password.h"

#include <gtest/gtest.h>

#include <set>

#include "runtime/random_source.h"
#include "runtime/testing/fakes.h"

namespace acctgen {
namespace {

TEST(PolicyPasswordTest, EightOrMoreCharactersOfThreeClassesWithoutLookAlikesOrTheName) {
  rt::SystemRandomSource random;
  std::set<std::string> seen;
  for (int i = 0; i < 2000; ++i) {
    const std::string password = MakePolicyPassword(random, "kate.bauer", "Kate Bauer");
    ASSERT_GE(password.size(), 8u);
    bool upper = false, lower = false, digit = false;
    for (char c : password) {
      upper |= c >= 'A' && c <= 'Z';
      lower |= c >= 'a' && c <= 'z';
      digit |= c >= '0' && c <= '9';
      EXPECT_EQ(std::string("lI1iOo0").find(c), std::string::npos) << password;
    }
    EXPECT_TRUE(upper && lower && digit) << password;
    EXPECT_FALSE(HoldsTheName(password, "kate.bauer", "Kate Bauer")) << password;
    seen.insert(password);
  }
  EXPECT_GT(seen.size(), 1990u);  // drawn at random, not from a short list
}

TEST(PolicyPasswordTest, APasswordHoldingTheNameIsDrawnAgain) {
  EXPECT_TRUE(HoldsTheName("Bauer234", "x.y", "Kate Bauer"));
  EXPECT_TRUE(HoldsTheName("Zuxbo.sex2", "bo.se", "Bo Se"));  // the login
  EXPECT_FALSE(HoldsTheName("Bosesu234", "b.s", "Bo Se"));    // parts under 3 characters
  EXPECT_TRUE(HoldsTheName("Xeddu234", "a.b", "Ann-Edd O'Neil"));
  EXPECT_TRUE(HoldsTheName("Kupebu234", "a.b", "Te'Kupe Rua"));  // a part after an apostrophe
  // The first draw, "Bababa222", holds the name "Bab": the next one is taken.
  rt::testing::SequenceRandom random(
      {0, 0, 0, 0, 0, 0, 0, 0, 0, 0.99, 0.99, 0.99, 0.99, 0.99, 0.99, 0.99, 0.99, 0.99});
  EXPECT_EQ(MakePolicyPassword(random, "x", "Bab"), "Zuzuzu999");
}

}  // namespace
}  // namespace acctgen

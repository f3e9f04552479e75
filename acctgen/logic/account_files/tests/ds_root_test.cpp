#include "acctgen/logic/account_files/ds_root.h"

#include <gtest/gtest.h>

namespace acctgen {
namespace {

TEST(DomainComponentsTest, ThreeLabelsGiveRootAndBinding) {
  const auto components = DomainComponents("lakeside.school.nz");
  EXPECT_EQ(components.size(), 9u);
  EXPECT_EQ(components[0], "lakeside");
  EXPECT_EQ(components[1], "school");
  EXPECT_EQ(components[2], "nz");
  EXPECT_EQ(components[3], "");
  EXPECT_EQ(DsRoot(components), "DC=lakeside,DC=school,DC=nz");
  EXPECT_EQ(LdapBindingText(components), "\"LDAP://DC=lakeside,DC=school,DC=nz\")");
}

TEST(DomainComponentsTest, ATrailingDotEndsTheRootAtTheLastLabel) {
  const auto components = DomainComponents("lakeside.school.");
  EXPECT_EQ(components[1], "school");
  EXPECT_EQ(components[2], "");
  EXPECT_EQ(DsRoot(components), "DC=lakeside,DC=school");
}

TEST(DomainComponentsTest, TenLabelsKeepNineAndDropTheRest) {
  const auto components = DomainComponents("a.b.c.d.e.f.g.h.i.j.k");
  EXPECT_EQ(components[8], "i");
  EXPECT_EQ(DsRoot(components), "DC=a,DC=b,DC=c,DC=d,DC=e,DC=f,DC=g,DC=h,DC=i");
  // Exactly nine labels: the ninth is the text after the eighth dot, kept.
  EXPECT_EQ(DsRoot(DomainComponents("a.b.c.d.e.f.g.h.ninth")),
            "DC=a,DC=b,DC=c,DC=d,DC=e,DC=f,DC=g,DC=h,DC=ninth");
}

TEST(DomainComponentsTest, OnlyTheLastLabelIsCutToTwentyCharacters) {
  const std::string long_label = "abcdefghijklmnopqrstuvwxy";  // 25 characters
  const auto last = DomainComponents("school." + long_label);
  EXPECT_EQ(last[1], "abcdefghijklmnopqrst");
  const auto middle = DomainComponents("school." + long_label + ".nz");
  EXPECT_EQ(middle[1], long_label);
  EXPECT_EQ(middle[2], "nz");
  // The cut text is trimmed of spaces (none can pass the checks, but the cut does not rely on it).
  EXPECT_EQ(DomainComponents("a.bc                   xyz")[1], "bc");
}

TEST(DomainComponentsTest, AnEmptyMiddleLabelEndsTheRoot) {
  // Two dots in a row are refused by the checks; the cut still stops at the empty label.
  const auto components = DomainComponents("a.b..c");
  EXPECT_EQ(DsRoot(components), "DC=a,DC=b");
}

}  // namespace
}  // namespace acctgen

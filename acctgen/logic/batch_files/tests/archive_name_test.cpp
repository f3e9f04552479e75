#include "acctgen/logic/batch_files/archive_name.h"

#include <gtest/gtest.h>

namespace acctgen {
namespace {

TEST(ArchiveNameTest, DateAndSecondsAreZeroPadded) {
  EXPECT_EQ(ArchiveName({2026, 3, 7, 9, 5, 4}), "accounts2026-03-07-04.xls");
  EXPECT_EQ(ArchiveName({2026, 12, 28, 23, 59, 59}), "accounts2026-12-28-59.xls");
}

TEST(ArchiveNameTest, HoursAndMinutesDoNotEnterTheName) {
  EXPECT_EQ(ArchiveName({2026, 12, 8, 10, 15, 42}), ArchiveName({2026, 12, 8, 14, 3, 42}));
  EXPECT_NE(ArchiveName({2026, 12, 8, 10, 15, 42}), ArchiveName({2026, 12, 8, 10, 15, 43}));
}

}  // namespace
}  // namespace acctgen

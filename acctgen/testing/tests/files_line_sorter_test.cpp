#include "acctgen/testing/files_line_sorter.h"

#include <gtest/gtest.h>

#include "runtime/error.h"
#include "runtime/testing/test_drives.h"

namespace acctgen::testing {
namespace {

TEST(FilesLineSorterTest, SortsOneFileIntoAnother) {
  rt::testing::TestDrives drives;
  drives.WriteHostFile("C:\\exportad.srt", "Varga,Tomas\r\nDurand,Emile\r\nKereama,Ana\r\n");
  drives.WriteHostFile("C:\\exprtad2.csv", "stale content that must go\r\n");
  rt::Files files(drives.file_system());
  FilesLineSorter sorter(files);
  EXPECT_EQ(sorter.SortFile(kSortArguments), 0);
  EXPECT_EQ(drives.ReadHostFile("C:\\exprtad2.csv"),
            "Durand,Emile\r\nKereama,Ana\r\nVarga,Tomas\r\n");
  drives.RemoveHostFile("C:\\exportad.srt");
  EXPECT_THROW(sorter.SortFile(kSortArguments), rt::RuntimeError);
  drives.RemoveHostFile("C:\\exprtad2.csv");
}

}  // namespace
}  // namespace acctgen::testing

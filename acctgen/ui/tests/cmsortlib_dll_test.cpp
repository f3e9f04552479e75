// CMSortLib.dll under Wine: the export's name, the sort on real files, and what a failed sort
// leaves behind.

#include <gtest/gtest.h>
#include <windows.h>

#include "acctgen/logic/startup/line_sorter.h"
#include "acctgen/ui/win32/sort_library.h"
#include "runtime/testing/test_drives.h"

namespace acctgen {
namespace {

class CmSortLibTest : public ::testing::Test {
 protected:
  CmSortLibTest() { RemoveFiles(); }
  ~CmSortLibTest() override { RemoveFiles(); }
  void RemoveFiles() {
    drives.RemoveHostFile("C:\\exportad.srt");
    drives.RemoveHostFile("C:\\exprtad2.csv");
  }
  rt::testing::TestDrives drives;
};

TEST_F(CmSortLibTest, SortFileIsExportedUndecorated) {
  HMODULE library = LoadLibraryA("CMSortLib.dll");
  ASSERT_NE(library, nullptr);
  EXPECT_NE(GetProcAddress(library, "SortFile"), nullptr);
  FreeLibrary(library);
}

TEST_F(CmSortLibTest, SortsTheIntermediateFileIntoTheSortedFile) {
  drives.WriteHostFile("C:\\exportad.srt",
                       "Varga,Tomas,tomas.varga,\"2029\"\r\n\xC9mile,x,y,\"School\"\r\n"
                       "Durand,Emile,emile.durand,\"2027\"\r\nDurand,Emile,emile.durand,\"2027\"");
  LibraryLineSorter sorter;
  EXPECT_EQ(sorter.SortFile(kSortArguments), 0);
  EXPECT_EQ(drives.ReadHostFile("C:\\exprtad2.csv"),
            "Durand,Emile,emile.durand,\"2027\"\r\nDurand,Emile,emile.durand,\"2027\"\r\n"
            "Varga,Tomas,tomas.varga,\"2029\"\r\n\xC9mile,x,y,\"School\"\r\n");
}

TEST_F(CmSortLibTest, AMissingInputLeavesNoSortedFile) {
  drives.WriteHostFile("C:\\exprtad2.csv", "stale\r\n");
  LibraryLineSorter sorter;
  EXPECT_EQ(sorter.SortFile(kSortArguments), 53);
  EXPECT_FALSE(drives.HostFileExists("C:\\exprtad2.csv"));
  EXPECT_EQ(sorter.SortFile("/T=TMP c:\\exportad.srt"), 5);
}

}  // namespace
}  // namespace acctgen

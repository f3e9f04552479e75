// The Files contract. This file is compiled twice: natively against the folders that stand for
// drives, and for Windows, where it runs under Wine against the real drives A: and C:.

#include <gtest/gtest.h>

#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/testing/test_drives.h"

namespace rt {
namespace {

class FilesContractTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kCFiles) drives_.RemoveHostFile(name);
  }
  void TearDown() override {
    files_.CloseAll();
    for (const char* name : kCFiles) drives_.RemoveHostFile(name);
  }

  // The error number that running action raises; 0 when it raises none.
  template <typename Action>
  int ErrorOf(Action action) {
    try {
      action();
    } catch (const RuntimeError& error) {
      return error.number();
    }
    return 0;
  }

  static constexpr const char* kCFiles[] = {"C:\\contract1.txt", "C:\\contract2.txt"};
  testing::TestDrives drives_;
  Files files_{drives_.file_system()};
};

TEST_F(FilesContractTest, WrittenLinesEndWithCrLfAndReadBack) {
  const FileNumber out = files_.OpenOutput("A:\\lines.txt");
  files_.PrintLine(out, "first");
  files_.Print(out, "second,");
  files_.Print(out, "third");
  files_.PrintLine(out, "");
  files_.Print(out, "tail");
  files_.Close(out);
  EXPECT_EQ(drives_.ReadHostFile("A:\\lines.txt"), "first\r\nsecond,third\r\ntail");

  const FileNumber in = files_.OpenInput("A:\\LINES.TXT");  // names match ignoring case
  EXPECT_EQ(files_.Length(in), 25u);
  EXPECT_EQ(files_.LineInput(in), "first");
  EXPECT_EQ(files_.LineInput(in), "second,third");
  EXPECT_FALSE(files_.AtEnd(in));
  EXPECT_EQ(files_.LineInput(in), "tail");
  EXPECT_TRUE(files_.AtEnd(in));
  EXPECT_EQ(ErrorOf([&] { files_.LineInput(in); }), kInputPastEndOfFile);
}

TEST_F(FilesContractTest, OutputTruncatesAnExistingFile) {
  drives_.WriteHostFile("C:\\contract1.txt", "old content that is long");
  const FileNumber out = files_.OpenOutput("C:\\contract1.txt");
  files_.PrintLine(out, "new");
  files_.Close(out);
  EXPECT_EQ(drives_.ReadHostFile("C:\\contract1.txt"), "new\r\n");
}

TEST_F(FilesContractTest, LargeOutputIsWrittenWhole) {
  const FileNumber out = files_.OpenOutput("C:\\contract1.txt");
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    const std::string line = "line " + std::to_string(i);
    files_.PrintLine(out, {"line ", std::to_string(i)});
    expected += line + "\r\n";
  }
  // A page larger than a block goes out at once, after what is buffered.
  const std::string page(100000, 'p');
  files_.Print(out, page);
  files_.PrintLine(out, "end");
  expected += page + "end\r\n";
  EXPECT_EQ(files_.Length(out), expected.size());
  files_.Close(out);
  EXPECT_EQ(drives_.ReadHostFile("C:\\contract1.txt"), expected);
}

TEST_F(FilesContractTest, ProbeCreatesAMissingFileEmptyAndKeepsAnExistingOne) {
  const FileNumber probe = files_.OpenProbe("C:\\contract1.txt");
  EXPECT_EQ(files_.Length(probe), 0u);
  files_.Close(probe);
  EXPECT_TRUE(drives_.HostFileExists("C:\\contract1.txt"));

  drives_.WriteHostFile("C:\\contract2.txt", std::string(100, 'x'));
  const FileNumber second = files_.OpenProbe("C:\\contract2.txt");
  EXPECT_EQ(files_.Length(second), 100u);
  files_.Close(second);
  EXPECT_EQ(drives_.ReadHostFile("C:\\contract2.txt"), std::string(100, 'x'));
}

TEST_F(FilesContractTest, ProbeSharesTheFileWithAReader) {
  drives_.WriteHostFile("A:\\shared.txt", "abc\r\n");
  const FileNumber reader = files_.OpenInput("A:\\shared.txt");
  const FileNumber probe = files_.OpenProbe("A:\\shared.txt");
  EXPECT_EQ(files_.Length(probe), 5u);
  EXPECT_EQ(files_.LineInput(reader), "abc");
}

TEST_F(FilesContractTest, CloseAllClosesEveryFileAndFlushes) {
  const FileNumber a = files_.OpenOutput("C:\\contract1.txt");
  const FileNumber b = files_.OpenOutput("C:\\contract2.txt");
  files_.PrintLine(a, "a");
  files_.PrintLine(b, "b");
  files_.CloseAll();
  EXPECT_FALSE(files_.IsOpen(a));
  EXPECT_FALSE(files_.IsOpen(b));
  EXPECT_EQ(drives_.ReadHostFile("C:\\contract1.txt"), "a\r\n");
  EXPECT_EQ(drives_.ReadHostFile("C:\\contract2.txt"), "b\r\n");
  EXPECT_EQ(ErrorOf([&] { files_.PrintLine(a, "x"); }), kBadFileNameOrNumber);
}

TEST_F(FilesContractTest, MissingFileFolderAndDriveHaveTheirNumbers) {
  EXPECT_EQ(ErrorOf([&] { files_.OpenInput("A:\\absent.txt"); }), kFileNotFound);
  EXPECT_EQ(ErrorOf([&] { files_.OpenInput("A:\\nofolder\\absent.txt"); }), kPathNotFound);
  EXPECT_EQ(ErrorOf([&] { files_.OpenOutput("A:\\nofolder\\new.txt"); }), kPathNotFound);
  EXPECT_EQ(ErrorOf([&] { files_.Delete("A:\\absent.txt"); }), kFileNotFound);

  drives_.WriteHostFile("A:\\school.txt", "x");
  drives_.EjectFloppy();
  EXPECT_EQ(ErrorOf([&] { files_.OpenInput("A:\\school.txt"); }), kDiskNotReady);
  EXPECT_EQ(ErrorOf([&] { files_.OpenOutput("A:\\step5.bat"); }), kDiskNotReady);
  EXPECT_EQ(ErrorOf([&] { files_.OpenProbe("A:\\school.txt"); }), kDiskNotReady);
  drives_.InsertFloppy();
  const FileNumber in = files_.OpenInput("A:\\school.txt");
  EXPECT_EQ(files_.LineInput(in), "x");
}

TEST_F(FilesContractTest, RenameRefusesAnExistingTargetAndAMissingSource) {
  drives_.WriteHostFile("C:\\contract1.txt", "one");
  drives_.WriteHostFile("C:\\contract2.txt", "two");
  EXPECT_EQ(ErrorOf([&] { files_.Rename("C:\\contract1.txt", "C:\\contract2.txt"); }),
            kFileAlreadyExists);
  EXPECT_EQ(drives_.ReadHostFile("C:\\contract2.txt"), "two");
  files_.Delete("C:\\contract2.txt");
  EXPECT_FALSE(files_.Exists("C:\\contract2.txt"));
  files_.Rename("C:\\contract1.txt", "C:\\contract2.txt");
  EXPECT_EQ(drives_.ReadHostFile("C:\\contract2.txt"), "one");
  EXPECT_EQ(ErrorOf([&] { files_.Rename("C:\\contract1.txt", "C:\\contract2.txt"); }),
            kFileNotFound);
}

TEST_F(FilesContractTest, FieldsSplitAtCommasAndLineEndsAndDropQuotes) {
  drives_.WriteHostFile("C:\\contract1.txt",
                        "DN,sn,givenName,sAMAccountName\r\n"
                        "\",Tomas Varga,OU=2007,OU=Students,DC=school\", Varga ,Tomas,tvarga\n"
                        "a,,\"q,uo\"te\"  ,end\r"
                        "last");
  const FileNumber in = files_.OpenInput("C:\\contract1.txt");
  std::vector<std::string> fields;
  while (!files_.AtEnd(in)) fields.push_back(files_.InputField(in));
  EXPECT_EQ(fields, (std::vector<std::string>{"DN", "sn", "givenName", "sAMAccountName",
                                              ",Tomas Varga,OU=2007,OU=Students,DC=school", "Varga",
                                              "Tomas", "tvarga", "a", "", "q,uo", "end", "last"}));
  EXPECT_EQ(ErrorOf([&] { files_.InputField(in); }), kInputPastEndOfFile);
}

TEST_F(FilesContractTest, LinesEndAtCrLfLoneCrAndLoneLf) {
  drives_.WriteHostFile("A:\\school.txt", "one\r\ntwo\rthree\nfour\r\n\r\nsix");
  const FileNumber in = files_.OpenInput("A:\\school.txt");
  std::vector<std::string> lines;
  while (!files_.AtEnd(in)) lines.push_back(files_.LineInput(in));
  EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three", "four", "", "six"}));
}

TEST_F(FilesContractTest, ACrLfAcrossTheEdgeOfAReadBlockIsOneLineEnd) {
  // The CR is the last byte of the first 64 KiB block, its LF the first of the next.
  const std::string first(65535, 'a');
  drives_.WriteHostFile("C:\\contract1.txt", first + "\r\nnext");
  FileNumber in = files_.OpenInput("C:\\contract1.txt");
  std::vector<std::string> fields;
  while (!files_.AtEnd(in)) fields.push_back(files_.InputField(in));
  EXPECT_EQ(fields, (std::vector<std::string>{first, "next"}));
  files_.Close(in);
  in = files_.OpenInput("C:\\contract1.txt");
  std::vector<std::string> lines;
  while (!files_.AtEnd(in)) lines.push_back(files_.LineInput(in));
  EXPECT_EQ(lines, (std::vector<std::string>{first, "next"}));
}

TEST_F(FilesContractTest, BytesAbove127PassUnchanged) {
  const std::string name = "M\xE9lanie \xC6sa \x8A\x9F\xFF";
  const FileNumber out = files_.OpenOutput("A:\\names.txt");
  files_.PrintLine(out, name);
  files_.Close(out);
  EXPECT_EQ(drives_.ReadHostFile("A:\\names.txt"), name + "\r\n");
  const FileNumber in = files_.OpenInput("A:\\names.txt");
  EXPECT_EQ(files_.LineInput(in), name);
}

TEST_F(FilesContractTest, AnEmptyFileIsAtItsEndAtOnce) {
  drives_.WriteHostFile("C:\\contract1.txt", "");
  const FileNumber in = files_.OpenInput("C:\\contract1.txt");
  EXPECT_TRUE(files_.AtEnd(in));
  EXPECT_EQ(files_.Length(in), 0u);
  EXPECT_EQ(ErrorOf([&] { files_.InputField(in); }), kInputPastEndOfFile);
  EXPECT_EQ(ErrorOf([&] { files_.LineInput(in); }), kInputPastEndOfFile);
}

}  // namespace
}  // namespace rt

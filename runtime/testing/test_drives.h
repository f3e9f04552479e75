#pragma once
// Drives A: and C: for tests that work on real files, natively and under Wine alike.
// Natively A: and C: are fresh temporary folders seen through PosixFileSystem; under Wine they
// are the real drives of the tree's prefix (A: is the folder the Wine helper mapped), seen
// through Win32FileSystem. Either way the floppy disk can be taken out and put back.

#include <memory>
#include <string>
#include <string_view>

#include "runtime/file_system.h"

namespace rt::testing {

class TestDrives {
 public:
  TestDrives();
  ~TestDrives();
  TestDrives(const TestDrives&) = delete;
  TestDrives& operator=(const TestDrives&) = delete;

  // The platform's own file system with the drives in place.
  FileSystem& file_system() { return *file_system_; }

  // A path that the C library's fopen understands for a Windows path such as "A:\x.txt".
  std::string HostPath(std::string_view windows_path) const;
  void WriteHostFile(std::string_view windows_path, std::string_view bytes) const;
  // The whole file; fails the test (empty result) when it cannot be read.
  std::string ReadHostFile(std::string_view windows_path) const;
  bool HostFileExists(std::string_view windows_path) const;
  void RemoveHostFile(std::string_view windows_path) const;

  void EjectFloppy();
  void InsertFloppy();

  // Removes every file on the floppy disk.
  void CleanFloppy() const;

 private:
  std::string floppy_folder_;  // as fopen sees it
  std::string c_folder_;       // as fopen sees it
  std::string temp_root_;      // natively only
  std::unique_ptr<FileSystem> file_system_;
};

}  // namespace rt::testing

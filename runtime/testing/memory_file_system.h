#pragma once
// A file system held in memory, so that a fuzzer can run a program's logic thousands of times a
// second without touching the disk. Paths are matched ignoring case, as on Windows.

#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "runtime/file_system.h"

namespace rt::testing {

class MemoryFileSystem : public FileSystem {
 public:
  // Any path names a file.
  MemoryFileSystem() = default;
  // Only files directly in these folders ("a:", "c:\pkg", lower case) exist; any other path
  // fails with 76, as a missing folder does.
  explicit MemoryFileSystem(std::set<std::string> folders) : folders_(std::move(folders)) {}

  // The files' contents by lower-case path.
  std::map<std::string, std::string> files;

  std::unique_ptr<OpenFile> Open(std::string_view path, OpenMode mode) override;
  void Delete(std::string_view path) override;
  void Rename(std::string_view from, std::string_view to) override;
  bool Exists(std::string_view path) override;

 private:
  // The key of a path whose folder exists.
  std::string Key(std::string_view path) const;

  std::set<std::string> folders_;
};

}  // namespace rt::testing

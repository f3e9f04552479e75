#pragma once
// Files on the Windows file API (CreateFileA and friends), errors mapped to their numbers.

#include "runtime/file_system.h"

namespace rt {

class Win32FileSystem : public FileSystem {
 public:
  std::unique_ptr<OpenFile> Open(std::string_view path, OpenMode mode) override;
  void Delete(std::string_view path) override;
  void Rename(std::string_view from, std::string_view to) override;
  bool Exists(std::string_view path) override;
};

// The number for a Windows error code met while working on path: a "not found" on a drive
// whose root cannot be reached (no floppy disk in the drive) is 71.
int NumberForWindowsError(unsigned long code, std::string_view path, int missing_number);

}  // namespace rt

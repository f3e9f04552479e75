#pragma once
// Files on host folders that stand for drive letters: "A:\school.txt" is <folder of A>/school.txt.
// Names are matched case-insensitively, as on Windows, so "A:\STEP5.BAT" finds "a/step5.bat".

#include <map>
#include <string>

#include "runtime/file_system.h"

namespace rt {

class PosixFileSystem : public FileSystem {
 public:
  // A path without a drive letter is taken on this drive.
  explicit PosixFileSystem(char default_drive = 'C');

  // Maps a drive letter to a host folder. A drive whose folder does not exist is "not ready".
  void MapDrive(char letter, std::string host_folder);
  void UnmapDrive(char letter);

  // The host path a Windows path resolves to (existing names matched case-insensitively).
  // Throws 71 for an unmapped or absent drive.
  std::string HostPath(std::string_view windows_path) const;

  std::unique_ptr<OpenFile> Open(std::string_view path, OpenMode mode) override;
  void Delete(std::string_view path) override;
  void Rename(std::string_view from, std::string_view to) override;
  bool Exists(std::string_view path) override;

 private:
  std::string DriveFolder(char letter) const;

  char default_drive_;
  std::map<char, std::string> drives_;
};

}  // namespace rt

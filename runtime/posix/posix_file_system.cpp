#include "runtime/posix/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "runtime/error.h"
#include "runtime/text.h"

namespace rt {

namespace {

int ErrnoToNumber(int error, int missing_number) {
  switch (error) {
    case ENOENT:
      return missing_number;
    case ENOTDIR:
      return kPathNotFound;
    case EEXIST:
      return kFileAlreadyExists;
    case ENOSPC:
    case EDQUOT:
      return kDiskFull;
    case EROFS:
    case EPERM:
      return kPermissionDenied;
    case EACCES:
    case EISDIR:
      return kPathFileAccessError;
    case EIO:
      return kDeviceIoError;
    case EMFILE:
    case ENFILE:
      return kTooManyFiles;
    default:
      return kDeviceIoError;
  }
}

bool IsDirectory(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool PathExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

// The entry of folder whose name equals name ignoring case, or name itself when none does.
std::string MatchEntry(const std::string& folder, const std::string& name) {
  if (PathExists(folder + "/" + name)) return name;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return name;
  std::string found = name;
  while (dirent* entry = ::readdir(dir)) {
    if (EqualsIgnoreCase1252(entry->d_name, name)) {
      found = entry->d_name;
      break;
    }
  }
  ::closedir(dir);
  return found;
}

class PosixOpenFile : public OpenFile {
 public:
  explicit PosixOpenFile(int fd) : fd_(fd) {}
  ~PosixOpenFile() override {
    if (fd_ >= 0) ::close(fd_);
  }

  std::size_t Read(char* buffer, std::size_t size) override {
    for (;;) {
      const ssize_t got = ::read(fd_, buffer, size);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) throw RuntimeError(ErrnoToNumber(errno, kDeviceIoError));
    }
  }

  void Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t put = ::write(fd_, bytes.data(), bytes.size());
      if (put < 0) {
        if (errno == EINTR) continue;
        throw RuntimeError(ErrnoToNumber(errno, kDeviceIoError));
      }
      bytes.remove_prefix(static_cast<std::size_t>(put));
    }
  }

  std::uint64_t Length() override {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) throw RuntimeError(kDeviceIoError);
    return static_cast<std::uint64_t>(info.st_size);
  }

  void Close() override {
    const int fd = fd_;
    fd_ = -1;
    if (fd >= 0 && ::close(fd) != 0) throw RuntimeError(ErrnoToNumber(errno, kDeviceIoError));
  }

 private:
  int fd_;
};

}  // namespace

PosixFileSystem::PosixFileSystem(char default_drive) : default_drive_(ToUpper1252(default_drive)) {}

void PosixFileSystem::MapDrive(char letter, std::string host_folder) {
  while (host_folder.size() > 1 && host_folder.back() == '/') host_folder.pop_back();
  drives_[ToUpper1252(letter)] = std::move(host_folder);
}

void PosixFileSystem::UnmapDrive(char letter) { drives_.erase(ToUpper1252(letter)); }

std::string PosixFileSystem::DriveFolder(char letter) const {
  auto it = drives_.find(ToUpper1252(letter));
  if (it == drives_.end() || !IsDirectory(it->second)) throw RuntimeError(kDiskNotReady);
  return it->second;
}

std::string PosixFileSystem::HostPath(std::string_view windows_path) const {
  char drive = default_drive_;
  if (windows_path.size() >= 2 && windows_path[1] == ':') {
    drive = windows_path[0];
    windows_path.remove_prefix(2);
  }
  std::string path = DriveFolder(drive);
  std::vector<std::string> parts;
  std::string part;
  for (char c : windows_path) {
    if (c == '\\' || c == '/') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part.push_back(c);
    }
  }
  if (!part.empty()) parts.push_back(part);
  for (const std::string& name : parts) {
    if (name == ".") continue;
    if (name == "..") {
      const auto slash = path.rfind('/');
      if (slash != std::string::npos && slash > 0) path.resize(slash);
      continue;
    }
    // Appended piece by piece: GCC 12 at -O3 misreads "/" + entry as an overlapping copy.
    const std::string entry = MatchEntry(path, name);
    path += '/';
    path += entry;
  }
  return path;
}

namespace {
std::string ParentOf(const std::string& host_path) {
  const auto slash = host_path.rfind('/');
  return slash == std::string::npos ? std::string(".") : host_path.substr(0, slash);
}
}  // namespace

std::unique_ptr<OpenFile> PosixFileSystem::Open(std::string_view path, OpenMode mode) {
  const std::string host = HostPath(path);
  if (!IsDirectory(ParentOf(host))) throw RuntimeError(kPathNotFound, std::string(path));
  if (IsDirectory(host)) throw RuntimeError(kPathFileAccessError, std::string(path));
  int flags = O_RDONLY;
  if (mode == OpenMode::kOutput) flags = O_WRONLY | O_CREAT | O_TRUNC;
  if (mode == OpenMode::kProbe) flags = O_RDWR | O_CREAT;
  const int fd = ::open(host.c_str(), flags | O_CLOEXEC, 0644);
  if (fd < 0) throw RuntimeError(ErrnoToNumber(errno, kFileNotFound), std::string(path));
  return std::make_unique<PosixOpenFile>(fd);
}

void PosixFileSystem::Delete(std::string_view path) {
  const std::string host = HostPath(path);
  if (!IsDirectory(ParentOf(host))) throw RuntimeError(kPathNotFound, std::string(path));
  if (IsDirectory(host)) throw RuntimeError(kPathFileAccessError, std::string(path));
  if (::unlink(host.c_str()) != 0) {
    throw RuntimeError(ErrnoToNumber(errno, kFileNotFound), std::string(path));
  }
}

void PosixFileSystem::Rename(std::string_view from, std::string_view to) {
  const std::string source = HostPath(from);
  const std::string target = HostPath(to);
  if (!IsDirectory(ParentOf(source))) throw RuntimeError(kPathNotFound, std::string(from));
  if (!PathExists(source)) throw RuntimeError(kFileNotFound, std::string(from));
  if (!IsDirectory(ParentOf(target))) throw RuntimeError(kPathNotFound, std::string(to));
  if (PathExists(target)) throw RuntimeError(kFileAlreadyExists, std::string(to));
  if (::rename(source.c_str(), target.c_str()) != 0) {
    throw RuntimeError(ErrnoToNumber(errno, kFileNotFound), std::string(from));
  }
}

bool PosixFileSystem::Exists(std::string_view path) {
  try {
    return PathExists(HostPath(path));
  } catch (const RuntimeError&) {
    return false;
  }
}

}  // namespace rt

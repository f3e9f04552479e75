#include "runtime/win32/win32_file_system.h"

#include <windows.h>

#include <string>

#include "runtime/error.h"

namespace rt {

namespace {

bool DriveRootReachable(std::string_view path) {
  if (path.size() < 2 || path[1] != ':') return true;
  const std::string root = std::string(path.substr(0, 2)) + "\\";
  const UINT type = GetDriveTypeA(root.c_str());
  if (type == DRIVE_NO_ROOT_DIR || type == DRIVE_UNKNOWN) return false;
  return GetFileAttributesA(root.c_str()) != INVALID_FILE_ATTRIBUTES;
}

[[noreturn]] void ThrowLastError(std::string_view path, int missing_number) {
  const DWORD code = GetLastError();
  throw RuntimeError(NumberForWindowsError(code, path, missing_number), std::string(path));
}

class Win32OpenFile : public OpenFile {
 public:
  Win32OpenFile(HANDLE handle, std::string path) : handle_(handle), path_(std::move(path)) {}
  ~Win32OpenFile() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }

  std::size_t Read(char* buffer, std::size_t size) override {
    DWORD got = 0;
    const DWORD wanted = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (!ReadFile(handle_, buffer, wanted, &got, nullptr)) {
      if (GetLastError() == ERROR_HANDLE_EOF) return 0;
      ThrowLastError(path_, kDeviceIoError);
    }
    return got;
  }

  void Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      DWORD put = 0;
      const DWORD wanted =
          bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
      if (!WriteFile(handle_, bytes.data(), wanted, &put, nullptr)) {
        ThrowLastError(path_, kDeviceIoError);
      }
      if (put == 0) throw RuntimeError(kDiskFull, path_);
      bytes.remove_prefix(put);
    }
  }

  std::uint64_t Length() override {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle_, &size)) ThrowLastError(path_, kDeviceIoError);
    return static_cast<std::uint64_t>(size.QuadPart);
  }

  void Close() override {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (handle != INVALID_HANDLE_VALUE && !CloseHandle(handle)) {
      ThrowLastError(path_, kDeviceIoError);
    }
  }

 private:
  HANDLE handle_;
  std::string path_;
};

}  // namespace

int NumberForWindowsError(unsigned long code, std::string_view path, int missing_number) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_NAME:
      if (!DriveRootReachable(path)) return kDiskNotReady;
      if (code == ERROR_FILE_NOT_FOUND) return missing_number;
      if (code == ERROR_INVALID_NAME || code == ERROR_BAD_PATHNAME) return kBadFileNameOrNumber;
      return kPathNotFound;
    case ERROR_NOT_READY:
    case ERROR_NO_MEDIA_IN_DRIVE:
      return kDiskNotReady;
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return kPermissionDenied;
    case ERROR_ACCESS_DENIED:
      return kPathFileAccessError;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return kFileAlreadyExists;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return kDiskFull;
    case ERROR_TOO_MANY_OPEN_FILES:
      return kTooManyFiles;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE:
      return kDeviceIoError;
    default:
      return kDeviceIoError;
  }
}

std::unique_ptr<OpenFile> Win32FileSystem::Open(std::string_view path, OpenMode mode) {
  const std::string name(path);
  DWORD access = GENERIC_READ;
  DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  DWORD disposition = OPEN_EXISTING;
  if (mode == OpenMode::kOutput) {
    access = GENERIC_WRITE;
    share = FILE_SHARE_READ;
    disposition = CREATE_ALWAYS;
  } else if (mode == OpenMode::kProbe) {
    access = GENERIC_READ | GENERIC_WRITE;
    disposition = OPEN_ALWAYS;
  }
  HANDLE handle = CreateFileA(name.c_str(), access, share, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) ThrowLastError(path, kFileNotFound);
  return std::make_unique<Win32OpenFile>(handle, name);
}

void Win32FileSystem::Delete(std::string_view path) {
  const std::string name(path);
  if (!DeleteFileA(name.c_str())) ThrowLastError(path, kFileNotFound);
}

void Win32FileSystem::Rename(std::string_view from, std::string_view to) {
  const std::string source(from);
  const std::string target(to);
  if (GetFileAttributesA(source.c_str()) == INVALID_FILE_ATTRIBUTES) {
    ThrowLastError(from, kFileNotFound);
  }
  if (GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
    throw RuntimeError(kFileAlreadyExists, target);
  }
  if (!MoveFileA(source.c_str(), target.c_str())) ThrowLastError(from, kFileNotFound);
}

bool Win32FileSystem::Exists(std::string_view path) {
  const std::string name(path);
  return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace rt

#include "runtime/testing/test_drives.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>

#include "runtime/win32/win32_file_system.h"
#else
#include <unistd.h>

#include "runtime/posix/posix_file_system.h"
#endif

namespace rt::testing {

namespace fs = std::filesystem;

namespace {
#ifdef _WIN32
// Wine shows the host's root as drive Z:.
std::string WineHostView(std::string unix_path) {
  for (char& c : unix_path) {
    if (c == '/') c = '\\';
  }
  return "Z:" + unix_path;
}
#endif
}  // namespace

TestDrives::TestDrives() {
#ifdef _WIN32
  const char* floppy = std::getenv("FLOPPY_HOST");
  if (floppy == nullptr) throw std::runtime_error("FLOPPY_HOST is not set: run under scripts/wine");
  floppy_folder_ = WineHostView(floppy);
  c_folder_ = "C:";
  fs::create_directories(floppy_folder_);
  file_system_ = std::make_unique<Win32FileSystem>();
#else
  std::string pattern = (fs::temp_directory_path() / "drives-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  temp_root_ = pattern;
  floppy_folder_ = temp_root_ + "/a";
  c_folder_ = temp_root_ + "/c";
  fs::create_directories(floppy_folder_);
  fs::create_directories(c_folder_);
  auto posix = std::make_unique<PosixFileSystem>();
  posix->MapDrive('A', floppy_folder_);
  posix->MapDrive('C', c_folder_);
  file_system_ = std::move(posix);
#endif
  InsertFloppy();
  CleanFloppy();
}

TestDrives::~TestDrives() {
  std::error_code ignored;
  InsertFloppy();
  CleanFloppy();
  if (!temp_root_.empty()) fs::remove_all(temp_root_, ignored);
}

std::string TestDrives::HostPath(std::string_view windows_path) const {
  std::string rest(windows_path);
  std::string folder = c_folder_;
  if (rest.size() >= 2 && rest[1] == ':') {
    const char drive = rest[0];
    folder = (drive == 'A' || drive == 'a') ? floppy_folder_ : c_folder_;
    rest = rest.substr(2);
  }
#ifdef _WIN32
  return folder + rest;
#else
  for (char& c : rest) {
    if (c == '\\') c = '/';
  }
  return folder + rest;
#endif
}

void TestDrives::WriteHostFile(std::string_view windows_path, std::string_view bytes) const {
  const std::string path = HostPath(windows_path);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw std::runtime_error("cannot write " + path);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

std::string TestDrives::ReadHostFile(std::string_view windows_path) const {
  const std::string path = HostPath(windows_path);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return {};
  std::string bytes;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
    bytes.append(buffer, got);
  }
  std::fclose(file);
  return bytes;
}

bool TestDrives::HostFileExists(std::string_view windows_path) const {
  std::error_code ignored;
  return fs::exists(HostPath(windows_path), ignored);
}

void TestDrives::RemoveHostFile(std::string_view windows_path) const {
  std::error_code ignored;
  fs::remove(HostPath(windows_path), ignored);
}

void TestDrives::EjectFloppy() {
  std::error_code ignored;
  fs::remove_all(floppy_folder_ + ".out", ignored);
  fs::rename(floppy_folder_, floppy_folder_ + ".out", ignored);
}

void TestDrives::InsertFloppy() {
  std::error_code ignored;
  if (fs::exists(floppy_folder_ + ".out", ignored)) {
    fs::remove_all(floppy_folder_, ignored);
    fs::rename(floppy_folder_ + ".out", floppy_folder_, ignored);
  }
  fs::create_directories(floppy_folder_, ignored);
}

void TestDrives::CleanFloppy() const {
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(floppy_folder_, ignored)) {
    fs::remove_all(entry.path(), ignored);
  }
}

}  // namespace rt::testing

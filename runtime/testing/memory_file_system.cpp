#include "runtime/testing/memory_file_system.h"

#include <algorithm>

#include "runtime/error.h"
#include "runtime/text.h"

namespace rt::testing {

namespace {

class MemoryFile : public OpenFile {
 public:
  explicit MemoryFile(std::string& bytes) : bytes_(bytes) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t got = std::min(size, bytes_.size() - std::min(position_, bytes_.size()));
    std::copy_n(bytes_.data() + position_, got, buffer);
    position_ += got;
    return got;
  }
  void Write(std::string_view bytes) override { bytes_ += bytes; }
  std::uint64_t Length() override { return bytes_.size(); }
  void Close() override {}

 private:
  std::string& bytes_;
  std::size_t position_ = 0;
};

}  // namespace

std::string MemoryFileSystem::Key(std::string_view path) const {
  std::string key = ToLower1252(path);
  if (folders_.empty()) return key;
  const std::size_t slash = key.rfind('\\');
  if (slash == std::string::npos || !folders_.count(key.substr(0, slash))) {
    throw RuntimeError(kPathNotFound);
  }
  return key;
}

std::unique_ptr<OpenFile> MemoryFileSystem::Open(std::string_view path, OpenMode mode) {
  const std::string key = Key(path);
  if (mode == OpenMode::kInput && !files.count(key)) throw RuntimeError(kFileNotFound);
  // Output truncates; a probe, like output, creates a missing file empty.
  if (mode == OpenMode::kOutput) files[key].clear();
  return std::make_unique<MemoryFile>(files[key]);
}

void MemoryFileSystem::Delete(std::string_view path) {
  if (files.erase(Key(path)) == 0) throw RuntimeError(kFileNotFound);
}

void MemoryFileSystem::Rename(std::string_view from, std::string_view to) {
  const std::string source = Key(from), target = Key(to);
  if (!files.count(source)) throw RuntimeError(kFileNotFound);
  if (files.count(target)) throw RuntimeError(kFileAlreadyExists);
  files[target] = std::move(files[source]);
  files.erase(source);
}

bool MemoryFileSystem::Exists(std::string_view path) { return files.count(ToLower1252(path)) != 0; }

}  // namespace rt::testing

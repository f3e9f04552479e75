#pragma once
// A file system held in memory, any path allowed, so that a fuzzer can run the student pass
// thousands of times a second without touching the disk.

#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include "runtime/error.h"
#include "runtime/file_system.h"
#include "runtime/text.h"

namespace acctgen::fuzzing {

class MemoryFileSystem : public rt::FileSystem {
 public:
  std::map<std::string, std::string> files;  // by lower-case path

  static std::string Key(std::string_view path) { return rt::ToLower1252(path); }

  std::unique_ptr<rt::OpenFile> Open(std::string_view path, rt::OpenMode mode) override {
    const std::string key = Key(path);
    if (mode == rt::OpenMode::kInput && !files.count(key)) {
      throw rt::RuntimeError(rt::kFileNotFound);
    }
    if (mode == rt::OpenMode::kOutput) files[key].clear();
    return std::make_unique<File>(files[key]);
  }
  void Delete(std::string_view path) override {
    if (files.erase(Key(path)) == 0) throw rt::RuntimeError(rt::kFileNotFound);
  }
  void Rename(std::string_view from, std::string_view to) override {
    if (!files.count(Key(from))) throw rt::RuntimeError(rt::kFileNotFound);
    if (files.count(Key(to))) throw rt::RuntimeError(rt::kFileAlreadyExists);
    files[Key(to)] = files[Key(from)];
    files.erase(Key(from));
  }
  bool Exists(std::string_view path) override { return files.count(Key(path)) != 0; }

 private:
  class File : public rt::OpenFile {
   public:
    explicit File(std::string& bytes) : bytes_(bytes) {}
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
};

}  // namespace acctgen::fuzzing

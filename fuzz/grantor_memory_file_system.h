#pragma once
// A file system held in memory, with two folders ("A:" and "C:\PKG"), so that a fuzzer can run
// the rights tool thousands of times a second without touching the disk.

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "runtime/error.h"
#include "runtime/file_system.h"
#include "runtime/text.h"

namespace grantor::fuzzing {

class MemoryFileSystem : public rt::FileSystem {
 public:
  std::map<std::string, std::string> files;  // by lower-case path

  static std::string Key(std::string_view path) { return rt::ToLower1252(path); }

  std::unique_ptr<rt::OpenFile> Open(std::string_view path, rt::OpenMode mode) override {
    const std::string key = Folder(path);
    auto it = files.find(key);
    if (mode == rt::OpenMode::kInput && it == files.end())
      throw rt::RuntimeError(rt::kFileNotFound);
    if (mode == rt::OpenMode::kOutput) files[key].clear();
    if (mode == rt::OpenMode::kProbe) files.try_emplace(key);
    return std::make_unique<File>(files[key]);
  }

  void Delete(std::string_view path) override {
    if (files.erase(Folder(path)) == 0) throw rt::RuntimeError(rt::kFileNotFound);
  }

  void Rename(std::string_view from, std::string_view to) override {
    const std::string source = Folder(from), target = Folder(to);
    if (!files.count(source)) throw rt::RuntimeError(rt::kFileNotFound);
    if (files.count(target)) throw rt::RuntimeError(rt::kFileAlreadyExists);
    files[target] = files[source];
    files.erase(source);
  }

  bool Exists(std::string_view path) override { return files.count(Key(path)) != 0; }

 private:
  // The key of a path whose folder exists; 76 otherwise.
  std::string Folder(std::string_view path) const {
    const std::string key = Key(path);
    const std::size_t slash = key.rfind('\\');
    static const std::set<std::string> kFolders = {"a:", "c:\\pkg"};
    if (slash == std::string::npos || !kFolders.count(key.substr(0, slash))) {
      throw rt::RuntimeError(rt::kPathNotFound);
    }
    return key;
  }

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

}  // namespace grantor::fuzzing

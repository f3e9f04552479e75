#pragma once
// The platform's byte-level file access on fixed Windows paths ("A:\school.txt").
// Files (files.h) builds line and field input and buffered output on top of it, once for
// every platform. Every failure is a RuntimeError with its Windows-style number.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace rt {

enum class OpenMode {
  kInput,   // read an existing file
  kOutput,  // create or truncate, then write
  kProbe,   // shared read-write record access; creates the file empty when it is missing
};

class OpenFile {
 public:
  virtual ~OpenFile() = default;
  // Reads up to size bytes; returns 0 only at the end of the file.
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
  virtual void Write(std::string_view bytes) = 0;
  virtual std::uint64_t Length() = 0;
  // Releases the file; a failure to write what is still pending surfaces here.
  virtual void Close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual std::unique_ptr<OpenFile> Open(std::string_view path, OpenMode mode) = 0;
  virtual void Delete(std::string_view path) = 0;
  // The target must not exist (58); the source must (53).
  virtual void Rename(std::string_view from, std::string_view to) = 0;
  virtual bool Exists(std::string_view path) = 0;
};

}  // namespace rt

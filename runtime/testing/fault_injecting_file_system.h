#pragma once
// Wraps a FileSystem and makes chosen operations fail with chosen error numbers, so tests can
// prove what each failure does. It also counts operations, so a test can sweep a failure across
// every file operation of a run ("fail the 7th operation with 61").

#include <optional>
#include <string>
#include <vector>

#include "runtime/file_system.h"

namespace rt::testing {

enum class FileOperation { kOpen, kRead, kWrite, kLength, kClose, kDelete, kRename, kExists };

struct FaultRule {
  FileOperation operation;
  // Matches a path containing this text, ignoring case; empty matches every path.
  std::string path_contains;
  int error_number;
  // Only opens in this mode, when set.
  std::optional<OpenMode> mode = std::nullopt;
  // Matching calls let through before the first failure.
  int skip = 0;
  // How many matching calls fail after that; -1 for all of them.
  int times = -1;
};

class FaultInjectingFileSystem : public FileSystem {
 public:
  explicit FaultInjectingFileSystem(FileSystem& inner);

  void AddRule(FaultRule rule);
  // Fails the operation with this index (counting from 0 over every operation) once.
  void FailOperationAt(int index, int error_number);
  void ClearFaults();

  // Every operation so far, as "open output C:\x", "write C:\x", ... in order.
  const std::vector<std::string>& log() const { return log_; }
  int operation_count() const { return static_cast<int>(log_.size()); }

  std::unique_ptr<OpenFile> Open(std::string_view path, OpenMode mode) override;
  void Delete(std::string_view path) override;
  void Rename(std::string_view from, std::string_view to) override;
  bool Exists(std::string_view path) override;

  // Called by the wrapped open files; throws when a rule says so.
  void Check(FileOperation operation, std::string_view path, std::optional<OpenMode> mode = {});

 private:
  struct ActiveRule {
    FaultRule rule;
    int seen = 0;
    int failed = 0;
  };

  FileSystem& inner_;
  std::vector<ActiveRule> rules_;
  std::vector<std::string> log_;
  int fail_at_index_ = -1;
  int fail_at_error_ = 0;
};

}  // namespace rt::testing

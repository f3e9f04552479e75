#include "runtime/testing/fault_injecting_file_system.h"

#include "runtime/error.h"
#include "runtime/text.h"

namespace rt::testing {

namespace {

const char* OperationName(FileOperation operation) {
  switch (operation) {
    case FileOperation::kOpen:
      return "open";
    case FileOperation::kRead:
      return "read";
    case FileOperation::kWrite:
      return "write";
    case FileOperation::kLength:
      return "length";
    case FileOperation::kClose:
      return "close";
    case FileOperation::kDelete:
      return "delete";
    case FileOperation::kRename:
      return "rename";
    case FileOperation::kExists:
      return "exists";
  }
  return "?";
}

const char* ModeName(OpenMode mode) {
  switch (mode) {
    case OpenMode::kInput:
      return "input";
    case OpenMode::kOutput:
      return "output";
    case OpenMode::kProbe:
      return "probe";
  }
  return "?";
}

class FaultInjectingOpenFile : public OpenFile {
 public:
  FaultInjectingOpenFile(FaultInjectingFileSystem& owner, std::unique_ptr<OpenFile> inner,
                         std::string path)
      : owner_(owner), inner_(std::move(inner)), path_(std::move(path)) {}

  std::size_t Read(char* buffer, std::size_t size) override {
    owner_.Check(FileOperation::kRead, path_);
    return inner_->Read(buffer, size);
  }
  void Write(std::string_view bytes) override {
    owner_.Check(FileOperation::kWrite, path_);
    inner_->Write(bytes);
  }
  std::uint64_t Length() override {
    owner_.Check(FileOperation::kLength, path_);
    return inner_->Length();
  }
  void Close() override {
    try {
      owner_.Check(FileOperation::kClose, path_);
    } catch (...) {
      inner_->Close();  // the host file is released either way
      throw;
    }
    inner_->Close();
  }

 private:
  FaultInjectingFileSystem& owner_;
  std::unique_ptr<OpenFile> inner_;
  std::string path_;
};

}  // namespace

FaultInjectingFileSystem::FaultInjectingFileSystem(FileSystem& inner) : inner_(inner) {}

void FaultInjectingFileSystem::AddRule(FaultRule rule) { rules_.push_back({std::move(rule)}); }

void FaultInjectingFileSystem::FailOperationAt(int index, int error_number) {
  fail_at_index_ = index;
  fail_at_error_ = error_number;
}

void FaultInjectingFileSystem::ClearFaults() {
  rules_.clear();
  fail_at_index_ = -1;
}

void FaultInjectingFileSystem::Check(FileOperation operation, std::string_view path,
                                     std::optional<OpenMode> mode) {
  std::string entry = OperationName(operation);
  if (mode) entry += std::string(" ") + ModeName(*mode);
  entry += " ";
  entry += path;
  const int index = static_cast<int>(log_.size());
  log_.push_back(entry);
  if (index == fail_at_index_) throw RuntimeError(fail_at_error_, entry);
  const std::string lower_path = ToLower1252(path);
  for (ActiveRule& active : rules_) {
    const FaultRule& rule = active.rule;
    if (rule.operation != operation) continue;
    if (rule.mode && (!mode || *rule.mode != *mode)) continue;
    if (!rule.path_contains.empty() &&
        lower_path.find(ToLower1252(rule.path_contains)) == std::string::npos) {
      continue;
    }
    if (active.seen++ < rule.skip) continue;
    if (rule.times >= 0 && active.failed >= rule.times) continue;
    ++active.failed;
    throw RuntimeError(rule.error_number, entry);
  }
}

std::unique_ptr<OpenFile> FaultInjectingFileSystem::Open(std::string_view path, OpenMode mode) {
  Check(FileOperation::kOpen, path, mode);
  return std::make_unique<FaultInjectingOpenFile>(*this, inner_.Open(path, mode),
                                                  std::string(path));
}

void FaultInjectingFileSystem::Delete(std::string_view path) {
  Check(FileOperation::kDelete, path);
  inner_.Delete(path);
}

void FaultInjectingFileSystem::Rename(std::string_view from, std::string_view to) {
  Check(FileOperation::kRename, std::string(from) + " -> " + std::string(to));
  inner_.Rename(from, to);
}

bool FaultInjectingFileSystem::Exists(std::string_view path) {
  Check(FileOperation::kExists, path);
  return inner_.Exists(path);
}

}  // namespace rt::testing

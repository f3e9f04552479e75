#include "runtime/files.h"

#include <vector>

#include "runtime/error.h"
#include "runtime/text.h"

namespace rt {

namespace {
constexpr std::size_t kReadChunk = std::size_t{64} * 1024;
constexpr std::size_t kWriteChunk = std::size_t{64} * 1024;

bool IsBlank(int c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(int c) { return c == '\r' || c == '\n'; }
}  // namespace

struct Files::Channel {
  std::unique_ptr<OpenFile> file;
  OpenMode mode;
  std::vector<char> input;
  std::size_t input_pos = 0;
  bool input_exhausted = false;
  std::string output;
};

Files::Files(FileSystem& file_system) : file_system_(file_system) {}

Files::~Files() {
  try {
    CloseAll();
  } catch (const RuntimeError&) {
    // Nothing can be reported from a destructor; callers close explicitly to see failures.
  }
}

FileNumber Files::Open(std::string_view path, OpenMode mode) {
  auto channel = std::make_unique<Channel>();
  channel->file = file_system_.Open(path, mode);
  channel->mode = mode;
  const FileNumber number = next_number_++;
  channels_.emplace(number, std::move(channel));
  return number;
}

FileNumber Files::OpenInput(std::string_view path) { return Open(path, OpenMode::kInput); }
FileNumber Files::OpenOutput(std::string_view path) { return Open(path, OpenMode::kOutput); }
FileNumber Files::OpenProbe(std::string_view path) { return Open(path, OpenMode::kProbe); }

Files::Channel& Files::Get(FileNumber file) {
  auto it = channels_.find(file);
  if (it == channels_.end()) throw RuntimeError(kBadFileNameOrNumber);
  return *it->second;
}

bool Files::IsOpen(FileNumber file) const { return channels_.count(file) != 0; }

std::uint64_t Files::Length(FileNumber file) {
  Channel& channel = Get(file);
  Flush(channel);
  return channel.file->Length();
}

int Files::Refill(Channel& channel) {
  if (channel.input_exhausted) return -1;
  if (channel.mode == OpenMode::kOutput) throw RuntimeError(kBadFileMode);
  channel.input.resize(kReadChunk);
  const std::size_t got = channel.file->Read(channel.input.data(), kReadChunk);
  channel.input.resize(got);
  channel.input_pos = 0;
  if (got == 0) {
    channel.input_exhausted = true;
    return -1;
  }
  return static_cast<unsigned char>(channel.input[0]);
}

inline int Files::Peek(Channel& channel) {
  if (channel.input_pos < channel.input.size()) {
    return static_cast<unsigned char>(channel.input[channel.input_pos]);
  }
  return Refill(channel);
}

int Files::Take(Channel& channel) {
  const int c = Peek(channel);
  if (c >= 0) ++channel.input_pos;
  return c;
}

bool Files::AtEnd(FileNumber file) { return Peek(Get(file)) < 0; }

template <typename Stop>
int Files::TakeUntil(Channel& channel, Stop stop, std::string* out) {
  // Whole runs of the buffer at a time rather than byte by byte.
  while (Peek(channel) >= 0) {
    const char* begin = channel.input.data() + channel.input_pos;
    const char* end = channel.input.data() + channel.input.size();
    const char* at = begin;
    while (at != end && !stop(static_cast<unsigned char>(*at))) ++at;
    if (out != nullptr) out->append(begin, at);
    channel.input_pos += static_cast<std::size_t>(at - begin);
    if (at != end) return static_cast<unsigned char>(*at);
  }
  return -1;
}

std::string Files::LineInput(FileNumber file) {
  std::string line;
  LineInput(file, line);
  return line;
}

void Files::LineInput(FileNumber file, std::string& line) {
  Channel& channel = Get(file);
  if (Peek(channel) < 0) throw RuntimeError(kInputPastEndOfFile);
  line.clear();
  if (TakeUntil(channel, IsLineEnd, &line) == '\r') {
    Take(channel);
    if (Peek(channel) == '\n') Take(channel);
  } else {
    Take(channel);  // the line feed, if any
  }
}

std::string Files::InputField(FileNumber file) {
  Channel& channel = Get(file);
  // Leading blanks are not part of the field; an end of file before any character is an error.
  while (IsBlank(Peek(channel))) Take(channel);
  if (Peek(channel) < 0) throw RuntimeError(kInputPastEndOfFile);

  // Takes the comma or the line end (CR LF as one) that ends a field.
  auto take_delimiter = [&](int c) {
    if (c < 0) return;
    Take(channel);
    if (c == '\r' && Peek(channel) == '\n') Take(channel);
  };
  auto is_delimiter = [](int c) { return c == ',' || IsLineEnd(c); };

  std::string field;
  if (Peek(channel) == '"') {
    Take(channel);
    if (TakeUntil(
            channel, [](int c) { return c == '"'; }, &field) >= 0)
      Take(channel);
    // Whatever stands between the closing quote and the delimiter is dropped.
    take_delimiter(TakeUntil(channel, is_delimiter, nullptr));
    return field;
  }

  take_delimiter(TakeUntil(channel, is_delimiter, &field));
  while (!field.empty() && IsBlank(static_cast<unsigned char>(field.back()))) field.pop_back();
  return field;
}

void Files::Print(FileNumber file, std::string_view text) {
  Channel& channel = Get(file);
  if (channel.mode == OpenMode::kInput) throw RuntimeError(kBadFileMode);
  if (text.size() >= kWriteChunk) {  // a whole page at once: no need to copy it first
    Flush(channel);
    channel.file->Write(text);
    return;
  }
  channel.output.append(text);
  if (channel.output.size() >= kWriteChunk) Flush(channel);
}

void Files::PrintLine(FileNumber file, std::string_view text) { PrintLine(file, {text}); }

void Files::PrintLine(FileNumber file, std::initializer_list<std::string_view> pieces) {
  Channel& channel = Get(file);
  if (channel.mode == OpenMode::kInput) throw RuntimeError(kBadFileMode);
  // The line's room is made once, then each piece copied in: a row of twenty pieces would
  // otherwise check the room twenty times.
  std::size_t size = kCrLf.size();
  for (std::string_view piece : pieces) size += piece.size();
  std::string& output = channel.output;
  std::size_t at = output.size();
  output.resize(at + size);
  for (std::string_view piece : pieces) at += piece.copy(output.data() + at, piece.size());
  kCrLf.copy(output.data() + at, kCrLf.size());
  if (output.size() >= kWriteChunk) Flush(channel);
}

void Files::Flush(Channel& channel) {
  if (channel.output.empty()) return;
  // What failed to reach the file is dropped with the failure, never written twice; the buffer
  // keeps its room for the next block.
  try {
    channel.file->Write(channel.output);
  } catch (...) {
    channel.output.clear();
    throw;
  }
  channel.output.clear();
}

void Files::Close(FileNumber file) {
  auto it = channels_.find(file);
  if (it == channels_.end()) return;
  std::unique_ptr<Channel> channel = std::move(it->second);
  channels_.erase(it);
  try {
    Flush(*channel);
  } catch (...) {
    try {
      channel->file->Close();
    } catch (...) {  // the write failure is the one worth reporting
    }
    throw;
  }
  channel->file->Close();
}

void Files::CloseAll() {
  int first_failure = 0;
  while (!channels_.empty()) {
    try {
      Close(channels_.begin()->first);
    } catch (const RuntimeError& error) {
      if (first_failure == 0) first_failure = error.number();
    }
  }
  if (first_failure != 0) throw RuntimeError(first_failure);
}

void Files::Delete(std::string_view path) { file_system_.Delete(path); }

void Files::DeleteIfPresent(std::string_view path) {
  try {
    file_system_.Delete(path);
  } catch (const RuntimeError& error) {
    if (error.number() != kFileNotFound) throw;
  }
}

void Files::Rename(std::string_view from, std::string_view to) { file_system_.Rename(from, to); }

bool Files::Exists(std::string_view path) { return file_system_.Exists(path); }

}  // namespace rt

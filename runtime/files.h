#pragma once
// Numbered open files with line input, comma-field input and line output, as the programs use
// them: files at fixed Windows paths, "close all" at the edges, every line written ending CR LF.

#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/file_system.h"

namespace rt {

using FileNumber = int;

class Files {
 public:
  explicit Files(FileSystem& file_system);
  ~Files();
  Files(const Files&) = delete;
  Files& operator=(const Files&) = delete;

  FileNumber OpenInput(std::string_view path);
  FileNumber OpenOutput(std::string_view path);
  // Shared read-write access with a record length of 1 byte: creates a missing file empty.
  FileNumber OpenProbe(std::string_view path);

  // Length in bytes of an open file, including what is written but not yet flushed.
  std::uint64_t Length(FileNumber file);
  bool AtEnd(FileNumber file);

  // One line without its terminator. A line ends at CR LF, a lone CR or a lone LF.
  // At the end of the file: error 62.
  std::string LineInput(FileNumber file);
  // The same into `line`, whose room is kept for the next line: a pass over a long file then
  // allocates no line of its own.
  void LineInput(FileNumber file, std::string& line);

  // One comma-separated field. It ends at a comma or a line end; blanks (spaces, tabs) around
  // it are dropped; a field that starts with a double quote runs to the next double quote, and
  // the quotes are dropped. Where lines end does not matter. At the end of the file: error 62.
  std::string InputField(FileNumber file);

  // Writes text and CR LF.
  void PrintLine(FileNumber file, std::string_view text);
  // Writes the pieces one after another and CR LF, without joining them first.
  void PrintLine(FileNumber file, std::initializer_list<std::string_view> pieces);
  // Writes text with no line end.
  void Print(FileNumber file, std::string_view text);

  void Close(FileNumber file);
  // Closes every open file; a failure to close one is reported after all are closed.
  void CloseAll();
  bool IsOpen(FileNumber file) const;

  void Delete(std::string_view path);
  // The same, where a missing file is no error; any other failure is.
  void DeleteIfPresent(std::string_view path);
  void Rename(std::string_view from, std::string_view to);
  bool Exists(std::string_view path);

  FileSystem& file_system() { return file_system_; }

 private:
  struct Channel;
  FileNumber Open(std::string_view path, OpenMode mode);
  Channel& Get(FileNumber file);
  void Flush(Channel& channel);
  // The next byte without taking it; -1 at the end of the file.
  int Peek(Channel& channel);
  // Peek's slow path: reads the next block.
  int Refill(Channel& channel);
  int Take(Channel& channel);
  // Takes bytes up to the first one for which stop holds (left in place) or the end of the
  // file, appending them to out unless it is null; returns that byte, or -1 at the end.
  template <typename Stop>
  int TakeUntil(Channel& channel, Stop stop, std::string* out);

  FileSystem& file_system_;
  std::map<FileNumber, std::unique_ptr<Channel>> channels_;
  FileNumber next_number_ = 1;
};

}  // namespace rt

#pragma once
// The student export read line by line in Windows-1252, whether it was saved in Windows-1252 or,
// as editors of today save text, in UTF-8.

#include <deque>
#include <string>

#include "runtime/files.h"

namespace school {

// The choice is made once for the whole file: a file that starts with the UTF-8 byte order
// mark, or whose every line is valid UTF-8 and holds a multi-byte character somewhere, is UTF-8
// and each of its lines is turned into Windows-1252 (Utf8To1252); any other file, one with a
// lone accented 1252 byte among them, reads as it stands.
class StudentExportReader {
 public:
  // Reads the open file from where it stands.
  StudentExportReader(rt::Files& files, rt::FileNumber file);

  // The next line, without its line end, into line (whose room is kept for the next line);
  // false at the end of the file.
  bool Next(std::string& line);

 private:
  enum class Encoding { kUndecided, kWindows1252, kUtf8 };

  // Reads ahead, keeping the lines, until a line that is no UTF-8 or the end of the file.
  Encoding EncodingOfTheRest();

  rt::Files& files_;
  rt::FileNumber file_;
  // Lines of plain ASCII read the same either way, so a file of them never needs to decide.
  Encoding encoding_ = Encoding::kUndecided;
  bool first_line_ = true;
  std::deque<std::string> read_ahead_;
};

}  // namespace school

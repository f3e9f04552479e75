#include "school/student_export_reader.h"

#include <utility>

#include "school/utf8_to_1252.h"

namespace school {

StudentExportReader::StudentExportReader(rt::Files& files, rt::FileNumber file)
    : files_(files), file_(file) {}

bool StudentExportReader::Next(std::string& line) {
  if (!read_ahead_.empty()) {
    line = std::move(read_ahead_.front());
    read_ahead_.pop_front();
  } else if (files_.AtEnd(file_)) {
    return false;
  } else {
    files_.LineInput(file_, line);
  }
  const bool first_line = std::exchange(first_line_, false);
  if (encoding_ == Encoding::kWindows1252) return true;  // the common case, as it stands
  if (encoding_ == Encoding::kUndecided) {
    if (first_line && line.starts_with(kUtf8ByteOrderMark)) {
      encoding_ = Encoding::kUtf8;
    } else if (IsAscii(line)) {
      return true;
    } else if (!IsValidUtf8(line)) {
      encoding_ = Encoding::kWindows1252;
      return true;
    } else {
      encoding_ = EncodingOfTheRest();
      if (encoding_ == Encoding::kWindows1252) return true;
    }
  }
  if (first_line && line.starts_with(kUtf8ByteOrderMark)) line.erase(0, kUtf8ByteOrderMark.size());
  Utf8To1252(line);
  return true;
}

StudentExportReader::Encoding StudentExportReader::EncodingOfTheRest() {
  while (!files_.AtEnd(file_)) {
    std::string& line = read_ahead_.emplace_back();
    files_.LineInput(file_, line);
    if (!IsValidUtf8(line)) return Encoding::kWindows1252;
  }
  return Encoding::kUtf8;
}

}  // namespace school

#include "grantor/logic/shortcut_file.h"

#include "runtime/text.h"

namespace grantor {

ShortcutRecord ReadShortcutRecord(rt::Files& files, rt::FileNumber file) {
  ShortcutRecord record;
  record.Name = rt::Trim(files.InputField(file));
  record.Folder = rt::Trim(files.InputField(file));
  record.Middle = rt::Trim(files.InputField(file));
  record.YearFolder = rt::Trim(files.InputField(file));
  return record;
}

namespace {

// A value that holds a comma or a line end would fall apart when the package reads the file
// again, so it keeps the quotes it was read with; every other value is written bare.
void AppendValue(std::string& line, std::string_view value) {
  const bool quoted = value.find_first_of(",\r\n") != std::string_view::npos;
  if (quoted) line += '"';
  line += value;
  if (quoted) line += '"';
}

}  // namespace

std::string ShortcutLine(std::string_view name, const ShortcutRecord& record) {
  const std::string_view values[] = {name, record.Folder, record.Middle, record.YearFolder};
  std::string line;
  for (const std::string_view& value : values) {
    if (&value != &values[0]) line += ',';
    AppendValue(line, value);
  }
  return line;
}

bool FoldersSafeInBatch(std::string_view student_root, const ShortcutRecord& record) {
  for (std::string_view value :
       {student_root, std::string_view(record.Folder), std::string_view(record.Middle),
        std::string_view(record.YearFolder)}) {
    for (char c : value) {
      if (static_cast<unsigned char>(c) < 32 || c == 127) return false;
      if (std::string_view("&|<>^%\"").find(c) != std::string_view::npos) return false;
    }
  }
  return true;
}

std::string StudentFolder(std::string_view package_path, std::string_view student_root,
                          const ShortcutRecord& record) {
  std::string folder(package_path);
  for (std::string_view part : {student_root, std::string_view(record.YearFolder),
                                std::string_view(record.Middle), std::string_view(record.Folder)}) {
    folder += '\\';
    folder += part;
  }
  return folder;
}

std::string ResetRightsLine(std::string_view package_path) {
  return "a:\\xcacls " + rt::BatchArgument(package_path) +
         " /t /g administrators:F system:F everyone:R /Y";
}

std::string StudentRightsLine(std::string_view package_path, std::string_view student_root,
                              const ShortcutRecord& record, std::string_view login) {
  return "a:\\xcacls " + rt::BatchArgument(StudentFolder(package_path, student_root, record)) +
         " /t /g administrators:F system:F " + std::string(login) + ":RC everyone:R /Y";
}

}  // namespace grantor

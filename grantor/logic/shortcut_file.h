#pragma once
// The intranet package's shortcut file: records of four comma-separated values (display name,
// innermost folder, middle folder, year folder), and the lines the rewrite and the rights batch
// are made of.

#include <string>
#include <string_view>

#include "runtime/files.h"

namespace grantor {

struct ShortcutRecord {
  std::string Name;        // the student's display name, or a login once rewritten
  std::string Folder;      // innermost folder of the student's intranet folder
  std::string Middle;      // the folder above it
  std::string YearFolder;  // "year7", "kinder", ...

  bool operator==(const ShortcutRecord&) const = default;
};

// Reads the next record; each value loses its quotes and the spaces around it. A file whose
// values run out inside a record fails with error 62.
ShortcutRecord ReadShortcutRecord(rt::Files& files, rt::FileNumber file);

// The record as the rewritten file holds it, with name in place of the display name: the values
// joined by commas, bare unless one holds a comma or a line end.
std::string ShortcutLine(std::string_view name, const ShortcutRecord& record);

// Whether the student folder root and the record's folders can stand in a batch line as they
// are: a control character (a line end above all) or one of & | < > ^ % " would make the command
// interpreter run or redirect something other than xcacls, with the administrator's rights.
bool FoldersSafeInBatch(std::string_view student_root, const ShortcutRecord& record);

// The student's intranet folder: the package folder, the student folder root and the record's
// year, middle and innermost folders.
std::string StudentFolder(std::string_view package_path, std::string_view student_root,
                          const ShortcutRecord& record);

// The batch line that first resets the whole tree under the package folder. A path holding a
// blank is quoted in this line and the next.
std::string ResetRightsLine(std::string_view package_path);

// The batch line that gives one student change rights on his or her own folder, found under
// the package folder, the student folder root and the record's three folders.
std::string StudentRightsLine(std::string_view package_path, std::string_view student_root,
                              const ShortcutRecord& record, std::string_view login);

}  // namespace grantor

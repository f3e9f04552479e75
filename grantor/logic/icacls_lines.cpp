#include "grantor/logic/icacls_lines.h"

#include "runtime/text.h"

namespace grantor {

namespace {

// Grants that (OI)(CI) hand down to the files and folders below.
constexpr std::string_view kAdministrators = " \"administrators:(OI)(CI)F\"";
constexpr std::string_view kSystem = " \"system:(OI)(CI)F\"";
constexpr std::string_view kEveryone = " \"everyone:(OI)(CI)R\"";
// Errors on one file do not stop the rest of the tree; success messages would bury them.
constexpr std::string_view kContinueQuietly = " /c /q";

std::string GrantLine(std::string_view folder, std::string_view student_grant) {
  std::string line = "icacls " + rt::QuotedField(folder) + " /inheritance:r /grant:r";
  line += kAdministrators;
  line += kSystem;
  line += student_grant;
  line += kEveryone;
  line += kContinueQuietly;
  return line;
}

}  // namespace

std::vector<std::string> IcaclsResetLines(std::string_view package_path) {
  return {"icacls " + rt::QuotedField(package_path) + " /reset /t" + std::string(kContinueQuietly),
          GrantLine(package_path, "")};
}

std::string IcaclsStudentLine(std::string_view package_path, std::string_view student_root,
                              const ShortcutRecord& record, std::string_view login) {
  std::string folder(package_path);
  for (std::string_view part : {student_root, std::string_view(record.YearFolder),
                                std::string_view(record.Middle), std::string_view(record.Folder)}) {
    folder += '\\';
    folder += part;
  }
  return GrantLine(folder, " \"" + std::string(login) + ":(OI)(CI)M\"");
}

}  // namespace grantor

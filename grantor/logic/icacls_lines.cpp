#include "grantor/logic/icacls_lines.h"

#include "runtime/text.h"

namespace grantor {

namespace {

// Grants that (OI)(CI) hand down to the files and folders below: the Administrators group and
// SYSTEM full control, Everyone read, by their well-known identifiers.
constexpr std::string_view kAdministrators = " \"*S-1-5-32-544:(OI)(CI)F\"";
constexpr std::string_view kSystem = " \"*S-1-5-18:(OI)(CI)F\"";
constexpr std::string_view kEveryone = " \"*S-1-1-0:(OI)(CI)R\"";
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

bool ControlCharacter(char c) { return static_cast<unsigned char>(c) < 32 || c == 127; }

}  // namespace

bool NetbiosNameUsable(std::string_view domain) {
  if (domain.empty()) return false;
  for (char c : domain) {
    if (ControlCharacter(c) || std::string_view("\\/:*?\"<>|%").find(c) != std::string_view::npos) {
      return false;
    }
  }
  return true;
}

std::vector<std::string> IcaclsResetLines(std::string_view package_path) {
  return {"icacls " + rt::QuotedField(package_path) + " /reset /t" + std::string(kContinueQuietly),
          GrantLine(package_path, "")};
}

std::string IcaclsStudentLine(std::string_view package_path, std::string_view student_root,
                              const ShortcutRecord& record, std::string_view domain,
                              std::string_view login) {
  return GrantLine(StudentFolder(package_path, student_root, record),
                   " \"" + std::string(domain) + "\\" + std::string(login) + ":(OI)(CI)M\"");
}

}  // namespace grantor

#pragma once
// The rights tool's table of students, one entry per line of the student export, so that each
// entry keeps its line's number. The shortcut file is matched against it by display name and
// year folder; the matching entry gives the login that goes into the batch file.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/files.h"

namespace grantor {

// The most lines the table numbers; a student line beyond them stops the run (error 9).
inline constexpr std::size_t kStudentTableCapacity = 2000;

struct StudentEntry {
  // Surname, a space and the given name, as written in the export and trimmed.
  std::string DisplayName;
  // "presch", "kinder" or "year" followed by the scholastic year as written.
  std::string YearFolder;
  // The student's account name; empty for a skipped line and for a name that makes no login.
  std::string Login;
};

// Forms the login of the next student line of the export, given the surname and the given name
// as written (trimmed); nothing when the name cannot make a login. It is called once for every
// student line, in export order, so it can number namesakes.
using LoginMaker =
    std::function<std::optional<std::string>(std::string_view surname, std::string_view given)>;

// "presch" for P, "kinder" for K (either case), otherwise "year" and the year as written.
std::string YearFolderOf(std::string_view scholastic_year);

// Reads the export from where it stands to its end; entry i - 1 belongs to line i. A line
// whose "#" stands before "@", or "%" before "#", cannot be cut and stops the run (error 5); a
// line with a name but no "%" gets its display name only.
std::vector<StudentEntry> ReadStudentTable(rt::Files& files, rt::FileNumber student_export,
                                           const LoginMaker& make_login);

}  // namespace grantor

#include "grantor/logic/student_table.h"

#include "runtime/error.h"
#include "runtime/text.h"
#include "school/student_export_reader.h"
#include "school/student_line.h"

namespace grantor {

std::string YearFolderOf(std::string_view scholastic_year) {
  const std::string year = rt::ToLower1252(scholastic_year);
  if (year == "p") return "presch";
  if (year == "k") return "kinder";
  return "year" + std::string(scholastic_year);
}

std::vector<StudentEntry> ReadStudentTable(rt::Files& files, rt::FileNumber student_export,
                                           const LoginMaker& make_login) {
  std::vector<StudentEntry> table;
  school::StudentExportReader reader(files, student_export);
  std::string line;
  while (reader.Next(line)) {
    const bool has_name = rt::FindFirst(rt::Trim(line), "@") > 1;
    if (has_name && table.size() >= kStudentTableCapacity) {
      throw rt::RuntimeError(rt::kSubscriptOutOfRange);
    }
    // Lines past the table that hold no name are skipped without an entry: none would match.
    if (table.size() >= kStudentTableCapacity) continue;
    StudentEntry& entry = table.emplace_back();
    if (!has_name) continue;
    const school::StudentLine cut = school::ParseStudentLine(line, school::LineReading::kNameFirst);
    if (cut.Kind == school::LineKind::kOutOfOrder) {
      throw rt::RuntimeError(rt::kInvalidProcedureCall);
    }
    if (cut.Kind == school::LineKind::kNotStudent) continue;
    const school::StudentRecord& student = cut.Record;
    entry.DisplayName = student.Surname + " " + student.PreferredName;
    if (cut.Kind == school::LineKind::kNameOnly) continue;
    entry.YearFolder = YearFolderOf(student.ScholasticYear);
    if (auto login = make_login(student.Surname, student.PreferredName)) {
      entry.Login = std::move(*login);
    }
  }
  return table;
}

}  // namespace grantor

#include "grantor/logic/student_table.h"

#include "runtime/error.h"
#include "runtime/text.h"

namespace grantor {

namespace {

// The characters strictly between two 1-based positions; the positions must be in order.
std::string Between(std::string_view line, std::size_t open, std::size_t close) {
  if (close < open) throw rt::RuntimeError(rt::kInvalidProcedureCall);
  return rt::Trim(rt::Mid(line, open + 1, close - open - 1));
}

}  // namespace

ExportLine CutExportLine(std::string_view raw_line) {
  const std::string line = rt::Trim(raw_line);
  ExportLine cut;
  const std::size_t at = rt::FindFirst(line, "@");
  if (at <= 1) return cut;
  const std::size_t hash = rt::FindFirst(line, "#");
  if (hash == 0) return cut;
  cut.Surname = rt::Trim(rt::Left(line, at - 1));
  cut.GivenName = Between(line, at, hash);
  cut.DisplayName = cut.Surname + " " + cut.GivenName;
  const std::size_t percent = rt::FindFirst(line, "%");
  if (percent == 0) return cut;
  cut.ScholasticYear = Between(line, hash, percent);
  cut.IsStudent = true;
  return cut;
}

std::string YearFolderOf(std::string_view scholastic_year) {
  const std::string year = rt::ToLower1252(scholastic_year);
  if (year == "p") return "presch";
  if (year == "k") return "kinder";
  return "year" + std::string(scholastic_year);
}

std::vector<StudentEntry> ReadStudentTable(rt::Files& files, rt::FileNumber student_export,
                                           const LoginMaker& make_login) {
  std::vector<StudentEntry> table;
  while (!files.AtEnd(student_export)) {
    const std::string line = files.LineInput(student_export);
    const bool has_name = rt::FindFirst(rt::Trim(line), "@") > 1;
    if (has_name && table.size() >= kStudentTableCapacity) {
      throw rt::RuntimeError(rt::kSubscriptOutOfRange);
    }
    // Lines past the table that hold no name are skipped without an entry: none would match.
    if (table.size() >= kStudentTableCapacity) continue;
    StudentEntry& entry = table.emplace_back();
    if (!has_name) continue;
    const ExportLine cut = CutExportLine(line);
    entry.DisplayName = cut.DisplayName;
    if (!cut.IsStudent) continue;
    entry.YearFolder = YearFolderOf(cut.ScholasticYear);
    if (auto login = make_login(cut.Surname, cut.GivenName)) entry.Login = std::move(*login);
  }
  return table;
}

}  // namespace grantor

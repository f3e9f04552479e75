#pragma once
// The files through which the programs of the procedure hand their work to one another: the
// student export that the administration system writes to the floppy disk, the export of the
// directory's accounts that the wizard has made, the account rows that the generator writes and
// the workbook the administrator saves from them, or the directory entries that ldifde imports,
// for the wizard's next step.

#include <cstdint>
#include <string_view>

namespace school {

inline constexpr std::string_view kStudentExportPath = "A:\\school.txt";
// A student export shorter than this was not exported correctly.
inline constexpr std::uint64_t kMinimumStudentExportBytes = 100;

inline constexpr std::string_view kDirectoryExportPath = "C:\\exportad.csv";
inline constexpr std::string_view kAccountRowsPath = "c:\\addusers.csv";
inline constexpr std::string_view kWorkbookPath = "c:\\addusers.xls";
inline constexpr std::string_view kLdifPath = "c:\\addusers.ldf";

}  // namespace school

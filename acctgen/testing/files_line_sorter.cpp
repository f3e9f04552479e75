#include "acctgen/testing/files_line_sorter.h"

#include <string>

#include "acctgen/sortlib/line_sort.h"
#include "runtime/error.h"

namespace acctgen::testing {

std::int16_t FilesLineSorter::SortFile(std::string_view arguments) {
  const auto parsed = cmsort::ParseSortArguments(arguments);
  if (!parsed) throw rt::RuntimeError(rt::kInvalidProcedureCall, "SortFile arguments");

  // Whole input first: the output may not be written before every line is read.
  std::string bytes;
  const rt::FileNumber input = files_.OpenInput(parsed->input);
  while (!files_.AtEnd(input)) {
    bytes += files_.LineInput(input);
    bytes += '\n';
  }
  files_.Close(input);

  const rt::FileNumber output = files_.OpenOutput(parsed->output);
  files_.Print(output, cmsort::SortedText(bytes));
  files_.Close(output);
  return 0;
}

}  // namespace acctgen::testing

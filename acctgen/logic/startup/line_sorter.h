#pragma once
// The outside line sort that start-up calls once: SortFile of CMSortLib.dll on Windows, the
// same sort in-process for native tests (acctgen/testing/files_line_sorter.h).

#include <cstdint>
#include <string_view>

namespace acctgen {

// The one argument start-up passes: sort the intermediate file into the sorted file.
inline constexpr std::string_view kSortArguments = "/T=TMP c:\\exportad.srt c:\\exprtad2.csv";

class LineSorter {
 public:
  virtual ~LineSorter() = default;
  // Sorts the lines of the input file into the output file, as SortFile does; the result is
  // the library's, which start-up ignores. A sorter that cannot be reached raises 53.
  virtual std::int16_t SortFile(std::string_view arguments) = 0;
};

}  // namespace acctgen

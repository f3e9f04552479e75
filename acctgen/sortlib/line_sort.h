#pragma once
// The line sort behind CMSortLib.dll's SortFile: its argument string and the sort itself,
// portable so that the program's native build sorts the same way.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cmsort {

struct SortArguments {
  std::string input;
  std::string output;
};

// "/T=TMP c:\exportad.srt c:\exprtad2.csv": options start with a slash and are ignored; the
// first two other words are the input and the output file. Nothing when either is missing.
std::optional<SortArguments> ParseSortArguments(std::string_view arguments);

// The lines of a text; a line ends at CR LF, a lone CR or a lone LF, and a last line without a
// line end still counts. An empty text has no lines.
std::vector<std::string_view> SplitLines(std::string_view bytes);

// Sorts in ascending byte order of the whole line (bytes compared as unsigned).
void SortLines(std::vector<std::string_view>& lines);

// The lines of bytes, sorted, each ended by CR LF.
std::string SortedText(std::string_view bytes);

}  // namespace cmsort

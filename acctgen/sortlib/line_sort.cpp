#include "acctgen/sortlib/line_sort.h"

#include <algorithm>

namespace cmsort {

std::optional<SortArguments> ParseSortArguments(std::string_view arguments) {
  std::vector<std::string> words;
  std::size_t pos = 0;
  while (pos < arguments.size()) {
    while (pos < arguments.size() && (arguments[pos] == ' ' || arguments[pos] == '\t')) ++pos;
    const std::size_t start = pos;
    while (pos < arguments.size() && arguments[pos] != ' ' && arguments[pos] != '\t') ++pos;
    if (pos > start && arguments[start] != '/') {
      words.emplace_back(arguments.substr(start, pos - start));
    }
  }
  if (words.size() < 2) return std::nullopt;
  return SortArguments{words[0], words[1]};
}

std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.push_back(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

void SortLines(std::vector<std::string_view>& lines) {
  // string_view compares through char_traits<char>, which orders bytes as unsigned char.
  std::sort(lines.begin(), lines.end());
}

std::string SortedText(std::string_view bytes) {
  std::vector<std::string_view> lines = SplitLines(bytes);
  SortLines(lines);
  std::size_t size = 0;
  for (std::string_view line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (std::string_view line : lines) {
    text.append(line);
    text.append("\r\n");
  }
  return text;
}

}  // namespace cmsort

#pragma once
// A text made of pieces with nothing between them, in one allocation. Writers use it instead of
// chains of operator+, which also spares MinGW's false -Wrestrict warning on such chains.

#include <initializer_list>
#include <string>
#include <string_view>

namespace rt {

inline std::string Concat(std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (std::string_view piece : pieces) size += piece.size();
  std::string text;
  text.reserve(size);
  for (std::string_view piece : pieces) text.append(piece);
  return text;
}

}  // namespace rt

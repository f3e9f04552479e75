#pragma once
// A Windows-1252 text saved again as UTF-8, as an editor of today saves it: the twin of a test
// file. Its own table of the code page, written from the code page's chart, so that a mistake in
// the programs' table shows.

#include <array>
#include <string>
#include <string_view>

namespace school::testing {

inline void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The character of a Windows-1252 byte; the five bytes the code page leaves out keep their
// Latin-1 control code.
inline char32_t CharacterOf1252(unsigned char b) {
  // € ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž ‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ
  static constexpr std::array<char32_t, 32> kRow8And9 = {
      U'€', 0x81, U'‚', U'ƒ', U'„', U'…', U'†', U'‡', U'ˆ', U'‰', U'Š',
      U'‹', U'Œ', 0x8D, U'Ž', 0x8F, 0x90, U'‘', U'’', U'“', U'”', U'•',
      U'–', U'—', U'˜', U'™', U'š', U'›', U'œ', 0x9D, U'ž', U'Ÿ'};
  return b >= 0x80 && b <= 0x9F ? kRow8And9[b - 0x80] : b;
}

inline std::string SavedAsUtf8(std::string_view text, bool byte_order_mark) {
  std::string out = byte_order_mark ? "\xEF\xBB\xBF" : "";
  for (char c : text) AppendUtf8(out, CharacterOf1252(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace school::testing

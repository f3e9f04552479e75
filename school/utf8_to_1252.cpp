#include "school/utf8_to_1252.h"

#include <array>
#include <cstddef>

namespace school {
namespace {

constexpr char kMissing = '?';

// The characters that Windows-1252 puts at 0x80 to 0x9F, where Latin-1 has control codes;
// 0 where the code page has none.
constexpr std::array<char32_t, 32> kHighControlRow = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Windows-1252 byte of a character, or the missing mark.
char ByteOf(char32_t character) {
  if (character >= 0xA0 && character <= 0xFF) return static_cast<char>(character);
  if (character >= 0x100) {
    for (std::size_t i = 0; i < kHighControlRow.size(); ++i) {
      if (kHighControlRow[i] == character) return static_cast<char>(0x80 + i);
    }
  }
  return kMissing;  // U+0080 to U+009F, and everything the code page lacks
}

struct Decoded {
  char32_t character = 0;
  std::size_t length = 1;  // the bytes taken: the sequence, or the stretch that is no UTF-8
  bool valid = false;
};

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The sequence that starts at text[at], a byte of 0x80 or above.
Decoded DecodeAt(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  char32_t character = 0;
  // The range of the second byte: narrower after some leads, which rules out overlong forms,
  // surrogates and characters beyond U+10FFFF.
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    character = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    character = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    character = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return {};  // a continuation byte without a lead, or a byte UTF-8 never uses
  }
  Decoded decoded;
  for (std::size_t i = 1; i < length; ++i) {
    if (at + i >= text.size()) return decoded;
    const auto b = static_cast<unsigned char>(text[at + i]);
    if (i == 1 ? (b < low || b > high) : !IsContinuation(b)) return decoded;
    character = (character << 6) | (b & 0x3F);
    decoded.length = i + 1;  // a cut sequence is one stretch, marked once
  }
  decoded.character = character;
  decoded.valid = true;
  return decoded;
}

}  // namespace

bool IsAscii(std::string_view text) {
  unsigned char any = 0;
  for (char c : text) any |= static_cast<unsigned char>(c);
  return any < 0x80;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      ++at;
      continue;
    }
    const Decoded decoded = DecodeAt(text, at);
    if (!decoded.valid) return false;
    at += decoded.length;
  }
  return true;
}

void Utf8To1252(std::string& text) {
  std::size_t out = 0;
  for (std::size_t at = 0; at < text.size();) {
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      text[out++] = text[at++];
      continue;
    }
    const Decoded decoded = DecodeAt(text, at);
    text[out++] = decoded.valid ? ByteOf(decoded.character) : kMissing;
    at += decoded.length;
  }
  text.resize(out);
}

}  // namespace school

#include "school/transliteration.h"

namespace school {
namespace {

// The ASCII spelling of one Windows-1252 byte, or nullptr when the byte stays as it is.
const char* AsciiSpelling(unsigned char b) {
  switch (b) {
    case 0x8A:
      return "S";  // Š
    case 0x8C:
      return "OE";  // Œ
    case 0x8E:
      return "Z";  // Ž
    case 0x9A:
      return "s";  // š
    case 0x9C:
      return "oe";  // œ
    case 0x9E:
      return "z";  // ž
    case 0x9F:
      return "Y";  // Ÿ
    case 0xC6:
      return "AE";  // Æ
    case 0xC7:
      return "C";  // Ç
    case 0xD0:
      return "D";  // Ð
    case 0xD1:
      return "N";  // Ñ
    case 0xD8:
      return "O";  // Ø
    case 0xDD:
      return "Y";  // Ý
    case 0xDE:
      return "TH";  // Þ
    case 0xDF:
      return "ss";  // ß
    case 0xE6:
      return "ae";  // æ
    case 0xE7:
      return "c";  // ç
    case 0xF0:
      return "d";  // ð
    case 0xF1:
      return "n";  // ñ
    case 0xF8:
      return "o";  // ø
    case 0xFD:
      return "y";  // ý
    case 0xFE:
      return "th";  // þ
    case 0xFF:
      return "y";  // ÿ
    default:
      break;
  }
  if (b >= 0xC0 && b <= 0xC5) return "A";
  if (b >= 0xC8 && b <= 0xCB) return "E";
  if (b >= 0xCC && b <= 0xCF) return "I";
  if (b >= 0xD2 && b <= 0xD6) return "O";
  if (b >= 0xD9 && b <= 0xDC) return "U";
  if (b >= 0xE0 && b <= 0xE5) return "a";
  if (b >= 0xE8 && b <= 0xEB) return "e";
  if (b >= 0xEC && b <= 0xEF) return "i";
  if (b >= 0xF2 && b <= 0xF6) return "o";
  if (b >= 0xF9 && b <= 0xFC) return "u";
  return nullptr;
}

}  // namespace

std::string TransliterateToAscii(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (char c : name) {
    const auto b = static_cast<unsigned char>(c);
    // Plain ASCII, the common case, stays without a look-up.
    if (const char* spelling = b < 0x80 ? nullptr : AsciiSpelling(b)) {
      out += spelling;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace school

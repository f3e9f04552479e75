#pragma once
// Text saved as UTF-8 turned into the Windows-1252 bytes the programs work in.

#include <string>
#include <string_view>

namespace school {

// The bytes EF BB BF with which editors mark a file as UTF-8.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsAscii(std::string_view text);

// Every byte belongs to a well-formed UTF-8 sequence: no stray continuation byte, no cut or
// overlong sequence, no surrogate, nothing beyond U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Turns UTF-8 into Windows-1252 in place (a character never takes more bytes in 1252). A
// character that Windows-1252 lacks, and each stretch of bytes that is no valid UTF-8, becomes
// "?": a name keeps its other letters and the mark shows where the character stood.
void Utf8To1252(std::string& text);

}  // namespace school

#pragma once
// Letters of names turned into plain ASCII for logins, so that the command interpreter (which
// reads batch files in the OEM code page) and the directory see the same account name.

#include <string>
#include <string_view>

namespace school {

// Every accented Latin letter of Windows-1252 becomes its base letter (à á â ã ä å to a, ç to c,
// ð to d, ñ to n, ø to o, ý ÿ to y, š to s, ž to z), the ligatures and special letters their
// spelled-out forms (æ to ae, œ to oe, þ to th, ß to ss), capitals likewise in capitals; every
// other byte stays as it is.
std::string TransliterateToAscii(std::string_view name);

}  // namespace school

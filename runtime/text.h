#pragma once
// Text helpers on Windows-1252 bytes. Nothing here consults the host's locale.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rt {

inline constexpr std::string_view kCrLf = "\r\n";

// Removes leading and trailing spaces (code 32) only; tabs and other blanks stay.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// Case mapping by the Windows-1252 table: A-Z, the accented Latin-1 letters, Š/š, Œ/œ, Ž/ž, Ÿ/ÿ.
char ToLower1252(char c);
char ToUpper1252(char c);
std::string ToLower1252(std::string_view text);
std::string ToUpper1252(std::string_view text);
// Case-insensitive equality by the same table.
bool EqualsIgnoreCase1252(std::string_view a, std::string_view b);

// Position (counting from 1) of the first occurrence of needle in haystack at or after position
// start; 0 when there is none. An empty needle is found at start (when start is within the text).
std::size_t FindFirst(std::string_view haystack, std::string_view needle, std::size_t start = 1);

// Up to length characters from position start (counting from 1); fewer where the text ends sooner.
std::string Mid(std::string_view text, std::size_t start,
                std::size_t length = std::string_view::npos);
std::string Left(std::string_view text, std::size_t length);
std::string Right(std::string_view text, std::size_t length);

// A field for the delimited-field reader, or an argument of a batch-file command line, that
// stays one whatever it holds: enclosed in double quotes, without the double quotes of its own
// (the reader, like the command interpreter, ends a quoted text at the next one).
std::string QuotedField(std::string_view value);
// An argument of a batch-file command line: as it is when the command interpreter would take it
// whole, else quoted (a blank or one of & | < > ^ ( ) , ; = would split or redirect the command).
// Quoting cannot guard a percent sign, which the interpreter expands even inside quotes.
std::string BatchArgument(std::string_view value);
// Whether a name can stand in double quotes on a batch-file line as it is: a double quote would
// end the quotes, a percent sign be expanded, a control character end the line.
bool SafeInQuotes(std::string_view name);

// The numeric prefix of a text: "7B" gives 7, "K" gives 0, " 12" gives 12, "-3x" gives -3.
// Leading blanks are ignored; an optional sign may precede the digits.
std::int64_t NumericPrefix(std::string_view text);

// A whole number written with a sign position: " 75" for 75, "-3" for -3, " 0" for 0.
std::string NumberWithSign(std::int64_t value);
// A whole number in plain decimal digits: "75", "-3".
std::string NumberText(std::int64_t value);

}  // namespace rt

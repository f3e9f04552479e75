#include "runtime/text.h"

#include <algorithm>

namespace rt {

std::string TrimLeft(std::string_view text) {
  std::size_t first = 0;
  while (first < text.size() && text[first] == ' ') ++first;
  return std::string(text.substr(first));
}

std::string TrimRight(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  return std::string(text.substr(0, end));
}

std::string Trim(std::string_view text) {
  std::size_t first = 0;
  std::size_t end = text.size();
  while (first < end && text[first] == ' ') ++first;
  while (end > first && text[end - 1] == ' ') --end;
  return std::string(text.substr(first, end - first));
}

char ToLower1252(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
  switch (b) {
    case 0x8A:  // Š
    case 0x8C:  // Œ
    case 0x8E:  // Ž
      return static_cast<char>(b + 0x10);
    case 0x9F:  // Ÿ
      return static_cast<char>(0xFF);
    default:
      break;
  }
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 0x20);
  return c;
}

char ToUpper1252(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
  switch (b) {
    case 0x9A:  // š
    case 0x9C:  // œ
    case 0x9E:  // ž
      return static_cast<char>(b - 0x10);
    case 0xFF:  // ÿ
      return static_cast<char>(0x9F);
    default:
      break;
  }
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
  return c;
}

std::string ToLower1252(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = ToLower1252(c);
  return out;
}

std::string ToUpper1252(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = ToUpper1252(c);
  return out;
}

bool EqualsIgnoreCase1252(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return ToLower1252(x) == ToLower1252(y);
         });
}

std::size_t FindFirst(std::string_view haystack, std::string_view needle, std::size_t start) {
  if (start == 0) start = 1;
  if (start > haystack.size() + 1) return 0;
  const std::size_t at = haystack.find(needle, start - 1);
  return at == std::string_view::npos ? 0 : at + 1;
}

std::string Mid(std::string_view text, std::size_t start, std::size_t length) {
  if (start == 0) start = 1;
  if (start > text.size()) return {};
  return std::string(text.substr(start - 1, length));
}

std::string Left(std::string_view text, std::size_t length) {
  return std::string(text.substr(0, std::min(length, text.size())));
}

std::string Right(std::string_view text, std::size_t length) {
  if (length >= text.size()) return std::string(text);
  return std::string(text.substr(text.size() - length));
}

std::int64_t NumericPrefix(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = 922337203685477580;  // keeps value * 10 + 9 in range
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    if (value < kLimit) value = value * 10 + (text[i] - '0');
    ++i;
  }
  return negative ? -value : value;
}

std::string NumberText(std::int64_t value) { return std::to_string(value); }

std::string NumberWithSign(std::int64_t value) {
  std::string text(1, ' ');
  text.append(std::to_string(value));
  return value < 0 ? text.substr(1) : text;
}

std::string QuotedField(std::string_view value) {
  std::string quoted = "\"";
  for (char c : value) {
    if (c != '"') quoted.push_back(c);
  }
  quoted.push_back('"');
  return quoted;
}

std::string BatchArgument(std::string_view value) {
  if (value.find_first_of(" \t&|<>^(),;=\"") == std::string_view::npos) return std::string(value);
  return QuotedField(value);
}

bool SafeInQuotes(std::string_view name) {
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 32 || c == 127 || c == '"' || c == '%') return false;
  }
  return true;
}

}  // namespace rt

#include "acctgen/logic/students/leaving_year.h"

#include <algorithm>

#include "runtime/text.h"

namespace acctgen {
namespace {

// Decimal digits of a value that may lie just beyond the range of int64.
std::string Decimal(__int128 value) {
  const bool negative = value < 0;
  std::string digits;
  do {
    const int digit = static_cast<int>(value % 10);
    digits += static_cast<char>('0' + (negative ? -digit : digit));
    value /= 10;
  } while (value != 0);
  if (negative) digits += '-';
  std::reverse(digits.begin(), digits.end());
  return digits;
}

}  // namespace

std::string ComputeLeavingYear(std::string_view current_year, int final_year,
                               std::string_view scholastic_year) {
  // A scholastic year of nineteen digits would overflow int64 here.
  const __int128 year = static_cast<__int128>(rt::NumericPrefix(current_year)) + final_year -
                        rt::NumericPrefix(scholastic_year);
  return Decimal(year);
}

}  // namespace acctgen

#include "acctgen/logic/students/passwords.h"

#include <cmath>

#include "runtime/text.h"

namespace acctgen {
namespace {

// floor(r * range), drawn again until it lies in [low, high]: each value there equally likely.
int DrawIn(rt::RandomSource& random, int range, int low, int high) {
  for (;;) {
    const int x = static_cast<int>(std::floor(random.Next() * range));
    if (x >= low && x <= high) return x;
  }
}

}  // namespace

std::string MakeUniquePassword(rt::RandomSource& random) {
  std::string password;
  for (int i = 0; i < 3; ++i) password += static_cast<char>(DrawIn(random, 123, 'a', 'z'));
  for (int i = 0; i < 3; ++i) password += static_cast<char>('0' + DrawIn(random, 10, 0, 9));
  return password;
}

std::string CommonPassword(const Options& options) {
  return rt::Trim(rt::ToLower1252(options.common_password));
}

}  // namespace acctgen

#include "acctgen/logic/batch_files/archive_name.h"

#include "runtime/text.h"

namespace acctgen {

namespace {

// The number's digits, led by zeros to at least width characters (as printf's %0*d). Plain
// code: the formatted printing of the C library would add some 25 KB to the program.
std::string Padded(int value, std::size_t width) {
  std::string digits = rt::NumberText(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

}  // namespace

std::string ArchiveName(const rt::DateTime& now) {
  return "accounts" + Padded(now.year, 4) + "-" + Padded(now.month, 2) + "-" + Padded(now.day, 2) +
         "-" + Padded(now.second, 2) + ".xls";
}

}  // namespace acctgen

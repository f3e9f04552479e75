#include "acctgen/logic/archive_name.h"

#include <cstdio>

namespace acctgen {

std::string ArchiveName(const rt::DateTime& now) {
  char text[64];
  std::snprintf(text, sizeof text, "accounts%04d-%02d-%02d-%02d.xls", now.year, now.month, now.day,
                now.second);
  return text;
}

}  // namespace acctgen

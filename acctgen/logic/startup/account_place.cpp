#include "acctgen/logic/startup/account_place.h"

#include <algorithm>
#include <vector>

#include "runtime/text.h"

namespace acctgen {

namespace {

// The parts of a distinguished name between its commas; an escaped comma ("\,") stays in its
// part.
std::vector<std::string_view> Parts(std::string_view dn) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i < dn.size(); ++i) {
    if (dn[i] == '\\') {
      ++i;
    } else if (dn[i] == ',') {
      parts.push_back(dn.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(dn.substr(start));
  return parts;
}

bool IsYear(std::string_view text) {
  return text.size() == 4 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

AccountPlace PlaceOf(std::string_view exported_dn) {
  // An empty part stands for the "CN=" that the export wrote as a comma before the next part.
  std::vector<std::string> parts;
  const std::vector<std::string_view> written = Parts(exported_dn);
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (written[i].empty() && i + 1 < written.size()) {
      parts.push_back("CN=" + std::string(written[++i]));
    } else if (!written[i].empty()) {
      parts.emplace_back(written[i]);
    }
  }
  AccountPlace place;
  if (parts.empty()) return place;
  place.rdn = parts[0];
  for (std::size_t i = 1; i < parts.size(); ++i) {
    if (i > 1) place.parent += ',';
    place.parent += parts[i];
  }
  if (parts.size() > 2 && rt::EqualsIgnoreCase1252(parts[1].substr(0, 3), "OU=") &&
      IsYear(std::string_view(parts[1]).substr(3)) &&
      rt::EqualsIgnoreCase1252(parts[2], "OU=Leavers")) {
    place.leavers_year = parts[1].substr(3);
  }
  return place;
}

bool MayBeInLeaversUnit(std::string_view exported_dn) {
  for (std::size_t at = exported_dn.find('='); at != std::string_view::npos;
       at = exported_dn.find('=', at + 1)) {
    if (rt::EqualsIgnoreCase1252(exported_dn.substr(at + 1, 8), "Leavers,")) return true;
  }
  return false;
}

}  // namespace acctgen

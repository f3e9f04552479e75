#include "acctgen/logic/startup/account_place.h"

#include <algorithm>

#include "runtime/text.h"

namespace acctgen {

namespace {

bool IsYear(std::string_view text) {
  return text.size() == 4 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

AccountPlace PlaceOf(std::string_view exported_dn) {
  AccountPlace place;
  place.parent.reserve(exported_dn.size() + 16);
  // Where the first two parts of the parent stand in it, for the Leavers test.
  std::size_t unit_start[2] = {0, 0}, unit_size[2] = {0, 0};
  int parts = 0;
  bool common_name = false;  // an empty part stood for the "CN=" of the next
  const auto take = [&](std::string_view part) {
    if (part.empty() && !common_name) {
      common_name = true;
      return;
    }
    std::string& into = parts == 0 ? place.rdn : place.parent;
    if (parts > 1) into += ',';
    const std::size_t start = into.size();
    if (common_name) into += "CN=";
    into += part;
    if (parts == 1 || parts == 2) {
      unit_start[parts - 1] = start;
      unit_size[parts - 1] = into.size() - start;
    }
    common_name = false;
    ++parts;
  };
  // The parts between the commas; an escaped comma ("\,") stays in its part.
  std::size_t start = 0;
  for (std::size_t i = 0; i < exported_dn.size(); ++i) {
    if (exported_dn[i] == '\\') {
      ++i;
    } else if (exported_dn[i] == ',') {
      take(exported_dn.substr(start, i - start));
      start = i + 1;
    }
  }
  take(exported_dn.substr(start));
  const std::string_view parent = place.parent;
  const std::string_view year_unit = parent.substr(unit_start[0], unit_size[0]);
  if (parts > 2 && rt::EqualsIgnoreCase1252(year_unit.substr(0, 3), "OU=") &&
      IsYear(year_unit.substr(3)) &&
      rt::EqualsIgnoreCase1252(parent.substr(unit_start[1], unit_size[1]), "OU=Leavers")) {
    place.leavers_year = year_unit.substr(3);
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

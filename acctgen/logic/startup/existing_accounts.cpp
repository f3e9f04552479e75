#include "acctgen/logic/startup/existing_accounts.h"

#include "runtime/text.h"

namespace acctgen {

ExportColumns ExportColumnsOf(const std::array<std::string, 4>& header) {
  int given = 0, login = 0, surname = 0;
  for (int i = 1; i < 4; ++i) {
    const std::string name = rt::Trim(header[i]);
    if (rt::EqualsIgnoreCase1252(name, "givenName")) given = i;
    if (rt::EqualsIgnoreCase1252(name, "sAMAccountName")) login = i;
    if (rt::EqualsIgnoreCase1252(name, "sn")) surname = i;
  }
  if (given == 0 || login == 0 || surname == 0) return {};
  return {given, login, surname};
}

std::string OuClass(std::string_view distinguished_name) {
  const std::size_t p = rt::FindFirst(distinguished_name, "OU=");
  const std::string unit = rt::Mid(distinguished_name, p + 3, 4);
  if (unit == "Stud") return "Students";
  if (unit == "Scho") return "School";
  if (!unit.empty() && unit[0] == '2') return unit;
  return "Invalid";
}

namespace {
std::string CsvField(std::string_view value) {
  if (value.find(',') == std::string_view::npos) return std::string(value);
  return rt::QuotedField(value);
}
}  // namespace

std::string IntermediateLine(std::string_view field2, std::string_view field3,
                             std::string_view field4, std::string_view ou_class) {
  std::string line = CsvField(field4);
  line += ',';
  line += CsvField(field2);
  line += ',';
  line += CsvField(field3);
  line += ",\"";
  line += ou_class;
  line += '"';
  return line;
}

}  // namespace acctgen

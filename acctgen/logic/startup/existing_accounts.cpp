#include "acctgen/logic/startup/existing_accounts.h"

#include <algorithm>

#include "runtime/text.h"

namespace acctgen {

ExportColumns ExportColumnsOf(const std::vector<std::string>& header) {
  ExportColumns columns;
  columns.count = static_cast<int>(header.size());
  int given = 0, login = 0, surname = 0;
  for (int i = 1; i < columns.count; ++i) {
    const std::string name = rt::Trim(header[i]);
    if (rt::EqualsIgnoreCase1252(name, "givenName")) given = i;
    if (rt::EqualsIgnoreCase1252(name, "sAMAccountName")) login = i;
    if (rt::EqualsIgnoreCase1252(name, "sn")) surname = i;
    if (rt::EqualsIgnoreCase1252(name, "description")) columns.description = i;
    if (rt::EqualsIgnoreCase1252(name, "userAccountControl")) columns.account_control = i;
    if (rt::EqualsIgnoreCase1252(name, "homeDirectory")) columns.home_directory = i;
  }
  if (given != 0 && login != 0 && surname != 0) {
    columns.given_name = given;
    columns.login = login;
    columns.surname = surname;
  }
  return columns;
}

std::vector<std::string> HeaderFields(std::string_view line) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    while (start < line.size() && blank(line[start])) ++start;
    std::size_t end;
    std::string_view field;
    if (start < line.size() && line[start] == '"') {
      const std::size_t close = std::min(line.find('"', start + 1), line.size());
      field = line.substr(start + 1, close - start - 1);
      end = line.find(',', close);  // what stands between the quote and the comma is dropped
    } else {
      end = line.find(',', start);
      field = line.substr(start, end == line.npos ? line.npos : end - start);
      while (!field.empty() && blank(field.back())) field.remove_suffix(1);
    }
    fields.emplace_back(field);
    if (end == line.npos) return fields;
    start = end + 1;
  }
}

bool IsStudentDescription(std::string_view description) {
  return rt::EqualsIgnoreCase1252(rt::Trim(description), "Student");
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
// A line end inside a field would split the line that the sort orders: it becomes a blank.
std::string OnOneLine(std::string_view value) {
  std::string field(value);
  for (char& c : field) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return field;
}

// A field that reads back as one: a comma, or a double quote where the field starts, would end
// or open the field, so the field goes in double quotes.
std::string CsvField(std::string_view value) {
  std::string field = OnOneLine(value);
  const std::size_t first = field.find_first_not_of(" \t");
  if (field.find(',') == std::string::npos && (first == std::string::npos || field[first] != '"')) {
    return field;
  }
  return rt::QuotedField(field);
}
}  // namespace

std::string IntermediateLine(std::string_view field2, std::string_view field3,
                             std::string_view field4, std::string_view ou_class,
                             std::size_t record) {
  std::string line = CsvField(field4);
  line += ',';
  line += CsvField(field2);
  line += ',';
  line += CsvField(field3);
  line += ",\"";
  line += OnOneLine(ou_class);
  line += "\",";
  line += std::to_string(record);
  return line;
}

}  // namespace acctgen

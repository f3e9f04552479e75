#pragma once
// The directory export of the accounts that already exist, as start-up turns it into the
// intermediate file that the line sort orders.

#include <array>
#include <string>
#include <string_view>

namespace acctgen {

inline constexpr std::string_view kIntermediatePath = "C:\\exportad.srt";
inline constexpr std::string_view kSortedExportPath = "C:\\exprtad2.csv";

// Where the export's attributes stand among the four fields of a record (0 is the
// distinguished name). The export tool chooses the order of the three attributes; its header
// names them. A header that names sAMAccountName, sn and givenName (any order, any case) is
// followed; any other leaves the login in field 3, with given name and surname beside it.
struct ExportColumns {
  int given_name = 1;
  int login = 2;
  int surname = 3;
};
ExportColumns ExportColumnsOf(const std::array<std::string, 4>& header);

// The OU class of an account from its distinguished name (in which every "CN=" stands replaced
// by ","): "Students", "School", a leaving year such as "2007", or "Invalid".
std::string OuClass(std::string_view distinguished_name);

// The intermediate line of one export record: field 4, field 2, field 3 and the OU class in
// double quotes, separated by commas. A field holding a comma is enclosed in double quotes so
// that the line still reads back as four fields.
std::string IntermediateLine(std::string_view field2, std::string_view field3,
                             std::string_view field4, std::string_view ou_class);

}  // namespace acctgen

#pragma once
// The directory export of the accounts that already exist, as start-up turns it into the
// intermediate file that the line sort orders.

#include <string>
#include <string_view>

namespace acctgen {

inline constexpr std::string_view kIntermediatePath = "C:\\exportad.srt";
inline constexpr std::string_view kSortedExportPath = "C:\\exprtad2.csv";

// The OU class of an account from its distinguished name (in which every "CN=" stands replaced
// by ","): "Students", "School", a leaving year such as "2007", or "Invalid".
std::string OuClass(std::string_view distinguished_name);

// The intermediate line of one export record: field 4, field 2, field 3 and the OU class in
// double quotes, separated by commas. A field holding a comma is enclosed in double quotes so
// that the line still reads back as four fields.
std::string IntermediateLine(std::string_view field2, std::string_view field3,
                             std::string_view field4, std::string_view ou_class);

}  // namespace acctgen

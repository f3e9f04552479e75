#pragma once
// The directory export of the accounts that already exist, as start-up turns it into the
// intermediate file that the line sort orders.

#include <string>
#include <string_view>
#include <vector>

namespace acctgen {

inline constexpr std::string_view kIntermediatePath = "C:\\exportad.srt";
inline constexpr std::string_view kSortedExportPath = "C:\\exprtad2.csv";

// Where the export's attributes stand among the fields of a record (0 is the distinguished
// name). The export tool chooses the order of the attributes; its header names them. A header
// that names sAMAccountName, sn and givenName (any order, any case) is followed; any other
// leaves the login in field 3, with given name and surname beside it. Step 1 exports every user
// account with its description; an export without a description column lists students alone.
struct ExportColumns {
  int given_name = 1;
  int login = 2;
  int surname = 3;
  int description = -1;      // none: every account is a student's
  int account_control = -1;  // userAccountControl; none
  int home_directory = -1;   // homeDirectory; none
  int count = 4;             // fields in every record: those of the header
};
ExportColumns ExportColumnsOf(const std::vector<std::string>& header);

// The fields of the header line as the delimited-field reader takes them: split at commas, a
// field in double quotes without them, blanks around a field dropped.
std::vector<std::string> HeaderFields(std::string_view line);

// Whether an account with this description is a student's: "Student", in any case, as the
// directory's own search for it matches.
bool IsStudentDescription(std::string_view description);

// The OU class of an account from its distinguished name (in which every "CN=" stands replaced
// by ","): "Students", "School", a leaving year such as "2007", or "Invalid".
std::string OuClass(std::string_view distinguished_name);

// The intermediate line of one export record: field 4, field 2, field 3 and the OU class in
// double quotes, then the record's number in the export (from 0), by which start-up finds the
// rest of the record again after the sort; the login already makes the sort key unique. A field
// holding a comma is enclosed in double quotes so that the line still reads back as five fields.
std::string IntermediateLine(std::string_view field2, std::string_view field3,
                             std::string_view field4, std::string_view ou_class,
                             std::size_t record);
inline constexpr int kIntermediateFields = 5;

}  // namespace acctgen

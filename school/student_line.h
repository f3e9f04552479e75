#pragma once
// One line of the student export school.txt: Surname@PreferredName#ScholasticYear%RollClass.

#include <string>
#include <string_view>

namespace school {

struct StudentRecord {
  std::string Surname;
  std::string PreferredName;
  std::string ScholasticYear;
  std::string RollClass;  // at most 30 characters; only tested for presence
};

enum class LineKind {
  kNotStudent,  // no "@", "@" first, or no "#" or "%": headings, blank lines, trailers
  kNameOnly,    // read name first: "@" and "#" in order, but no "%"; the name is cut
  kOutOfOrder,  // the delimiters there are, but "#" before "@" or "%" before "#"
  kStudent,
};

// How the line is read. The account generator needs the whole line for an account; the rights
// tool looks students up by name and so reads the name as soon as "@" and "#" stand.
enum class LineReading {
  kWhole,      // a line without all three delimiters is no student's
  kNameFirst,  // "@" and "#" give the name; "#" before "@" is out of order even without "%"
};

struct StudentLine {
  LineKind Kind = LineKind::kNotStudent;
  std::string Trimmed;   // the line without its leading and trailing spaces
  StudentRecord Record;  // for kStudent; the two names also for kNameOnly
  bool NoPreferredName = false;
  bool NoScholasticYear = false;
  bool NoRollClass = false;
};

// Cuts the line (its leading and trailing spaces removed) at the first "@", "#" and "%"; every
// field is trimmed of spaces. The roll class is taken from at most 30 characters after the "%"
// and loses one final control or non-ASCII character (a tab or stray byte left by the export)
// when it is longer than one character.
StudentLine ParseStudentLine(std::string_view line, LineReading reading = LineReading::kWhole);

}  // namespace school

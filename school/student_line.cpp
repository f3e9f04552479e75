#include "school/student_line.h"

namespace school {
namespace {

constexpr std::size_t kRollClassWidth = 30;

// The text without its leading and trailing spaces, as a view: the fields are cut from the
// trimmed line without a copy each on the way.
std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view Between(std::string_view text, std::size_t after, std::size_t before) {
  return TrimSpaces(text.substr(after + 1, before - after - 1));
}

}  // namespace

StudentLine ParseStudentLine(std::string_view line, LineReading reading) {
  constexpr std::size_t kNone = std::string_view::npos;
  StudentLine parsed;
  parsed.Trimmed = TrimSpaces(line);
  const std::string_view text = parsed.Trimmed;
  const std::size_t at = text.find('@');
  const std::size_t hash = text.find('#');
  const std::size_t percent = text.find('%');
  if (at == kNone || at == 0 || hash == kNone) return parsed;
  if (percent == kNone && reading == LineReading::kWhole) return parsed;
  if (hash < at || (percent != kNone && percent < hash)) {
    parsed.Kind = LineKind::kOutOfOrder;
    return parsed;
  }
  StudentRecord& record = parsed.Record;
  record.Surname = TrimSpaces(text.substr(0, at));
  record.PreferredName = Between(text, at, hash);
  parsed.NoPreferredName = record.PreferredName.empty();
  if (percent == kNone) {
    parsed.Kind = LineKind::kNameOnly;
    return parsed;
  }
  parsed.Kind = LineKind::kStudent;
  record.ScholasticYear = Between(text, hash, percent);
  record.RollClass = TrimSpaces(text.substr(percent + 1, kRollClassWidth));
  parsed.NoScholasticYear = record.ScholasticYear.empty();
  parsed.NoRollClass = record.RollClass.empty();
  if (record.RollClass.size() > 1) {
    const auto last = static_cast<unsigned char>(record.RollClass.back());
    if (last < 33 || last > 126) record.RollClass.pop_back();
  }
  return parsed;
}

}  // namespace school

#include "school/student_line.h"

#include "runtime/text.h"

namespace school {
namespace {

constexpr std::size_t kRollClassWidth = 30;

std::string Between(std::string_view text, std::size_t after, std::size_t before) {
  return rt::Trim(text.substr(after + 1, before - after - 1));
}

}  // namespace

StudentLine ParseStudentLine(std::string_view line, LineReading reading) {
  constexpr std::size_t kNone = std::string_view::npos;
  StudentLine parsed;
  parsed.Trimmed = rt::Trim(line);
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
  record.Surname = rt::Trim(text.substr(0, at));
  record.PreferredName = Between(text, at, hash);
  parsed.NoPreferredName = record.PreferredName.empty();
  if (percent == kNone) {
    parsed.Kind = LineKind::kNameOnly;
    return parsed;
  }
  parsed.Kind = LineKind::kStudent;
  record.ScholasticYear = Between(text, hash, percent);
  record.RollClass = rt::Trim(text.substr(percent + 1, kRollClassWidth));
  parsed.NoScholasticYear = record.ScholasticYear.empty();
  parsed.NoRollClass = record.RollClass.empty();
  if (record.RollClass.size() > 1) {
    const auto last = static_cast<unsigned char>(record.RollClass.back());
    if (last < 33 || last > 126) record.RollClass.pop_back();
  }
  return parsed;
}

}  // namespace school

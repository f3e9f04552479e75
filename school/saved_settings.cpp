#include "school/saved_settings.h"

#include <optional>
#include <string>

#include "runtime/error.h"
#include "runtime/text.h"

namespace school {

namespace {

// One field of the file, counted from 1 across both lines; nothing when the file is missing,
// cannot be read or ends before the field.
std::optional<std::string> SavedField(rt::Files& files, int wanted) {
  if (!files.Exists(kSettingsPath)) return std::nullopt;
  rt::FileNumber file = 0;
  try {
    file = files.OpenInput(kSettingsPath);
    std::string value;
    for (int field = 1; field <= wanted; ++field) value = files.InputField(file);
    files.Close(file);
    return value;
  } catch (const rt::RuntimeError&) {
    if (file != 0 && files.IsOpen(file)) files.Close(file);
    return std::nullopt;
  }
}

}  // namespace

bool TodaysToolsChosen(rt::Files& files) {
  // A file that ends early or cannot be read decides nothing: the classic tools stay.
  return SavedField(files, kTodaysToolsField) == "1";
}

std::string SavedNetbiosDomain(rt::Files& files) {
  return rt::Trim(SavedField(files, kNetbiosDomainField).value_or(""));
}

}  // namespace school

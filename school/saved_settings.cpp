#include "school/saved_settings.h"

#include <string>

#include "runtime/error.h"

namespace school {

bool TodaysToolsChosen(rt::Files& files) {
  if (!files.Exists(kSettingsPath)) return false;
  rt::FileNumber file = 0;
  try {
    file = files.OpenInput(kSettingsPath);
    std::string value;
    for (int field = 1; field <= kTodaysToolsField; ++field) value = files.InputField(file);
    files.Close(file);
    return value == "1";
  } catch (const rt::RuntimeError&) {
    // A file that ends early or cannot be read decides nothing: the classic tools stay.
    if (file != 0 && files.IsOpen(file)) files.Close(file);
    return false;
  }
}

}  // namespace school

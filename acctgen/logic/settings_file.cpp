#include "acctgen/logic/settings_file.h"

#include <array>
#include <string>

#include "acctgen/logic/form_fields.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace acctgen {

namespace {

// The field after which the first line ends (the NetBIOS name), counting from 0.
constexpr int kLastFieldOfFirstLine = 42;

// How many fields each group of the reader takes, in file order.
constexpr std::array<int, 12> kGroupSizes = {1, 2, 2, 3, 3, 4, 5, 2, 13, 6, 2, 2};
// The group that puts the NetBIOS name in place before the owner box reacts to it.
constexpr int kOwnerGroup = 10;

bool NeedsQuotes(std::string_view value) {
  if (value.find_first_of(",\r\n") != std::string_view::npos) return true;
  const std::size_t first = value.find_first_not_of(" \t");
  return first != std::string_view::npos && value[first] == '"';
}

std::string FieldText(const FormField& field, const FormValues& values) {
  if (field.flag != nullptr) return values.*field.flag ? "1" : "0";
  const std::string& value = values.*field.text;
  if (!NeedsQuotes(value)) return value;
  // The reader ends a quoted field at the next double quote, so none can stand inside one.
  std::string quoted = "\"";
  for (char c : value) {
    if (c != '"') quoted.push_back(c);
  }
  quoted.push_back('"');
  return quoted;
}

void Apply(const FormField& field, const std::string& value, SettingsTarget& target) {
  if (field.flag != nullptr) {
    target.SetFlag(field.control, value != "0");
  } else {
    target.SetText(field.control, rt::Trim(value));
  }
}

}  // namespace

std::string SettingsFileText(const FormValues& values) {
  std::string text;
  for (int i = 0; i < kFormFieldCount; ++i) {
    text += FieldText(FormFields()[i], values);
    text += i == kLastFieldOfFirstLine ? rt::kCrLf : ",";
  }
  return text;
}

void SaveSettings(rt::Files& files, const FormValues& values) {
  const rt::FileNumber file = files.OpenOutput(kSettingsNewPath);
  files.Print(file, SettingsFileText(values));
  files.Close(file);

  // Keep the previous settings until the new file stands in their place.
  const bool had_settings = files.Exists(kSettingsPath);
  if (had_settings) {
    if (files.Exists(kSettingsOldPath)) files.Delete(kSettingsOldPath);
    files.Rename(kSettingsPath, kSettingsOldPath);
  }
  try {
    files.Rename(kSettingsNewPath, kSettingsPath);
  } catch (const rt::RuntimeError&) {
    if (had_settings) {
      try {
        files.Rename(kSettingsOldPath, kSettingsPath);
      } catch (const rt::RuntimeError&) {  // the first failure is the one to report
      }
    }
    throw;
  }
  if (had_settings) files.Delete(kSettingsOldPath);
}

void RestoreSettings(rt::Files& files, rt::FileNumber file, SettingsTarget& target) {
  int first = 0;
  for (int group = 0; group < static_cast<int>(kGroupSizes.size()); ++group) {
    const int size = kGroupSizes[group];
    std::array<std::string, 13> values;
    for (int i = 0; i < size; ++i) values[i] = files.InputField(file);
    if (group == kOwnerGroup) {
      for (int i = size - 1; i >= 0; --i) Apply(FormFields()[first + i], values[i], target);
    } else {
      for (int i = 0; i < size; ++i) Apply(FormFields()[first + i], values[i], target);
    }
    first += size;
  }
}

}  // namespace acctgen

#include "acctgen/logic/form/settings_file.h"

#include <array>
#include <string>

#include "runtime/error.h"
#include "runtime/text.h"

namespace acctgen {

namespace {

// How many fields each group of the reader takes, in file order.
constexpr std::array<int, 13> kGroupSizes = {1, 2, 2, 3, 3, 4, 5, 2, 13, 6, 2, 2, 2};
// The group that puts the NetBIOS name in place before the owner box reacts to it.
constexpr int kOwnerGroup = 10;

bool NeedsQuotes(std::string_view value) {
  if (value.find_first_of(",\r\n") != std::string_view::npos) return true;
  const std::size_t first = value.find_first_not_of(" \t");
  return first != std::string_view::npos && value[first] == '"';
}

bool IsText(Field field) { return ControlOf(field).kind == ControlKind::kText; }

std::string FieldText(Field field, const Options& options) {
  if (!IsText(field)) return FlagOf(options, field) ? "1" : "0";
  const std::string& value = TextOf(options, field);
  return NeedsQuotes(value) ? rt::QuotedField(value) : value;
}

void Apply(Field field, const std::string& value, SettingsTarget& target) {
  if (IsText(field)) {
    target.SetText(field, rt::Trim(value));
  } else {
    target.SetFlag(field, value != "0");
  }
}

}  // namespace

std::string SettingsFileText(const Options& options) {
  std::string text;
  for (int i = 0; i < kSettingsFieldCount; ++i) {
    const Field field = static_cast<Field>(i);
    text += FieldText(field, options);
    text += field == Field::kNetbiosDomain ? rt::kCrLf : ",";
  }
  return text;
}

void SaveSettings(rt::Files& files, const Options& options) {
  const rt::FileNumber file = files.OpenOutput(kSettingsNewPath);
  files.Print(file, SettingsFileText(options));
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
  try {
    for (int group = 0; group < static_cast<int>(kGroupSizes.size()); ++group) {
      const int size = kGroupSizes[group];
      std::array<std::string, 13> values;
      for (int i = 0; i < size; ++i) values[i] = files.InputField(file);
      if (group == kOwnerGroup) {
        for (int i = size - 1; i >= 0; --i) Apply(static_cast<Field>(first + i), values[i], target);
      } else {
        for (int i = 0; i < size; ++i) Apply(static_cast<Field>(first + i), values[i], target);
      }
      first += size;
    }
  } catch (const rt::RuntimeError& error) {
    // A file that ends before its last two fields was written before the policy and tools
    // options existed, when runs used neither; a file without a single field restores nothing.
    if (error.number() == rt::kInputPastEndOfFile && first > 0) {
      target.SetFlag(Field::kPolicyPasswords, false);
      target.SetFlag(Field::kTodaysTools, false);
    }
    throw;
  }
}

}  // namespace acctgen

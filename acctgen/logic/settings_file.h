#pragma once
// The saved form settings "c:\trellis.ini": 45 comma-terminated fields on two lines, written at
// the end of a Create run and read back, group by group, at start-up.

#include <string>
#include <string_view>

#include "acctgen/logic/form_values.h"
#include "runtime/files.h"

namespace acctgen {

inline constexpr std::string_view kSettingsPath = "c:\\trellis.ini";
// Written in full first, so a failed write never loses the previous settings.
inline constexpr std::string_view kSettingsNewPath = "c:\\trellis.new";
inline constexpr std::string_view kSettingsOldPath = "c:\\trellis.old";

// What restoring the settings changes: the form, control by control, so that each control's
// reaction runs as if the administrator had made the change.
class SettingsTarget {
 public:
  virtual ~SettingsTarget() = default;
  virtual void SetText(std::string_view control, std::string_view text) = 0;
  // Selects an option or ticks a box (true); deselects or unticks it (false).
  virtual void SetFlag(std::string_view control, bool on) = 0;
};

// The file's text of a form: the 45 fields with their separators, the NetBIOS name ending the
// first line. A text holding a comma, or starting with a double quote, is enclosed in double
// quotes (which the reader drops) so that it stays one field.
std::string SettingsFileText(const FormValues& values);

// Writes "c:\trellis.ini" through "c:\trellis.new", which replaces it only once complete.
void SaveSettings(rt::Files& files, const FormValues& values);

// Reads the open settings file in its twelve groups, in file order, and applies each complete
// group before reading the next. A file that ends inside a group leaves that group and every
// later one unapplied, and the end of the file surfaces as error 62.
void RestoreSettings(rt::Files& files, rt::FileNumber file, SettingsTarget& target);

}  // namespace acctgen

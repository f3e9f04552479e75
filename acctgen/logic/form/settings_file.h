#pragma once
// The saved form settings "c:\trellis.ini": 47 comma-terminated fields on two lines, written at
// the end of a Create run and read back, group by group, at start-up.

#include <string>
#include <string_view>

#include "acctgen/logic/form/form_fields.h"
#include "acctgen/logic/form/options.h"
#include "runtime/files.h"
#include "school/saved_settings.h"

namespace acctgen {

// The wizard reads the same file: one path for both.
using school::kSettingsPath;
// Written in full first, so a failed write never loses the previous settings.
inline constexpr std::string_view kSettingsNewPath = "c:\\trellis.new";
inline constexpr std::string_view kSettingsOldPath = "c:\\trellis.old";

// What restoring the settings changes: the form, control by control, so that each control's
// reaction runs as if the administrator had made the change.
class SettingsTarget {
 public:
  virtual ~SettingsTarget() = default;
  virtual void SetText(Field field, std::string_view text) = 0;
  // Selects an option or ticks a box (true); deselects or unticks it (false).
  virtual void SetFlag(Field field, bool on) = 0;
};

// The file's text of the options: the 47 fields with their separators, the NetBIOS name ending
// the first line. A text holding a comma, or starting with a double quote, is enclosed in double
// quotes (which the reader drops) so that it stays one field.
std::string SettingsFileText(const Options& options);

// Writes "c:\trellis.ini" through "c:\trellis.new", which replaces it only once complete.
void SaveSettings(rt::Files& files, const Options& options);

// Reads the open settings file in its twelve groups, in file order, and applies each complete
// group before reading the next. A file that ends inside a group leaves that group and every
// later one unapplied, and the end of the file surfaces as error 62. A file written before the
// password-policy and tools options existed ends after field 45 or earlier: both are then off.
void RestoreSettings(rt::Files& files, rt::FileNumber file, SettingsTarget& target);

}  // namespace acctgen

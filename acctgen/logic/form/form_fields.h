#pragma once
// The main form's field table: every control of the window (name, identifier, kind, caption,
// place, tab position), and for each input control the option it shows and its field in the
// settings file. The form model, the window, the settings file and the tests all read it.

#include <span>
#include <string>
#include <string_view>

#include "acctgen/logic/form/options.h"
#include "runtime/control_kind.h"
#include "runtime/twips.h"

namespace acctgen {

// The form's input controls by what they mean, in the order of the settings file: field n of
// the file is the option numbered n - 1.
enum class Field {
  kDomainDnsName,
  kServerName,
  kServerDriveLetter,
  kHomeShare,
  kHomeDriveLetter,
  kFullAccess,
  kModifyAccess,
  kLogonScript,
  kFirstnameDotSurname,
  kSurnameDotFirstname,
  kSurnameInitial,
  kSchoolOu,
  kStudentsOu,
  kLeavingYearOus,
  kDeleteLeavers,
  kK2,
  kK6,
  kK12,
  kYears7To10,
  kYears7To12,
  kAllYears,
  kSelectedYears,
  kYearK,  // then the years "1" to "12"
  kUniquePasswords = kYearK + kYearCount,
  kSetsProfilePath,
  kNeverExpires,
  kMustChange,
  kProfilePath,
  kCommonPassword,
  kStudentOwnsHomeFolder,
  kNetbiosDomain,  // ends the file's first line
  kFirstnameSurname,
  kSurnameFirstname,
  kPolicyPasswords,
  kTodaysTools,
  kNone,  // a label, a frame or a button
};
inline constexpr int kSettingsFieldCount = static_cast<int>(Field::kNone);

constexpr Field YearField(int year) {
  return static_cast<Field>(static_cast<int>(Field::kYearK) + year);
}

using rt::ControlKind;

// What changing a control sets off besides its own state.
enum class Reaction {
  kNone,
  kSchoolType,       // ticks the type's years
  kAllYears,         // locks the year boxes
  kSelectedYears,    // frees them
  kDeleteLeavers,    // forces and locks "All Years"
  kUniquePasswords,  // the common password only without; the policy option only with
  kProfilePath,      // the UNC path only with a profile
  kHomeFolderOwner,  // needs a NetBIOS name
  kUpperCase,        // drive letters
  kCreate,
  kExit,
};

struct FormField {
  const char* name;  // "Text1", "Option4", "Label15", "Frame2", "Command1"
  int id;            // the window's identifier: the hundred of the kind plus the number
  ControlKind kind;
  Field field;  // the option it shows; kNone for labels, frames and buttons
  int tab;      // the place in the tab order, from 1; 0 for a control Tab skips
  std::string_view caption;
  rt::TwipsRect place;
  Reaction reaction = Reaction::kNone;
  const char* frame = "";  // the framed group it stands in
  const char* group = "";  // the option group whose options exclude one another
  const char* label = "";  // the caption label created before the control
  const char* hint = "";   // the grey example created after the control
  std::string_view tool_tip = {};
  int max_length = 0;  // characters the administrator may type; 0 for no limit
  bool enabled = true;
  bool hint_label = false;
  bool warning_label = false;
};

// Every control, in the order the window creates them within its tab order.
std::span<const FormField> FormFields();
// The control of an option; of an identifier (nullptr for none).
const FormField& ControlOf(Field field);
const FormField* FindControl(int id);

// What a form opened without a settings file (or with an empty one) starts with: the options'
// defaults, with today's tools and the strong passwords a default domain policy accepts.
Options FreshFormOptions();

// The client area of the form, in twips.
inline constexpr int kFormWidth = 13500;
inline constexpr int kFormHeight = 9330;

// An option's value as its control shows it: the text of a text box; whether an option is the
// selected one of its group or a box is ticked.
const std::string& TextOf(const Options& options, Field field);
void SetText(Options& options, Field field, std::string_view text);
bool FlagOf(const Options& options, Field field);
// Ticking selects the option's choice in its group; unticking the selected one leaves none.
void SetFlag(Options& options, Field field, bool on);

// Examples shown beside the fields and in their tool tips.
inline constexpr std::string_view kExampleDnsName = "eg. hillcrest.school.example";
inline constexpr std::string_view kExampleNetBiosName = "eg. HILLCREST";
inline constexpr std::string_view kExampleServerName = "eg. HCSERVER1";
inline constexpr std::string_view kExampleUncPath = "eg. \\\\HCSERVER1\\profiles";

}  // namespace acctgen

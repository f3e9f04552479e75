#include "acctgen/logic/form/form_fields.h"

#include <array>
#include <stdexcept>

namespace acctgen {

namespace {

using Kind = ControlKind;
using rt::TwipsRect;

// The window's identifier of a control: the hundred of its kind plus its number ("Text1" is
// 101, "Option4" 204, "Check18" 318, "Label15" 415, "Frame2" 502, "Command1" 601).
constexpr int IdOf(std::string_view name) {
  constexpr std::string_view kKinds[] = {"Text", "Option", "Check", "Label", "Frame", "Command"};
  for (int kind = 0; kind < 6; ++kind) {
    if (name.substr(0, kKinds[kind].size()) != kKinds[kind]) continue;
    int number = 0;
    for (char digit : name.substr(kKinds[kind].size())) number = number * 10 + (digit - '0');
    return (kind + 1) * 100 + number;
  }
  return 0;
}

// The helpers below make a row of each kind; the modifiers add the rest.
struct Row : FormField {
  template <typename T, typename U>
  constexpr Row With(T FormField::*member, U value) const {
    Row row = *this;
    row.*member = value;
    return row;
  }
  constexpr Row In(const char* framed_by) const { return With(&FormField::frame, framed_by); }
  constexpr Row After(const char* caption_label) const {
    return With(&FormField::label, caption_label);
  }
  constexpr Row Example(const char* example) const { return With(&FormField::hint, example); }
  constexpr Row Tip(std::string_view tip) const { return With(&FormField::tool_tip, tip); }
  constexpr Row Locked() const { return With(&FormField::enabled, false); }
  constexpr Row Limit(int characters) const { return With(&FormField::max_length, characters); }
  constexpr Row Reacts(Reaction reaction) const { return With(&FormField::reaction, reaction); }
  constexpr Row Warning() const { return With(&FormField::warning_label, true); }
};

constexpr Row Make(const char* name, Kind kind, Field field, int tab, std::string_view caption,
                   TwipsRect place) {
  return {{name, IdOf(name), kind, field, tab, caption, place}};
}
constexpr Row Frame(const char* name, std::string_view caption, TwipsRect place) {
  return Make(name, Kind::kFrame, Field::kNone, 0, caption, place);
}
constexpr Row Label(const char* name, std::string_view caption, TwipsRect place) {
  return Make(name, Kind::kLabel, Field::kNone, 0, caption, place);
}
constexpr Row Hint(const char* name, std::string_view caption, TwipsRect place) {
  return Label(name, caption, place).With(&FormField::hint_label, true);
}
constexpr Row TextBox(const char* name, Field field, TwipsRect place, int tab, const char* label) {
  return Make(name, Kind::kText, field, tab, {}, place).After(label);
}
constexpr Row Option(const char* name, Field field, std::string_view caption, TwipsRect place,
                     int tab, const char* frame, const char* group) {
  return Make(name, Kind::kOption, field, tab, caption, place)
      .In(frame)
      .With(&FormField::group, group);
}
constexpr Row Check(const char* name, Field field, std::string_view caption, TwipsRect place,
                    int tab, const char* frame = "") {
  return Make(name, Kind::kCheck, field, tab, caption, place).In(frame);
}
constexpr Row Button(const char* name, std::string_view caption, TwipsRect place, int tab,
                     Reaction reaction) {
  return Make(name, Kind::kButton, Field::kNone, tab, caption, place).Reacts(reaction);
}

// The rows of the domain and home-folder fields: caption label, text box, grey example.
constexpr TwipsRect Caption(int row) { return {150, 210 + row * 420, 3150, 270}; }
constexpr TwipsRect Entry(int row, int width = 2250) { return {3375, 180 + row * 420, width, 315}; }
constexpr TwipsRect Example(int row) { return {5775, 210 + row * 420, 2550, 270}; }
// The login formats: option and example.
constexpr TwipsRect Login(int row) { return {8700, 480 + row * 390, 2400, 300}; }
constexpr TwipsRect LoginExample(int row) { return {11175, 510 + row * 390, 2025, 270}; }
constexpr TwipsRect SchoolTypeAt(int row) { return {375, 3420 + row * 330, 1800, 300}; }
// The year boxes: "K" to "6" in the first row, "7" to "12" in the second.
constexpr TwipsRect Year(int year) {
  return year <= 6 ? TwipsRect{2775 + year * 825, 3930, 750, 300}
                   : TwipsRect{2775 + (year - 7) * 825, 4380, 750, 300};
}
constexpr Row YearBox(const char* name, int year, std::string_view caption, int tab) {
  return Check(name, YearField(year), caption, Year(year), tab, "Frame3").Locked();
}
constexpr Row SchoolTypeOption(const char* name, Field field, std::string_view caption, int row) {
  return Option(name, field, caption, SchoolTypeAt(row), 15 + row, "Frame2", "type")
      .Reacts(Reaction::kSchoolType);
}

constexpr FormField kRows[] = {
    Frame("Frame1", "Preferred User Login Name Format:", {8475, 120, 4875, 2400}),
    Frame("Frame2", "Select your School Type:", {150, 3075, 2250, 2025}),
    Frame("Frame3", "Select School Years that require Individual Logins (tick all that apply):",
          {2550, 3075, 6300, 2025}),
    Frame("Frame4", "Preferred Organizational Unit (OU) Allocation (tick all that apply):",
          {150, 5250, 6300, 1500}),
    Frame("Frame5", "Home Folder Access:", {9000, 3075, 4350, 900}),
    Frame("Frame6", "Password Options:", {6600, 5250, 6750, 1860}),
    Frame("Frame7", "User Profile:", {150, 6900, 6300, 1170}),

    // The domain and home-folder fields.
    Label("Label2", "Full DNS Name for School Domain:", Caption(0)),
    Hint("Label21", kExampleDnsName, Example(0)),
    TextBox("Text1", Field::kDomainDnsName, Entry(0), 1, "Label2")
        .Example("Label21")
        .Tip(kExampleDnsName),
    Label("Label1", "NetBIOS Domain Name:", Caption(1)),
    Hint("Label12", kExampleNetBiosName, Example(1)),
    TextBox("Text9", Field::kNetbiosDomain, Entry(1), 44, "Label1").Example("Label12").Limit(25),
    Label("Label3", "Server Name:", Caption(2)),
    Hint("Label4", kExampleServerName, Example(2)),
    TextBox("Text2", Field::kServerName, Entry(2), 2, "Label3").Example("Label4").Limit(25),
    Label("Label5", "Folder Name for Home Folders:", Caption(3)),
    Hint("Label6", "eg. s_home", Example(3)),
    TextBox("Text3", Field::kHomeShare, Entry(3), 4, "Label5").Example("Label6"),
    Label("Label17", "Server Drive Letter for Home Folders:", Caption(4)),
    Hint("Label18", "eg. D", Example(4)),
    TextBox("Text7", Field::kServerDriveLetter, Entry(4, 450), 3, "Label17")
        .Example("Label18")
        .Limit(1)
        .Reacts(Reaction::kUpperCase),
    Label("Label9", "Drive Letter for Student's Home Folder:", Caption(5)),
    Hint("Label10", "eg. H", Example(5)),
    TextBox("Text5", Field::kHomeDriveLetter, Entry(5, 450), 5, "Label9")
        .Example("Label10")
        .Limit(1)
        .Reacts(Reaction::kUpperCase),
    Label("Label8", "Logon Script Filename:", Caption(6)),
    Hint("Label7", "eg. Students.bat", Example(6)),
    TextBox("Text4", Field::kLogonScript, Entry(6), 8, "Label8").Example("Label7"),

    // Login name format.
    Option("Option1", Field::kFirstnameDotSurname, "FirstName.Surname", Login(0), 9, "Frame1",
           "login")
        .Example("Label11"),
    Hint("Label11", "eg. tomas.varga", LoginExample(0)).In("Frame1"),
    Option("Option2", Field::kSurnameDotFirstname, "Surname.FirstName", Login(1), 10, "Frame1",
           "login")
        .Example("Label13"),
    Hint("Label13", "eg. varga.tomas", LoginExample(1)).In("Frame1"),
    Option("Option3", Field::kSurnameInitial, "SurnameInitial", Login(2), 11, "Frame1", "login")
        .Example("Label14"),
    Hint("Label14", "eg. vargat", LoginExample(2)).In("Frame1"),
    Option("Option15", Field::kFirstnameSurname, "FirstNameSurname", Login(3), 46, "Frame1",
           "login")
        .Example("Label22"),
    Hint("Label22", "eg. tomasvarga", LoginExample(3)).In("Frame1"),
    Option("Option16", Field::kSurnameFirstname, "SurnameFirstName", Login(4), 47, "Frame1",
           "login")
        .Example("Label23"),
    Hint("Label23", "eg. vargatomas", LoginExample(4)).In("Frame1"),

    // School type.
    SchoolTypeOption("Option4", Field::kK2, "K-2", 0),
    SchoolTypeOption("Option5", Field::kK6, "K-6", 1),
    SchoolTypeOption("Option6", Field::kK12, "K-12", 2),
    SchoolTypeOption("Option7", Field::kYears7To10, "7-10", 3),
    SchoolTypeOption("Option8", Field::kYears7To12, "7-12", 4),

    // Years: the mode and the thirteen boxes, locked while "All Years" is chosen.
    Option("Option11", Field::kAllYears, "All Years", {2775, 3420, 1650, 300}, 22, "Frame3",
           "years")
        .Reacts(Reaction::kAllYears),
    Option("Option12", Field::kSelectedYears, "Selected Years", {4500, 3420, 1950, 300}, 23,
           "Frame3", "years")
        .Reacts(Reaction::kSelectedYears),
    YearBox("Check5", 0, "K", 24),
    YearBox("Check6", 1, "1", 41),
    YearBox("Check7", 2, "2", 25),
    YearBox("Check8", 3, "3", 26),
    YearBox("Check9", 4, "4", 27),
    YearBox("Check10", 5, "5", 28),
    YearBox("Check11", 6, "6", 29),
    YearBox("Check12", 7, "7", 30),
    YearBox("Check13", 8, "8", 31),
    YearBox("Check14", 9, "9", 32),
    YearBox("Check15", 10, "10", 33),
    YearBox("Check16", 11, "11", 34),
    YearBox("Check17", 12, "12", 35),

    // OU allocation.
    Check("Check1", Field::kSchoolOu, "School", {375, 5580, 5850, 300}, 12, "Frame4"),
    Check("Check2", Field::kStudentsOu, "Students", {375, 5940, 5850, 300}, 13, "Frame4"),
    Check("Check3", Field::kLeavingYearOus,
          "Calculate and set an OU for each student's leaving year", {375, 6300, 5850, 300}, 14,
          "Frame4"),

    // Home folder access.
    Option("Option9", Field::kFullAccess, "Full", {9225, 3450, 1350, 300}, 6, "Frame5", "access"),
    Option("Option10", Field::kModifyAccess, "Modify", {10725, 3450, 1500, 300}, 7, "Frame5",
           "access"),

    // Password.
    Check("Check4", Field::kUniquePasswords,
          "Set Unique Passwords for each user in the form abc123                       - OR",
          {6825, 5580, 6450, 300}, 37, "Frame6")
        .Reacts(Reaction::kUniquePasswords),
    Check("Check21", Field::kPolicyPasswords,
          "Strong unique passwords (accepted by a default domain policy)", {7050, 5925, 6225, 300},
          48, "Frame6"),
    Label("Label15", "Common Password:", {6825, 6345, 1575, 270}).In("Frame6").Locked(),
    TextBox("Text6", Field::kCommonPassword, {8475, 6300, 1950, 315}, 38, "Label15")
        .In("Frame6")
        .Locked(),
    Option("Option13", Field::kNeverExpires, "Never Expires", {6825, 6690, 2100, 300}, 39, "Frame6",
           "expiry")
        .Tip("Password Never Expires"),
    Option("Option14", Field::kMustChange, "Request Change", {9000, 6690, 2250, 300}, 40, "Frame6",
           "expiry")
        .Tip("User MUST change password on first logon"),

    // Profile.
    Check("Check19", Field::kSetsProfilePath, "Set User Profile Location", {375, 7230, 3750, 300},
          42, "Frame7")
        .Reacts(Reaction::kProfilePath),
    Label("Label20", "UNC Path:", {375, 7635, 1050, 270}).In("Frame7").Tip(kExampleUncPath),
    TextBox("Text8", Field::kProfilePath, {1500, 7590, 4725, 315}, 43, "Label20")
        .In("Frame7")
        .Tip(kExampleUncPath),

    // Leavers, home-folder owner and the tools the run's commands use.
    Label("Label19", "BE CAREFUL!", {6600, 7230, 3000, 270}).Warning(),
    Check("Check18", Field::kDeleteLeavers,
          "Delete leavers' accounts (today's tools: disabled now, deleted a year later)",
          {6600, 7500, 6750, 300}, 36)
        .After("Label19")
        .Tip("With today's tools, step 4 disables each leaver and moves it to a Leavers unit, "
             "where it can come back until the first run of a later year deletes it; with the "
             "classic tools, step 5 deletes it at once. This option can only be used if you are "
             "importing ALL Years")
        .Reacts(Reaction::kDeleteLeavers),
    Check("Check20", Field::kStudentOwnsHomeFolder,
          "Set student account as owner of their Home Folder instead of the Admininstrator",
          {6600, 7890, 6750, 300}, 45)
        .Reacts(Reaction::kHomeFolderOwner),
    Check("Check22", Field::kTodaysTools,
          "Use today's Windows tools (ldifde, md, icacls) instead of Excel, VBScript and xcacls",
          {150, 8280, 8700, 300}, 49),

    Button("Command1", "&Create!", {9000, 8700, 2025, 480}, 20, Reaction::kCreate),
    Button("Command2", "E&xit", {11250, 8700, 2025, 480}, 21, Reaction::kExit),
};

// The row of each option, found once.
const std::array<const FormField*, kSettingsFieldCount> kControlOf = [] {
  std::array<const FormField*, kSettingsFieldCount> rows{};
  for (const FormField& row : kRows) {
    if (row.field != Field::kNone) rows[static_cast<int>(row.field)] = &row;
  }
  return rows;
}();

// The option of a group that a field selects.
std::optional<school::LoginFormat> LoginFormatOf(Field field) {
  using school::LoginFormat;
  switch (field) {
    case Field::kFirstnameDotSurname:
      return LoginFormat::kFirstnameDotSurname;
    case Field::kSurnameDotFirstname:
      return LoginFormat::kSurnameDotFirstname;
    case Field::kSurnameInitial:
      return LoginFormat::kSurnameInitial;
    case Field::kFirstnameSurname:
      return LoginFormat::kFirstnameSurname;
    case Field::kSurnameFirstname:
      return LoginFormat::kSurnameFirstname;
    default:
      return std::nullopt;
  }
}

std::optional<SchoolType> SchoolTypeOf(Field field) {
  switch (field) {
    case Field::kK2:
      return SchoolType::kK2;
    case Field::kK6:
      return SchoolType::kK6;
    case Field::kK12:
      return SchoolType::kK12;
    case Field::kYears7To10:
      return SchoolType::kYears7To10;
    case Field::kYears7To12:
      return SchoolType::kYears7To12;
    default:
      return std::nullopt;
  }
}

// A pair of options held as the first one's flag and a "neither" mark.
struct Pair {
  bool* first;
  bool* neither;
  bool is_first;
};

std::optional<Pair> PairOf(Options& options, Field field) {
  switch (field) {
    case Field::kAllYears:
    case Field::kSelectedYears:
      return Pair{&options.all_years, &options.no_years_mode, field == Field::kAllYears};
    case Field::kFullAccess:
    case Field::kModifyAccess:
      return Pair{&options.full_home_folder_access, &options.no_home_folder_access,
                  field == Field::kFullAccess};
    default:
      return std::nullopt;
  }
}

bool* BoxOf(Options& options, Field field) {
  const int year = static_cast<int>(field) - static_cast<int>(Field::kYearK);
  if (year >= 0 && year < kYearCount) return &options.years[year];
  switch (field) {
    case Field::kSchoolOu:
      return &options.school_ou;
    case Field::kStudentsOu:
      return &options.students_ou;
    case Field::kLeavingYearOus:
      return &options.leaving_year_ous;
    case Field::kDeleteLeavers:
      return &options.delete_leavers;
    case Field::kUniquePasswords:
      return &options.unique_passwords;
    case Field::kPolicyPasswords:
      return &options.policy_passwords;
    case Field::kSetsProfilePath:
      return &options.sets_profile_path;
    case Field::kNeverExpires:
      return &options.password_never_expires;
    case Field::kMustChange:
      return &options.must_change_password;
    case Field::kStudentOwnsHomeFolder:
      return &options.student_owns_home_folder;
    case Field::kTodaysTools:
      return &options.todays_tools;
    default:
      return nullptr;
  }
}

std::string* TextFieldOf(Options& options, Field field) {
  switch (field) {
    case Field::kDomainDnsName:
      return &options.domain_dns_name;
    case Field::kNetbiosDomain:
      return &options.netbios_domain;
    case Field::kServerName:
      return &options.server_name;
    case Field::kHomeShare:
      return &options.home_share;
    case Field::kServerDriveLetter:
      return &options.server_drive_letter;
    case Field::kHomeDriveLetter:
      return &options.home_drive_letter;
    case Field::kLogonScript:
      return &options.logon_script;
    case Field::kCommonPassword:
      return &options.common_password;
    case Field::kProfilePath:
      return &options.profile_path;
    default:
      throw std::logic_error("not a text field");
  }
}

}  // namespace

std::span<const FormField> FormFields() { return kRows; }

const FormField& ControlOf(Field field) { return *kControlOf.at(static_cast<int>(field)); }

const FormField* FindControl(int id) {
  for (const FormField& row : kRows) {
    if (row.id == id) return &row;
  }
  return nullptr;
}

Options FreshFormOptions() {
  // Servers lack Excel, Windows ships no xcacls or subinacl, and a default domain refuses
  // passwords of the form abc123.
  Options options;
  options.todays_tools = true;
  options.policy_passwords = true;
  return options;
}

const std::string& TextOf(const Options& options, Field field) {
  return *TextFieldOf(const_cast<Options&>(options), field);
}

void SetText(Options& options, Field field, std::string_view text) {
  *TextFieldOf(options, field) = std::string(text);
}

bool FlagOf(const Options& options, Field field) {
  if (const auto format = LoginFormatOf(field)) return options.login_format == format;
  if (const auto type = SchoolTypeOf(field)) return options.school_type == type;
  if (const auto pair = PairOf(const_cast<Options&>(options), field)) {
    return !*pair->neither && *pair->first == pair->is_first;
  }
  if (const bool* box = BoxOf(const_cast<Options&>(options), field)) return *box;
  throw std::logic_error("not a flag field");
}

void SetFlag(Options& options, Field field, bool on) {
  if (const auto format = LoginFormatOf(field)) {
    if (on) {
      options.login_format = format;
    } else if (options.login_format == format) {
      options.login_format.reset();
    }
  } else if (const auto type = SchoolTypeOf(field)) {
    if (on) {
      options.school_type = type;
    } else if (options.school_type == type) {
      options.school_type.reset();
    }
  } else if (const auto pair = PairOf(options, field)) {
    if (on) {
      *pair->first = pair->is_first;
      *pair->neither = false;
    } else if (FlagOf(options, field)) {
      *pair->first = false;
      *pair->neither = true;
    }
  } else if (bool* box = BoxOf(options, field)) {
    *box = on;
  } else {
    throw std::logic_error("not a flag field");
  }
}

}  // namespace acctgen

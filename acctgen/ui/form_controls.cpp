#include "acctgen/ui/form_controls.h"

#include <string>

namespace acctgen::ui {

namespace {

using Kind = ControlKind;
using V = FormValues;
using rt::TwipsRect;

// One control: its name and kind, where Tab visits it, its caption, where it stands (twips) and
// the field of the form's record it mirrors; then how it behaves and how it starts. The helpers
// below make a row of each kind; the modifiers add the rest.
struct Row {
  const char* name;
  Kind kind;
  int tab;  // the place in the tab order, from 1; 0 for a control Tab skips
  std::string_view caption;
  TwipsRect place;
  std::string V::*text_field = nullptr;
  bool V::*flag_field = nullptr;
  const char* frame = "";
  const char* group = "";  // the option group
  const char* label = "";  // the caption label created before the control
  const char* hint = "";   // the grey example created after the control
  std::string_view tool_tip = {};
  const char* text = "";
  int max_length = 0;
  bool checked = false;
  bool enabled = true;
  bool upper_case = false;
  bool hint_label = false;
  bool warning_label = false;

  template <typename T, typename U>
  constexpr Row With(T Row::*member, U value) const {
    Row row = *this;
    row.*member = value;
    return row;
  }
  constexpr Row In(const char* framed_by) const { return With(&Row::frame, framed_by); }
  constexpr Row After(const char* caption_label) const { return With(&Row::label, caption_label); }
  constexpr Row Example(const char* example) const { return With(&Row::hint, example); }
  constexpr Row Tip(std::string_view tip) const { return With(&Row::tool_tip, tip); }
  constexpr Row Selected() const { return With(&Row::checked, true); }
  constexpr Row Ticked() const { return Selected(); }
  constexpr Row Locked() const { return With(&Row::enabled, false); }
  constexpr Row Limit(int characters) const { return With(&Row::max_length, characters); }
  constexpr Row Upper() const { return With(&Row::upper_case, true); }
  constexpr Row Warning() const { return With(&Row::warning_label, true); }
  constexpr Row Starting(const char* typed) const { return With(&Row::text, typed); }
};

constexpr Row Frame(const char* name, std::string_view caption, TwipsRect place) {
  return {name, Kind::kFrame, 0, caption, place};
}
constexpr Row Label(const char* name, std::string_view caption, TwipsRect place) {
  return {name, Kind::kLabel, 0, caption, place};
}
constexpr Row Hint(const char* name, std::string_view caption, TwipsRect place) {
  return Label(name, caption, place).With(&Row::hint_label, true);
}
constexpr Row TextBox(const char* name, TwipsRect place, int tab, std::string V::*field,
                      const char* label) {
  return Row{name, Kind::kText, tab, {}, place, field}.After(label);
}
constexpr Row Option(const char* name, std::string_view caption, TwipsRect place, int tab,
                     bool V::*field, const char* frame, const char* group) {
  return Row{name, Kind::kOption, tab, caption, place, nullptr, field, frame, group};
}
constexpr Row Check(const char* name, std::string_view caption, TwipsRect place, int tab,
                    bool V::*field, const char* frame = "") {
  return Row{name, Kind::kCheck, tab, caption, place, nullptr, field, frame};
}
constexpr Row Button(const char* name, std::string_view caption, TwipsRect place, int tab) {
  return {name, Kind::kButton, tab, caption, place};
}

// The rows of the domain and home-folder fields: caption label, text box, grey example.
constexpr TwipsRect Caption(int row) { return {150, 210 + row * 420, 3150, 270}; }
constexpr TwipsRect Field(int row, int width = 2250) { return {3375, 180 + row * 420, width, 315}; }
constexpr TwipsRect Example(int row) { return {5775, 210 + row * 420, 2550, 270}; }
// The login formats: option and example.
constexpr TwipsRect Login(int row) { return {8700, 480 + row * 390, 2400, 300}; }
constexpr TwipsRect LoginExample(int row) { return {11175, 510 + row * 390, 2025, 270}; }
constexpr TwipsRect SchoolType(int row) { return {375, 3420 + row * 330, 1800, 300}; }
// The year boxes: "K" to "6" in the first row, "7" to "12" in the second.
constexpr TwipsRect Year(int year) {
  return year <= 6 ? TwipsRect{2775 + year * 825, 3930, 750, 300}
                   : TwipsRect{2775 + (year - 7) * 825, 4380, 750, 300};
}

constexpr Row kRows[] = {
    Frame("Frame1", "Preferred User Login Name Format:", {8475, 120, 4875, 2400}),
    Frame("Frame2", "Select your School Type:", {150, 3075, 2250, 2025}),
    Frame("Frame3", "Select School Years that require Individual Logins (tick all that apply):",
          {2550, 3075, 6300, 2025}),
    Frame("Frame4", "Preferred Organizational Unit (OU) Allocation (tick all that apply):",
          {150, 5250, 6300, 1500}),
    Frame("Frame5", "Home Folder Access:", {9000, 3075, 4350, 900}),
    Frame("Frame6", "Password Options:", {6600, 5250, 6750, 1500}),
    Frame("Frame7", "User Profile:", {150, 6900, 6300, 1170}),

    // The domain and home-folder fields.
    Label("Label2", "Full DNS Name for School Domain:", Caption(0)),
    Hint("Label21", kExampleDnsName, Example(0)),
    TextBox("Text1", Field(0), 1, &V::Text1, "Label2").Example("Label21").Tip(kExampleDnsName),
    Label("Label1", "NetBIOS Domain Name:", Caption(1)),
    Hint("Label12", kExampleNetBiosName, Example(1)),
    TextBox("Text9", Field(1), 44, &V::Text9, "Label1").Example("Label12").Limit(25),
    Label("Label3", "Server Name:", Caption(2)),
    Hint("Label4", kExampleServerName, Example(2)),
    TextBox("Text2", Field(2), 2, &V::Text2, "Label3").Example("Label4").Limit(25),
    Label("Label5", "Folder Name for Home Folders:", Caption(3)),
    Hint("Label6", "eg. s_home", Example(3)),
    TextBox("Text3", Field(3), 4, &V::Text3, "Label5").Example("Label6"),
    Label("Label17", "Server Drive Letter for Home Folders:", Caption(4)),
    Hint("Label18", "eg. D", Example(4)),
    TextBox("Text7", Field(4, 450), 3, &V::Text7, "Label17").Example("Label18").Limit(1).Upper(),
    Label("Label9", "Drive Letter for Student's Home Folder:", Caption(5)),
    Hint("Label10", "eg. H", Example(5)),
    TextBox("Text5", Field(5, 450), 5, &V::Text5, "Label9").Example("Label10").Limit(1).Upper(),
    Label("Label8", "Logon Script Filename:", Caption(6)),
    Hint("Label7", "eg. Students.bat", Example(6)),
    TextBox("Text4", Field(6), 8, &V::Text4, "Label8").Example("Label7"),

    // Login name format.
    Option("Option1", "FirstName.Surname", Login(0), 9, &V::Option1, "Frame1", "login")
        .Example("Label11")
        .Selected(),
    Hint("Label11", "eg. tomas.varga", LoginExample(0)).In("Frame1"),
    Option("Option2", "Surname.FirstName", Login(1), 10, &V::Option2, "Frame1", "login")
        .Example("Label13"),
    Hint("Label13", "eg. varga.tomas", LoginExample(1)).In("Frame1"),
    Option("Option3", "SurnameInitial", Login(2), 11, &V::Option3, "Frame1", "login")
        .Example("Label14"),
    Hint("Label14", "eg. vargat", LoginExample(2)).In("Frame1"),
    Option("Option15", "FirstNameSurname", Login(3), 46, &V::Option15, "Frame1", "login")
        .Example("Label22"),
    Hint("Label22", "eg. tomasvarga", LoginExample(3)).In("Frame1"),
    Option("Option16", "SurnameFirstName", Login(4), 47, &V::Option16, "Frame1", "login")
        .Example("Label23"),
    Hint("Label23", "eg. vargatomas", LoginExample(4)).In("Frame1"),

    // School type.
    Option("Option4", "K-2", SchoolType(0), 15, &V::Option4, "Frame2", "type"),
    Option("Option5", "K-6", SchoolType(1), 16, &V::Option5, "Frame2", "type"),
    Option("Option6", "K-12", SchoolType(2), 17, &V::Option6, "Frame2", "type"),
    Option("Option7", "7-10", SchoolType(3), 18, &V::Option7, "Frame2", "type"),
    Option("Option8", "7-12", SchoolType(4), 19, &V::Option8, "Frame2", "type").Selected(),

    // Years: the mode and the thirteen boxes, locked while "All Years" is chosen.
    Option("Option11", "All Years", {2775, 3420, 1650, 300}, 22, &V::Option11, "Frame3", "years")
        .Selected(),
    Option("Option12", "Selected Years", {4500, 3420, 1950, 300}, 23, &V::Option12, "Frame3",
           "years"),
    Check("Check5", "K", Year(0), 24, &V::Check5, "Frame3").Locked(),
    Check("Check6", "1", Year(1), 41, &V::Check6, "Frame3").Locked(),
    Check("Check7", "2", Year(2), 25, &V::Check7, "Frame3").Locked(),
    Check("Check8", "3", Year(3), 26, &V::Check8, "Frame3").Locked(),
    Check("Check9", "4", Year(4), 27, &V::Check9, "Frame3").Locked(),
    Check("Check10", "5", Year(5), 28, &V::Check10, "Frame3").Locked(),
    Check("Check11", "6", Year(6), 29, &V::Check11, "Frame3").Locked(),
    Check("Check12", "7", Year(7), 30, &V::Check12, "Frame3").Locked().Ticked(),
    Check("Check13", "8", Year(8), 31, &V::Check13, "Frame3").Locked().Ticked(),
    Check("Check14", "9", Year(9), 32, &V::Check14, "Frame3").Locked().Ticked(),
    Check("Check15", "10", Year(10), 33, &V::Check15, "Frame3").Locked().Ticked(),
    Check("Check16", "11", Year(11), 34, &V::Check16, "Frame3").Locked().Ticked(),
    Check("Check17", "12", Year(12), 35, &V::Check17, "Frame3").Locked().Ticked(),

    // OU allocation.
    Check("Check1", "School", {375, 5580, 5850, 300}, 12, &V::Check1, "Frame4").Ticked(),
    Check("Check2", "Students", {375, 5940, 5850, 300}, 13, &V::Check2, "Frame4").Ticked(),
    Check("Check3", "Calculate and set an OU for each student's leaving year",
          {375, 6300, 5850, 300}, 14, &V::Check3, "Frame4")
        .Ticked(),

    // Home folder access.
    Option("Option9", "Full", {9225, 3450, 1350, 300}, 6, &V::Option9, "Frame5", "access"),
    Option("Option10", "Modify", {10725, 3450, 1500, 300}, 7, &V::Option10, "Frame5", "access")
        .Selected(),

    // Password.
    Check("Check4",
          "Set Unique Passwords for each user in the form abc123                       - OR",
          {6825, 5580, 6450, 300}, 37, &V::Check4, "Frame6")
        .Ticked(),
    Label("Label15", "Common Password:", {6825, 5985, 1575, 270}).In("Frame6").Locked(),
    TextBox("Text6", {8475, 5940, 1950, 315}, 38, &V::Text6, "Label15")
        .In("Frame6")
        .Locked()
        .Starting("LANTERNS"),
    Option("Option13", "Never Expires", {6825, 6330, 2100, 300}, 39, &V::Option13, "Frame6",
           "expiry")
        .Tip("Password Never Expires")
        .Selected(),
    Option("Option14", "Request Change", {9000, 6330, 2250, 300}, 40, &V::Option14, "Frame6",
           "expiry")
        .Tip("User MUST change password on first logon"),

    // Profile.
    Check("Check19", "Set User Profile Location", {375, 7230, 3750, 300}, 42, &V::Check19, "Frame7")
        .Ticked(),
    Label("Label20", "UNC Path:", {375, 7635, 1050, 270}).In("Frame7").Tip(kExampleUncPath),
    TextBox("Text8", {1500, 7590, 4725, 315}, 43, &V::Text8, "Label20")
        .In("Frame7")
        .Tip(kExampleUncPath),

    // Leavers and home-folder owner.
    Label("Label19", "BE CAREFUL!", {6600, 6930, 3000, 270}).Warning(),
    Check("Check18", "Delete accounts of students that have left school", {6600, 7200, 6750, 300},
          36, &V::Check18)
        .After("Label19")
        .Tip("This option can only be used if you are importing ALL Years"),
    Check("Check20",
          "Set student account as owner of their Home Folder instead of the Admininstrator",
          {6600, 7620, 6750, 300}, 45, &V::Check20),

    Button("Command1", "&Create!", {9000, 8220, 2025, 480}, 20),
    Button("Command2", "E&xit", {11250, 8220, 2025, 480}, 21),
};

}  // namespace

std::vector<Control> StartControls() {
  std::vector<Control> controls;
  for (const Row& row : kRows) {
    Control c;
    c.name = row.name;
    c.id = ControlId(row.name);
    c.kind = row.kind;
    c.caption = std::string(row.caption);
    c.place = row.place;
    c.tab = row.tab;
    c.text_field = row.text_field;
    c.flag_field = row.flag_field;
    c.frame = row.frame;
    c.option_group = row.group;
    c.label = row.label;
    c.hint = row.hint;
    c.tool_tip = std::string(row.tool_tip);
    c.hint_label = row.hint_label;
    c.warning_label = row.warning_label;
    c.max_length = row.max_length;
    c.upper_case = row.upper_case;
    c.text = row.text;
    c.checked = row.checked;
    c.enabled = row.enabled;
    controls.push_back(std::move(c));
  }
  return controls;
}

}  // namespace acctgen::ui

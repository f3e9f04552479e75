#include "acctgen/ui/form_controls.h"

#include <string>

namespace acctgen::ui {

namespace {

Control Frame(const char* name, const char* caption) {
  Control c;
  c.name = name;
  c.kind = ControlKind::kFrame;
  c.caption = caption;
  return c;
}

Control Label(const char* name, std::string_view caption, const char* frame = "") {
  Control c;
  c.name = name;
  c.kind = ControlKind::kLabel;
  c.caption = std::string(caption);
  c.frame = frame;
  return c;
}

Control Hint(const char* name, std::string_view caption, const char* frame = "") {
  Control c = Label(name, caption, frame);
  c.hint_label = true;
  return c;
}

Control TextBox(const char* name, const char* label, const char* hint, int max_length = 0,
                const char* frame = "") {
  Control c;
  c.name = name;
  c.kind = ControlKind::kText;
  c.label = label;
  c.hint = hint;
  c.max_length = max_length;
  c.frame = frame;
  return c;
}

Control Option(const char* name, const char* caption, const char* group, const char* frame,
               bool selected = false, const char* hint = "") {
  Control c;
  c.name = name;
  c.kind = ControlKind::kOption;
  c.caption = caption;
  c.option_group = group;
  c.frame = frame;
  c.checked = selected;
  c.hint = hint;
  return c;
}

Control Check(const char* name, const char* caption, const char* frame, bool ticked) {
  Control c;
  c.name = name;
  c.kind = ControlKind::kCheck;
  c.caption = caption;
  c.frame = frame;
  c.checked = ticked;
  return c;
}

Control Button(const char* name, const char* caption) {
  Control c;
  c.name = name;
  c.kind = ControlKind::kButton;
  c.caption = caption;
  return c;
}

}  // namespace

std::vector<Control> StartControls() {
  std::vector<Control> c;

  c.push_back(Frame("Frame1", "Preferred User Login Name Format:"));
  c.push_back(Frame("Frame2", "Select your School Type:"));
  c.push_back(
      Frame("Frame3", "Select School Years that require Individual Logins (tick all that apply):"));
  c.push_back(
      Frame("Frame4", "Preferred Organizational Unit (OU) Allocation (tick all that apply):"));
  c.push_back(Frame("Frame5", "Home Folder Access:"));
  c.push_back(Frame("Frame6", "Password Options:"));
  c.push_back(Frame("Frame7", "User Profile:"));

  // The domain and home-folder fields.
  c.push_back(Label("Label2", "Full DNS Name for School Domain:"));
  c.push_back(Hint("Label21", kExampleDnsName));
  c.push_back(TextBox("Text1", "Label2", "Label21"));
  c.back().tool_tip = std::string(kExampleDnsName);
  c.push_back(Label("Label1", "NetBIOS Domain Name:"));
  c.push_back(Hint("Label12", kExampleNetBiosName));
  c.push_back(TextBox("Text9", "Label1", "Label12", 25));
  c.push_back(Label("Label3", "Server Name:"));
  c.push_back(Hint("Label4", kExampleServerName));
  c.push_back(TextBox("Text2", "Label3", "Label4", 25));
  c.push_back(Label("Label5", "Folder Name for Home Folders:"));
  c.push_back(Hint("Label6", "eg. s_home"));
  c.push_back(TextBox("Text3", "Label5", "Label6"));
  c.push_back(Label("Label17", "Server Drive Letter for Home Folders:"));
  c.push_back(Hint("Label18", "eg. D"));
  c.push_back(TextBox("Text7", "Label17", "Label18", 1));
  c.back().upper_case = true;
  c.push_back(Label("Label9", "Drive Letter for Student's Home Folder:"));
  c.push_back(Hint("Label10", "eg. H"));
  c.push_back(TextBox("Text5", "Label9", "Label10", 1));
  c.back().upper_case = true;
  c.push_back(Label("Label8", "Logon Script Filename:"));
  c.push_back(Hint("Label7", "eg. Students.bat"));
  c.push_back(TextBox("Text4", "Label8", "Label7"));

  // Login name format.
  c.push_back(Option("Option1", "FirstName.Surname", "login", "Frame1", true, "Label11"));
  c.push_back(Hint("Label11", "eg. tomas.varga", "Frame1"));
  c.push_back(Option("Option2", "Surname.FirstName", "login", "Frame1", false, "Label13"));
  c.push_back(Hint("Label13", "eg. varga.tomas", "Frame1"));
  c.push_back(Option("Option3", "SurnameInitial", "login", "Frame1", false, "Label14"));
  c.push_back(Hint("Label14", "eg. vargat", "Frame1"));
  c.push_back(Option("Option15", "FirstNameSurname", "login", "Frame1", false, "Label22"));
  c.push_back(Hint("Label22", "eg. tomasvarga", "Frame1"));
  c.push_back(Option("Option16", "SurnameFirstName", "login", "Frame1", false, "Label23"));
  c.push_back(Hint("Label23", "eg. vargatomas", "Frame1"));

  // School type.
  c.push_back(Option("Option4", "K-2", "type", "Frame2"));
  c.push_back(Option("Option5", "K-6", "type", "Frame2"));
  c.push_back(Option("Option6", "K-12", "type", "Frame2"));
  c.push_back(Option("Option7", "7-10", "type", "Frame2"));
  c.push_back(Option("Option8", "7-12", "type", "Frame2", true));

  // Years: the mode and the thirteen boxes, locked while "All Years" is chosen.
  c.push_back(Option("Option11", "All Years", "years", "Frame3", true));
  c.push_back(Option("Option12", "Selected Years", "years", "Frame3"));
  const char* year_captions[] = {"K", "1", "2", "3",  "4",  "5", "6",
                                 "7", "8", "9", "10", "11", "12"};
  for (int year = 0; year <= 12; ++year) {
    c.push_back(Check(kYearBoxes[year].data(), year_captions[year], "Frame3", year >= 7));
    c.back().enabled = false;
  }

  // OU allocation.
  c.push_back(Check("Check1", "School", "Frame4", true));
  c.push_back(Check("Check2", "Students", "Frame4", true));
  c.push_back(
      Check("Check3", "Calculate and set an OU for each student's leaving year", "Frame4", true));

  // Home folder access.
  c.push_back(Option("Option9", "Full", "access", "Frame5"));
  c.push_back(Option("Option10", "Modify", "access", "Frame5", true));

  // Password.
  c.push_back(Check("Check4",
                    "Set Unique Passwords for each user in the form abc123                       "
                    "- OR",
                    "Frame6", true));
  c.push_back(Label("Label15", "Common Password:", "Frame6"));
  c.back().enabled = false;
  c.push_back(TextBox("Text6", "Label15", "", 0, "Frame6"));
  c.back().text = "LANTERNS";
  c.back().enabled = false;
  c.push_back(Option("Option13", "Never Expires", "expiry", "Frame6", true));
  c.back().tool_tip = "Password Never Expires";
  c.push_back(Option("Option14", "Request Change", "expiry", "Frame6"));
  c.back().tool_tip = "User MUST change password on first logon";

  // Profile.
  c.push_back(Check("Check19", "Set User Profile Location", "Frame7", true));
  c.push_back(Label("Label20", "UNC Path:", "Frame7"));
  c.back().tool_tip = std::string(kExampleUncPath);
  c.push_back(TextBox("Text8", "Label20", "", 0, "Frame7"));
  c.back().tool_tip = std::string(kExampleUncPath);

  // Leavers and home-folder owner.
  c.push_back(Label("Label19", "BE CAREFUL!"));
  c.back().warning_label = true;
  c.push_back(Check("Check18", "Delete accounts of students that have left school", "", false));
  c.back().tool_tip = "This option can only be used if you are importing ALL Years";
  c.push_back(Check("Check20",
                    "Set student account as owner of their Home Folder instead of the "
                    "Admininstrator",
                    "", false));

  c.push_back(Button("Command1", "&Create!"));
  c.push_back(Button("Command2", "E&xit"));
  return c;
}

}  // namespace acctgen::ui

#pragma once
// The main form's model: every control with its caption, value and enabled state. Every change
// of a control's state, by the administrator or by the program (restoring the settings, or one
// reaction changing another control), runs that control's reaction, so the form stays
// consistent whichever way it was changed. The Win32 view mirrors this model and holds no
// state of its own.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "acctgen/logic/form_values.h"
#include "acctgen/logic/settings_file.h"
#include "runtime/dialogs.h"
#include "runtime/twips.h"

namespace acctgen::ui {

enum class ControlKind { kText, kOption, kCheck, kButton, kLabel, kFrame };

struct Control {
  std::string name;  // "Text1", "Option4", "Label15", "Frame2"
  int id = 0;        // the window's identifier of the control: ControlId(name)
  ControlKind kind = ControlKind::kLabel;
  std::string caption;  // of options, boxes, buttons, labels and frames
  rt::TwipsRect place{};
  int tab = 0;  // the control's place in the tab order, from 1; 0 for a control Tab skips
  // Where the form's record keeps the control's value (text boxes; options and boxes).
  std::string FormValues::*text_field = nullptr;
  bool FormValues::*flag_field = nullptr;
  std::string frame;  // the framed group the control stands in; empty for none
  // Options of one group exclude one another ("login", "type", "years", "access", "expiry").
  std::string option_group;
  std::string label;  // the caption label standing before the control
  std::string hint;   // the grey example label beside the control
  std::string tool_tip;
  bool hint_label = false;     // a grey example label
  bool warning_label = false;  // "BE CAREFUL!"
  int max_length = 0;          // characters the administrator may type; 0 for no limit
  bool upper_case = false;
  // The state.
  std::string text;  // of text boxes
  bool checked = false;
  bool enabled = true;
};

inline constexpr std::string_view kPleaseNoteTitle = "Please Note";
inline constexpr std::string_view kNetBiosNameNeeded =
    "You MUST provide the NetBIOS Domain Name before you can select this option.";

class FormModel : public SettingsTarget {
 public:
  // dialogs shows the reactions' own messages ("Please Note").
  explicit FormModel(rt::Dialogs& dialogs);

  const std::vector<Control>& controls() const { return controls_; }
  // Throws std::out_of_range for a name that is no control of the form.
  const Control& Get(std::string_view name) const;
  // The control with this identifier; nullptr for none.
  const Control* FindById(int id) const;

  // Changes made by the program or forwarded from the window; each runs the reaction of the
  // control whose state it changed.
  void SetText(std::string_view name, std::string_view text) override;
  // Selects or deselects an option (selecting one deselects the others of its group); ticks or
  // unticks a box.
  void SetFlag(std::string_view name, bool on) override;
  void SetEnabled(std::string_view name, bool enabled);

  // A click as the mouse makes it: selects an option, toggles a box, presses a button.
  void Click(std::string_view name);

  // The input record of a Create run: the current values of the 45 input controls.
  FormValues Snapshot() const;

  // The order in which Tab moves through the form.
  static const std::vector<std::string>& TabOrder();
  // The client area of the form, in twips.
  static constexpr int kWidth = 13500;
  static constexpr int kHeight = 8850;

  // Called after every change of a control's text, tick or enabled state, with its name.
  std::function<void(const std::string& name)> on_change;
  // "&Create!" pressed: the Create run takes the form's values from here.
  std::function<void(const FormValues& values)> on_create;
  // "E&xit" pressed.
  std::function<void()> on_exit;

 private:
  Control& Find(std::string_view name);
  void Changed(const Control& control);
  void React(Control& control);
  void ReactToSchoolType(std::string_view option);
  void ReactToDeleteLeavers(bool ticked);
  void SetYearBoxesEnabled(bool enabled);
  // Unticks all thirteen year boxes; only the school-type reactions call it.
  void ClearYearBoxes();

  rt::Dialogs& dialogs_;
  std::vector<Control> controls_;
};

}  // namespace acctgen::ui

#pragma once
// The main form's model: every control of the field table with its value and enabled state.
// Every change of a control's state, by the administrator or by the program (restoring the
// settings, or one reaction changing another control), runs that control's reaction, so the
// form stays consistent whichever way it was changed. The Win32 view mirrors this model and
// holds no state of its own.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "acctgen/logic/form/form_fields.h"
#include "acctgen/logic/form/options.h"
#include "acctgen/logic/form/settings_file.h"
#include "runtime/dialogs.h"

namespace acctgen::ui {

using acctgen::ControlKind;

// A control: its row of the field table, which never changes, and its state.
struct Control {
  const FormField& row;
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
  const Control& Get(Field field) const { return *of_field_[static_cast<int>(field)]; }
  // Throws std::out_of_range for a name that is no control of the form.
  const Control& Get(std::string_view name) const;
  // The control with this identifier; nullptr for none.
  const Control* FindById(int id) const;

  // Changes made by the program or forwarded from the window; each runs the reaction of the
  // control whose state it changed.
  void SetText(Field field, std::string_view text) override;
  // Selects or deselects an option (selecting one deselects the others of its group); ticks or
  // unticks a box.
  void SetFlag(Field field, bool on) override;
  void SetText(std::string_view name, std::string_view text);
  void SetFlag(std::string_view name, bool on);

  // A click as the mouse makes it: selects an option, toggles a box, presses a button.
  void Click(int id);
  void Click(std::string_view name) { Click(Get(name).row.id); }
  // "E&xit" pressed, or the window closed.
  void Exit() {
    if (on_exit) on_exit();
  }

  // The options of a Create run: the current values of the input controls.
  Options Snapshot() const;

  // The order in which Tab moves through the form.
  static const std::vector<std::string>& TabOrder();
  static constexpr int kWidth = kFormWidth;
  static constexpr int kHeight = kFormHeight;

  // Called after every change of a control's text, tick or enabled state, with its name.
  std::function<void(const std::string& name)> on_change;
  // "&Create!" pressed: the Create run takes the form's options from here.
  std::function<void(const Options& options)> on_create;
  // "E&xit" pressed.
  std::function<void()> on_exit;

 private:
  Control& Find(std::string_view name);
  Control& At(Field field) { return *of_field_[static_cast<int>(field)]; }
  void Changed(const Control& control);
  void Text(Control& control, std::string_view text);
  void Flag(Control& control, bool on);
  void Enable(Control& control, bool enabled);
  // A field and its caption label.
  void EnableWithLabel(Field field, bool enabled);
  void React(Control& control);
  void ReactToSchoolType(const Control& option);
  void ReactToDeleteLeavers(bool ticked);
  void SetYearBoxesEnabled(bool enabled);
  // Unticks all thirteen year boxes; only the school-type reactions call it.
  void ClearYearBoxes();

  rt::Dialogs& dialogs_;
  std::vector<Control> controls_;
  std::array<Control*, kSettingsFieldCount> of_field_{};
};

}  // namespace acctgen::ui

#pragma once
// Builds a form's controls from rows of a table: the kind, the identifier, the caption, the place
// in twips, the style beside the kind's own, the font, the colour and the tool tip. Every program
// window makes its controls here, so a kind looks and behaves alike in all of them.

#include <windows.h>

#include <optional>
#include <string_view>

#include "runtime/control_kind.h"
#include "runtime/twips.h"

namespace rt::win32 {

struct FontSpec {
  std::string_view face = "MS Shell Dlg";  // the classic dialog font
  int centipoints = 800;                   // hundredths of a point
  bool bold = false;
};

struct ControlRow {
  ControlKind kind = ControlKind::kLabel;
  // The control's identifier in WM_COMMAND (keep clear of IDOK and IDCANCEL: Enter and Esc
  // send those).
  int id = 0;
  std::string_view caption = {};  // a text box's starting text
  TwipsRect place{};
  // Added to the kind's own style: WS_GROUP to start a group, ES_UPPERCASE, SS_CENTER, ...
  DWORD style = 0;
  std::string_view tool_tip = {};
  FontSpec font = {};
  bool hint = false;                    // a label drawn in the system's grey
  std::optional<COLORREF> colour = {};  // a label's text colour of its own
  int max_length = 0;                   // characters a text box takes; 0 for no limit of ours
};

// Who sets the marks of options and check boxes: the system on a click, or the program (a
// model that decides what is selected).
enum class Marks { kBySystem, kByProgram };

class ControlBuilder {
 public:
  explicit ControlBuilder(HWND form, Marks marks = Marks::kBySystem);

  // Makes the control, a visible child placed at the form's resolution (so the tab order is the
  // order of the calls); nullptr when the system refuses it.
  HWND Add(const ControlRow& row);
  template <typename Rows>
  void AddAll(const Rows& rows) {
    for (const ControlRow& row : rows) Add(row);
  }
  // The window of every tip the builder added; nullptr when it added none.
  HWND tool_tips() const { return tool_tips_; }

 private:
  HWND form_;
  Marks marks_;
  int dots_per_inch_;
  HWND tool_tips_ = nullptr;  // made with the first tip
};

// Changes the tip of a control that was added with one.
void SetToolTip(HWND tool_tips, HWND control, std::string_view text);

// The font at a resolution; made once for each, shared by every control.
HFONT FontAt(const FontSpec& font, int dots_per_inch);

}  // namespace rt::win32

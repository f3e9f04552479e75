#pragma once
// Plain helpers the program windows share: twips to pixels at a window's resolution, the
// classic dialog font, creating the usual controls in tab order, tool tips, grey hint labels
// and a message loop that gives Tab and access keys (Alt+letter on "&" captions) their dialog
// meaning.

#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/twips.h"

namespace rt::win32 {

using rt::TwipsRect;
using rt::TwipsToPixels;

// The resolution (dots per inch) a window is drawn at; the screen's for nullptr. A program that
// does not declare itself aware of the resolution is told 96 where the system scales it.
int DotsPerInch(HWND window = nullptr);
// Twips to pixels at the screen's resolution.
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
// A rectangle in twips as pixels at a resolution: each edge is rounded, so the control's
// right and bottom edges scale as its left and top do.
RECT TwipsToPixels(TwipsRect where, int dots_per_inch);

// The classic 8-point dialog font ("MS Shell Dlg") at a resolution, plain or bold; made once
// for each, shared by every control.
HFONT DialogFont(int dots_per_inch, bool bold = false);
// Sets the dialog font at the control's resolution.
void ApplyDialogFont(HWND control);

// Every control below is a visible child, placed in twips at its parent's resolution, with
// WS_TABSTOP where it takes the focus, so the tab order is the creation order. id is the
// control's identifier in WM_COMMAND (keep clear of IDOK and IDCANCEL: Enter and Esc send
// those). The dialog font is set.
HWND CreateControl(HWND parent, int id, const char* window_class, std::string_view caption,
                   DWORD style, DWORD extended_style, TwipsRect where);
// The usual kinds. Every control but an option button that continues a group starts a group
// of its own (WS_GROUP).
HWND CreateLabel(HWND parent, int id, std::string_view caption, TwipsRect where);
// A label whose text is drawn grey (a hint); its colour comes from HandleHintColour.
HWND CreateHintLabel(HWND parent, int id, std::string_view caption, TwipsRect where);
HWND CreateButton(HWND parent, int id, std::string_view caption, TwipsRect where,
                  bool is_default = false);
// first_of_group starts a new group of option buttons (WS_GROUP); arrow keys move in a group.
HWND CreateOptionButton(HWND parent, int id, std::string_view caption, TwipsRect where,
                        bool first_of_group);
HWND CreateCheckBox(HWND parent, int id, std::string_view caption, TwipsRect where);
// A frame around other controls; it takes no focus.
HWND CreateFrame(HWND parent, int id, std::string_view caption, TwipsRect where);
struct EditOptions {
  int max_length = 0;  // 0: no limit of our own
  bool upper_case = false;
  bool password = false;
};
HWND CreateEditBox(HWND parent, int id, std::string_view text, TwipsRect where,
                   EditOptions options = {});

// The one tool tip window of a form; AddToolTip registers a control's tip with it. Tips are
// shown as written ("&" is no access key there) and wrap at 400 pixels at 96 DPI.
HWND CreateToolTips(HWND form);
void AddToolTip(HWND tool_tips, HWND control, std::string_view text);

// Marks a label as a hint (grey text); HandleHintColour answers WM_CTLCOLORSTATIC for it.
void MarkAsHint(HWND label);
bool IsHint(HWND label);
// Gives a label a text colour of its own (a hint's darker grey, a warning's red).
void SetTextColour(HWND label, COLORREF colour);
// Call from the form's window procedure on WM_CTLCOLORSTATIC (wparam: the DC, lparam: the
// control): returns the brush for the control's background and sets the text colour of a
// label that has one (a hint's is the system's grey), or nullptr when the message should go to
// the default procedure.
HBRUSH HandleHintColour(WPARAM wparam, LPARAM lparam);

// Sets the text of a control from 8-bit text; reading it back gives the same bytes.
void SetText(HWND control, std::string_view text);
std::string GetText(HWND control);

// Call from the form's window procedure on WM_NEXTDLGCTL, which the dialog navigation sends
// to move the focus (a label's access key gives it to the control after the label); a plain
// window's default procedure ignores it.
void HandleNextControl(HWND form, WPARAM wparam, LPARAM lparam);

// Runs the thread's message loop until WM_QUIT, giving form's keyboard messages to
// IsDialogMessage first (Tab, Shift+Tab, arrows in option groups, access keys, Enter, Esc).
// Returns the WM_QUIT exit code.
int RunMessageLoop(HWND form);
// Handles one message as RunMessageLoop does; false when it should not be dispatched further.
bool RouteDialogMessage(HWND form, MSG& message);

}  // namespace rt::win32

#pragma once
// Plain helpers the program windows share: twips to pixels, the classic dialog font, creating
// the usual controls in tab order, tool tips, grey hint labels and a message loop that gives
// Tab and access keys (Alt+letter on "&" captions) their dialog meaning.

#include <windows.h>

#include <string>
#include <string_view>

namespace rt::win32 {

// Twips (1/1440 inch) to pixels at the screen's real resolution: 15 twips a pixel at 96 DPI.
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
// The same at a given resolution (dots per inch), rounded to the nearest pixel.
int TwipsToPixels(int twips, int dots_per_inch);

// A rectangle given in twips, as the form designer lays controls out.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

// The classic 8-point dialog font ("MS Shell Dlg"); made once, shared by every control.
HFONT DialogFont();
void ApplyDialogFont(HWND control);

// Every control below is a visible child with WS_TABSTOP where it takes the focus, so the tab
// order is the creation order. id is the control's identifier in WM_COMMAND (keep clear of
// IDOK and IDCANCEL: Enter and Esc send those). Every control but an option button that
// continues a group starts a group of its own (WS_GROUP). The font is set.
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

// The one tool tip window of a form; AddToolTip registers a control's tip with it.
HWND CreateToolTips(HWND form);
void AddToolTip(HWND tool_tips, HWND control, std::string_view text);

// Marks a label as a hint (grey text); HandleHintColour answers WM_CTLCOLORSTATIC for it.
void MarkAsHint(HWND label);
bool IsHint(HWND label);
// Call from the form's window procedure on WM_CTLCOLORSTATIC (wparam: the DC, lparam: the
// control): returns the brush for the control's background and sets a hint's text grey, or
// nullptr when the message should go to the default procedure.
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

#pragma once
// Plain helpers the program windows share: twips to pixels at a window's resolution, label
// colours (grey hints), a control's text, and the dialog navigation's focus moves.

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

// Marks a label as a hint (grey text); HandleHintColour answers WM_CTLCOLORSTATIC for it.
void MarkAsHint(HWND label);
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

}  // namespace rt::win32

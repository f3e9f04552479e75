#include "runtime/win32/controls.h"

#include <string>

namespace rt::win32 {

namespace {

constexpr char kHintProperty[] = "rt.hint";
constexpr char kColourProperty[] = "rt.colour";

int ScreenDotsPerInch(int axis) {
  HDC screen = GetDC(nullptr);
  const int dots = screen != nullptr ? GetDeviceCaps(screen, axis) : 96;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dots > 0 ? dots : 96;
}

}  // namespace

int DotsPerInch(HWND window) {
  if (window == nullptr) return ScreenDotsPerInch(LOGPIXELSY);
  HDC dc = GetDC(window);
  const int dots = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
  if (dc != nullptr) ReleaseDC(window, dc);
  return dots > 0 ? dots : ScreenDotsPerInch(LOGPIXELSY);
}

int TwipsToPixelsX(int twips) { return TwipsToPixels(twips, ScreenDotsPerInch(LOGPIXELSX)); }
int TwipsToPixelsY(int twips) { return TwipsToPixels(twips, ScreenDotsPerInch(LOGPIXELSY)); }

RECT TwipsToPixels(TwipsRect where, int dots_per_inch) {
  return {TwipsToPixels(where.left, dots_per_inch), TwipsToPixels(where.top, dots_per_inch),
          TwipsToPixels(where.left + where.width, dots_per_inch),
          TwipsToPixels(where.top + where.height, dots_per_inch)};
}

void MarkAsHint(HWND label) { SetPropA(label, kHintProperty, reinterpret_cast<HANDLE>(1)); }

void SetTextColour(HWND label, COLORREF colour) {
  // Kept one above the colour, so that black is no colour of its own.
  SetPropA(label, kColourProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(colour) + 1));
}

HBRUSH HandleHintColour(WPARAM wparam, LPARAM lparam) {
  HWND label = reinterpret_cast<HWND>(lparam);
  const auto own = reinterpret_cast<UINT_PTR>(GetPropA(label, kColourProperty));
  if (own == 0 && GetPropA(label, kHintProperty) == nullptr) return nullptr;
  HDC dc = reinterpret_cast<HDC>(wparam);
  SetTextColor(dc, own != 0 ? static_cast<COLORREF>(own - 1) : GetSysColor(COLOR_GRAYTEXT));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

void SetText(HWND control, std::string_view text) {
  const std::string value(text);
  SetWindowTextA(control, value.c_str());
}

std::string GetText(HWND control) {
  const int length = GetWindowTextLengthA(control);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(control, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return text;
}

void HandleNextControl(HWND form, WPARAM wparam, LPARAM lparam) {
  HWND next = nullptr;
  if (LOWORD(lparam) != 0) {
    next = reinterpret_cast<HWND>(wparam);  // this very control
  } else {
    HWND focus = GetFocus();
    next = GetNextDlgTabItem(form, IsChild(form, focus) ? focus : nullptr, wparam != 0);
  }
  if (next == nullptr) return;
  if (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
    SendMessageA(next, EM_SETSEL, 0, -1);
  }
  SetFocus(next);
}

}  // namespace rt::win32

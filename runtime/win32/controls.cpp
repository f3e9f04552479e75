#include "runtime/win32/controls.h"

// commctrl.h needs windows.h ahead of it.
#include <commctrl.h>

#include <string>

namespace rt::win32 {

namespace {

constexpr char kHintProperty[] = "rt.hint";
constexpr char kColourProperty[] = "rt.colour";
// The longest line of a tool tip, in pixels at 96 DPI.
constexpr int kToolTipWidth = 400;

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

HFONT DialogFont(int dots_per_inch, bool bold) {
  // A few resolutions at most in one program's life.
  struct Made {
    int dots_per_inch;
    bool bold;
    HFONT font;
  };
  static Made made[8];
  static int count = 0;
  for (int i = 0; i < count; ++i) {
    if (made[i].dots_per_inch == dots_per_inch && made[i].bold == bold) return made[i].font;
  }
  LOGFONTA description{};
  description.lfHeight = -MulDiv(8, dots_per_inch, 72);
  description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  description.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(description.lfFaceName, "MS Shell Dlg", LF_FACESIZE);
  HFONT font = CreateFontIndirectA(&description);
  if (font == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  if (count < 8) made[count++] = {dots_per_inch, bold, font};
  return font;
}

void ApplyDialogFont(HWND control) {
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont(DotsPerInch(control))),
               FALSE);
}

HWND CreateControl(HWND parent, int id, const char* window_class, std::string_view caption,
                   DWORD style, DWORD extended_style, TwipsRect where) {
  const std::string text(caption);
  const RECT place = TwipsToPixels(where, DotsPerInch(parent));
  HWND control = CreateWindowExA(
      extended_style, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
      place.top, place.right - place.left, place.bottom - place.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
  if (control != nullptr) ApplyDialogFont(control);
  return control;
}

HWND CreateLabel(HWND parent, int id, std::string_view caption, TwipsRect where) {
  return CreateControl(parent, id, "Static", caption, SS_LEFT | WS_GROUP, 0, where);
}

HWND CreateHintLabel(HWND parent, int id, std::string_view caption, TwipsRect where) {
  HWND label = CreateLabel(parent, id, caption, where);
  if (label != nullptr) MarkAsHint(label);
  return label;
}

HWND CreateButton(HWND parent, int id, std::string_view caption, TwipsRect where, bool is_default) {
  const DWORD kind = is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  return CreateControl(parent, id, "Button", caption, kind | WS_TABSTOP | WS_GROUP, 0, where);
}

HWND CreateOptionButton(HWND parent, int id, std::string_view caption, TwipsRect where,
                        bool first_of_group) {
  const DWORD group = first_of_group ? WS_GROUP : 0;
  return CreateControl(parent, id, "Button", caption, BS_AUTORADIOBUTTON | WS_TABSTOP | group, 0,
                       where);
}

HWND CreateCheckBox(HWND parent, int id, std::string_view caption, TwipsRect where) {
  return CreateControl(parent, id, "Button", caption, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 0,
                       where);
}

HWND CreateFrame(HWND parent, int id, std::string_view caption, TwipsRect where) {
  return CreateControl(parent, id, "Button", caption, BS_GROUPBOX | WS_GROUP, 0, where);
}

HWND CreateEditBox(HWND parent, int id, std::string_view text, TwipsRect where,
                   EditOptions options) {
  DWORD style = ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP;
  if (options.upper_case) style |= ES_UPPERCASE;
  if (options.password) style |= ES_PASSWORD;
  HWND edit = CreateControl(parent, id, "Edit", text, style, WS_EX_CLIENTEDGE, where);
  if (edit != nullptr && options.max_length > 0) {
    SendMessageA(edit, EM_LIMITTEXT, static_cast<WPARAM>(options.max_length), 0);
  }
  return edit;
}

HWND CreateToolTips(HWND form) {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&classes) != FALSE;
  }();
  (void)registered;
  HWND tips = CreateWindowExA(
      WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(form, GWLP_HINSTANCE)), nullptr);
  if (tips != nullptr) {
    SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, MulDiv(kToolTipWidth, DotsPerInch(form), 96));
  }
  return tips;
}

void AddToolTip(HWND tool_tips, HWND control, std::string_view text) {
  std::string tip(text);
  TTTOOLINFOA tool{};
  // The size the first common controls understand, so the tip works with and without a manifest.
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = tip.data();
  SendMessageA(tool_tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void MarkAsHint(HWND label) { SetPropA(label, kHintProperty, reinterpret_cast<HANDLE>(1)); }

bool IsHint(HWND label) { return GetPropA(label, kHintProperty) != nullptr; }

void SetTextColour(HWND label, COLORREF colour) {
  // Kept one above the colour, so that black is no colour of its own.
  SetPropA(label, kColourProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(colour) + 1));
}

HBRUSH HandleHintColour(WPARAM wparam, LPARAM lparam) {
  HWND label = reinterpret_cast<HWND>(lparam);
  const auto own = reinterpret_cast<UINT_PTR>(GetPropA(label, kColourProperty));
  if (own == 0 && !IsHint(label)) return nullptr;
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

bool RouteDialogMessage(HWND form, MSG& message) {
  // Each top-level window of the thread gets its own keyboard navigation; a window that is
  // not the form (the progress window, say) navigates among its own controls.
  HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root == nullptr) root = form;
  return root != nullptr && IsDialogMessageA(root, &message);
}

int RunMessageLoop(HWND form) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (RouteDialogMessage(form, message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace rt::win32

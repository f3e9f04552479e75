#include "runtime/win32/control_builder.h"

// commctrl.h needs windows.h ahead of it.
#include <commctrl.h>

#include <string>
#include <vector>

#include "runtime/win32/controls.h"

namespace rt::win32 {

namespace {

// The longest line of a tool tip, in pixels at 96 DPI.
constexpr int kToolTipWidth = 400;

struct Kind {
  const char* window_class;
  DWORD style;
  DWORD extended_style;
};

Kind KindOf(ControlKind kind, Marks marks) {
  const bool by_system = marks == Marks::kBySystem;
  const DWORD option = by_system ? BS_AUTORADIOBUTTON : BS_RADIOBUTTON;
  const DWORD check = by_system ? BS_AUTOCHECKBOX : BS_CHECKBOX;
  switch (kind) {
    case ControlKind::kText:
      return {"Edit", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kButton:
      return {"Button", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::kOption:
      return {"Button", WS_TABSTOP | option, 0};
    case ControlKind::kCheck:
      return {"Button", WS_TABSTOP | check, 0};
    case ControlKind::kFrame:
      return {"Button", BS_GROUPBOX, 0};
    case ControlKind::kLabel:
      break;
  }
  return {"Static", SS_LEFT, 0};
}

HWND MakeToolTips(HWND form) {
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

void SendToolInfo(HWND tool_tips, UINT message, HWND control, std::string_view text) {
  std::string tip(text);
  TTTOOLINFOA tool{};
  // The size the first common controls understand, so the tip works with and without a manifest.
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = tip.data();
  SendMessageA(tool_tips, message, 0, reinterpret_cast<LPARAM>(&tool));
}

void AddToolTip(HWND tool_tips, HWND control, std::string_view text) {
  SendToolInfo(tool_tips, TTM_ADDTOOLA, control, text);
}

}  // namespace

void SetToolTip(HWND tool_tips, HWND control, std::string_view text) {
  if (tool_tips != nullptr) SendToolInfo(tool_tips, TTM_UPDATETIPTEXTA, control, text);
}

HFONT FontAt(const FontSpec& font, int dots_per_inch) {
  // A few fonts at a resolution or two in one program's life.
  struct Made {
    std::string face;
    int centipoints;
    bool bold;
    int dots_per_inch;
    HFONT font;
  };
  static std::vector<Made> made;
  for (const Made& m : made) {
    if (m.face == font.face && m.centipoints == font.centipoints && m.bold == font.bold &&
        m.dots_per_inch == dots_per_inch) {
      return m.font;
    }
  }
  LOGFONTA description{};
  description.lfHeight = -MulDiv(font.centipoints, dots_per_inch, 7200);
  description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  description.lfCharSet = DEFAULT_CHARSET;
  const std::string face(font.face);
  lstrcpynA(description.lfFaceName, face.c_str(), LF_FACESIZE);
  HFONT made_font = CreateFontIndirectA(&description);
  if (made_font == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  made.push_back({face, font.centipoints, font.bold, dots_per_inch, made_font});
  return made_font;
}

ControlBuilder::ControlBuilder(HWND form, Marks marks)
    : form_(form), marks_(marks), dots_per_inch_(DotsPerInch(form)) {}

HWND ControlBuilder::Add(const ControlRow& row) {
  const Kind kind = KindOf(row.kind, marks_);
  const std::string text(row.caption);
  const RECT place = TwipsToPixels(row.place, dots_per_inch_);
  HWND control = CreateWindowExA(
      kind.extended_style, kind.window_class, text.c_str(),
      WS_CHILD | WS_VISIBLE | kind.style | row.style, place.left, place.top,
      place.right - place.left, place.bottom - place.top, form_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(form_, GWLP_HINSTANCE)), nullptr);
  if (control == nullptr) return nullptr;
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontAt(row.font, dots_per_inch_)),
               FALSE);
  if (row.hint) MarkAsHint(control);
  if (row.colour) SetTextColour(control, *row.colour);
  if (row.max_length > 0) SendMessageA(control, EM_LIMITTEXT, row.max_length, 0);
  if (!row.tool_tip.empty()) {
    if (tool_tips_ == nullptr) tool_tips_ = MakeToolTips(form_);
    AddToolTip(tool_tips_, control, row.tool_tip);
  }
  return control;
}

}  // namespace rt::win32

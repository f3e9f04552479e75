#include "tools/robot/layout_check.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "tools/robot/process_probe.h"

namespace robot {

namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";

std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

// Each edge within a pixel of base's scaled by ratio.
bool Scaled(const RECT& base, const RECT& scaled, double ratio) {
  const LONG b[] = {base.left, base.top, base.right, base.bottom};
  const LONG s[] = {scaled.left, scaled.top, scaled.right, scaled.bottom};
  for (int i = 0; i < 4; ++i) {
    if (std::fabs(s[i] - b[i] * ratio) > 1.0) return false;
  }
  return true;
}

// The room the control leaves around its caption, in pixels at 96 DPI: a push button's
// border, a box's or option's mark and the gap after it, a frame's indent on either side.
int Margin(const std::string& kind) {
  if (kind == "button") return 6;
  if (kind == "check" || kind == "option") return 17;
  if (kind == "frame") return 16;
  return 0;
}

// Why the caption does not fit the control; empty when it does.
std::string CaptionFault(const Control& control, HDC dc, int dots_per_inch) {
  const int width = control.rect.right - control.rect.left;
  const int height = control.rect.bottom - control.rect.top;
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  if (control.kind == "edit") {
    // A line of text inside the box's sunken edge.
    const int room = height - MulDiv(4, dots_per_inch, 96);
    return metrics.tmHeight <= room ? "" : "a line of text is taller than the box";
  }
  if (control.caption.empty()) return "";
  const bool label = control.kind == "label";
  UINT format = DT_CALCRECT | (label ? DT_WORDBREAK : DT_SINGLELINE);
  if (label && (GetWindowLongA(control.handle, GWL_STYLE) & SS_NOPREFIX) != 0) {
    format |= DT_NOPREFIX;
  }
  const int room = width - MulDiv(Margin(control.kind), dots_per_inch, 96);
  RECT text{0, 0, room, 0};
  DrawTextA(dc, control.caption.c_str(), static_cast<int>(control.caption.size()), &text, format);
  if (text.right > room) {
    return "the caption needs " + std::to_string(text.right) + " pixels of " + std::to_string(room);
  }
  // A frame's caption stands on its top edge.
  if (control.kind != "frame" && text.bottom > height) {
    return "the caption is " + std::to_string(text.bottom) + " pixels high in " +
           std::to_string(height);
  }
  return "";
}

}  // namespace

bool SetScreenDotsPerInch(int dots_per_inch) {
  const DWORD value = static_cast<DWORD>(dots_per_inch);
  return RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", REG_DWORD, &value,
                         sizeof value) == ERROR_SUCCESS;
}

Layout LayoutOf(HWND window, int dots_per_inch) {
  Layout layout{
      dots_per_inch,        {}, {}, {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
      ListControls(window), {}};
  GetClientRect(window, &layout.client);
  GetWindowRect(window, &layout.outline);
  std::vector<HWND> handles;
  for (const Control& control : layout.controls) handles.push_back(control.handle);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  layout.fonts = FontsOf(process, handles);
  return layout;
}

std::vector<std::string> ScalingFaults(const Layout& base, const Layout& scaled) {
  std::vector<std::string> faults;
  const double ratio = static_cast<double>(scaled.dots_per_inch) / base.dots_per_inch;
  // Off the screen a control cannot be seen or clicked; the system cuts a window larger than
  // the screen down to it. Such a test needs a larger screen.
  for (const Layout* layout : {&base, &scaled}) {
    const RECT& o = layout->outline;
    if (o.left < 0 || o.top < 0 || o.right > layout->screen.cx || o.bottom > layout->screen.cy) {
      faults.push_back("the window " + Describe(o) + " at " +
                       std::to_string(layout->dots_per_inch) + " DPI is not wholly on the screen " +
                       std::to_string(layout->screen.cx) + "x" + std::to_string(layout->screen.cy));
    }
  }
  if (!Scaled(base.client, scaled.client, ratio)) {
    faults.push_back("client area " + Describe(scaled.client) + " from " + Describe(base.client));
  }
  if (base.controls.size() != scaled.controls.size()) {
    faults.push_back(std::to_string(scaled.controls.size()) + " controls instead of " +
                     std::to_string(base.controls.size()));
    return faults;
  }
  if (base.fonts.size() != base.controls.size() || scaled.fonts.size() != scaled.controls.size()) {
    faults.push_back("the program did not tell its controls' fonts");
    return faults;
  }
  HDC dc = CreateCompatibleDC(nullptr);
  for (std::size_t i = 0; i < base.controls.size(); ++i) {
    const Control& was = base.controls[i];
    const Control& is = scaled.controls[i];
    const std::string name = "[" + is.caption + "] (" + is.kind + ")";
    if (was.kind != is.kind || was.caption != is.caption) {
      faults.push_back(name + " stands where [" + was.caption + "] stood");
      continue;
    }
    if (!Scaled(was.rect, is.rect, ratio)) {
      faults.push_back(name + " at " + Describe(is.rect) + " from " + Describe(was.rect));
    }
    const LONG was_height = std::labs(base.fonts[i].lfHeight);
    const LONG is_height = std::labs(scaled.fonts[i].lfHeight);
    if (std::fabs(is_height - was_height * ratio) > 1.0) {
      faults.push_back(name + ": a font " + std::to_string(is_height) + " pixels high from " +
                       std::to_string(was_height));
    }
    HFONT font = CreateFontIndirectA(&scaled.fonts[i]);
    HGDIOBJ old = SelectObject(dc, font);
    const std::string clipped = CaptionFault(is, dc, scaled.dots_per_inch);
    if (!clipped.empty()) faults.push_back(name + ": " + clipped);
    SelectObject(dc, old);
    DeleteObject(font);
  }
  DeleteDC(dc);
  return faults;
}

}  // namespace robot

#pragma once
// Compares what a window shows at a higher screen resolution with what it shows at 96 DPI:
// every control in its scaled place and no caption cut off. Windows only.

#include <windows.h>

#include <string>
#include <vector>

#include "tools/robot/robot.h"

namespace robot {

// Sets the resolution (dots per inch) of the current user's screen, which Wine reads when a
// program starts: the programs started next are drawn at it. False when it cannot be set.
bool SetScreenDotsPerInch(int dots_per_inch);

struct Layout {
  int dots_per_inch;
  RECT client;   // the window's client area
  RECT outline;  // the whole window, in screen coordinates
  SIZE screen;   // the screen's size when the layout was taken
  std::vector<Control> controls;
  std::vector<LOGFONTA> fonts;  // each control's, as its program draws it
};
Layout LayoutOf(HWND window, int dots_per_inch);

// What is wrong with scaled, the same window as base at another resolution: a window not
// wholly on its screen (the system cuts a larger one down), a control that is missing
// or differs in kind or caption, an edge (of a control or of the client area) more than a pixel
// from base's scaled by the ratio of the resolutions, a font whose height does not scale so, a
// caption that does not fit its control in the control's own font. Empty when nothing is.
std::vector<std::string> ScalingFaults(const Layout& base, const Layout& scaled);

}  // namespace robot

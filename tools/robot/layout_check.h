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
  RECT client;  // the window's client area
  std::vector<Control> controls;
};
Layout LayoutOf(HWND window, int dots_per_inch);

// What is wrong with scaled, the same window as base at another resolution: a control that is
// missing or differs in kind or caption, an edge (of a control, or of the client area unless
// the window is larger than the screen) more than a pixel from base's scaled by the ratio of
// the resolutions, a caption that does not fit its control in the classic dialog font at
// scaled's resolution. Empty when nothing is.
std::vector<std::string> ScalingFaults(const Layout& base, const Layout& scaled);

}  // namespace robot

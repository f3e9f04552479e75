#pragma once
// Where each control of the main form stands, in pixels of the window's client area.

#include <string_view>

namespace acctgen::ui {

struct Placement {
  int x;
  int y;
  int width;
  int height;
};

inline constexpr int kMainFormWidth = 900;
inline constexpr int kMainFormHeight = 590;

// The place of a control by name; false when the form has no such control.
bool PlaceOf(std::string_view name, Placement& placement);

}  // namespace acctgen::ui

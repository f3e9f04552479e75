#pragma once
// The kinds of control a program's form is made of. Portable, so a program's form table names
// them without a window, and the window builder makes each kind from the same word.

namespace rt {

enum class ControlKind { kLabel, kText, kButton, kOption, kCheck, kFrame };

}  // namespace rt

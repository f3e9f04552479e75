#pragma once
// The product's name and version, as the main window's title shows them.

#include <string_view>

#ifndef ACCTGEN_VERSION
#define ACCTGEN_VERSION "0.0.0"
#endif

namespace acctgen::ui {

inline constexpr std::string_view kMainFormTitle =
    "Trellis Student Account Generator " ACCTGEN_VERSION;
inline constexpr std::string_view kProgressFormTitle = "Processing...";

// The default failure report: the error's number and description, then the program ends.
inline constexpr std::string_view kFailureTitle = "Trellis Student Account Generator";

}  // namespace acctgen::ui

#pragma once
// The generator's window titles.

#include <string_view>

#include "school/product.h"

namespace acctgen::ui {

inline constexpr std::string_view kMainFormTitle = school::kGeneratorTitle;
inline constexpr std::string_view kProgressFormTitle = "Processing...";

// The default failure report: the error's number and description, then the program ends.
inline constexpr std::string_view kFailureTitle = school::kProductName;

}  // namespace acctgen::ui

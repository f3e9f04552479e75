#pragma once
// The product's name and its one version (the build passes the project's as TRELLIS_VERSION),
// as the generator's title and the wizard's step 2 show them.

#include <string_view>

#ifndef TRELLIS_VERSION
#define TRELLIS_VERSION "0.0.0"
#endif

namespace school {

inline constexpr std::string_view kProductName = "Trellis Student Account Generator";

// The account generator's window title, which the wizard's step 2 also names.
#define TRELLIS_GENERATOR_TITLE "Trellis Student Account Generator " TRELLIS_VERSION
inline constexpr std::string_view kGeneratorTitle = TRELLIS_GENERATOR_TITLE;

}  // namespace school

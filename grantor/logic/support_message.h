#pragma once
// The texts with which the rights tool reports what it cannot recover from.

#include <string>
#include <string_view>

#include "runtime/error.h"
#include "runtime/support_texts.h"

namespace grantor {

inline constexpr std::string_view kProgramTitle = "Ondrel Intranet Rights";

}  // namespace grantor

#pragma once
// The texts with which the rights tool reports what it cannot recover from.

#include <string>
#include <string_view>

#include "runtime/error.h"
#include "runtime/support_texts.h"

namespace grantor {

inline constexpr std::string_view kProgramTitle = "Ondrel Intranet Rights";

// The default failure report of an unexpected error during a run: its number and description.
std::string FailureReport(const rt::RuntimeError& error);

}  // namespace grantor

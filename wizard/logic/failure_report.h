#pragma once
// The default failure report of a step, as every program words it.

#include "runtime/support_texts.h"

namespace wizard {

using rt::FailureReportText;

}  // namespace wizard

#pragma once
// The default failure report of a click reaction, as every program words it.

#include "runtime/support_texts.h"

namespace acctgen::ui {

using rt::FailureReportText;

}  // namespace acctgen::ui

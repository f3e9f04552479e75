#pragma once
#include "runtime/clock.h"

namespace rt {

// The machine's local date and time.
class SystemClock : public Clock {
 public:
  DateTime Now() override;
};

}  // namespace rt

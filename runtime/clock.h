#pragma once

namespace rt {

struct DateTime {
  int year;
  int month;
  int day;
  int hour;
  int minute;
  int second;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // The local date and time of day.
  virtual DateTime Now() = 0;
};

}  // namespace rt

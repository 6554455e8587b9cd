#pragma once

#include "text/dates.h"

// Where "today" comes from. Code that needs today's date takes a Clock, so tests can
// fix the day instead of depending on when they run.
namespace vellex {

class Clock {
  public:
    virtual ~Clock() = default;
    // Today's date in the computer's local time.
    virtual Date today() const = 0;
};

// The computer's calendar.
class SystemClock final : public Clock {
  public:
    Date today() const override;
};

// A day chosen by the caller, for tests and for reproducible batch runs.
class FixedClock final : public Clock {
  public:
    explicit FixedClock(Date day) : day_(day) {}
    Date today() const override { return day_; }
    void setToday(Date day) { day_ = day; }

  private:
    Date day_;
};

// The one system clock the program uses when nobody passes another.
const Clock& systemClock();

}  // namespace vellex

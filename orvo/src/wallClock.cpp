#include <orvo/wallClock.h>

namespace orvo {

namespace {

// The reading of the innermost hold, null while the clock runs.
const timeval* held = nullptr;

}  // namespace

timeval wallClock() {
  if (held) return *held;
  timeval now{};
  gettimeofday(&now, nullptr);
  return now;
}

wallClockHold::wallClockHold(const timeval& instant) : outer(held), reading(instant) { held = &reading; }

wallClockHold::~wallClockHold() { held = outer; }

}  // namespace orvo

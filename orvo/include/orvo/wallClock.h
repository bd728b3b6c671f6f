// The wall clock: logs, billing and protocol time stamps.
#pragma once

#include <sys/time.h>

namespace orvo {

// The current wall-clock reading (gettimeofday), or the one a hold sets.
timeval wallClock();

// While one lives, the wall clock reads the instant given, so that a test
// sees what the program writes at a chosen moment, such as next to a change
// to or from daylight-saving time. Tests only; holds nest, the innermost
// one wins, and its end gives the clock back to the one around it.
class wallClockHold {
public:
  explicit wallClockHold(const timeval& instant);
  ~wallClockHold();
  wallClockHold(const wallClockHold&) = delete;
  wallClockHold& operator=(const wallClockHold&) = delete;

private:
  const timeval* outer;
  timeval reading;
};

}  // namespace orvo

// The clock of timers and deadlines.
#pragma once

#include <orvo/dateTime.h>

namespace orvo {

// The local time at process start plus the monotonic time elapsed since, so
// that due times and deadlines neither jump nor stall when the wall clock is
// stepped or the zone changes to or from daylight-saving time. Logs, billing
// and protocol time stamps keep reading the wall clock (dateTime()).
dateTime timerClock();

// Moves the timer clock ahead by the span (a negative one is ignored), so
// that tests of long schedules run in milliseconds: what falls due within
// the span fires at the next dispatch pass.
void advanceTimerClock(const timeSpan& span);

// While one lives, the timer clock stands still but for advanceTimerClock,
// so that a test's timers fall due in the order its schedule says however
// slowly the machine runs. Tests only; holds may nest. At the end of the
// last the clock runs on with the time that passed meanwhile, so that it
// never goes back.
class timerClockHold {
public:
  timerClockHold();
  ~timerClockHold();
  timerClockHold(const timerClockHold&) = delete;
  timerClockHold& operator=(const timerClockHold&) = delete;
};

}  // namespace orvo

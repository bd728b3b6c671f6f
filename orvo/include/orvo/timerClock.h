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

}  // namespace orvo

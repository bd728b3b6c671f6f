// The clock of timers and deadlines.
#pragma once

#include <orvo/dateTime.h>

namespace orvo {

// The local time at process start plus the monotonic time elapsed since, so
// that due times and deadlines neither jump nor stall when the wall clock is
// stepped or the zone changes to or from daylight-saving time. Logs, billing
// and protocol time stamps keep reading the wall clock (dateTime()).
dateTime timerClock();

}  // namespace orvo

#include <orvo/timerClock.h>

#include <atomic>
#include <ctime>

namespace orvo {

namespace {

std::int64_t monotonicMilliseconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return (std::int64_t)now.tv_sec * 1000 + now.tv_nsec / 1000000;
}

struct clockOrigin {
  std::int64_t monotonic = monotonicMilliseconds();
  dateTime local;
};

const clockOrigin& origin() {
  static const clockOrigin value;
  return value;
}

// Added by advanceTimerClock; only grows.
std::atomic<std::int64_t> advanced{0};

// The monotonic reading a hold froze, -1 while the clock runs; and the
// number of holds alive.
std::atomic<std::int64_t> frozen{-1};
std::atomic<int> holds{0};

std::int64_t monotonicNow() {
  const std::int64_t held = frozen.load();
  return held >= 0 ? held : monotonicMilliseconds();
}

// Fixes the origin at start-up rather than at the first timer.
const clockOrigin& startUp = origin();

}  // namespace

dateTime timerClock() {
  const clockOrigin& o = origin();
  return o.local + timeSpan::fromMilliseconds(monotonicNow() - o.monotonic + advanced.load());
}

void advanceTimerClock(const timeSpan& span) {
  if (span.milliseconds() > 0) advanced += span.milliseconds();
}

timerClockHold::timerClockHold() {
  if (holds++ == 0) frozen = monotonicMilliseconds();
}

timerClockHold::~timerClockHold() {
  if (--holds == 0) frozen = -1;
}

}  // namespace orvo

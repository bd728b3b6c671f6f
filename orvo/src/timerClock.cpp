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

// Fixes the origin at start-up rather than at the first timer.
const clockOrigin& startUp = origin();

}  // namespace

dateTime timerClock() {
  const clockOrigin& o = origin();
  return o.local + timeSpan::fromMilliseconds(monotonicMilliseconds() - o.monotonic + advanced.load());
}

void advanceTimerClock(const timeSpan& span) {
  if (span.milliseconds() > 0) advanced += span.milliseconds();
}

}  // namespace orvo

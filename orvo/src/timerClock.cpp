#include <orvo/timerClock.h>

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

// Fixes the origin at start-up rather than at the first timer.
const clockOrigin& startUp = origin();

}  // namespace

dateTime timerClock() {
  const clockOrigin& o = origin();
  return o.local + timeSpan::fromMilliseconds(monotonicMilliseconds() - o.monotonic);
}

}  // namespace orvo

#include <orvo/timerClock.h>

#include <chrono>
#include <thread>

#include "orvoTesting.h"

namespace {

std::int64_t steadyMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

TEST(timerClock, startsAtLocalTimeAndNeverGoesBack) {
  orvo::dateTime wall;
  orvo::dateTime timer = orvo::timerClock();
  std::int64_t apart = (timer - wall).milliseconds();
  EXPECT_LT(apart < 0 ? -apart : apart, 5000);
  orvo::dateTime previous = timer;
  for (int i = 0; i < 10000; ++i) {
    orvo::dateTime now = orvo::timerClock();
    ASSERT_LE(previous.compare(now), 0);
    previous = now;
  }
}

// Both clocks count the same monotonic time: read between two steady
// readings, the timer clock cannot advance more than they did, however long
// the thread is held up in between (1 ms for the rounding of each side).
TEST(timerClock, advancesWithElapsedTime) {
  std::int64_t steadyBefore = steadyMilliseconds();
  orvo::dateTime before = orvo::timerClock();
  std::this_thread::sleep_for(std::chrono::milliseconds(120));
  orvo::dateTime after = orvo::timerClock();
  std::int64_t steadyAfter = steadyMilliseconds();
  std::int64_t advanced = (after - before).milliseconds();
  EXPECT_GE(advanced, 119);
  EXPECT_LE(advanced, steadyAfter - steadyBefore + 2);
}

TEST(timerClock, testsCanMoveItAheadButNeverBack) {
  const struct {
    std::int64_t span;
    std::int64_t moved;
  } cases[] = {
      {5000, 5000},
      {86400000, 86400000},  // a day
      {0, 0},
      {-3000, 0},
  };
  for (const auto& c : cases) {
    std::int64_t steadyBefore = steadyMilliseconds();
    orvo::dateTime before = orvo::timerClock();
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(c.span));
    orvo::dateTime after = orvo::timerClock();
    std::int64_t elapsed = steadyMilliseconds() - steadyBefore + 2;
    std::int64_t moved = (after - before).milliseconds();
    EXPECT_GE(moved, c.moved - 1) << c.span;
    EXPECT_LE(moved, c.moved + elapsed) << c.span;
  }
}

// Held, the clock moves only as far as it is advanced; let go, it runs on
// from there with the time that passed (120 ms), never back.
TEST(timerClock, holdStopsItButForAdvances) {
  orvo::dateTime held, released;
  {
    orvo::timerClockHold hold;
    held = orvo::timerClock();
    {
      orvo::timerClockHold inner;
      std::this_thread::sleep_for(std::chrono::milliseconds(120));
      EXPECT_EQ(0, (orvo::timerClock() - held).milliseconds());
    }
    EXPECT_EQ(0, (orvo::timerClock() - held).milliseconds()) << "the outer hold still stands";
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(2500));
    EXPECT_EQ(2500, (orvo::timerClock() - held).milliseconds());
  }
  released = orvo::timerClock();
  EXPECT_GE((released - held).milliseconds(), 2500 + 119);
}

}  // namespace

#include <orvo/timerClock.h>

#include <chrono>
#include <thread>

#include "orvoTesting.h"

namespace {

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

TEST(timerClock, advancesWithElapsedTime) {
  orvo::dateTime before = orvo::timerClock();
  auto start = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(std::chrono::milliseconds(120));
  std::int64_t steady =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  std::int64_t advanced = (orvo::timerClock() - before).milliseconds();
  EXPECT_GE(advanced, 119);
  EXPECT_LE(advanced, steady + 100);  // the two clocks are read a moment apart
}

}  // namespace

#include <orvo/timer.h>

#include <gtest/gtest.h>

#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

namespace {

struct TOwner {
  int Fired = 0;
  bool ArmedInCallback = true;
  bool RestartInCallback = false;
  TTimer* Timer = nullptr;
  void OnTimeout(TTimer* ATimer) {
    ++Fired;
    ArmedInCallback = ATimer->Armed();
    if (RestartInCallback) {
      RestartInCallback = false;
      ATimer->Start();
    }
  }
};

struct TSelfDeleting {
  TTimer Timer{0, this, &TSelfDeleting::OnTimeout};
  static int Deleted;
  ~TSelfDeleting() { ++Deleted; }
  void OnTimeout(TTimer*) { delete this; }
};
int TSelfDeleting::Deleted = 0;

// Runs zero-wait dispatcher passes, the timer clock moved on by 10 ms before
// each, until the predicate holds or a simulated minute has gone.
template <class F>
bool RunUntil(F done) {
  for (int pass = 0; pass < 6000; ++pass) {
    if (done()) return true;
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(10));
    orvo::sockEvent::dispatch(0);
  }
  return done();
}

int64_t MillisecondsUntil(const TTimer& ATimer) { return (ATimer.Due() - orvo::timerClock()).milliseconds(); }

}  // namespace

TEST(Timer, StartTwiceKeepsTheDueTimeRestartMovesIt) {
  TOwner owner;
  TTimer timer(10000, &owner, &TOwner::OnTimeout);
  timer.Start();
  orvo::dateTime first = timer.Due();
  timer.Start();
  EXPECT_EQ(first, timer.Due());
  timer.Timeout = 20000;
  timer.Restart();
  EXPECT_GT(MillisecondsUntil(timer), 15000);
}

TEST(Timer, SetTimeoutStaysRelativeToTheFirstStart) {
  TOwner owner;
  TTimer timer(10000, &owner, &TOwner::OnTimeout);
  timer.Start();
  orvo::dateTime start = timer.Due() - orvo::timeSpan::fromMilliseconds(10000);
  timer.SetTimeout(15000);
  EXPECT_EQ(15000, (timer.Due() - start).milliseconds());
  timer.SetTimeout(5000);
  EXPECT_EQ(5000, (timer.Due() - start).milliseconds());
  EXPECT_EQ(5000, timer.Timeout);
}

TEST(Timer, SetTimeoutWithTheSameValueKeepsTheRegistration) {
  TOwner owner;
  TTimer timer(10000, &owner, &TOwner::OnTimeout);
  timer.Start();
  orvo::dateTime due = timer.Due();
  timer.SetTimeout(10000);
  EXPECT_EQ(due, timer.Due());
  TTimer idle(&owner, &TOwner::OnTimeout);
  idle.SetTimeout(300);
  EXPECT_FALSE(idle.Armed());
  EXPECT_EQ(300, idle.Timeout);
}

TEST(Timer, ExpiryDisarmsBeforeTheCallbackAndCanRearm) {
  TOwner owner;
  TTimer timer(20, &owner, &TOwner::OnTimeout);
  owner.RestartInCallback = true;
  timer.Start();
  ASSERT_TRUE(RunUntil([&] { return owner.Fired == 2; }));
  EXPECT_FALSE(owner.ArmedInCallback);
  EXPECT_FALSE(timer.Armed());
}

TEST(Timer, NullTargetOnlyDisarms) {
  TTimer timer;
  timer.Timeout = 10;
  timer.Start();
  ASSERT_TRUE(RunUntil([&] { return !timer.Armed(); }));
}

TEST(Timer, DestroyedArmedTimerNeverCallsBack) {
  TOwner owner;
  {
    TTimer timer(0, &owner, &TOwner::OnTimeout);
    timer.Start();
  }
  TTimer probe;
  probe.Timeout = 30;
  probe.Start();
  ASSERT_TRUE(RunUntil([&] { return !probe.Armed(); }));
  EXPECT_EQ(0, owner.Fired);
}

TEST(Timer, CallbackMayDeleteTheTimersOwner) {
  TSelfDeleting::Deleted = 0;
  auto* owner = new TSelfDeleting;
  owner->Timer.Start();
  ASSERT_TRUE(RunUntil([&] { return TSelfDeleting::Deleted == 1; }));
}

TEST(Timer, LongAndNegativeSpans) {
  TOwner owner;
  TTimer month(int64_t(30) * 86400000, &owner, &TOwner::OnTimeout);
  month.Start();
  EXPECT_NEAR(double(int64_t(30) * 86400000), double(MillisecondsUntil(month)), 5000.0);
  TTimer crossing(90000000, &owner, &TOwner::OnTimeout);  // a day and an hour
  crossing.Start();
  EXPECT_NEAR(90000000.0, double(MillisecondsUntil(crossing)), 5000.0);
  TTimer negative(-5, &owner, &TOwner::OnTimeout);
  negative.Start();
  EXPECT_LE(MillisecondsUntil(negative), 0) << "a negative span is due at once, not in 49 days";
  month.Stop();
  crossing.Stop();
  ASSERT_TRUE(RunUntil([&] { return owner.Fired == 1; }));
}

TEST(Timer, AssignmentTakesTimeoutAndDueTime) {
  TOwner a, b;
  TTimer source(5000, &a, &TOwner::OnTimeout);
  source.Start();
  TTimer copy(&b, &TOwner::OnTimeout);
  copy = source;
  EXPECT_EQ(5000, copy.Timeout);
  EXPECT_TRUE(copy.Armed());
  EXPECT_EQ(source.Due(), copy.Due());
  TTimer idle;
  copy = idle;
  EXPECT_FALSE(copy.Armed());
  EXPECT_EQ(-1, copy.Timeout);
}

// -1 is the timeout that means none: starting such a timer leaves it
// disarmed, and it never fires; 0 fires on the next pass.
TEST(Timer, NoTimeoutNeverFiresZeroFiresOnTheNextPass) {
  const struct {
    int64_t timeout;
    bool armed;
    int fired;
  } cases[] = {
      {TTimer::NoTimeout, false, 0},
      {0, true, 1},
      {-5, true, 1},  // any other negative span is due at once
      {1, true, 1},
  };
  for (const auto& c : cases) {
    TOwner owner;
    TTimer timer(c.timeout, &owner, &TOwner::OnTimeout);
    timer.Start();
    EXPECT_EQ(c.armed, timer.Armed()) << c.timeout;
    timer.Restart();
    EXPECT_EQ(c.armed, timer.Armed()) << c.timeout;
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(c.timeout > 0 ? c.timeout : 0));
    orvo::sockEvent::dispatch(0);
    EXPECT_EQ(c.fired, owner.Fired) << c.timeout;
    // A day later nothing more has come.
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(86400000));
    orvo::sockEvent::dispatch(0);
    EXPECT_EQ(c.fired, owner.Fired) << c.timeout;
    EXPECT_FALSE(timer.Armed());
  }
}

TEST(Timer, SettingNoTimeoutDisarms) {
  TOwner owner;
  TTimer timer(10000, &owner, &TOwner::OnTimeout);
  timer.Start();
  timer.SetTimeout(TTimer::NoTimeout);
  EXPECT_FALSE(timer.Armed());
  EXPECT_EQ(TTimer::NoTimeout, timer.Timeout);
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(20000));
  orvo::sockEvent::dispatch(0);
  EXPECT_EQ(0, owner.Fired);
  // A later timeout arms again only when started.
  timer.SetTimeout(50);
  EXPECT_FALSE(timer.Armed());
  timer.Start();
  ASSERT_TRUE(RunUntil([&] { return owner.Fired == 1; }));
}

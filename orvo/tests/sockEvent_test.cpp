#include <orvo/sockEvent.h>

#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <pthread.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <orvo/socket.h>
#include <orvo/timerClock.h>

#include "orvoTesting.h"

namespace {

using orvo::sockEvent;

orvo::dateTime inMilliseconds(std::int64_t ms) { return orvo::timerClock() + orvo::timeSpan::fromMilliseconds(ms); }

// Runs passes until the predicate holds or about two seconds have gone.
template <class Predicate>
void dispatchUntil(Predicate done) {
  for (int i = 0; i < 200 && !done(); ++i) sockEvent::dispatch(0);
}

struct socketPair {
  int fd[2];
  socketPair() { EXPECT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM, 0, fd)); }
  ~socketPair() {
    for (int d : fd)
      if (d != -1) close(d);
  }
  void makeReadable(int side) { EXPECT_EQ(1, write(fd[1 - side], "x", 1)); }
};

std::vector<int> fired;

void recordUserData(sockEvent* registration) { fired.push_back((int)(intptr_t)registration->record->userData); }

// The timer clock is held: it moves only as the tests advance it, so a
// timer never falls due early on a slow machine.
class timers : public ::testing::Test {
protected:
  orvo::timerClockHold hold;
  void SetUp() override {
    fired.clear();
    baseline = sockEvent::registrationCount();
  }
  void TearDown() override { EXPECT_EQ(baseline, sockEvent::registrationCount()); }
  int baseline = 0;
};

TEST_F(timers, dueTimersFireInCreationOrder) {
  new sockEvent(inMilliseconds(-5), recordUserData, (void*)1, nullptr);
  new sockEvent(inMilliseconds(-50), recordUserData, (void*)2, nullptr);
  new sockEvent(inMilliseconds(-5), recordUserData, (void*)3, nullptr);
  sockEvent* later = new sockEvent(inMilliseconds(60000), recordUserData, (void*)4, nullptr);
  sockEvent::dispatch(0);
  EXPECT_EQ((std::vector<int>{1, 2, 3}), fired);
  delete later;
}

TEST_F(timers, earlierDueCreatedAfterLaterOneFiresByCreation) {
  new sockEvent(inMilliseconds(30), recordUserData, (void*)1, nullptr);
  new sockEvent(inMilliseconds(10), recordUserData, (void*)2, nullptr);
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(50));
  sockEvent::dispatch(0);
  EXPECT_EQ((std::vector<int>{1, 2}), fired);
}

sockEvent* notDue;

void createDueTimer(sockEvent*) {
  fired.push_back(1);
  new sockEvent(inMilliseconds(-1), recordUserData, (void*)2, nullptr);
  new sockEvent(inMilliseconds(60000), recordUserData, (void*)3, &notDue);
}

TEST_F(timers, timerCreatedByCallbackAndDueFiresInTheSameWalk) {
  new sockEvent(inMilliseconds(-1), createDueTimer, nullptr, nullptr);
  EXPECT_EQ(0, sockEvent::dispatch(0));
  EXPECT_EQ((std::vector<int>{1, 2}), fired);
  sockEvent::dispatch(0);
  EXPECT_EQ(2u, fired.size());
  delete notDue;
}

TEST_F(timers, insertedEarlierTimerBecomesTheNearest) {
  sockEvent* far = new sockEvent(inMilliseconds(60000), recordUserData, (void*)1, nullptr);
  sockEvent::dispatch(0);  // the scan makes the far timer the nearest
  EXPECT_EQ(990, sockEvent::waitTime(1, orvo::timerClock()));
  new sockEvent(inMilliseconds(100), recordUserData, (void*)2, nullptr);
  std::int64_t wait = sockEvent::waitTime(1, orvo::timerClock());
  EXPECT_LE(wait, 90);
  EXPECT_GE(wait, 1);
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(100));
  sockEvent::dispatch(0);
  EXPECT_EQ((std::vector<int>{2}), fired);
  delete far;
}

TEST_F(timers, waitTimeLeavesOneClockTick) {
  EXPECT_EQ(100, sockEvent::clockRate());
  EXPECT_EQ(990, sockEvent::waitTime(1, orvo::timerClock()));
  EXPECT_EQ(4990, sockEvent::waitTime(5, orvo::timerClock()));
  EXPECT_EQ(1, sockEvent::waitTime(0, orvo::timerClock()));
  // No pass runs here: one would fire (and free) the 5 ms timer on a slow
  // machine while the test still holds its handle. The nearest timer is
  // known without one.
  orvo::dateTime now = orvo::timerClock();
  sockEvent* soon = new sockEvent(now + orvo::timeSpan::fromMilliseconds(5), recordUserData, (void*)1, nullptr);
  sockEvent* later = new sockEvent(now + orvo::timeSpan::fromMilliseconds(500), recordUserData, (void*)2, nullptr);
  EXPECT_EQ(1, sockEvent::waitTime(1, now));
  delete soon;
  EXPECT_EQ(490, sockEvent::waitTime(1, now));
  delete later;
  EXPECT_TRUE(fired.empty());
}

TEST_F(timers, emptyPassSleepsItsWholeWait) {
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(0, sockEvent::dispatch(1));
  auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  EXPECT_GE(elapsed.count(), 900);
  EXPECT_LT(elapsed.count(), 3000);
}

TEST_F(timers, deletedTimerNeverFires) {
  sockEvent* t = new sockEvent(inMilliseconds(-1), recordUserData, (void*)1, nullptr);
  delete t;
  sockEvent::dispatch(0);
  EXPECT_TRUE(fired.empty());
}

sockEvent* victim;

void deleteVictim(sockEvent*) {
  fired.push_back(1);
  delete victim;
  victim = nullptr;
}

TEST_F(timers, callbackDeletesALaterTimerOfTheSameWalk) {
  new sockEvent(inMilliseconds(-1), deleteVictim, nullptr, nullptr);
  victim = new sockEvent(inMilliseconds(-1), recordUserData, (void*)2, nullptr);
  sockEvent::dispatch(0);
  EXPECT_EQ((std::vector<int>{1}), fired);
}

struct target {
  virtual ~target() {}
  virtual void onEvent(sockEvent* registration) { calls.push_back((int)(intptr_t)registration->record->userData); }
  std::vector<int> calls;
};

struct derivedTarget : target {
  void onEvent(sockEvent* registration) override {
    calls.push_back(100 + (int)(intptr_t)registration->record->userData);
  }
};

TEST_F(timers, memberCallbacksGoThroughTheVirtualTable) {
  derivedTarget object;
  sockEvent* registration = nullptr;
  new sockEvent(inMilliseconds(-1), &object, &target::onEvent, (void*)7, &registration);
  ASSERT_NE(nullptr, registration);
  EXPECT_EQ(sockEvent::TIME, registration->record->kind);
  EXPECT_TRUE(registration->record->autoDelete);
  sockEvent::dispatch(0);
  EXPECT_EQ((std::vector<int>{107}), object.calls);
}

void throwFromTimer(sockEvent*) { throw new orvo::exception("timer failed"); }

TEST_F(timers, exceptionFromCallbackLeavesThePass) {
  new sockEvent(inMilliseconds(-1), throwFromTimer, nullptr, nullptr);
  new sockEvent(inMilliseconds(-1), recordUserData, (void*)2, nullptr);
  ORVO_EXPECT_THROW(sockEvent::dispatch(0), orvo::exception, "timer failed");
  EXPECT_TRUE(fired.empty());
  // The dispatcher is consistent: the next pass goes on with the rest.
  sockEvent::dispatch(0);
  EXPECT_EQ((std::vector<int>{2}), fired);
}

// Timers due in the future, created in the order of the rows; the clock is
// moved on in steps, and each step fires its due timers in creation order.
TEST_F(timers, equalDueTimesFireInCreationOrder) {
  const std::int64_t dueIn[] = {300, 100, 300, 200, 100, 300, 200, 100};
  const struct {
    std::int64_t advance;
    std::vector<int> fires;
  } steps[] = {
      {50, {}}, {50, {2, 5, 8}}, {100, {4, 7}}, {50, {}}, {50, {1, 3, 6}},
  };
  orvo::dateTime base = orvo::timerClock() + orvo::timeSpan::fromMilliseconds(10000);
  for (int i = 0; i < 8; ++i)
    new sockEvent(base + orvo::timeSpan::fromMilliseconds(dueIn[i]), recordUserData, (void*)(intptr_t)(i + 1), nullptr);
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(10000));
  for (const auto& step : steps) {
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(step.advance));
    fired.clear();
    sockEvent::dispatch(0);
    EXPECT_EQ(step.fires, fired) << "after " << step.advance;
  }
}

// Timers taken away in any order leave the earliest live one in front: the
// wait of a pass follows it, and only the live ones fire, by creation.
TEST_F(timers, removalsKeepTheEarliestLiveTimerInFront) {
  const int count = 64;
  orvo::dateTime base = orvo::timerClock();
  std::vector<sockEvent*> handles(count);
  std::vector<std::int64_t> dueIn(count);
  unsigned seed = 12345;
  for (int i = 0; i < count; ++i) {
    seed = seed * 1103515245 + 12345;
    dueIn[i] = 100 + (seed >> 16) % 4000;  // within the wait limit of 5 s
    handles[i] =
        new sockEvent(base + orvo::timeSpan::fromMilliseconds(dueIn[i]), recordUserData, (void*)(intptr_t)i, nullptr);
  }
  auto earliestLive = [&] {
    std::int64_t earliest = 5000;
    for (int i = 0; i < count; ++i)
      if (handles[i] && dueIn[i] < earliest) earliest = dueIn[i];
    return earliest;
  };
  // Every third from the middle, then the front one four times.
  for (int i = 1; i < count; i += 3) {
    delete handles[i];
    handles[i] = nullptr;
    ASSERT_EQ(earliestLive() - 10, sockEvent::waitTime(5, base)) << "after removing " << i;
  }
  for (int k = 0; k < 4; ++k) {
    int front = -1;
    for (int i = 0; i < count; ++i)
      if (handles[i] && (front < 0 || dueIn[i] < dueIn[front])) front = i;
    delete handles[front];
    handles[front] = nullptr;
    ASSERT_EQ(earliestLive() - 10, sockEvent::waitTime(5, base)) << "after removing the front " << front;
  }
  std::vector<int> expected;
  for (int i = 0; i < count; ++i)
    if (handles[i]) expected.push_back(i);
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(5000));
  sockEvent::dispatch(0);
  EXPECT_EQ(expected, fired);
}

// Timers 1..4 due at 100, 200, 300 and 400 ms are moved in the order of
// the rows; each must fire as one deleted and made anew at the move would:
// at its new time, and among equal due times after those made before the
// move. The nearest due time of the wait follows the moves.
TEST_F(timers, rescheduledTimersFireAsIfMadeAnew) {
  const struct {
    int timer;
    std::int64_t dueAt;
    std::int64_t nearest;  // the earliest due time after the move
  } moves[] = {
      {1, 300, 200},  // later, to the due time of 3, which now comes first
      {4, 150, 150},  // earlier, to the front
      {2, 250, 150},  // later
      {2, 220, 150},  // earlier again, still later than it began
      {3, 300, 150},  // the same time: behind 1 now
      {4, 150, 150},  // the same time, no other timer there
  };
  const struct {
    std::int64_t advanceTo;
    std::vector<int> fires;
  } steps[] = {{100, {}}, {150, {4}}, {200, {}}, {220, {2}}, {260, {}}, {300, {1, 3}}, {400, {}}};
  const orvo::dateTime base = orvo::timerClock() + orvo::timeSpan::fromMilliseconds(10000);
  auto at = [&](std::int64_t AMilliseconds) { return base + orvo::timeSpan::fromMilliseconds(AMilliseconds); };
  sockEvent* handles[5] = {};
  for (int i = 1; i <= 4; ++i) new sockEvent(at(100 * i), recordUserData, (void*)(intptr_t)i, &handles[i]);
  for (const auto& move : moves) {
    ASSERT_TRUE(handles[move.timer]->reschedule(at(move.dueAt)));
    EXPECT_EQ(at(move.dueAt), handles[move.timer]->record->due);
    EXPECT_EQ(move.nearest + 10000 - 10, sockEvent::waitTime(20, base - orvo::timeSpan::fromMilliseconds(10000)))
        << "after moving " << move.timer << " to " << move.dueAt;
  }
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(10000));
  std::int64_t clock = 0;
  for (const auto& step : steps) {
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(step.advanceTo - clock));
    clock = step.advanceTo;
    fired.clear();
    sockEvent::dispatch(0);
    EXPECT_EQ(step.fires, fired) << "at " << step.advanceTo;
  }
}

// A timer whose old due time has passed, moved before a pass looks at it,
// fires once, by its new place in the order of creation.
TEST_F(timers, timerMovedAfterItsOldDueTimeFiresOnceByItsNewPlace) {
  sockEvent *first = nullptr, *second = nullptr;
  new sockEvent(inMilliseconds(20), recordUserData, (void*)1, &first);
  new sockEvent(inMilliseconds(20), recordUserData, (void*)2, &second);
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(30));
  ASSERT_TRUE(first->reschedule(orvo::timerClock()));
  sockEvent::dispatch(0);
  EXPECT_EQ((std::vector<int>{2, 1}), fired);
  fired.clear();
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(100));
  sockEvent::dispatch(0);
  EXPECT_TRUE(fired.empty());
}

class sockets : public timers {};

TEST_F(sockets, readAndWriteOnOneSocketBothFire) {
  socketPair pair;
  pair.makeReadable(0);
  sockEvent* reader = new sockEvent(sockEvent::READ, pair.fd[0], recordUserData, (void*)1, false, nullptr);
  sockEvent* writer = new sockEvent(sockEvent::WRITE, pair.fd[0], recordUserData, (void*)2, false, nullptr);
  EXPECT_EQ(baseline + 2, sockEvent::registrationCount());
  EXPECT_EQ(2, sockEvent::dispatch(1));
  ASSERT_EQ(2u, fired.size());
  EXPECT_EQ(3, fired[0] + fired[1]);
  // Level-triggered: both stay and fire again.
  fired.clear();
  EXPECT_EQ(2, sockEvent::dispatch(1));
  // Without the write registration only the reader is left.
  delete writer;
  fired.clear();
  EXPECT_EQ(1, sockEvent::dispatch(1));
  EXPECT_EQ((std::vector<int>{1}), fired);
  delete reader;
}

TEST_F(sockets, autoDeleteRegistrationFiresOnce) {
  socketPair pair;
  pair.makeReadable(0);
  new sockEvent(sockEvent::READ, pair.fd[0], recordUserData, (void*)1, true, nullptr);
  EXPECT_EQ(1, sockEvent::dispatch(1));
  EXPECT_EQ(0, sockEvent::dispatch(0));
  EXPECT_EQ((std::vector<int>{1}), fired);
}

sockEvent* pairRegistrations[2];

void deleteBoth(sockEvent* registration) {
  fired.push_back((int)(intptr_t)registration->record->userData);
  for (sockEvent*& r : pairRegistrations) {
    delete r;
    r = nullptr;
  }
}

TEST_F(sockets, callbackDeletesItselfAndAnotherReadyOne) {
  socketPair first, second;
  first.makeReadable(0);
  second.makeReadable(0);
  pairRegistrations[0] = new sockEvent(sockEvent::READ, first.fd[0], deleteBoth, (void*)1, false, nullptr);
  pairRegistrations[1] = new sockEvent(sockEvent::READ, second.fd[0], deleteBoth, (void*)2, false, nullptr);
  EXPECT_EQ(1, sockEvent::dispatch(1));
  EXPECT_EQ(1u, fired.size());
  EXPECT_EQ(0, sockEvent::dispatch(0));
  EXPECT_EQ(1u, fired.size());
}

void deleteOwn(sockEvent* registration) {
  fired.push_back(1);
  delete registration;
}

TEST_F(sockets, autoDeleteCallbackThatDeletesItself) {
  socketPair pair;
  pair.makeReadable(0);
  new sockEvent(sockEvent::READ, pair.fd[0], deleteOwn, nullptr, true, nullptr);
  EXPECT_EQ(1, sockEvent::dispatch(1));
  EXPECT_EQ(0, sockEvent::dispatch(0));
  EXPECT_EQ(1u, fired.size());
}

// The first callback of the batch closes the other registration's
// descriptor, gets the same number back for a new readable socket and
// registers it: the batch's event for the old one must not reach it.
struct reuse {
  socketPair* pairs[2];
  sockEvent* registrations[2];
  int fresh[2] = {-1, -1};
  sockEvent* freshRegistration = nullptr;
  std::vector<int> calls;
  bool reused = false;
} reuseState;

void reuseCallback(sockEvent* registration) {
  int self = (int)(intptr_t)registration->record->userData;
  reuseState.calls.push_back(self);
  if (reuseState.freshRegistration) return;
  int other = 1 - self;
  int number = reuseState.pairs[other]->fd[0];
  delete reuseState.registrations[other];
  reuseState.registrations[other] = nullptr;
  close(number);
  reuseState.pairs[other]->fd[0] = -1;
  ASSERT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM, 0, reuseState.fresh));
  reuseState.reused = reuseState.fresh[0] == number || reuseState.fresh[1] == number;
  int readable = reuseState.fresh[0] == number ? 0 : 1;
  ASSERT_EQ(1, write(reuseState.fresh[1 - readable], "y", 1));
  reuseState.freshRegistration =
      new sockEvent(sockEvent::READ, reuseState.fresh[readable], reuseCallback, (void*)2, false, nullptr);
}

TEST_F(sockets, reusedDescriptorNumberGetsNoStaleEvent) {
  socketPair first, second;
  reuseState = reuse();
  reuseState.pairs[0] = &first;
  reuseState.pairs[1] = &second;
  first.makeReadable(0);
  second.makeReadable(0);
  reuseState.registrations[0] = new sockEvent(sockEvent::READ, first.fd[0], reuseCallback, (void*)0, false, nullptr);
  reuseState.registrations[1] = new sockEvent(sockEvent::READ, second.fd[0], reuseCallback, (void*)1, false, nullptr);
  EXPECT_EQ(1, sockEvent::dispatch(1));
  ASSERT_TRUE(reuseState.reused);
  ASSERT_EQ(1u, reuseState.calls.size());
  // The new registration fires from the next pass on, for its own data.
  EXPECT_EQ(2, sockEvent::dispatch(1));
  EXPECT_EQ(3u, reuseState.calls.size());
  EXPECT_EQ(2, reuseState.calls[1] == 2 ? reuseState.calls[1] : reuseState.calls[2]);
  for (sockEvent* r : reuseState.registrations) delete r;
  delete reuseState.freshRegistration;
  close(reuseState.fresh[0]);
  close(reuseState.fresh[1]);
}

TEST_F(sockets, removalAfterCloseSucceedsQuietly) {
  int pair[2];
  ASSERT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM, 0, pair));
  sockEvent* reader = new sockEvent(sockEvent::READ, pair[0], recordUserData, (void*)1, false, nullptr);
  close(pair[0]);
  close(pair[1]);
  testing::internal::CaptureStdout();
  delete reader;
  EXPECT_EQ("", testing::internal::GetCapturedStdout());
}

TEST_F(sockets, failedRegistrationLeavesNoHandle) {
  FILE* file = tmpfile();
  ASSERT_NE(nullptr, file);
  sockEvent* registration = nullptr;
  // The kernel queue takes no regular files.
  ORVO_EXPECT_THROW(new sockEvent(sockEvent::READ, fileno(file), recordUserData, nullptr, false, &registration),
                    orvo::sockeventException, "insert kevent error 'Operation not permitted'");
  EXPECT_EQ(nullptr, registration);
  ORVO_EXPECT_THROW(new sockEvent(sockEvent::READ, -1, recordUserData, nullptr, false, &registration),
                    orvo::sockeventException, "insert kevent error 'Bad file descriptor'");
  EXPECT_EQ(nullptr, registration);
  socketPair pair;
  ORVO_EXPECT_THROW(new sockEvent(7, pair.fd[0], recordUserData, nullptr, false, &registration),
                    orvo::sockeventException, "insert kevent error 'Invalid argument'");
  EXPECT_EQ(nullptr, registration);
  fclose(file);
}

TEST_F(sockets, failedRemovalIsLoggedNotThrown) {
  socketPair pair;
  sockEvent* reader = new sockEvent(sockEvent::READ, pair.fd[0], recordUserData, nullptr, false, nullptr);
  sockEvent* writer = new sockEvent(sockEvent::WRITE, pair.fd[0], recordUserData, nullptr, false, nullptr);
  // The number now names a regular file, which the kernel refuses to touch.
  FILE* file = tmpfile();
  ASSERT_NE(-1, dup2(fileno(file), pair.fd[0]));
  testing::internal::CaptureStdout();
  delete reader;
  EXPECT_EQ("remove kevent error 'Operation not permitted'\n", testing::internal::GetCapturedStdout());
  EXPECT_EQ(baseline + 1, sockEvent::registrationCount());
  testing::internal::CaptureStdout();
  delete writer;
  EXPECT_EQ("remove kevent error 'Operation not permitted'\n", testing::internal::GetCapturedStdout());
  fclose(file);
  // Nothing of either is left to fire.
  EXPECT_EQ(0, sockEvent::dispatch(0));
  EXPECT_TRUE(fired.empty());
}

std::vector<std::string> reportedErrors;
void collectError(const orvo::string& text) { reportedErrors.push_back(toStd(text)); }

TEST_F(sockets, failedRemovalGoesToTheInstalledErrorHandler) {
  socketPair pair;
  sockEvent* reader = new sockEvent(sockEvent::READ, pair.fd[0], recordUserData, nullptr, false, nullptr);
  FILE* file = tmpfile();
  ASSERT_NE(-1, dup2(fileno(file), pair.fd[0]));
  reportedErrors.clear();
  sockEvent::setErrorHandler(collectError);
  testing::internal::CaptureStdout();
  delete reader;
  std::string written = testing::internal::GetCapturedStdout();
  sockEvent::setErrorHandler(nullptr);
  EXPECT_EQ("", written);
  EXPECT_EQ(std::vector<std::string>{"remove kevent error 'Operation not permitted'"}, reportedErrors);
  fclose(file);
}

orvo::socket refusedConnectAttempt(sockaddr_in& target) {
  // A port that was just bound and released, with nobody listening.
  orvo::socket probe(AF_INET, SOCK_STREAM, 0);
  target = orvo::defaultAddress;
  target.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(probe.fd, reinterpret_cast<sockaddr*>(&target), sizeof target);
  socklen_t length = sizeof target;
  getsockname(probe.fd, reinterpret_cast<sockaddr*>(&target), &length);
  probe.close();
  orvo::socket s(AF_INET, SOCK_STREAM, 0);
  s.setNonBlocking(true);
  return s;
}

struct connectResult {
  bool called = false;
  bool connected = true;
  int error = -1;
};

void onConnect(sockEvent* registration) {
  connectResult* result = static_cast<connectResult*>(registration->record->userData);
  result->called = true;
  result->connected = registration->record->connected;
  result->error = registration->socketError();
}

TEST_F(sockets, refusedConnectReportsNotConnected) {
  sockaddr_in target;
  orvo::socket s = refusedConnectAttempt(target);
  int r = connect(s.fd, reinterpret_cast<sockaddr*>(&target), sizeof target);
  ASSERT_TRUE(r == -1 && errno == EINPROGRESS);
  connectResult result;
  new sockEvent(sockEvent::CONNECT, s.fd, onConnect, &result, true, nullptr);
  dispatchUntil([&] { return result.called; });
  EXPECT_TRUE(result.called);
  EXPECT_FALSE(result.connected);
  EXPECT_EQ(ECONNREFUSED, result.error);
}

TEST_F(sockets, acceptedConnectReportsConnected) {
  orvo::socket server(AF_INET, SOCK_STREAM, 0);
  sockaddr_in target = orvo::defaultAddress;
  target.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(server.fd, reinterpret_cast<sockaddr*>(&target), sizeof target);
  socklen_t length = sizeof target;
  getsockname(server.fd, reinterpret_cast<sockaddr*>(&target), &length);
  listen(server.fd, 1);
  orvo::socket client(AF_INET, SOCK_STREAM, 0);
  client.setNonBlocking(true);
  connect(client.fd, reinterpret_cast<sockaddr*>(&target), sizeof target);
  connectResult result;
  new sockEvent(sockEvent::CONNECT, client.fd, onConnect, &result, true, nullptr);
  dispatchUntil([&] { return result.called; });
  EXPECT_TRUE(result.called);
  EXPECT_TRUE(result.connected);
  EXPECT_EQ(0, result.error);
}

TEST_F(sockets, peerHangUpReachesEveryRegistration) {
  socketPair pair;
  sockEvent* reader = new sockEvent(sockEvent::READ, pair.fd[0], recordUserData, (void*)1, false, nullptr);
  sockEvent* except = new sockEvent(sockEvent::EXCEPT, pair.fd[0], recordUserData, (void*)4, false, nullptr);
  EXPECT_EQ(0, sockEvent::dispatch(0));
  close(pair.fd[1]);
  pair.fd[1] = -1;
  EXPECT_EQ(2, sockEvent::dispatch(1));
  ASSERT_EQ(2u, fired.size());
  EXPECT_EQ(5, fired[0] + fired[1]);
  delete reader;
  delete except;
}

TEST_F(sockets, exceptFiresOnUrgentData) {
  orvo::socket server(AF_INET, SOCK_STREAM, 0);
  sockaddr_in target = orvo::defaultAddress;
  target.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(server.fd, reinterpret_cast<sockaddr*>(&target), sizeof target);
  socklen_t length = sizeof target;
  getsockname(server.fd, reinterpret_cast<sockaddr*>(&target), &length);
  listen(server.fd, 1);
  orvo::socket client(AF_INET, SOCK_STREAM, 0);
  ASSERT_EQ(0, connect(client.fd, reinterpret_cast<sockaddr*>(&target), sizeof target));
  orvo::socket accepted;
  accepted.attach(server.accept());
  sockEvent* except = new sockEvent(sockEvent::EXCEPT, accepted.fd, recordUserData, (void*)3, false, nullptr);
  EXPECT_EQ(0, sockEvent::dispatch(0));
  ASSERT_EQ(1, send(client.fd, "!", 1, MSG_OOB));
  dispatchUntil([] { return !fired.empty(); });
  EXPECT_EQ((std::vector<int>{3}), fired);
  delete except;
}

bool interruptHandled;
void onInterrupt() { interruptHandled = true; }
void wakeOnSignal(int) { sockEvent::interruptWait(); }
void ignoreSignal(int) {}

TEST_F(sockets, signalDuringTheWaitEndsThePassWithZero) {
  socketPair pair;
  sockEvent* reader = new sockEvent(sockEvent::READ, pair.fd[0], recordUserData, (void*)1, false, nullptr);
  sockEvent* timer = new sockEvent(inMilliseconds(60000), recordUserData, (void*)2, nullptr);
  struct sigaction action = {}, previous;
  action.sa_handler = ignoreSignal;
  action.sa_flags = SA_RESTART;
  sigaction(SIGUSR1, &action, &previous);

  pthread_t self = pthread_self();
  std::atomic<bool> returned{false};
  // Repeated until one lands inside the wait (this handler wakes nothing).
  std::thread signaller([self, &returned] {
    while (!returned) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      if (!returned) pthread_kill(self, SIGUSR1);
    }
  });
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(0, sockEvent::dispatch(5));
  auto elapsed = std::chrono::steady_clock::now() - start;
  returned = true;
  signaller.join();
  EXPECT_LT(elapsed, std::chrono::seconds(3));
  EXPECT_TRUE(fired.empty());

  // A wake-up from a handler ends the wait the same way and runs the hook.
  action.sa_handler = wakeOnSignal;
  sigaction(SIGUSR1, &action, nullptr);
  interruptHandled = false;
  sockEvent::setInterruptHandler(onInterrupt);
  raise(SIGUSR1);  // before the wait: the wake-up is kept for it
  start = std::chrono::steady_clock::now();
  EXPECT_EQ(0, sockEvent::dispatch(5));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  EXPECT_TRUE(interruptHandled);
  sockEvent::setInterruptHandler(nullptr);
  sigaction(SIGUSR1, &previous, nullptr);

  // Everything is still registered.
  EXPECT_EQ(baseline + 1, sockEvent::registrationCount());
  pair.makeReadable(0);
  EXPECT_EQ(1, sockEvent::dispatch(1));
  EXPECT_EQ((std::vector<int>{1}), fired);
  delete reader;
  delete timer;
}

TEST_F(sockets, recordDiagnostics) {
  socketPair pair;
  sockEvent* reader = new sockEvent(sockEvent::READ, pair.fd[0], recordUserData, nullptr, false, nullptr);
  EXPECT_TRUE(reader->record->isValid());
  orvo::string expected;
  expected.format("0x%08lx(READ %d) fn at 0x%08lx", (unsigned long)(uintptr_t)reader->record, pair.fd[0],
                  (unsigned long)(uintptr_t)&recordUserData);
  testing::internal::CaptureStderr();
  reader->record->print();
  EXPECT_EQ(toStd(expected), testing::internal::GetCapturedStderr());

  derivedTarget object;
  orvo::dateTime due(5, 3, 2004, 7, 8, 9, 10);
  sockEvent* timer = new sockEvent(due, &object, &target::onEvent, nullptr, nullptr);
  expected.format("0x%08lx(TIME 05/03/2004 07:08:09) object 0x%08lx", (unsigned long)(uintptr_t)timer->record,
                  (unsigned long)(uintptr_t) static_cast<target*>(&object));
  testing::internal::CaptureStderr();
  timer->record->print();
  EXPECT_EQ(toStd(expected), testing::internal::GetCapturedStderr());
  delete timer;

  FILE* file = tmpfile();
  dup2(fileno(file), pair.fd[0]);
  EXPECT_FALSE(reader->record->isValid());
  expected.format("0x%08lx(READ %d) fn at 0x%08lx invalid!", (unsigned long)(uintptr_t)reader->record, pair.fd[0],
                  (unsigned long)(uintptr_t)&recordUserData);
  testing::internal::CaptureStderr();
  reader->record->print();
  EXPECT_EQ(toStd(expected), testing::internal::GetCapturedStderr());
  testing::internal::CaptureStdout();
  delete reader;
  testing::internal::GetCapturedStdout();
  fclose(file);
}

}  // namespace

// The cost of one dispatch pass while many timers wait, of a pass that fires
// one of them, and of arming and cancelling a timer: none may grow with the
// number of pending timers beyond its logarithm.
#include <benchmark/benchmark.h>

#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

namespace {

using orvo::sockEvent;

void ignore(sockEvent*) {}

struct pendingTimers {
  std::vector<sockEvent*> timers;
  explicit pendingTimers(int64_t count) {
    orvo::dateTime later = orvo::timerClock() + orvo::timeSpan(1, 0);
    for (int64_t i = 0; i < count; ++i) timers.push_back(new sockEvent(later, ignore, nullptr, nullptr));
  }
  ~pendingTimers() {
    for (sockEvent* t : timers) delete t;
  }
};

void passWithPendingTimers(benchmark::State& state) {
  pendingTimers pending(state.range(0));
  int fd[2];
  socketpair(AF_UNIX, SOCK_STREAM, 0, fd);
  // Always ready, so the pass never sleeps.
  sockEvent* writer = new sockEvent(sockEvent::WRITE, fd[0], ignore, nullptr, false, nullptr);
  for (auto _ : state) benchmark::DoNotOptimize(sockEvent::dispatch(1));
  delete writer;
  close(fd[0]);
  close(fd[1]);
}
BENCHMARK(passWithPendingTimers)->Arg(0)->Arg(1000)->Arg(100000);

void armAndCancelTimer(benchmark::State& state) {
  pendingTimers pending(state.range(0));
  orvo::dateTime later = orvo::timerClock() + orvo::timeSpan(0, 30);
  for (auto _ : state) delete new sockEvent(later, ignore, nullptr, nullptr);
}
BENCHMARK(armAndCancelTimer)->Arg(0)->Arg(100000);

// A pass that fires one timer while many others wait (one validity timer per
// registered endpoint): only the due one may be looked at.
void passFiringOneOfManyTimers(benchmark::State& state) {
  pendingTimers pending(state.range(0));
  int fd[2];
  socketpair(AF_UNIX, SOCK_STREAM, 0, fd);
  sockEvent* writer = new sockEvent(sockEvent::WRITE, fd[0], ignore, nullptr, false, nullptr);
  for (auto _ : state) {
    new sockEvent(orvo::timerClock(), ignore, nullptr, nullptr);
    benchmark::DoNotOptimize(sockEvent::dispatch(1));
  }
  delete writer;
  close(fd[0]);
  close(fd[1]);
}
BENCHMARK(passFiringOneOfManyTimers)->Arg(0)->Arg(1000)->Arg(100000);

}  // namespace

// A listener whose process has run out of descriptors: the watch rests it
// instead of letting every dispatcher pass call back for the same queued
// connection, and takes it up again once the rest is over.
#include <orvo/acceptWatch.h>

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

#include <orvo/socket.h>
#include <orvo/timerClock.h>

#include "orvoTesting.h"

namespace {

struct listenerUnderWatch {
  orvo::socket listener{AF_INET, SOCK_STREAM, 0};
  orvo::acceptWatch watch;
  sockaddr_in address{};
  int calls = 0;
  std::vector<int> errors;  // of each accept that failed
  std::vector<int> accepted;

  listenerUnderWatch() {
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    EXPECT_EQ(0, bind(listener.fd, reinterpret_cast<sockaddr*>(&address), sizeof address));
    EXPECT_EQ(0, getsockname(listener.fd, reinterpret_cast<sockaddr*>(&address), &length));
    EXPECT_EQ(0, listen(listener.fd, 8));
    listener.setNonBlocking(true);
    watch.watch(listener.fd, this, &listenerUnderWatch::onReadable);
  }
  ~listenerUnderWatch() {
    for (int fd : accepted) close(fd);
  }
  void onReadable(orvo::sockEvent*) {
    ++calls;
    int fd = listener.accept();
    if (fd == -1) {
      errors.push_back(listener.lastError);
      watch.acceptFailed(listener.lastError);
      return;
    }
    accepted.push_back(fd);
  }
  int connectOne() {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    EXPECT_EQ(0, connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address));
    return fd;
  }
};

// Takes every free descriptor up to the limit it sets; gives them back and
// the limit with them.
struct descriptorsTaken {
  rlimit saved{};
  std::vector<int> held;
  explicit descriptorsTaken(rlim_t ALimit) {
    getrlimit(RLIMIT_NOFILE, &saved);
    rlimit lowered{ALimit, saved.rlim_max};
    EXPECT_EQ(0, setrlimit(RLIMIT_NOFILE, &lowered));
    for (;;) {
      int fd = open("/dev/null", O_RDONLY);
      if (fd == -1) break;
      held.push_back(fd);
    }
  }
  ~descriptorsTaken() {
    for (int fd : held) close(fd);
    setrlimit(RLIMIT_NOFILE, &saved);
  }
};

void passes(int ACount) {
  for (int i = 0; i < ACount; ++i) orvo::sockEvent::dispatch(0);
}

}  // namespace

TEST(acceptWatch, ShortagesAreTheErrorsThatLeaveTheConnectionQueued) {
  const struct {
    int error;
    bool shortage;
  } cases[] = {{EMFILE, true},        {ENFILE, true},  {ENOBUFS, true}, {ENOMEM, true},
               {ECONNABORTED, false}, {EAGAIN, false}, {EINTR, false},  {EPROTO, false}};
  for (const auto& c : cases) EXPECT_EQ(c.shortage, orvo::acceptWatch::isShortage(c.error)) << c.error;
}

TEST(acceptWatch, OutOfDescriptorsTheListenerRestsThenAccepts) {
  orvo::timerClockHold hold;  // the rest ends when the test says, not on a slow pass
  listenerUnderWatch under;
  const int client = under.connectOne();
  {
    descriptorsTaken taken(under.listener.fd + 16);
    passes(20);
    ASSERT_EQ(std::vector<int>{EMFILE}, under.errors) << "one callback, then rest";
    EXPECT_EQ(1, under.calls);
    EXPECT_TRUE(under.watch.resting());
    EXPECT_FALSE(under.watch.watching());
  }
  passes(5);
  EXPECT_EQ(1, under.calls) << "the rest lasts its time";
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(orvo::acceptWatch::restMilliseconds));
  passes(3);
  EXPECT_TRUE(under.watch.watching());
  EXPECT_FALSE(under.watch.resting());
  EXPECT_EQ(1u, under.accepted.size()) << "the queued connection is taken once descriptors are back";
  close(client);
}

TEST(acceptWatch, OtherFailuresKeepWatchingAndStopEndsBoth) {
  orvo::timerClockHold hold;  // the rest ends when the test says, not on a slow pass
  listenerUnderWatch under;
  EXPECT_FALSE(under.watch.acceptFailed(ECONNABORTED));
  EXPECT_TRUE(under.watch.watching());
  EXPECT_TRUE(under.watch.acceptFailed(EMFILE));
  EXPECT_FALSE(under.watch.acceptFailed(EMFILE)) << "already resting";
  under.watch.stop();
  EXPECT_FALSE(under.watch.watching() || under.watch.resting());
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(orvo::acceptWatch::restMilliseconds));
  const int client = under.connectOne();
  passes(3);
  EXPECT_EQ(0, under.calls) << "a stopped watch neither wakes nor watches";
  close(client);
}

#include <orvo/service.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

#include "orvoTesting.h"

namespace {

using orvo::sockEvent;

// Runs passes until told to stop; the signals to send arrive from another
// thread while the pass waits.
struct testService : orvo::service {
  explicit testService(const char* name = "gk") : service(name, "", "", "") {}

  int run() override {
    pthread_t self = pthread_self();
    std::vector<int> toSend = signals;
    std::thread sender([self, toSend] {
      for (int s : toSend) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        pthread_kill(self, s);
      }
    });
    auto start = std::chrono::steady_clock::now();
    while (requests.size() < signals.size() && std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
      size_t before = requests.size();
      int result = sockEvent::dispatch(5);
      if (requests.size() != before) passResults.push_back(result);
    }
    sender.join();
    return 42;
  }
  void stop() override { requests.push_back("stop"); }
  void restart() override { requests.push_back("restart"); }
  void onUser1() override { requests.push_back("user1"); }

  std::vector<int> signals;
  std::vector<std::string> requests;
  std::vector<int> passResults;
};

TEST(service, secondObjectIsRefusedAndTheFirstStays) {
  {
    testService first;
    EXPECT_EQ(&first, orvo::service::instance());
    ORVO_EXPECT_THROW(testService second("other"), orvo::serviceCreationException,
                      "Creation of secondary service object prohibited.");
    EXPECT_EQ(&first, orvo::service::instance());
    EXPECT_EQ("gk", toStd(orvo::service::instance()->name));
  }
  EXPECT_EQ(nullptr, orvo::service::instance());
  testService again;
  EXPECT_EQ(&again, orvo::service::instance());
}

TEST(service, defaultsAfterConstruction) {
  testService s;
  EXPECT_EQ("gk", toStd(s.displayName));
  EXPECT_EQ("gk service, run in the background.", toStd(s.description));
  EXPECT_FALSE(s.daemon);
  EXPECT_TRUE(s.handleTerminate);
  EXPECT_FALSE(s.handleUser2);
  EXPECT_FALSE(s.handleUser1);
}

TEST(service, hooksGiveTheirFixedAnswers) {
  testService s;
  orvo::service& base = s;
  typedef bool (orvo::service::*hook)();
  const struct {
    hook call;
    bool answer;
  } hooks[] = {
      {&orvo::service::hook1, true},  {&orvo::service::hook2, true}, {&orvo::service::hook3, false},
      {&orvo::service::hook4, true},  {&orvo::service::hook5, true}, {&orvo::service::hook6, false},
      {&orvo::service::hook7, false},
  };
  for (size_t i = 0; i < sizeof hooks / sizeof hooks[0]; ++i)
    EXPECT_EQ(hooks[i].answer, (base.*hooks[i].call)()) << i + 1;
  EXPECT_TRUE(s.requests.empty());
}

TEST(service, explicitTextsAreKept) {
  struct named : orvo::service {
    named() : service("gk", "Gatekeeper", "Manages H.323 compliant network.", "x") {}
    int run() override { return 0; }
  } n;
  EXPECT_EQ("Gatekeeper", toStd(n.displayName));
  EXPECT_EQ("Manages H.323 compliant network.", toStd(n.description));
  EXPECT_EQ("x", toStd(n.notes));
}

TEST(service, terminationSignalsStopOncePerSignal) {
  testService s;
  s.signals = {SIGTERM, SIGINT, SIGTERM};
  EXPECT_EQ(42, s.start());
  EXPECT_EQ((std::vector<std::string>{"stop", "stop", "stop"}), s.requests);
  // Each request was acted on inside the pass its signal interrupted.
  for (int result : s.passResults) EXPECT_EQ(0, result);
}

TEST(service, userSignalsRestartAndNotifyInOrder) {
  testService s;
  s.handleUser1 = true;
  s.handleUser2 = true;
  s.signals = {SIGUSR2, SIGUSR1, SIGTERM};
  EXPECT_EQ(42, s.start());
  EXPECT_EQ((std::vector<std::string>{"restart", "user1", "stop"}), s.requests);
}

TEST(service, signalOutsideTheWaitIsKeptForTheNextPass) {
  struct immediate : orvo::service {
    immediate() : service("gk", "", "", "") {}
    int run() override {
      raise(SIGTERM);
      if (stops != 0) return -1;  // not from inside the handler
      auto start = std::chrono::steady_clock::now();
      int result = sockEvent::dispatch(5);
      elapsed = std::chrono::steady_clock::now() - start;
      return result;
    }
    void stop() override { ++stops; }
    int stops = 0;
    std::chrono::steady_clock::duration elapsed{};
  } s;
  EXPECT_EQ(0, s.start());
  EXPECT_EQ(1, s.stops);
  EXPECT_LT(s.elapsed, std::chrono::seconds(2));
}

TEST(service, unhookedUserSignalKeepsItsDefaultAction) {
  signal(SIGUSR1, SIG_DFL);
  EXPECT_EXIT(
      {
        struct raising : orvo::service {
          raising() : service("gk", "", "", "") {}
          int run() override {
            raise(SIGUSR1);
            sockEvent::dispatch(1);
            return 0;
          }
        } s;
        s.start();
        _exit(0);
      },
      testing::KilledBySignal(SIGUSR1), "");
}

TEST(service, brokenPipeIsIgnoredOnceStarted) {
  struct pipeWriter : orvo::service {
    pipeWriter() : service("gk", "", "", "") {}
    int run() override {
      int fd[2];
      if (pipe(fd) != 0) return -1;
      close(fd[0]);
      ssize_t n = write(fd[1], "x", 1);
      int error = errno;
      close(fd[1]);
      return n == -1 && error == EPIPE ? 1 : 0;
    }
  } s;
  EXPECT_EQ(1, s.start());
}

// Everything the starting process's standard error receives, to the end.
std::string readAll(int fd) {
  std::string text;
  pollfd p = {fd, POLLIN, 0};
  char buffer[256];
  while (poll(&p, 1, 10000) > 0) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, (size_t)n);
  }
  return text;
}

pid_t firstChild;
int queueBefore;
std::string startDirectory;

void noteTimer(sockEvent* registration) { *static_cast<bool*>(registration->record->userData) = true; }

// What the detached process is like, as one line.
std::string detachedState() {
  bool fired = false;
  new sockEvent(orvo::timerClock(), noteTimer, &fired, nullptr);
  sockEvent::dispatch(0);
  struct stat input, null;
  stat("/dev/null", &null);
  fstat(0, &input);
  char directory[4096];
  std::string line;
  line += getsid(0) == getpid() ? "session " : "no-session ";
  line += getpid() != firstChild ? "forked " : "unforked ";
  line += input.st_rdev == null.st_rdev ? "null-input " : "own-input ";
  line += sockEvent::queueDescriptor() != queueBefore ? "fresh-queue " : "old-queue ";
  line += fcntl(7, F_GETFD) == -1 && errno == EBADF ? "inherited-closed " : "inherited-open ";
  line += getcwd(directory, sizeof directory) && startDirectory == directory ? "same-directory " : "moved ";
  line += fired ? "timer\n" : "no-timer\n";
  return line;
}

void say(const std::string& text) {
  ssize_t n = write(2, text.data(), text.size());
  (void)n;
}

enum startEnd { reportsRunning, reportsExitCode, returnsUnreported, diesUnreported };

struct detachCase {
  startEnd end;
  int starterExit;          // the starting process's result
  const char* starterText;  // what reaches its standard error
};

const detachCase detachCases[] = {
    {reportsRunning, 0, "running\n"},
    {reportsExitCode, 3, "failed\n"},
    {returnsUnreported, 5, "returned\n"},
    {diesUnreported, 1, "dying\nError: The service ended before it started.\n"},
};

startEnd currentEnd;

struct detached : orvo::service {
  detached() : service("gk", "", "", "") {}
  int run() override {
    switch (currentEnd) {
      case reportsRunning:
        say(detachedState());
        say("running\n");
        reportStatus(4, 0);
        say("after the start, to nobody\n");
        return 0;
      case reportsExitCode:
        say("failed\n");
        reportExitCode(3);
        say("after the start, to nobody\n");
        return 3;
      case returnsUnreported:
        say("returned\n");
        return 5;
      case diesUnreported:
        say("dying\n");
        _exit(9);
    }
    return 0;
  }
};

TEST(service, daemonModeDetachesAndReportsTheStartToItsStarter) {
  char directory[4096];
  ASSERT_NE(nullptr, getcwd(directory, sizeof directory));
  startDirectory = directory;
  for (const detachCase& c : detachCases) {
    int errorPipe[2];
    ASSERT_EQ(0, pipe(errorPipe));
    currentEnd = c.end;
    pid_t starter = fork();
    ASSERT_NE(-1, starter);
    if (starter == 0) {
      close(errorPipe[0]);
      dup2(errorPipe[1], 2);
      close(errorPipe[1]);
      // Inherited from whatever ran the service.
      dup2(open("/dev/zero", O_RDONLY), 7);
      firstChild = getpid();
      detached s;
      queueBefore = sockEvent::queueDescriptor();
      s.daemon = true;
      int result = s.start();
      _exit(getpid() == firstChild ? result : 0);
    }
    close(errorPipe[1]);
    std::string text = readAll(errorPipe[0]);
    close(errorPipe[0]);
    int status = 0;
    waitpid(starter, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(c.starterExit, WEXITSTATUS(status)) << c.starterText;
    std::string expected = c.starterText;
    if (c.end == reportsRunning)
      expected = "session forked null-input fresh-queue inherited-closed same-directory timer\n" + expected;
    EXPECT_EQ(expected, text);
  }
}

}  // namespace

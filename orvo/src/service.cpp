#include <orvo/service.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

#include <iostream>

#include <orvo/bifurcator.h>
#include <orvo/printOptions.h>
#include <orvo/sockEvent.h>
#include <orvo/utility.h>

namespace orvo {

service* service::current = nullptr;

namespace {

// Signals recorded by the handler, in arrival order. The handler may
// interrupt itself (the mask is empty), so a slot is claimed before it is
// written; the reader runs only between handlers on the one thread.
const unsigned recordCapacity = 64;
volatile sig_atomic_t recorded[recordCapacity];
std::atomic<unsigned> recordedCount{0};
std::atomic<unsigned> deliveredCount{0};

void recordSignal(int signalNumber) {
  unsigned slot = recordedCount.load();
  // A burst larger than the record is cut; the requests it repeats are kept.
  if (slot - deliveredCount.load() >= recordCapacity) return;
  slot = recordedCount.fetch_add(1);
  recorded[slot % recordCapacity] = signalNumber;
  sockEvent::interruptWait();
}

// While a detached process starts, its standard error is a pipe to the
// process that started it. The start's outcome follows the text as a trailer
// of a zero byte and the exit code; text never holds a zero byte.
bool starterWaiting = false;
const int runningState = 4;

void writeAll(int fd, const char* data, size_t length) {
  while (length > 0) {
    ssize_t n = write(fd, data, length);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    data += n;
    length -= (size_t)n;
  }
}

void releaseStarter(int exitCode) {
  if (!starterWaiting) return;
  starterWaiting = false;
  fflush(stderr);
  const char trailer[2] = {0, (char)exitCode};
  writeAll(2, trailer, sizeof trailer);
  // The starter sees the end of the pipe and returns.
  int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (null != -1) {
    dup2(null, 2);
    close(null);
  }
}

// The starter copies what the detached process writes before its trailer
// and answers the reported exit code.
int awaitStart(int channel) {
  std::string text;
  char buffer[4096];
  for (;;) {
    ssize_t n = read(channel, buffer, sizeof buffer);
    if (n > 0)
      text.append(buffer, (size_t)n);
    else if (n == 0 || errno != EINTR)
      break;
  }
  close(channel);
  int exitCode = 1;
  if (text.size() >= 2 && text[text.size() - 2] == '\0') {
    exitCode = (unsigned char)text.back();
    text.resize(text.size() - 2);
  } else {
    text += "Error: The service ended before it started.\n";
  }
  writeAll(2, text.data(), text.size());
  return exitCode;
}

void closeRange(int first, int last) {
  if (first > last) return;
  if (close_range((unsigned)first, (unsigned)last, 0) == 0) return;
  long limit = sysconf(_SC_OPEN_MAX);
  for (long fd = first; fd <= last && fd < limit; ++fd) close((int)fd);
}

// Every descriptor above standard error except the kept ones (-1: none).
void closeInheritedDescriptors(int keepA, int keepB) {
  int low = keepA < keepB ? keepA : keepB;
  int high = keepA < keepB ? keepB : keepA;
  int next = 3;
  for (int keep : {low, high}) {
    if (keep < next) continue;
    closeRange(next, keep - 1);
    next = keep + 1;
  }
  closeRange(next, INT_MAX);
}

// The dispatcher's errors go to the log as error lines.
void logDispatcherError(const string& text) { lineState(std::cout, stateError) << text << std::endl; }

}  // namespace

service::service(const string& name, const string& displayName, const string& description, const string& notes)
    : daemon(false),
      name(name),
      displayName(displayName),
      description(description),
      notes(notes),
      handleTerminate(true),
      handleUser2(false),
      handleUser1(false) {
  if (current) throw new serviceCreationException;
  current = this;
  if (this->displayName.length() == 0) this->displayName = name;
  if (this->description.length() == 0) this->description = name + " service" + ", run in the background.";
}

service::~service() {
  if (current == this) current = nullptr;
}

void service::onSignal(int signalNumber) {
  if (signalNumber == SIGUSR1) {
    onUser1();
  } else if (signalNumber == SIGUSR2) {
    restart();
  } else {
    reportStatus(3, 500);
    stop();
  }
}

void service::reportExitCode(int exitCode) { releaseStarter(exitCode); }

void service::reportStatus(int state, unsigned waitHint) {
  (void)waitHint;
  if (state == runningState) releaseStarter(0);
}

bool service::detach(int& exitCode) {
  int channel[2];
  pid_t child = -1;
  if (pipe(channel) == 0) {
    child = fork();
    if (child == -1) {
      int error = errno;
      close(channel[0]);
      close(channel[1]);
      errno = error;
    }
  }
  if (child == -1) {
    std::string text = std::string("Error: Could not detach: ") + errorText(errno).buffer() + "\n";
    writeAll(2, text.data(), text.size());
    exitCode = 1;
    return false;
  }
  if (child != 0) {
    close(channel[1]);
    // Stop and restart requests are the detached process's; the starter
    // only waits, and an interrupt ends the wait as it ends any command.
    if (handleTerminate) {
      signal(SIGINT, SIG_DFL);
      signal(SIGTERM, SIG_DFL);
    }
    if (handleUser1) signal(SIGUSR1, SIG_DFL);
    if (handleUser2) signal(SIGUSR2, SIG_DFL);
    exitCode = awaitStart(channel[0]);
    return false;
  }
  close(channel[0]);
  setsid();
  // The working directory stays: a restart reopens a possibly relative
  // configuration path.
  int null = open("/dev/null", O_RDWR);
  if (null != -1) {
    dup2(null, 0);
    dup2(null, 1);
  }
  dup2(channel[1], 2);
  sockEvent::renewQueue();
  closeInheritedDescriptors(sockEvent::queueDescriptor(), sockEvent::interruptDescriptor());
  starterWaiting = true;
  return true;
}

void service::deliverSignals() {
  while (deliveredCount.load() != recordedCount.load()) {
    int signalNumber = recorded[deliveredCount.load() % recordCapacity];
    deliveredCount.fetch_add(1);
    if (current) current->onSignal(signalNumber);
  }
}

int service::start() {
  signal(SIGPIPE, SIG_IGN);
  struct sigaction action;
  action.sa_handler = recordSignal;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  if (handleTerminate) {
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
  }
  if (handleUser1) sigaction(SIGUSR1, &action, nullptr);
  if (handleUser2) sigaction(SIGUSR2, &action, nullptr);
  sockEvent::setInterruptHandler(&service::deliverSignals);
  sockEvent::setErrorHandler(&logDispatcherError);
  if (daemon) {
    int exitCode = 0;
    if (!detach(exitCode)) return exitCode;
  }
  int result = run();
  // A run that ended before it reported how its start went.
  releaseStarter(result);
  return result;
}

}  // namespace orvo

#include <orvo/service.h>

#include <atomic>
#include <csignal>
#include <unistd.h>

#include <iostream>

#include <orvo/bifurcator.h>
#include <orvo/printOptions.h>
#include <orvo/sockEvent.h>

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
    if (::daemon(1, 0) == 0) sockEvent::renewQueue();
  }
  return run();
}

}  // namespace orvo

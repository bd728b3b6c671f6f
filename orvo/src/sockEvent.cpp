#include <orvo/sockEvent.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <iostream>
#include <memory>
#include <sys/socket.h>
#include <vector>

#include <orvo/bifurcator.h>
#include <orvo/printOptions.h>
#include <orvo/timerClock.h>
#include <orvo/utility.h>

#include "kernelQueue.h"

namespace orvo {

namespace {

struct dispatcherState {
  std::unique_ptr<kernelQueue> queue{new kernelQueue};
  int socketCount = 0;
  std::unique_ptr<kernelQueue::ready[]> ready{new kernelQueue::ready[kernelQueue::maximumBatch]};
  sockEvent::event* timersHead = nullptr;  // in creation order
  sockEvent::event* timersTail = nullptr;
  std::vector<sockEvent::event*> pendingDeletes;
  sockEvent::event* nearest = nullptr;  // null: scan before the next wait
  bool inDispatch = false;
  void (*interruptHandler)() = nullptr;
};

// The wake-up descriptor of the current queue, for signal handlers.
std::atomic<int> wakeDescriptor{-1};

// Never destroyed, so handles deleted by other static destructors at exit
// still find it.
dispatcherState& state() {
  static dispatcherState* s = [] {
    dispatcherState* fresh = new dispatcherState;
    wakeDescriptor = fresh->queue->wakeDescriptor();
    return fresh;
  }();
  return *s;
}

// The queue exists from start-up on, as every registration expects.
[[maybe_unused]] dispatcherState& startUp = state();

kernelQueue::filter filterOf(int kind) {
  switch (kind) {
    case sockEvent::READ: return kernelQueue::readFilter;
    case sockEvent::EXCEPT: return kernelQueue::priorityFilter;
    default: return kernelQueue::writeFilter;  // WRITE and CONNECT
  }
}

bool isTimer(const sockEvent::event* r) { return r->kind == sockEvent::TIME; }

// Leaves the dispatching flag cleared however the pass ends.
struct passGuard {
  passGuard() { state().inDispatch = true; }
  ~passGuard() { state().inDispatch = false; }
};

}  // namespace

sockEvent::sockEvent(int kind, int fd, callback function, void* userData, bool autoDelete, sockEvent** registration)
    : record(nullptr) {
  event* r = newRecord(kind, fd, autoDelete, userData);
  r->function = function;
  construct(r, registration);
}

sockEvent::sockEvent(const dateTime& due, callback function, void* userData, sockEvent** registration)
    : record(nullptr) {
  event* r = newRecord(TIME, -1, true, userData);
  r->due = due;
  r->function = function;
  construct(r, registration);
}

sockEvent::event* sockEvent::newRecord(int kind, int fd, bool autoDelete, void* userData) {
  event* r = new event;
  r->kind = kind;
  r->fd = kind == TIME ? -1 : fd;
  r->userData = userData;
  r->autoDelete = kind == TIME ? true : autoDelete;
  r->due = timerClock();
  return r;
}

void sockEvent::construct(event* r, sockEvent** registration) {
  r->owner = this;
  try {
    insert(r);
  } catch (...) {
    delete r;
    throw;
  }
  // Only a registered handle reaches the caller.
  record = r;
  if (registration) *registration = this;
}

sockEvent::~sockEvent() { remove(this); }

void sockEvent::insert(event* r) {
  dispatcherState& s = state();
  r->removed = false;
  if (isTimer(r)) {
    r->previousTimerLink() = s.timersTail;
    r->nextTimerLink() = nullptr;
    if (s.timersTail) s.timersTail->nextTimerLink() = r;
    else s.timersHead = r;
    s.timersTail = r;
    if (s.nearest && s.nearest->due.compare(r->due) > 0) s.nearest = r;
    return;
  }
  int error = 0;
  if (r->kind < READ || r->kind > CONNECT) error = EINVAL;
  else if (s.queue->add(r->fd, filterOf(r->kind), r) != 0) error = errno;
  if (error) {
    string text;
    text.format("insert kevent error '%s'", errorText(error).buffer());
    throw new sockeventException(text);
  }
  ++s.socketCount;
}

static void unlinkTimer(dispatcherState& s, sockEvent::event* r) {
  sockEvent::event*& next = r->nextTimerLink();
  sockEvent::event*& previous = r->previousTimerLink();
  if (previous) previous->nextTimerLink() = next;
  else s.timersHead = next;
  if (next) next->previousTimerLink() = previous;
  else s.timersTail = previous;
  next = previous = nullptr;
}

void sockEvent::remove(sockEvent* handle) {
  event* r = handle->record;
  if (!r) return;
  dispatcherState& s = state();
  handle->record = nullptr;
  r->owner = nullptr;
  if (isTimer(r)) {
    if (s.nearest == r) s.nearest = nullptr;
  } else {
    if (s.queue->remove(r->fd, filterOf(r->kind), r) != 0 && errno != EBADF) {
      // The kernel has let go of the pointer all the same; a destructor must
      // not throw, so the failure goes to the log.
      string text;
      text.format("remove kevent error '%s'", errorText(errno).buffer());
      lineState(std::cout, stateError) << text << std::endl;
    }
    --s.socketCount;
  }
  r->removed = true;
  if (s.inDispatch) {
    // Timers stay for the sweep of the next scan; sockets until the batch ends.
    if (!isTimer(r)) s.pendingDeletes.push_back(r);
    return;
  }
  if (isTimer(r)) unlinkTimer(s, r);
  delete r;
}

void sockEvent::fire(event* r) {
  sockEvent* owner = r->owner;
  try {
    if (r->function) r->function(owner);
    else if (r->object && r->method) r->method.call(r->object, owner);
  } catch (...) {
    state().inDispatch = false;
    if (r->autoDelete && r->owner) delete r->owner;
    throw;
  }
  // The callback may have deleted the handle; the record is still there.
  if (r->autoDelete && r->owner) delete r->owner;
}

int sockEvent::scanTimers(const dateTime& now, bool updateNearest) {
  dispatcherState& s = state();
  if (s.nearest && s.nearest->due.compare(now) > 0) return 0;
  if (!s.timersHead) return 0;

  int fired = 0;
  // The successor is read after the callback, so timers it appends are seen.
  for (event* r = s.timersHead; r; r = r->nextTimerLink()) {
    if (!r->removed && r->due.compare(now) <= 0) {
      fire(r);
      ++fired;
    }
  }

  event* r = s.timersHead;
  while (r) {
    event* next = r->nextTimerLink();
    if (r->removed) {
      unlinkTimer(s, r);
      delete r;
    } else if (updateNearest && (!s.nearest || s.nearest->due.compare(r->due) > 0)) {
      s.nearest = r;
    }
    r = next;
  }
  return fired;
}

int sockEvent::dispatchReady(int count) {
  dispatcherState& s = state();
  int fired = 0;
  for (int i = 0; i < count; ++i) {
    event* r = static_cast<event*>(s.ready[i].udata);
    if (r->removed) continue;
    if (r->kind == CONNECT) r->connected = !s.ready[i].endOfFile && !s.ready[i].error;
    fire(r);
    ++fired;
  }
  for (event* deleted : s.pendingDeletes) delete deleted;
  s.pendingDeletes.clear();
  return fired;
}

std::int64_t sockEvent::waitTime(int maxWaitSeconds, const dateTime& now) {
  dispatcherState& s = state();
  std::int64_t wait = (std::int64_t)maxWaitSeconds * 1000;
  if (s.nearest) {
    std::int64_t untilNearest = (s.nearest->due - now).milliseconds();
    if (untilNearest < wait) wait = untilNearest;
  }
  wait -= 1000 / clockRate();
  return wait <= 0 ? 1 : wait;
}

int sockEvent::dispatch(int maxWaitSeconds) {
  dispatcherState& s = state();
  int result;
  bool interrupted = false;
  {
    passGuard pass;
    const dateTime now = timerClock();
    scanTimers(now, true);
    std::int64_t wait = waitTime(maxWaitSeconds, now);
    int capacity = s.socketCount < kernelQueue::maximumBatch ? s.socketCount : kernelQueue::maximumBatch;
    int n = s.queue->wait(s.ready.get(), capacity, wait > INT_MAX ? INT_MAX : (int)wait);
    if (n < 0) {
      interrupted = errno == EINTR;
      result = interrupted ? 0 : -1;
    } else if (n == 0) {
      result = 0;
    } else {
      result = dispatchReady(n);
      result += scanTimers(timerClock(), false);
    }
  }
  // Requests recorded by signal handlers are acted on here, outside them.
  if (interrupted && s.interruptHandler) s.interruptHandler();
  return result;
}

int sockEvent::socketError() {
  if (!record) return EBADF;
  int error = 0;
  socklen_t length = sizeof error;
  if (getsockopt(record->fd, SOL_SOCKET, SO_ERROR, &error, &length) == -1) return errno;
  return error;
}

int sockEvent::clockRate() { return 100; }

int sockEvent::registrationCount() { return state().socketCount; }

void sockEvent::renewQueue() {
  dispatcherState& s = state();
  std::unique_ptr<kernelQueue> fresh(new kernelQueue);
  wakeDescriptor = fresh->wakeDescriptor();
  s.queue.swap(fresh);
}

int sockEvent::queueDescriptor() { return state().queue->descriptor(); }

int sockEvent::interruptDescriptor() { return state().queue->wakeDescriptor(); }

void sockEvent::interruptWait() { kernelQueue::wake(wakeDescriptor.load()); }

void sockEvent::setInterruptHandler(void (*handler)()) { state().interruptHandler = handler; }

bool sockEvent::event::isValid() const {
  if (kind == TIME) return true;
  sockaddr_storage address;
  socklen_t length = sizeof address;
  return getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0;
}

void sockEvent::event::print() const {
  static const char* const kindNames[] = {"READ ", "WRITE ", "EXCEPT ", "CONNECT "};
  string text;
  text.format("0x%08lx(", (unsigned long)(uintptr_t)this);
  if (kind == TIME) text.append(string("TIME ") + due.format("%x %X"));
  else if (kind >= READ && kind <= CONNECT) text.append(string().format("%s%d", kindNames[kind], (int)fd));
  text.append(") ");
  if (function) text.append(string().format("fn at 0x%08lx", (unsigned long)(uintptr_t)function));
  else if (object && method) text.append(string().format("object 0x%08lx", (unsigned long)(uintptr_t)object));
  if (!isValid()) text.append(" invalid!");
  fputs(text.buffer(), stderr);
}

}  // namespace orvo

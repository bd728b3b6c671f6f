#include <orvo/sockEvent.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <iostream>
#include <memory>
#include <sys/socket.h>
#include <vector>

#include <orvo/timerClock.h>
#include <orvo/utility.h>

#include "kernelQueue.h"

namespace orvo {

namespace {

// A pending timer in the heap, with the order it was placed by, so that
// the heap is ordered without reaching into the records. A timer moved to a
// later time keeps its entry until the entry comes up, and is placed anew
// then: an entry is never later than its record, and its serial tells
// whether it is still the record's.
struct timerEntry {
  std::int64_t due;  // milliseconds, as dueKey gives them
  std::uint64_t serial;
  sockEvent::event* record;
};

std::int64_t dueKey(const dateTime& due) {
  return std::int64_t(due.dayNumber()) * dateTime::millisecondsPerDay + due.millisecondsOfDay();
}

struct dispatcherState {
  std::unique_ptr<kernelQueue> queue{new kernelQueue};
  int socketCount = 0;
  std::unique_ptr<kernelQueue::ready[]> ready{new kernelQueue::ready[kernelQueue::maximumBatch]};
  // Pending timers, earliest due first; equal due times by creation.
  std::vector<timerEntry> timers;
  std::uint64_t timerSerial = 0;
  // Records taken away during a pass, freed once the pass no longer looks
  // at them.
  std::vector<sockEvent::event*> pendingDeletes;
  bool inDispatch = false;
  void (*interruptHandler)() = nullptr;
  void (*errorHandler)(const string&) = nullptr;
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
    case sockEvent::READ:
      return kernelQueue::readFilter;
    case sockEvent::EXCEPT:
      return kernelQueue::priorityFilter;
    default:
      return kernelQueue::writeFilter;  // WRITE and CONNECT
  }
}

bool isTimer(const sockEvent::event* r) { return r->kind == sockEvent::TIME; }

// Order of the timer heap: due time, then creation.
inline bool dueBefore(const timerEntry& a, const timerEntry& b) {
  return a.due < b.due || (a.due == b.due && a.serial < b.serial);
}

inline bool current(const timerEntry& e) { return e.serial == e.record->serial; }

void placeTimer(std::vector<timerEntry>& heap, std::size_t i, const timerEntry& e) {
  heap[i] = e;
  e.record->heapIndex = i;
}

void siftUp(std::vector<timerEntry>& heap, std::size_t i) {
  const timerEntry e = heap[i];
  while (i > 0) {
    std::size_t parent = (i - 1) / 2;
    if (!dueBefore(e, heap[parent])) break;
    placeTimer(heap, i, heap[parent]);
    i = parent;
  }
  placeTimer(heap, i, e);
}

void siftDown(std::vector<timerEntry>& heap, std::size_t i) {
  const timerEntry e = heap[i];
  const std::size_t n = heap.size();
  for (;;) {
    std::size_t child = 2 * i + 1;
    if (child >= n) break;
    if (child + 1 < n && dueBefore(heap[child + 1], heap[child])) ++child;
    if (!dueBefore(heap[child], e)) break;
    placeTimer(heap, i, heap[child]);
    i = child;
  }
  placeTimer(heap, i, e);
}

void pushTimer(std::vector<timerEntry>& heap, sockEvent::event* r) {
  heap.push_back(timerEntry{dueKey(r->due), r->serial, r});
  siftUp(heap, heap.size() - 1);
}

// Takes the record out of the heap wherever it stands.
void eraseTimer(std::vector<timerEntry>& heap, sockEvent::event* r) {
  std::size_t i = r->heapIndex;
  if (i == sockEvent::event::npos) return;
  r->heapIndex = sockEvent::event::npos;
  const timerEntry last = heap.back();
  heap.pop_back();
  if (last.record == r) return;
  placeTimer(heap, i, last);
  if (i > 0 && dueBefore(last, heap[(i - 1) / 2]))
    siftUp(heap, i);
  else
    siftDown(heap, i);
}

// Places the entries of timers moved later at their own time while the
// front one is not current and comes before the limit: below it, the front
// then tells the nearest due time. An entry is placed anew only when its
// old time comes near, so a timer moved often costs little.
void settleFront(std::vector<timerEntry>& heap, std::int64_t limit) {
  while (!heap.empty() && !current(heap.front()) && heap.front().due < limit) {
    timerEntry& top = heap.front();
    top.due = dueKey(top.record->due);
    top.serial = top.record->serial;
    siftDown(heap, 0);
  }
}

void writeErrorLine(const string& text) { std::cout << text.buffer() << std::endl; }

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
    r->serial = ++s.timerSerial;
    pushTimer(s.timers, r);
    return;
  }
  int error = 0;
  if (r->kind < READ || r->kind > CONNECT)
    error = EINVAL;
  else if (s.queue->add(r->fd, filterOf(r->kind), r) != 0)
    error = errno;
  if (error) {
    string text;
    text.format("insert kevent error '%s'", errorText(error).buffer());
    throw new sockeventException(text);
  }
  ++s.socketCount;
}

void sockEvent::remove(sockEvent* handle) {
  event* r = handle->record;
  if (!r) return;
  dispatcherState& s = state();
  handle->record = nullptr;
  r->owner = nullptr;
  if (isTimer(r)) {
    eraseTimer(s.timers, r);
  } else {
    if (s.queue->remove(r->fd, filterOf(r->kind), r) != 0 && errno != EBADF) {
      // The kernel has let go of the pointer all the same; a destructor must
      // not throw, so the failure is reported instead.
      string text;
      text.format("remove kevent error '%s'", errorText(errno).buffer());
      (s.errorHandler ? s.errorHandler : writeErrorLine)(text);
    }
    --s.socketCount;
  }
  r->removed = true;
  // A pass may still hold the record (a ready batch, a walk of due timers).
  if (s.inDispatch)
    s.pendingDeletes.push_back(r);
  else
    delete r;
}

void sockEvent::fire(event* r) {
  sockEvent* owner = r->owner;
  try {
    if (r->function)
      r->function(owner);
    else if (r->method)
      r->method(owner);
  } catch (...) {
    state().inDispatch = false;
    if (r->autoDelete && r->owner) delete r->owner;
    throw;
  }
  // The callback may have deleted the handle; the record is still there.
  if (r->autoDelete && r->owner) delete r->owner;
}

static void freePendingDeletes(dispatcherState& s) {
  for (sockEvent::event* deleted : s.pendingDeletes) delete deleted;
  s.pendingDeletes.clear();
}

int sockEvent::scanTimers(const dateTime& now) {
  dispatcherState& s = state();
  // The due timers fire in creation order, whatever their due times; one
  // that a callback creates already due is the newest and fires in the same
  // walk. Only due timers are looked at.
  auto createdLater = [](const event* a, const event* b) { return a->serial > b->serial; };
  std::vector<event*> due;
  const std::int64_t nowKey = dueKey(now);
  int fired = 0;
  try {
    for (;;) {
      // A timer moved later is placed at its own time, which may be due too.
      for (settleFront(s.timers, nowKey + 1); !s.timers.empty() && s.timers.front().due <= nowKey;
           settleFront(s.timers, nowKey + 1)) {
        event* r = s.timers.front().record;
        eraseTimer(s.timers, r);
        due.push_back(r);
        std::push_heap(due.begin(), due.end(), createdLater);
      }
      if (due.empty()) break;
      std::pop_heap(due.begin(), due.end(), createdLater);
      event* r = due.back();
      due.pop_back();
      // One taken away by an earlier callback waits among the pending deletes.
      if (r->removed) continue;
      fire(r);
      ++fired;
    }
  } catch (...) {
    // Those not reached fire in a later pass.
    for (event* r : due)
      if (!r->removed) pushTimer(s.timers, r);
    throw;
  }
  freePendingDeletes(s);
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
  freePendingDeletes(s);
  return fired;
}

std::int64_t sockEvent::waitTime(int maxWaitSeconds, const dateTime& now) {
  dispatcherState& s = state();
  std::int64_t wait = (std::int64_t)maxWaitSeconds * 1000;
  settleFront(s.timers, dueKey(now) + wait);
  if (!s.timers.empty()) {
    std::int64_t untilNearest = s.timers.front().due - dueKey(now);
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
    scanTimers(now);
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
      result += scanTimers(timerClock());
    }
  }
  // Requests recorded by signal handlers are acted on here, outside them.
  if (interrupted && s.interruptHandler) s.interruptHandler();
  return result;
}

bool sockEvent::reschedule(const dateTime& due) {
  event* r = record;
  if (!r || r->kind != TIME || r->heapIndex == event::npos) return false;
  dispatcherState& s = state();
  // A new place in the order of creation, as a timer deleted and made anew.
  r->serial = ++s.timerSerial;
  r->due = due;
  timerEntry& entry = s.timers[r->heapIndex];
  const timerEntry moved{dueKey(due), r->serial, r};
  if (!dueBefore(moved, entry)) return true;  // the entry stays until it comes up
  entry = moved;
  siftUp(s.timers, r->heapIndex);
  return true;
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

void sockEvent::setErrorHandler(void (*handler)(const string& text)) { state().errorHandler = handler; }

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
  if (kind == TIME)
    text.append(string("TIME ") + due.format("%x %X"));
  else if (kind >= READ && kind <= CONNECT)
    text.append(string().format("%s%d", kindNames[kind], (int)fd));
  text.append(") ");
  if (function)
    text.append(string().format("fn at 0x%08lx", (unsigned long)(uintptr_t)function));
  else if (method)
    text.append(string().format("object 0x%08lx", (unsigned long)(uintptr_t)method.object()));
  if (!isValid()) text.append(" invalid!");
  fputs(text.buffer(), stderr);
}

}  // namespace orvo

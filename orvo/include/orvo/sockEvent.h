// The event dispatcher: one registration per socket readiness or timer, and
// the pass that waits on the kernel queue and calls them back.
#pragma once

#include <cstddef>
#include <cstdint>

#include <orvo/dateTime.h>
#include <orvo/exception.h>
#include <orvo/memberCallback.h>
#include <orvo/string.h>

namespace orvo {

// "insert kevent error '...'" or "remove kevent error '...'".
class sockeventException : public exception {
public:
  explicit sockeventException(const string& text) : exception(text) {}
};

// Created with new by its user and destroyed with delete, from anywhere,
// callbacks included: a registration taken away while a pass runs is only
// marked, and its record freed once the pass no longer looks at it.
class sockEvent {
public:
  enum kind { READ = 0, WRITE = 1, EXCEPT = 2, CONNECT = 3, TIME = 4 };

  typedef void (*callback)(sockEvent* registration);

  // A member function of the target object, taking the registration.
  typedef orvo::memberCallback<sockEvent*> memberCallback;

  // The record behind a handle; callbacks read its fields directly.
  struct event {
    sockEvent* owner = nullptr;  // null once the handle is gone
    std::int32_t kind = READ;
    std::int32_t fd = -1;  // not used by TIME
    callback function = nullptr;
    memberCallback method;  // with its target object
    void* userData = nullptr;
    dateTime due;             // TIME: when due; others: when created
    bool autoDelete = false;  // the handle is deleted after its callback
    bool connected = false;   // CONNECT: neither hang-up nor error seen
    bool removed = false;

    // TIME records always; a socket record while its descriptor is a socket.
    bool isValid() const;
    // One diagnostic line without line end, on standard error.
    void print() const;

    // The dispatcher's own: timers in creation order, and the place in the
    // heap of pending timers (npos when not in it).
    static constexpr std::size_t npos = ~std::size_t(0);
    std::uint64_t serial = 0;
    std::size_t heapIndex = npos;
  };

  sockEvent(int kind, int fd, callback function, void* userData, bool autoDelete, sockEvent** registration);
  // Timers are always auto-delete: each fires at most once.
  sockEvent(const dateTime& due, callback function, void* userData, sockEvent** registration);

  template <class T, class C>
  sockEvent(const dateTime& due, T* object, void (C::*method)(sockEvent*), void* userData, sockEvent** registration)
      : record(nullptr) {
    event* r = newRecord(TIME, -1, true, userData);
    r->due = due;
    r->method = memberCallback(object, method);
    construct(r, registration);
  }
  template <class T, class C>
  sockEvent(int kind, int fd, T* object, void (C::*method)(sockEvent*), bool autoDelete, sockEvent** registration)
      : record(nullptr) {
    event* r = newRecord(kind, fd, autoDelete, nullptr);
    r->method = memberCallback(object, method);
    construct(r, registration);
  }
  template <class T, class C>
  sockEvent(int kind, int fd, T* object, void (C::*method)(sockEvent*), void* userData, bool autoDelete,
            sockEvent** registration)
      : record(nullptr) {
    event* r = newRecord(kind, fd, autoDelete, userData);
    r->method = memberCallback(object, method);
    construct(r, registration);
  }

  // Never throws: a removal the kernel refuses goes to the error handler and
  // is counted out.
  ~sockEvent();

  sockEvent(const sockEvent&) = delete;
  sockEvent& operator=(const sockEvent&) = delete;

  // Gives a pending timer a new due time and a new place among equal due
  // times, as deleting it and making it anew would, without the cost of
  // either: a timer moved later keeps its place in the heap until that
  // comes up. False, and nothing changed, for a timer not pending (fired or
  // firing) or a socket registration.
  bool reschedule(const dateTime& due);

  // The pending error of the descriptor (0 after a connect that succeeded).
  int socketError();

  // One pass: due timers, the wait of at most maxWaitSeconds, the ready
  // callbacks, the timers that became due. The number of callbacks run after
  // the wait; 0 on time-out or interruption; -1 when the wait failed.
  static int dispatch(int maxWaitSeconds);

  // How long a pass starting at now would wait, in milliseconds.
  static std::int64_t waitTime(int maxWaitSeconds, const dateTime& now);
  // Kernel clock ticks per second.
  static int clockRate();
  // Kernel registrations held.
  static int registrationCount();

  // Replaces the kernel queue by a fresh one (after detaching as a daemon).
  static void renewQueue();
  static int queueDescriptor();
  // The descriptor that interruptWait writes to.
  static int interruptDescriptor();
  // Ends the current or next wait at once; safe in a signal handler.
  static void interruptWait();
  // Run by a pass whose wait was interrupted, before it returns 0.
  static void setInterruptHandler(void (*handler)());
  // Takes the dispatcher's error lines; null restores the default, which
  // writes them to the standard output.
  static void setErrorHandler(void (*handler)(const string& text));

  event* record;

private:
  static event* newRecord(int kind, int fd, bool autoDelete, void* userData);
  void construct(event* r, sockEvent** registration);

  static void insert(event* r);
  static void remove(sockEvent* handle);
  static void fire(event* r);
  static int scanTimers(const dateTime& now);
  static int dispatchReady(int count);
};

}  // namespace orvo

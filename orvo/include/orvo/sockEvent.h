// The event dispatcher: one registration per socket readiness or timer, and
// the pass that waits on the kernel queue and calls them back.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

#include <orvo/dateTime.h>
#include <orvo/exception.h>
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

  // A member function of any class, taking the registration.
  class memberCallback {
  public:
    memberCallback() : invoker(nullptr) { std::memset(storage, 0, sizeof storage); }
    template <class C>
    explicit memberCallback(void (C::*method)(sockEvent*)) : invoker(method ? &invoke<C> : nullptr) {
      static_assert(sizeof method <= sizeof storage, "member pointer too large");
      std::memset(storage, 0, sizeof storage);
      std::memcpy(storage, &method, sizeof method);
    }
    explicit operator bool() const { return invoker != nullptr; }
    void call(void* object, sockEvent* registration) const { invoker(object, storage, registration); }

  private:
    struct anyClass {};
    template <class C>
    static void invoke(void* object, const unsigned char* stored, sockEvent* registration) {
      void (C::*method)(sockEvent*);
      std::memcpy(&method, stored, sizeof method);
      (static_cast<C*>(object)->*method)(registration);
    }
    unsigned char storage[2 * sizeof(void (anyClass::*)(sockEvent*))];
    void (*invoker)(void*, const unsigned char*, sockEvent*);
  };

  // The record behind a handle; callbacks read its fields directly.
  struct event {
    sockEvent* owner = nullptr;  // null once the handle is gone
    std::int32_t kind = READ;
    std::int32_t fd = -1;        // not used by TIME
    callback function = nullptr;
    void* object = nullptr;      // target of method
    memberCallback method;
    void* userData = nullptr;
    dateTime due;                // TIME: when due; others: when created
    bool autoDelete = false;     // the handle is deleted after its callback
    bool connected = false;      // CONNECT: neither hang-up nor error seen
    bool removed = false;

    // TIME records always; a socket record while its descriptor is a socket.
    bool isValid() const;
    // One diagnostic line without line end, on standard error.
    void print() const;

    // The dispatcher's timer list.
    event*& nextTimerLink() { return nextTimer; }
    event*& previousTimerLink() { return previousTimer; }

  private:
    event* nextTimer = nullptr;
    event* previousTimer = nullptr;
  };

  sockEvent(int kind, int fd, callback function, void* userData, bool autoDelete, sockEvent** registration);
  // Timers are always auto-delete: each fires at most once.
  sockEvent(const dateTime& due, callback function, void* userData, sockEvent** registration);

  template <class T, class C>
  sockEvent(const dateTime& due, T* object, void (C::*method)(sockEvent*), void* userData, sockEvent** registration)
      : record(nullptr) {
    event* r = newRecord(TIME, -1, true, userData);
    r->due = due;
    setMember(r, object, method);
    construct(r, registration);
  }
  template <class T, class C>
  sockEvent(int kind, int fd, T* object, void (C::*method)(sockEvent*), bool autoDelete, sockEvent** registration)
      : record(nullptr) {
    event* r = newRecord(kind, fd, autoDelete, nullptr);
    setMember(r, object, method);
    construct(r, registration);
  }
  template <class T, class C>
  sockEvent(int kind, int fd, T* object, void (C::*method)(sockEvent*), void* userData, bool autoDelete,
            sockEvent** registration)
      : record(nullptr) {
    event* r = newRecord(kind, fd, autoDelete, userData);
    setMember(r, object, method);
    construct(r, registration);
  }

  // Never throws: a removal the kernel refuses is logged and counted out.
  ~sockEvent();

  sockEvent(const sockEvent&) = delete;
  sockEvent& operator=(const sockEvent&) = delete;

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

  event* record;

private:
  static event* newRecord(int kind, int fd, bool autoDelete, void* userData);
  template <class T, class C>
  static void setMember(event* r, T* object, void (C::*method)(sockEvent*)) {
    static_assert(std::is_convertible<T*, C*>::value, "the method must belong to the object's class");
    r->object = static_cast<void*>(static_cast<C*>(object));
    r->method = memberCallback(method);
  }
  void construct(event* r, sockEvent** registration);

  static void insert(event* r);
  static void remove(sockEvent* handle);
  static void fire(event* r);
  static int scanTimers(const dateTime& now, bool updateNearest);
  static int dispatchReady(int count);
};

}  // namespace orvo

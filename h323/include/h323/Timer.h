// One-shot millisecond timer that calls a member function of its target.
// It lives beside the event loop so that every layer above (RADIUS client,
// gatekeeper core) can use it.
// Armed exactly while it holds a dispatcher registration; due times run on
// the monotonic timer clock.
#pragma once

#include <cstdint>
#include <cstring>

namespace orvo {
class sockEvent;
class dateTime;
}  // namespace orvo

class TTimer {
public:
  TTimer() = default;
  template <class T, class C>
  TTimer(int64_t ATimeout, T* ATarget, void (C::*ACallback)(TTimer*)) : Timeout(ATimeout) {
    SetTarget(ATarget, ACallback);
  }
  template <class T, class C>
  TTimer(T* ATarget, void (C::*ACallback)(TTimer*)) {
    SetTarget(ATarget, ACallback);
  }
  TTimer(const TTimer&) = delete;
  // Takes the other's timeout and, when it is armed, its due time; the
  // target and callback stay this timer's own.
  TTimer& operator=(const TTimer& AOther);
  ~TTimer();

  template <class T, class C>
  void SetTarget(T* ATarget, void (C::*ACallback)(TTimer*)) {
    C* target = ATarget;
    Target = target;
    static_assert(sizeof ACallback <= sizeof Callback, "member pointer too large");
    std::memcpy(Callback, &ACallback, sizeof ACallback);
    Invoker = &Invoke<C>;
  }

  // Keeps an armed timer relative to its first start.
  void SetTimeout(int64_t AMilliseconds);
  void Start();
  void Stop();
  void Restart();

  bool Armed() const { return Registration != nullptr; }
  // -1: no timeout; such a timer is not to be started.
  int64_t Timeout = -1;

  // Due time of an armed timer, for tests and diagnostics.
  orvo::dateTime Due() const;

private:
  void Arm(const orvo::dateTime& ADue);
  void OnExpire(orvo::sockEvent* ARegistration);

  template <class C>
  static void Invoke(void* ATarget, const unsigned char* AStored, TTimer* ATimer) {
    void (C::*callback)(TTimer*);
    std::memcpy(&callback, AStored, sizeof callback);
    (static_cast<C*>(ATarget)->*callback)(ATimer);
  }

  orvo::sockEvent* Registration = nullptr;
  void* Target = nullptr;
  unsigned char Callback[2 * sizeof(void*)] = {};
  void (*Invoker)(void*, const unsigned char*, TTimer*) = nullptr;
};

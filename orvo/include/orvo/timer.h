// One-shot millisecond timer that calls a member function of its target.
// It lives in the class library so that every layer above (RADIUS client,
// gatekeeper core) can use it.
// Armed exactly while it holds a dispatcher registration; due times run on
// the monotonic timer clock.
#pragma once

#include <cstdint>

#include <orvo/memberCallback.h>

namespace orvo {
class sockEvent;
class dateTime;
}  // namespace orvo

class TTimer {
public:
  // The timeout that means none: a timer started with it stays disarmed.
  static constexpr int64_t NoTimeout = -1;

  TTimer() = default;
  template <class T, class C>
  TTimer(int64_t ATimeout, T* ATarget, void (C::*ACallback)(TTimer*))
      : Timeout(ATimeout), Callback(ATarget, ACallback) {}
  template <class T, class C>
  TTimer(T* ATarget, void (C::*ACallback)(TTimer*)) : Callback(ATarget, ACallback) {}
  TTimer(const TTimer&) = delete;
  // Takes the other's timeout and, when it is armed, its due time; the
  // target and callback stay this timer's own.
  TTimer& operator=(const TTimer& AOther);
  ~TTimer();

  template <class T, class C>
  void SetTarget(T* ATarget, void (C::*ACallback)(TTimer*)) {
    Callback = orvo::memberCallback<TTimer*>(ATarget, ACallback);
  }

  // Keeps an armed timer relative to its first start; NoTimeout disarms it.
  void SetTimeout(int64_t AMilliseconds);
  // Arms the timer at now + Timeout unless it is armed already or Timeout is
  // NoTimeout; a negative timeout is due at once.
  void Start();
  void Stop();
  // As Stop then Start; an armed timer is moved rather than made anew.
  void Restart();

  bool Armed() const { return Registration != nullptr; }
  // NoTimeout (-1): no timeout; owners test for it before they start.
  int64_t Timeout = NoTimeout;

  // Due time of an armed timer, for tests and diagnostics.
  orvo::dateTime Due() const;

private:
  void Arm(const orvo::dateTime& ADue);
  void OnExpire(orvo::sockEvent* ARegistration);

  orvo::sockEvent* Registration = nullptr;
  orvo::memberCallback<TTimer*> Callback;
};

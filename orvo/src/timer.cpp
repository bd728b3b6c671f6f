#include <orvo/timer.h>

#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

namespace {
orvo::timeSpan Span(int64_t AMilliseconds) {
  return orvo::timeSpan::fromMilliseconds(AMilliseconds < 0 ? 0 : AMilliseconds);
}
}  // namespace

TTimer& TTimer::operator=(const TTimer& AOther) {
  if (this == &AOther) return *this;
  Timeout = AOther.Timeout;
  Stop();
  if (AOther.Registration) Arm(AOther.Due());
  return *this;
}

TTimer::~TTimer() { Stop(); }

orvo::dateTime TTimer::Due() const { return Registration ? Registration->record->due : orvo::dateTime(0u, 0); }

void TTimer::Arm(const orvo::dateTime& ADue) {
  new orvo::sockEvent(ADue, this, &TTimer::OnExpire, nullptr, &Registration);
}

void TTimer::Start() {
  if (Registration || Timeout == NoTimeout) return;
  Arm(orvo::timerClock() + Span(Timeout));
}

void TTimer::Stop() {
  orvo::sockEvent* registration = Registration;
  Registration = nullptr;
  delete registration;
}

void TTimer::Restart() {
  if (Registration && Timeout != NoTimeout && Registration->reschedule(orvo::timerClock() + Span(Timeout))) return;
  Stop();
  Start();
}

void TTimer::SetTimeout(int64_t AMilliseconds) {
  if (AMilliseconds == Timeout) return;
  if (AMilliseconds == NoTimeout) {
    // Moving the due time by the difference would make it due at once.
    Stop();
  } else if (Registration) {
    orvo::dateTime due = Due() + orvo::timeSpan::fromMilliseconds(AMilliseconds - Timeout);
    Stop();
    Arm(due);
  }
  Timeout = AMilliseconds;
}

void TTimer::OnExpire(orvo::sockEvent*) {
  // The dispatcher disposes of the fired registration itself.
  Registration = nullptr;
  Callback(this);
}

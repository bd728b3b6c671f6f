#include <orvo/acceptWatch.h>

#include <cerrno>

#include <orvo/timerClock.h>

namespace orvo {

acceptWatch::~acceptWatch() { stop(); }

bool acceptWatch::isShortage(int error) {
  return error == EMFILE || error == ENFILE || error == ENOBUFS || error == ENOMEM;
}

void acceptWatch::arm() {
  new sockEvent(sockEvent::READ, descriptor, this, &acceptWatch::readable, false, &reading);
}

void acceptWatch::readable(sockEvent* registration) { onReadable(registration); }

bool acceptWatch::acceptFailed(int error) {
  if (!isShortage(error) || !reading) return false;
  sockEvent* registration = reading;
  reading = nullptr;
  delete registration;
  new sockEvent(timerClock() + timeSpan::fromMilliseconds(restMilliseconds), this, &acceptWatch::wake, nullptr,
                &waking);
  return true;
}

// A timer deletes itself after its callback: the slot only forgets it.
void acceptWatch::wake(sockEvent*) {
  waking = nullptr;
  arm();
}

void acceptWatch::stop() {
  sockEvent* registration = reading;
  reading = nullptr;
  delete registration;
  registration = waking;
  waking = nullptr;
  delete registration;
}

}  // namespace orvo

// The read registration of a listening socket that survives running out of
// descriptors. accept() then fails with the connection still queued, the
// listener stays readable, and every wait of the dispatcher would return at
// once for it: the loop would spin at full processor load doing nothing.
// The watch lets go of the listener for a while instead and takes it up
// again from a timer, by which time descriptors may have been closed.
#pragma once

#include <orvo/memberCallback.h>
#include <orvo/sockEvent.h>

namespace orvo {

class acceptWatch {
public:
  // How long a listener rests after accept ran out of descriptors.
  static const int restMilliseconds = 250;

  acceptWatch() = default;
  ~acceptWatch();
  acceptWatch(const acceptWatch&) = delete;
  acceptWatch& operator=(const acceptWatch&) = delete;

  // Calls the object's method whenever a connection waits on the descriptor.
  template <class T, class C>
  void watch(int fd, T* object, void (C::*method)(sockEvent*)) {
    stop();
    descriptor = fd;
    onReadable = sockEvent::memberCallback(object, method);
    arm();
  }

  // Told the errno of an accept that gave -1. True when it was a shortage
  // of descriptors or memory and the listener now rests; other failures
  // (a connection reset while queued) leave the watch as it is.
  bool acceptFailed(int error);
  // Neither watches nor rests any more.
  void stop();

  bool watching() const { return reading != nullptr; }
  bool resting() const { return waking != nullptr; }

  static bool isShortage(int error);

private:
  void arm();
  void readable(sockEvent* registration);
  void wake(sockEvent* registration);

  int descriptor = -1;
  sockEvent::memberCallback onReadable;
  sockEvent* reading = nullptr;
  sockEvent* waking = nullptr;
};

}  // namespace orvo

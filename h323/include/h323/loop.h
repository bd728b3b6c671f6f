// The event loop of the whole process: dispatcher passes until stopped.
#pragma once

namespace H323 {

// The work of the loop's owner between passes, with the context it gave.
typedef void (*idleCallback)(void* AContext);

// Runs dispatcher passes of at most AMaxWaitSeconds each, with the idle
// callback after each pass. False when a pass failed; true after a pass in
// which the stop flag was found set. The flag is not cleared here: a stop
// requested while the loop was not running must not be lost, so whoever
// starts a new phase clears it with clearStop.
bool runLoop(int AMaxWaitSeconds, idleCallback AIdle = nullptr, void* AContext = nullptr);
void clearStop();
void stopLoop();
bool isLoopStopped();

// An idle callback that runs a member function on the context object.
template <class C, void (C::*Idle)()>
void idleMember(void* AContext) {
  (static_cast<C*>(AContext)->*Idle)();
}

}  // namespace H323

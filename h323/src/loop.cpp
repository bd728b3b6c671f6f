#include <h323/loop.h>

#include <csignal>

#include <orvo/sockEvent.h>

namespace H323 {

namespace {
// Set from the dispatch pass and read after it.
volatile sig_atomic_t stopFlag = 0;
}  // namespace

bool runLoop(int AMaxWaitSeconds, idleCallback AIdle, void* AContext) {
  for (;;) {
    if (orvo::sockEvent::dispatch(AMaxWaitSeconds) < 0) return false;
    if (AIdle) AIdle(AContext);
    if (stopFlag) return true;
  }
}

void clearStop() { stopFlag = 0; }

void stopLoop() {
  stopFlag = 1;
  orvo::sockEvent::interruptWait();
}

bool isLoopStopped() { return stopFlag != 0; }

}  // namespace H323

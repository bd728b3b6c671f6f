#include <gatekeeper/Processor.h>

TProcessor::TProcessor(TStep first) : Steps(5, 3) { Steps.append(first); }

bool TProcessor::OnEvent(int, void*, uint32_t, uint32_t) { return false; }

void TProcessor::Run() {
  for (;;) {
    unsigned count = Steps.count();
    if (count == 0) {
      Finish();
      return;
    }
    TStep step = *Steps.at(count - 1);
    Steps.remove(count - 1);
    TPerformFunctionResult result = (this->*step)();
    if (!result.Function) continue;
    Steps.append(result.Function);
    if (!IsAttached) {
      IsAttached = true;
      Attach();
    }
    return;
  }
}

void TProcessor::Finish() {
  // The one place where a procedure ends: off its list, then gone.
  if (IsAttached) Detach();
  delete this;
}

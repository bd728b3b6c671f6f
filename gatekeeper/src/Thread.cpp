#include <gatekeeper/Thread.h>

#include <orvo/assertion.h>

#include <gatekeeper/Gatekeeper.h>

void TThreadCore::run() {
  Owner->Execute();
  Owner->IsFinished = true;
  Owner->IsRunning = false;
}

TThread::TThread(TGatekeeper* ACore) : TProcessor(&TThread::Start), Core(ACore) {}

TThread::~TThread() { ORVO_ASSERT(!Running()); }

void TThread::Attach() { Core->Threads().Attach(this); }

void TThread::Detach() { Core->Threads().Detach(this); }

TProcessor::TPerformFunctionResult TThread::Start() {
  IsRunning = true;
  Task = std::make_unique<TThreadCore>(this);
  try {
    Task->start();
  } catch (...) {
    // Nothing would ever resume or delete a thread that never waited: it
    // ends here, and what escaped its work goes on to the loop's handler.
    IsRunning = false;
    Finish();
    throw;
  }
  return &TThread::Complete;
}

TProcessor::TPerformFunctionResult TThread::Complete() {
  Completion(this);
  return nullptr;
}

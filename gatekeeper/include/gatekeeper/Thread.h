// A step-machine procedure that does one piece of work through a library
// task and reports its completion from the event loop's idle pass, never
// from inside the code that started it.
#pragma once

#include <memory>

#include <orvo/memberCallback.h>
#include <orvo/thread.h>

#include <gatekeeper/Processor.h>

class TGatekeeper;
class TThread;

class TThreadCore : public orvo::thread {
public:
  explicit TThreadCore(TThread* AOwner) : orvo::thread(false), Owner(AOwner) { stackSize = 40960; }
  void run() override;

private:
  TThread* Owner;
};

class TThread : public TProcessor {
public:
  template <class T, class C>
  TThread(TGatekeeper* ACore, T* ATarget, void (C::*ACompletion)(TThread*)) : TThread(ACore) {
    Completion = orvo::memberCallback<TThread*>(ATarget, ACompletion);
  }
  explicit TThread(TGatekeeper* ACore);
  ~TThread() override;

  bool Running() const { return IsRunning; }
  bool Finished() const { return IsFinished; }

protected:
  virtual void Execute() = 0;
  void Attach() override;
  void Detach() override;

private:
  friend class TThreadCore;
  TPerformFunctionResult Start();
  TPerformFunctionResult Complete();

  TGatekeeper* Core;
  bool IsRunning = false;
  bool IsFinished = false;
  std::unique_ptr<TThreadCore> Task;
  orvo::memberCallback<TThread*> Completion;
};

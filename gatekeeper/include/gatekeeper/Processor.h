// Step machine of every long-running activity: a stack of member-function
// steps run last-pushed first. A step that must wait returns the step to
// resume with; the processor then returns to the event loop. A processor is
// created with new and deletes itself when its stack runs empty.
#pragma once

#include <cstdint>

#include <orvo/storage.h>

class TProcessor {
public:
  struct TPerformFunctionResult;
  using TStep = TPerformFunctionResult (TProcessor::*)();

  // A null function: this step is done, go on with the stack. Otherwise the
  // processor suspends and resumes with the returned step.
  struct TPerformFunctionResult {
    TPerformFunctionResult() = default;
    TPerformFunctionResult(std::nullptr_t) {}
    TPerformFunctionResult(TStep step) : Function(step) {}
    template <class TDerived>
    TPerformFunctionResult(TPerformFunctionResult (TDerived::*step)()) : Function(static_cast<TStep>(step)) {}
    TStep Function = nullptr;
  };

  template <class TDerived>
  explicit TProcessor(TPerformFunctionResult (TDerived::*first)()) : TProcessor(static_cast<TStep>(first)) {}
  explicit TProcessor(TStep first);
  TProcessor(const TProcessor&) = delete;
  TProcessor& operator=(const TProcessor&) = delete;
  virtual ~TProcessor() = default;

  // An event of the core's broadcast; true takes it and ends the offer.
  virtual bool OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond);

  // May delete this object before it returns.
  void Run();
  // Ends the processor now; pending steps are dropped without being called.
  void Finish();

  template <class TDerived>
  void Push(TPerformFunctionResult (TDerived::*step)()) {
    Push(static_cast<TStep>(step));
  }
  void Push(TStep step) { Steps.append(step); }
  // Forgets the pending steps without calling them.
  void DropSteps() {
    while (Steps.count() != 0) Steps.remove(Steps.count() - 1);
  }

  unsigned PendingSteps() const { return Steps.count(); }
  // The step to resume with while suspended; null with no step.
  TStep TopStep() const { return Steps.count() ? *Steps.at(Steps.count() - 1) : nullptr; }
  template <class TDerived>
  void ReplaceTopStep(TPerformFunctionResult (TDerived::*step)()) {
    if (Steps.count()) Steps.remove(Steps.count() - 1);
    Push(step);
  }
  bool Attached() const { return IsAttached; }

protected:
  virtual void Attach() {}
  virtual void Detach() {}

private:
  orvo::vector<TStep> Steps;
  bool IsAttached = false;
};

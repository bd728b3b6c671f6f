// A RAS exchange the gatekeeper starts with a registered endpoint: the
// request, sent again once after 3,000 ms, and the answer, taken from the
// core's broadcast (event 0) when it is no request, carries the number of
// the request and comes from the registration's RAS host.
#pragma once

#include <netinet/in.h>

#include <memory>

#include <orvo/timer.h>

#include <h225/h225.h>

#include <gatekeeper/Processor.h>

class TEndpointRegisterInfo;
class TGatekeeper;

class TRASProcedure : public TProcessor {
public:
  enum : int64_t { RetryInterval = 3000 };
  enum : unsigned { Transmissions = 2 };

  template <class TDerived>
  TRASProcedure(TGatekeeper* AOwner, TEndpointRegisterInfo* ARegistration, TPerformFunctionResult (TDerived::*AFirst)())
      : TProcessor(AFirst), Owner(AOwner), Registration(ARegistration) {}
  ~TRASProcedure() override;

  bool OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond) override;

  TEndpointRegisterInfo* Target() const { return Registration; }
  unsigned PendingSequenceNumber() const { return Pending ? SequenceNumber : 0; }

protected:
  void Attach() override;
  void Detach() override;

  // Numbers, signs and sends the request to the registration's RAS address
  // and waits: WaitAnswer is the step to return.
  void SendRequest(H225::rasMessage* ARequest);
  // Resumed by the answer or by the time-out of the last transmission.
  TPerformFunctionResult WaitAnswer();
  // The answer with valid tokens; the procedure ends afterwards.
  virtual void OnResponse(H225::rasMessage& AAnswer) = 0;
  // No answer to any transmission.
  virtual void OnTimeout() {}
  // The registration ended without the procedure.
  virtual void OnRegistrationGone() {}

  TGatekeeper* Owner;
  TEndpointRegisterInfo* Registration;

private:
  void OnRetry(TTimer* ATimer);
  void Transmit();

  std::unique_ptr<H225::rasMessage> Request;
  unsigned SequenceNumber = 0;
  bool Pending = false;
  bool Answered = false;
  unsigned Sent = 0;
  TTimer Retry{this, &TRASProcedure::OnRetry};
};

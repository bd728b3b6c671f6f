// The base of the procedures that answer an endpoint's registration,
// admission, bandwidth or location request. Each keeps its own copy of the
// request, by which a retransmission of it is recognised while it is in
// hand, and waits in the core's list of its kind. One that borrows the
// request reads the caller's until it first waits, and copies it then: a
// request answered at once costs no copy.
#pragma once

#include <netinet/in.h>

#include <orvo/timer.h>

#include <h225/h225.h>

#include <gatekeeper/Processor.h>

class TGatekeeper;

class TRasResolver : public TProcessor {
public:
  template <class TDerived>
  TRasResolver(TGatekeeper* AOwner, const sockaddr_in& ARequester, const H225::rasMessage& ARequest,
               TPerformFunctionResult (TDerived::*AFirst)())
      : TProcessor(AFirst), Owner(AOwner), Requester(ARequester), Request(ARequest) {}
  // The request lent must live until the resolver's first Run returns.
  struct TLentRequest {
    const H225::rasMessage& Message;
  };
  template <class TDerived>
  TRasResolver(TGatekeeper* AOwner, const sockaddr_in& ARequester, TLentRequest ARequest,
               TPerformFunctionResult (TDerived::*AFirst)())
      : TProcessor(AFirst), Owner(AOwner), Requester(ARequester), Lent(&ARequest.Message) {}

  const H225::rasMessage& HeldRequest() const { return Lent ? *Lent : Request; }
  const sockaddr_in& RequesterAddress() const { return Requester; }
  // A resolver that has answered its request but goes on (hunting) holds
  // it no more: a repetition of the request is a new request, so that a
  // lost answer can be asked for again.
  virtual bool Answered() const { return false; }

protected:
  // Into and out of the core's list of the request's kind; the request
  // lent is copied first.
  void Attach() override;
  void Detach() override;
  // The resolver's own copy of the request from now on.
  void TakeRequest();
  // One endpoint's requests that would decide the same thing are decided
  // one after the other: this one waits until AEarlier, a resolver of its
  // kind in hand, has answered or ended, and then resumes with the step it
  // returns now.
  void AwaitEndOf(TRasResolver* AEarlier);
  // Those waiting for this one resume, each from the event loop.
  void WakeWaiters();
  // The resolver this one waits for; null when it waits for none.
  TRasResolver* Awaited() const { return FAwaited; }

  TGatekeeper* Owner;
  sockaddr_in Requester;
  // The request, unless it is lent.
  H225::rasMessage Request;

private:
  void OnWake(TTimer*);

  const H225::rasMessage* Lent = nullptr;
  TRasResolver* FAwaited = nullptr;
  TTimer Wake{this, &TRasResolver::OnWake};
};

// True when ANew repeats the request held: same kind and the fields by
// which the kind tells its requests apart (the sender is not compared).
bool IsRetransmission(const H225::rasMessage& AHeld, const H225::rasMessage& ANew);

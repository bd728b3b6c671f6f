// The base of the procedures that answer an endpoint's registration,
// admission, bandwidth or location request. Each keeps its own copy of the
// request, by which a retransmission of it is recognised while it is in
// hand, and waits in the core's list of its kind.
#pragma once

#include <netinet/in.h>

#include <h225/h225.h>

#include <gatekeeper/Processor.h>

class TGatekeeper;

class TRasResolver : public TProcessor {
public:
  template <class TDerived>
  TRasResolver(TGatekeeper* AOwner, const sockaddr_in& ARequester, const H225::rasMessage& ARequest,
               TPerformFunctionResult (TDerived::*AFirst)())
      : TProcessor(AFirst), Owner(AOwner), Requester(ARequester), Request(ARequest) {}

  const H225::rasMessage& HeldRequest() const { return Request; }
  const sockaddr_in& RequesterAddress() const { return Requester; }
  // A resolver that has answered its request but goes on (hunting) holds
  // it no more: a repetition of the request is a new request, so that a
  // lost answer can be asked for again.
  virtual bool Answered() const { return false; }

protected:
  // Into and out of the core's list of the request's kind.
  void Attach() override;
  void Detach() override;

  TGatekeeper* Owner;
  sockaddr_in Requester;
  H225::rasMessage Request;
};

// True when ANew repeats the request held: same kind and the fields by
// which the kind tells its requests apart (the sender is not compared).
bool IsRetransmission(const H225::rasMessage& AHeld, const H225::rasMessage& ANew);

// Answers one admission request: checks the sender, finds and orders the
// routes of the call, asks the RADIUS server where the users want it,
// records the call and confirms it, or rejects the request. Serves both
// the caller's request and the callee's answering one.
#pragma once

#include <netinet/in.h>

#include <cstdint>

#include <gatekeeper/CallResolver.h>

class TAdmissionResolver : public TCallResolver {
public:
  TAdmissionResolver(TGatekeeper* AOwner, const sockaddr_in& ASource, const H225::rasMessage& ARequest);
  ~TAdmissionResolver() override;

  static bool AcceptsEvent(int ACode);
  bool Answered() const override { return FAnswered; }

  // A requestInProgress delay: the span plus 100 ms, within 1..65535.
  static unsigned ProgressDelay(int64_t ASpan);
  // The irrFrequency for a connection validity in seconds; -1 leaves the
  // field out (validities up to 3, negative ones, none).
  static int IrrFrequency(int64_t AValidity);

protected:
  void Reject(TRejectReason AReason, const orvo::string& AText = orvo::string()) override;
  void Confirm(TConnection* AConnection) override;
  bool StartCall(TConnection* AConnection) override;
  void AdmitSender(TConnection* AConnection) override;
  bool MayExtendDeadline() const override;
  void DeadlineMoved(int64_t ASpan) override;
  void OnMasterTimeout(TTimer* ATimer) override;

private:
  TPerformFunctionResult Resolve();
  TPerformFunctionResult KnownCall();
  // A request of the same side of the same call, from the same sender.
  bool SameCallSide(const TAdmissionResolver& AOther) const;
  // The first resolver in hand before this one for the same side of the
  // call, not answered yet; null when none.
  TRasResolver* EarlierOfTheCallSide();
  // While waiting for it, this request's deadline follows the earlier one's.
  void FollowEarlier(const TAdmissionResolver& AEarlier);
  TPerformFunctionResult ContinueAnswerCall();
  void SendRequestInProgress(int64_t AMilliseconds);

  const H225::admissionRequest& Arq() const;

  sockaddr_in ReplyAddress;
  bool FAnswered = false;
  // Set while the bandwidth of a known call is being changed.
  bool NeedsAttach = false;
};

TRasResolver* MakeAdmissionResolver(TGatekeeper* ACore, const sockaddr_in& AFrom, const H225::rasMessage& ARequest);

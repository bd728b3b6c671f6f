// One call-signalling connection accepted on the core's call-signal
// listener, where no admission announced the call. Its first message must
// be a Setup, and in time. The caller is the registration at the
// connection's peer address; the callee and the route are resolved as for
// a caller's admission request, from the Setup's values, and the call
// record made for it takes the connection over as its caller's leg. The
// caller sent no admission request: it gets no RAS message and is not
// marked admitted. A refusal is a Release Complete, and the connection
// closes once that is sent.
//
// Nothing is sent to the caller while the callee is resolved: the callee's
// own Call Proceeding, which may carry fast start and tunnelled H.245, is
// the first answer the caller gets.
#pragma once

#include <memory>

#include <h323/q931/message.h>
#include <orvo/socket.h>
#include <orvo/string.h>

#include <gatekeeper/CallResolver.h>

class TGatekeeper;
class TSetupReceiver;

class TSetupResolver : public TCallResolver {
public:
  // What a call without an admission request books until the callee's
  // admission asks for its own (units of 100 bit/s): the least a route
  // must offer.
  static const uint32_t SetupBandwidth = 1;
  // The refusals that no reject text names.
  static const char* const DuplicateCallText;  // "Duplicate call."
  static const char* const NoContentText;      // "Setup without H.225.0 content."

  // Takes the descriptor over: the accepting code no longer closes it.
  TSetupResolver(TGatekeeper* AOwner, orvo::socket& AAccepted);
  ~TSetupResolver() override;

  static bool AcceptsEvent(int ACode);
  bool OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond) override;
  bool Answered() const override { return FAnswered; }

protected:
  void Attach() override;
  void Detach() override;
  void Reject(TRejectReason AReason, const orvo::string& AText = orvo::string()) override;
  void Confirm(TConnection* AConnection) override;
  bool StartCall(TConnection* AConnection) override;
  void AdmitSender(TConnection* AConnection) override;
  bool MayExtendDeadline() const override { return true; }
  void DeadlineMoved(int64_t ASpan) override;

private:
  TPerformFunctionResult ReceiveFirstMessage();
  TPerformFunctionResult AwaitSetup();
  TPerformFunctionResult Resolve();
  // The registration at the peer address; null after a refusal.
  TEndpointRegisterInfo* FindCaller();
  void OnSetup(Q931::message& ASetup);
  void OnFailed(const orvo::string& AText);

  std::unique_ptr<TSetupReceiver> Receiver;
  // The Setup read, whose values the call takes.
  Q931::message Setup;
  bool FAnswered = false;
};

// One call-signalling connection accepted on the core's call-signal
// listener. Its first message must be a Setup, and in time; a call that no
// admission announced cannot be routed yet, so the Setup is refused with a
// Release Complete and the connection closes once that is sent.
#pragma once

#include <memory>

#include <h323/q931/message.h>
#include <orvo/socket.h>
#include <orvo/string.h>

#include <gatekeeper/Processor.h>
#include <gatekeeper/RejectReason.h>

class TGatekeeper;
class TSetupReceiver;

class TSetupResolver : public TProcessor {
public:
  // Why a Setup on the call-signal port is refused: nobody admitted the call,
  // so there is no route for it.
  static const TRejectReason UnroutableReason = rrCalledPartyNotRegistered;

  // Takes the descriptor over: the accepting code no longer closes it.
  TSetupResolver(TGatekeeper* AOwner, orvo::socket& AAccepted);
  ~TSetupResolver() override;

  static bool AcceptsEvent(int ACode);
  bool OnEvent(int, void*, uint32_t, uint32_t) override { return false; }

protected:
  void Attach() override;
  void Detach() override;

private:
  TPerformFunctionResult ReceiveFirstMessage();
  TPerformFunctionResult Done();
  void OnSetup(Q931::message& ASetup);
  void OnFailed(const orvo::string& AText);

  TGatekeeper* Owner;
  std::unique_ptr<TSetupReceiver> Receiver;
};

#include <gatekeeper/SetupResolver.h>

#include <signalling/SetupReceiver.h>

#include <gatekeeper/Events.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/Log.h>

TSetupResolver::TSetupResolver(TGatekeeper* AOwner, orvo::socket& AAccepted)
    : TProcessor(&TSetupResolver::ReceiveFirstMessage), Owner(AOwner), Receiver(new TSetupReceiver(AAccepted)) {
  Receiver->SetupCallback = {this, &TSetupResolver::OnSetup};
  Receiver->FailedCallback = {this, &TSetupResolver::OnFailed};
  Receiver->Log = [AOwner]() { return AOwner->Configuration(); };
}

TSetupResolver::~TSetupResolver() = default;

bool TSetupResolver::AcceptsEvent(int ACode) {
  return ACode == evEndpointUnregistered || ACode == evConnectionDestroyed || ACode == evLinkStateChanged ||
         ACode == evLinkDestroyed || ACode == evReterminationImpossible;
}

void TSetupResolver::Attach() { Owner->SetupResolvers().Attach(this); }

void TSetupResolver::Detach() { Owner->SetupResolvers().Detach(this); }

TProcessor::TPerformFunctionResult TSetupResolver::ReceiveFirstMessage() {
  Receiver->Start();
  return &TSetupResolver::Done;
}

TProcessor::TPerformFunctionResult TSetupResolver::Done() { return nullptr; }

void TSetupResolver::OnSetup(Q931::message&) {
  Receiver->Refuse(RejectReasonToReleaseComplete(UnroutableReason), RejectReasonToQ931Cause(UnroutableReason));
  Run();
}

void TSetupResolver::OnFailed(const orvo::string& AText) {
  // A peer that leaves without a word is no fault worth a line.
  if (AText == TSetupReceiver::NotSetupText || AText == TSetupReceiver::NoMessageText)
    LogLine(orvo::stateWarning, AText);
  Run();
}

#include <gatekeeper/SetupResolver.h>

#include <sys/socket.h>

#include <h323/q931/elements.h>
#include <orvo/socketAddress.h>
#include <orvo/timerClock.h>

#include <config/User.h>
#include <signalling/SetupReceiver.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Events.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/Log.h>
#include <gatekeeper/RejectTexts.h>

namespace {

const int64_t MasterTimeout = 4500;

sockaddr_in PeerOf(const orvo::socket& AConnection) {
  sockaddr_in peer{};
  socklen_t length = sizeof peer;
  if (getpeername(AConnection.fd, reinterpret_cast<sockaddr*>(&peer), &length) != 0) peer = sockaddr_in{};
  return peer;
}

// The name of the admission reject reason that stands for the refusal.
const char* ReasonName(TRejectReason AReason) {
  const asn::choiceDescriptor& choices = H225::admissionRejectReason::descriptor;
  const unsigned index = unsigned(RejectReasonToAdmissionReject(AReason));
  return index < choices.count ? choices.alternatives[index].name : "UndefinedReason";
}

}  // namespace

const char* const TSetupResolver::DuplicateCallText = "Duplicate call.";
const char* const TSetupResolver::NoContentText = "Setup without H.225.0 content.";

TSetupResolver::TSetupResolver(TGatekeeper* AOwner, orvo::socket& AAccepted)
    : TCallResolver(AOwner, PeerOf(AAccepted), H225::rasMessage(), &TSetupResolver::ReceiveFirstMessage),
      Receiver(new TSetupReceiver(AAccepted)) {
  Receiver->SetupCallback = {this, &TSetupResolver::OnSetup};
  Receiver->FailedCallback = {this, &TSetupResolver::OnFailed};
  Receiver->Log = [AOwner]() { return AOwner->Configuration(); };
}

// A resolution that ends unanswered (the route's link gone, the call
// record gone, the core stopping) still owes the caller its refusal; a
// connection that sent nothing yet was refused nothing, and just closes.
TSetupResolver::~TSetupResolver() {
  if (!Receiver->IsClosed() && Receiver->SetupOctets().length() != 0) TSetupResolver::Reject(rrUndefinedReason);
}

bool TSetupResolver::AcceptsEvent(int ACode) {
  return ACode == evEndpointUnregistered || ACode == evConnectionDestroyed || ACode == evLinkStateChanged ||
         ACode == evLinkDestroyed || ACode == evReterminationImpossible;
}

void TSetupResolver::Attach() { Owner->SetupResolvers().Attach(this); }

void TSetupResolver::Detach() { Owner->SetupResolvers().Detach(this); }

TProcessor::TPerformFunctionResult TSetupResolver::ReceiveFirstMessage() {
  Receiver->Start();
  return &TSetupResolver::AwaitSetup;
}

TProcessor::TPerformFunctionResult TSetupResolver::AwaitSetup() { return &TSetupResolver::AwaitSetup; }

// The reader's message is its own: the resolver decodes its copy from the
// same octets (copying a message would encode it again).
void TSetupResolver::OnSetup(Q931::message&) {
  orvo::byteStream octets(Receiver->SetupOctets());
  Setup.decode(octets);
  ReplaceTopStep(&TSetupResolver::Resolve);
  Run();
}

void TSetupResolver::OnFailed(const orvo::string& AText) {
  // A peer that leaves without a word is no fault worth a line.
  if (AText == TSetupReceiver::NotSetupText || AText == TSetupReceiver::NoMessageText)
    LogLine(orvo::stateWarning, AText);
  Finish();
}

TEndpointRegisterInfo* TSetupResolver::FindCaller() {
  TEndpointRegisterInfo* caller = CallerAt(Requester);
  if (!caller) Reject(rrCallerNotRegistered);
  return caller;
}

TProcessor::TPerformFunctionResult TSetupResolver::Resolve() {
  TEndpointRegisterInfo* caller = FindCaller();
  if (!caller) return nullptr;
  const H225::setup_UUIE* body = Setup.setupBody();
  // The address finds the caller but proves nothing: a user who signs its
  // requests signs its Setup too, or anybody sending from its host would
  // call as that user.
  if (!caller->CheckTokens(body ? body->tokens : nullptr, body ? body->cryptoTokens : nullptr)) {
    Reject(rrSecurityDenial, RejectText(rtInvalidSecurity));
    return nullptr;
  }
  E[0].Set(caller);
  SenderSide = 0;
  MasterTimer.SetTimeout(MasterTimeout);
  MasterTimer.Start();
  // A caller waits for no neighbour beyond the times the gatekeeper grants.
  DeadlineCap.reset(new orvo::dateTime(orvo::timerClock() + orvo::timeSpan::fromMilliseconds(MasterTimeout)));
  if (Owner->State() != TGatekeeper::gksRunning) {
    Reject(rrUndefinedReason, RejectText(rtShuttingDown));
    return nullptr;
  }
  if (!body) {
    Reject(rrUndefinedReason, NoContentText);
    return nullptr;
  }
  Call.ConferenceID = body->conferenceID;
  if (body->callIdentifier) Call.CallIdentifier.reset(new H225::callIdentifier(*body->callIdentifier));
  Call.CallReference = Setup.callReference.value();
  Call.Bandwidth = SetupBandwidth;
  if (!ReadTokenIdentity(body->tokens, body->cryptoTokens)) return nullptr;
  // Also what stops a Setup from circling through the gatekeeper's own
  // port, for a callee registered at it.
  if (Owner->FindConnection(Call.ConferenceID, Call.CallIdentifier.get(), caller, 0, false)) {
    Reject(rrUndefinedReason, DuplicateCallText);
    return nullptr;
  }
  if (!SenderWithinCapacity()) return nullptr;
  // The caller is connected to the gatekeeper already.
  Direct = false;
  AliasTexts(body->sourceAddress, A[0]);
  TStringList callee;
  AliasTexts(body->destinationAddress, callee);
  if (const auto* number = static_cast<const Q931::calledPartyNumber*>(Setup.findElement(0x70)))
    AppendOnce(callee, number->digits);
  for (const orvo::string& text : callee)
    if (text.length() != 0) A[1].append(text);
  if (A[1].empty()) {
    Reject(rrCalledPartyNotRegistered);
    return nullptr;
  }
  MakeRules(caller->User(), E[0], false);
  CalleeByAddress = body->destCallSignalAddress;
  return ResolveCallee();
}

void TSetupResolver::Reject(TRejectReason AReason, const orvo::string& AText) {
  if (FAnswered) return;
  FAnswered = true;
  orvo::string line = "Setup from ";
  line.append(orvo::toText(Requester)).append(" refused: ").append(ReasonName(AReason)).append(".");
  if (AText.length() != 0) line.append(" ").append(AText);
  LogLine(orvo::stateWarning, line);
  Receiver->Refuse(RejectReasonToReleaseComplete(AReason), RejectReasonToQ931Cause(AReason));
}

void TSetupResolver::Confirm(TConnection*) { FAnswered = true; }

bool TSetupResolver::StartCall(TConnection* AConnection) {
  return AConnection->StartWithCaller(CalleeAddress, *Receiver);
}

// It sent no admission request: nothing to supervise, nobody to disengage.
void TSetupResolver::AdmitSender(TConnection*) {}

void TSetupResolver::DeadlineMoved(int64_t ASpan) {
  MasterTimer.Stop();
  MasterTimer.SetTimeout(ASpan > 0 ? ASpan : 0);
  MasterTimer.Start();
}

bool TSetupResolver::OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond) {
  if (ACode == evEndpointUnregistered && Sender() && ASender == Sender()) {
    Reject(rrCallerNotRegistered);
    Finish();
    return false;
  }
  return TCallResolver::OnEvent(ACode, ASender, AFirst, ASecond);
}

#include <signalling/SetupReceiver.h>

#include <utility>

#include <config/Log.h>
#include <h323/identifiers.h>

#include <signalling/CallSockets.h>
#include <signalling/ClosingLeg.h>
#include <signalling/ReleaseComplete.h>

const char* const TSetupReceiver::NotSetupText = "First message must be SETUP.";
const char* const TSetupReceiver::NoMessageText = "No first message in time.";

TSetupReceiver::TSetupReceiver(orvo::socket& AAccepted) : Connection(std::move(AAccepted)) {
  Connection.setNonBlocking(true);
  SetCallSignallingTos(Connection);
  SetNoDelay(Connection);
  Stream.reset(new TQ931Stream(&Connection));
  Stream->RawMessageCallback = {this, &TSetupReceiver::OnMessage};
  Stream->MalformedCallback = {this, &TSetupReceiver::OnMalformed};
  Stream->closedCallback = {this, &TSetupReceiver::OnClosed};
  Timer.SetTarget(this, &TSetupReceiver::OnTimeout);
}

TSetupReceiver::~TSetupReceiver() {
  Timer.Stop();
  Stream.reset();
}

void TSetupReceiver::Start() {
  Stream->enableRead(true);
  Timer.SetTimeout(FirstMessageTimeout);
  Timer.Start();
}

void TSetupReceiver::Refuse(int AReleaseCompleteReason, unsigned ACause) {
  if (Closed) return;
  if (SetupSeen)
    Stream->send(MakeReleaseComplete(Reference, true, AReleaseCompleteReason, ACause, CallIdentifier.get()));
  Close();
}

void TSetupReceiver::Close() {
  if (Closed) return;
  Closed = true;
  Timer.Stop();
  TClosingLeg::Close(Connection, Stream);
}

orvo::string CallIdentifierText(const H225::callIdentifier* AIdentifier) {
  if (!AIdentifier || AIdentifier->guid.length() != 16) return "no call identifier";
  return H323::guidText(AIdentifier->guid);
}

void TSetupReceiver::TraceFirst(const Q931::message* AMessage, const orvo::byteStream& AOctets) {
  if (!Log || AOctets.length() == 0) return;
  const H225::setup_UUIE* body = AMessage ? AMessage->setupBody() : nullptr;
  if (body) {
    if (body->sourceAddress) TraceAliases[0] = *body->sourceAddress;
    if (body->destinationAddress) TraceAliases[1] = *body->destinationAddress;
  }
  auto tracer = std::make_shared<TRelayTracer>(CallIdentifierText(body ? body->callIdentifier : nullptr),
                                               &TraceAliases[0], &TraceAliases[1], Log);
  Stream->SetTracer(tracer, 0);
  Stream->TraceReceived(AOctets);
}

void TSetupReceiver::HandOver(orvo::socket& AConnection, std::unique_ptr<TQ931Stream>& AStream) {
  Closed = true;
  Timer.Stop();
  AConnection = std::move(Connection);
  AStream = std::move(Stream);
}

void TSetupReceiver::Keep(const orvo::byteStream& AOctets) {
  FollowingMessages.push_back(AOctets);
  FollowingOctets += AOctets.length();
  if (FollowingMessages.size() >= FollowingLimit || FollowingOctets >= FollowingOctetLimit) Stream->enableRead(false);
}

void TSetupReceiver::OnMessage(Q931::message& AMessage, const orvo::byteStream& AOctets) {
  if (SetupSeen) {
    // The caller gave up before its call was resolved.
    if (AMessage.type == Q931::message::releaseComplete)
      Fail("Call released by caller.");
    else
      Keep(AOctets);
    return;
  }
  TraceFirst(&AMessage, AOctets);
  if (AMessage.protocolDiscriminator != Q931::message::h225Discriminator || AMessage.type != Q931::message::setup ||
      AMessage.callReference.length() != 2) {
    Fail(NotSetupText);
    return;
  }
  SetupSeen = true;
  Timer.Stop();
  Setup.write(AOctets.buffer(), AOctets.length());
  Reference = AMessage.callReference;
  if (const H225::setup_UUIE* body = AMessage.setupBody())
    if (body->callIdentifier) CallIdentifier.reset(new H225::callIdentifier(*body->callIdentifier));
  SetupCallback(AMessage);
}

// After the Setup, a message the decoder refuses goes on as it came, as
// the relay passes it; a peer that stops speaking TPKT is as good as gone.
void TSetupReceiver::OnMalformed(const orvo::string&, const orvo::byteStream& AOctets) {
  if (SetupSeen && AOctets.length() != 0) {
    Keep(AOctets);
    return;
  }
  if (SetupSeen) {
    Fail("Caller closed call signalling connection.");
    return;
  }
  TraceFirst(nullptr, AOctets);
  Fail(NotSetupText);
}

// A caller that closes its side in order after its Setup only sends no
// more: its call is still decided, and a refusal still reaches it. A
// reset takes both ways.
void TSetupReceiver::OnClosed() {
  if (SetupSeen && Connection.lastError == 0) {
    Stream->enableRead(false);
    return;
  }
  Fail(SetupSeen ? "Caller closed call signalling connection." : "Connection closed before SETUP.");
}

void TSetupReceiver::OnTimeout(TTimer*) { Fail(NoMessageText); }

void TSetupReceiver::Fail(const orvo::string& AText) {
  Close();
  FailedCallback(AText);
}

#include <signalling/SetupReceiver.h>

#include <utility>

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

void TSetupReceiver::OnMessage(Q931::message& AMessage, const orvo::byteStream&) {
  // Whatever follows the Setup waits for the owner's decision.
  if (SetupSeen) return;
  if (AMessage.type != Q931::message::setup) {
    Fail(NotSetupText);
    return;
  }
  SetupSeen = true;
  Timer.Stop();
  Stream->enableRead(false);
  Reference = AMessage.callReference;
  if (const H225::setup_UUIE* body = AMessage.setupBody())
    if (body->callIdentifier) CallIdentifier.reset(new H225::callIdentifier(*body->callIdentifier));
  SetupCallback(AMessage);
}

void TSetupReceiver::OnMalformed(const orvo::string&, const orvo::byteStream&) {
  if (!SetupSeen) Fail(NotSetupText);
}

void TSetupReceiver::OnClosed() { Fail("Connection closed before SETUP."); }

void TSetupReceiver::OnTimeout(TTimer*) { Fail(NoMessageText); }

void TSetupReceiver::Fail(const orvo::string& AText) {
  Close();
  FailedCallback(AText);
}

#include <signalling/CallSignallingRelay.h>

#include <cerrno>

#include <orvo/socketAddress.h>

#include <signalling/CallSockets.h>
#include <signalling/ClosingLeg.h>
#include <signalling/ReleaseComplete.h>
#include <signalling/SetupReceiver.h>

const char* const TCallSignallingRelay::MediaRelayUnavailable =
    "Media relay is not available; call media passes directly between endpoints.";

namespace {

// Octets of a Q.931 header: discriminator, call reference length, its
// first octet (carrying the flag), ..., the message type.
int headerType(const orvo::byteStream& AOctets) {
  if (AOctets.length() < 2) return -1;
  unsigned at = 2 + (AOctets.buffer()[1] & 0x0F);
  return at < AOctets.length() ? AOctets.buffer()[at] : -1;
}

// Deleting a registration leaves the slot it was made with as it was.
void drop(orvo::sockEvent*& ARegistration) {
  orvo::sockEvent* registration = ARegistration;
  ARegistration = nullptr;
  delete registration;
}

}  // namespace

TCallSignallingRelay::TCallSignallingRelay(const sockaddr_in& ACallee, bool AMediaRelay)
    : Callee(ACallee), Local(orvo::defaultAddress), Bound(orvo::defaultAddress), MediaRelay(AMediaRelay) {
  Timer.SetTarget(this, &TCallSignallingRelay::OnTimeout);
  for (TTimer& stall : Stalls) stall.SetTarget(this, &TCallSignallingRelay::OnStall);
}

TCallSignallingRelay::~TCallSignallingRelay() {
  Timer.Stop();
  for (TTimer& stall : Stalls) stall.Stop();
  AcceptEvent.stop();
  drop(ConnectEvent);
  Pending.clear();
  for (std::unique_ptr<TQ931Stream>& stream : Streams) stream.reset();
}

bool TCallSignallingRelay::Listen(const sockaddr_in& ALocal) {
  Local = ALocal;
  if (!OpenCallListener(ALocal, Listener, Bound)) {
    Error = Listener.lastError;
    return false;
  }
  AcceptEvent.watch(Listener.fd, this, &TCallSignallingRelay::OnAccept);
  CurrentState = stListening;
  Timer.SetTimeout(CallerTimeout);
  Timer.Start();
  return true;
}

void TCallSignallingRelay::TakeCaller(const sockaddr_in& ALocal, orvo::socket& AConnection,
                                      std::unique_ptr<TQ931Stream>& AStream, const orvo::byteStream& ASetup,
                                      const std::vector<orvo::byteStream>& AFollowing) {
  Local = ALocal;
  Legs[rsCaller] = std::move(AConnection);
  SetCallSignallingTos(Legs[rsCaller]);
  SetNoDelay(Legs[rsCaller]);
  TQ931Stream* stream = AStream.release();
  stream->Rebind(&Legs[rsCaller]);
  SetUpStream(rsCaller, stream);
  CallerFollowing = AFollowing;
  CurrentState = stAwaitingSetup;
  Q931::message setup;
  orvo::byteStream in(ASetup.buffer(), ASetup.length());
  setup.decode(in);
  TakeSetup(setup, ASetup);
  ConnectCallee();
}

void TCallSignallingRelay::Release(int AReleaseCompleteReason, unsigned ACause) {
  End(enReleasedByOwner, "Call released by gatekeeper.", true, true, AReleaseCompleteReason, ACause);
}

void TCallSignallingRelay::OnAccept(orvo::sockEvent*) {
  int descriptor = Listener.accept();
  if (descriptor == -1) {
    AcceptEvent.acceptFailed(Listener.lastError);
    return;
  }
  // Whoever reaches the port first need not be the caller: connections wait
  // side by side for their first message, and the oldest makes room, so that
  // silent ones cannot keep the caller out.
  if (Pending.size() >= PendingCallerLimit) Pending.erase(Pending.begin());
  TPendingCaller* caller = new TPendingCaller(descriptor);
  Pending.emplace_back(caller);
  caller->SetupCallback = {this, &TCallSignallingRelay::OnPendingSetup};
  caller->FailedCallback = {this, &TCallSignallingRelay::OnPendingFailed};
  caller->Start();
  if (CurrentState == stListening) {
    CurrentState = stAwaitingSetup;
    Timer.Restart();
  }
}

std::unique_ptr<TPendingCaller> TCallSignallingRelay::TakePending(TPendingCaller* ACaller) {
  for (auto at = Pending.begin(); at != Pending.end(); ++at) {
    if (at->get() != ACaller) continue;
    std::unique_ptr<TPendingCaller> caller(std::move(*at));
    Pending.erase(at);
    return caller;
  }
  return nullptr;
}

void TCallSignallingRelay::OnPendingSetup(TPendingCaller* ACaller, Q931::message& ASetup,
                                          const orvo::byteStream& AOctets) {
  // Kept until the Setup it read has been taken.
  std::unique_ptr<TPendingCaller> caller = TakePending(ACaller);
  if (!caller) return;
  // One caller per call: nobody else may come in on its port.
  AcceptEvent.stop();
  Listener.close();
  Pending.clear();
  Legs[rsCaller].attach(caller->HandOver());
  SetCallSignallingTos(Legs[rsCaller]);
  SetNoDelay(Legs[rsCaller]);
  OpenStream(rsCaller);
  // Read while the connection was only a candidate, which traces nothing.
  Streams[rsCaller]->TraceReceived(AOctets);
  TakeSetup(ASetup, AOctets);
  ConnectCallee();
}

void TCallSignallingRelay::OnPendingFailed(TPendingCaller* ACaller, bool ARefused) {
  TakePending(ACaller);
  if (ARefused) WarningCallback(orvo::string(TSetupReceiver::NotSetupText));
}

void TCallSignallingRelay::OpenStream(int ASide) { SetUpStream(ASide, new TQ931Stream(&Legs[ASide])); }

void TCallSignallingRelay::SetUpStream(int ASide, TQ931Stream* AStream) {
  TQ931Stream* stream = AStream;
  Streams[ASide].reset(stream);
  stream->SetTracer(Tracer, ASide);
  if (ASide == rsCaller) {
    stream->RawMessageCallback = {this, &TCallSignallingRelay::OnCallerMessage};
    stream->MalformedCallback = {this, &TCallSignallingRelay::OnCallerMalformed};
    stream->closedCallback = {this, &TCallSignallingRelay::OnCallerClosed};
    stream->SentCallback = {this, &TCallSignallingRelay::OnCallerSent};
  } else {
    stream->RawMessageCallback = {this, &TCallSignallingRelay::OnCalleeMessage};
    stream->MalformedCallback = {this, &TCallSignallingRelay::OnCalleeMalformed};
    stream->closedCallback = {this, &TCallSignallingRelay::OnCalleeClosed};
    stream->SentCallback = {this, &TCallSignallingRelay::OnCalleeSent};
  }
  stream->enableRead(true);
}

void TCallSignallingRelay::OnCallerMessage(Q931::message& AMessage, const orvo::byteStream& AOctets) {
  if (CurrentState == stRelaying) Forward(rsCaller, AMessage.type, AOctets);
}

void TCallSignallingRelay::OnCalleeMessage(Q931::message& AMessage, const orvo::byteStream& AOctets) {
  if (CurrentState == stRelaying) Forward(rsCallee, AMessage.type, AOctets);
}

// A message the decoder refuses still goes on as it came: the relay needs
// no more of it than its type. A leg that stops speaking TPKT (no octets)
// is as good as closed.
void TCallSignallingRelay::OnCallerMalformed(const orvo::string&, const orvo::byteStream& AOctets) {
  if (CurrentState == stRelaying && AOctets.length() == 0)
    OnCallerClosed();
  else if (CurrentState == stRelaying)
    Forward(rsCaller, headerType(AOctets), AOctets);
}

void TCallSignallingRelay::OnCalleeMalformed(const orvo::string&, const orvo::byteStream& AOctets) {
  if (CurrentState == stRelaying && AOctets.length() == 0)
    OnCalleeClosed();
  else if (CurrentState == stRelaying)
    Forward(rsCallee, headerType(AOctets), AOctets);
}

void TCallSignallingRelay::OnCallerClosed() {
  End(enCallerClosed, "Caller closed call signalling connection.", false, true, rcrUndefinedReason,
      causeNormalUnspecified);
}

void TCallSignallingRelay::OnCalleeClosed() {
  End(enCalleeClosed, "Callee closed call signalling connection.", true, false, rcrUndefinedReason,
      causeNormalUnspecified);
}

void TCallSignallingRelay::TakeSetup(Q931::message& ASetup, const orvo::byteStream& AOctets) {
  Reference = ASetup.callReference;
  if (const H225::setup_UUIE* body = ASetup.setupBody())
    if (body->callIdentifier) CallIdentifier.reset(new H225::callIdentifier(*body->callIdentifier));
  PendingSetup.clear();
  if (RewriteSetup(ASetup, TranslateAlias)) {
    ASetup.callReference.setFlag(true);
    // Too long once translated, for the encoder or for one packet: the
    // callee gets the Setup as it came, which fits.
    try {
      ASetup.encode(PendingSetup);
      if (PendingSetup.length() <= PacketLimit) return;
    } catch (orvo::exception* failure) {
      delete failure;
    }
    PendingSetup.clear();
  }
  PendingSetup.write(AOctets.buffer(), AOctets.length());
}

void TCallSignallingRelay::ConnectCallee() {
  // The caller waits until the callee's leg can take what it says.
  Streams[rsCaller]->enableRead(false);
  CurrentState = stConnecting;
  Timer.Stop();
  int result = StartCallConnection(Callee, Local, Legs[rsCallee]);
  if (result == 0) {
    CalleeConnected();
    return;
  }
  if (result != EINPROGRESS) {
    Error = result;
    End(enCalleeUnreachable, orvo::string("Callee unreachable at ").append(orvo::toText(Callee)).append("."), true,
        false, rcrUnreachableDestination, causeNoRouteToDestination);
    return;
  }
  new orvo::sockEvent(orvo::sockEvent::CONNECT, Legs[rsCallee].fd, this, &TCallSignallingRelay::OnConnect, false,
                      &ConnectEvent);
  Timer.SetTimeout(ConnectTimeout);
  Timer.Start();
}

void TCallSignallingRelay::OnConnect(orvo::sockEvent* AEvent) {
  int error = AEvent->socketError();
  if (!error && !AEvent->record->connected) error = ECONNREFUSED;
  drop(ConnectEvent);
  Timer.Stop();
  if (error) {
    Error = error;
    End(enCalleeUnreachable, orvo::string("Callee unreachable at ").append(orvo::toText(Callee)).append("."), true,
        false, rcrUnreachableDestination, causeNoRouteToDestination);
    return;
  }
  CalleeConnected();
}

void TCallSignallingRelay::CalleeConnected() {
  OpenStream(rsCallee);
  // The call may be gone with the relay once this fails.
  if (!SendTo(rsCallee, PendingSetup)) return;
  PendingSetup.clear();
  Streams[rsCaller]->enableRead(true);
  CurrentState = stRelaying;
  Timer.SetTimeout(CalleeTimeout);
  Timer.Restart();
  // The caller's words while the call was resolved go after its Setup.
  std::vector<orvo::byteStream> following;
  following.swap(CallerFollowing);
  for (const orvo::byteStream& octets : following)
    // The call has ended, and the relay may be gone.
    if (!Forward(rsCaller, headerType(octets), octets)) return;
  StartedCallback();
}

bool TCallSignallingRelay::Forward(int AFrom, int AType, const orvo::byteStream& AOctets) {
  int to = 1 - AFrom;
  orvo::byteStream out(AOctets.buffer(), AOctets.length());
  // The flag says whether the sender chose the call reference: on the
  // callee's leg the relay did.
  if (out.length() > 2 && (out.buffer()[1] & 0x0F) != 0) {
    if (to == rsCallee)
      out.buffer()[2] &= 0x7F;
    else
      out.buffer()[2] |= 0x80;
  }
  if (!SendTo(to, out)) return false;
  CheckQueue(to);
  if (AFrom == rsCallee && !CalleeAnswered) {
    CalleeAnswered = true;
    Timer.Stop();
  }
  if (AType == Q931::message::releaseComplete) {
    if (AFrom == rsCaller)
      End(enReleasedByCaller, "Call released by caller.", false, false, 0, 0);
    else
      End(enReleasedByCallee, "Call released by callee.", false, false, 0, 0);
    return false;
  }
  if (AFrom == rsCallee &&
      (AType == Q931::message::callProceeding || AType == Q931::message::alerting || AType == Q931::message::connect))
    ChangedCallback(AType);
  return true;
}

bool TCallSignallingRelay::SendTo(int ASide, const orvo::byteStream& AOctets) {
  if (AOctets.length() <= PacketLimit && Streams[ASide]->SendOctets(AOctets)) return true;
  if (ASide == rsCaller)
    End(enCallerTooLong, "Message to caller does not fit a TPKT packet.", false, true, rcrUndefinedReason,
        causeNormalUnspecified);
  else
    End(enCalleeTooLong, "Message to callee does not fit a TPKT packet.", true, false, rcrUndefinedReason,
        causeNormalUnspecified);
  return false;
}

void TCallSignallingRelay::OnCallerSent() { CheckQueue(rsCaller); }

void TCallSignallingRelay::OnCalleeSent() { CheckQueue(rsCallee); }

void TCallSignallingRelay::CheckQueue(int ASide) {
  if (CurrentState != stRelaying) return;
  const bool over = Streams[ASide]->queued() > QueueLimit;
  if (over == Throttled[ASide]) return;
  Throttled[ASide] = over;
  Streams[1 - ASide]->enableRead(!over);
  if (over) {
    Stalls[ASide].SetTimeout(StallTimeout);
    Stalls[ASide].Start();
  } else {
    Stalls[ASide].Stop();
  }
}

void TCallSignallingRelay::OnStall(TTimer* ATimer) {
  // What a leg does not take is dropped, and it gets no Release Complete:
  // the end must not wait on it.
  for (int side : {rsCaller, rsCallee})
    if (Throttled[side]) Streams[side]->discardOutput();
  if (ATimer == &Stalls[rsCaller])
    End(enCallerStalled, "Caller does not read call signalling.", false, !Throttled[rsCallee], rcrUndefinedReason,
        causeNormalUnspecified);
  else
    End(enCalleeStalled, "Callee does not read call signalling.", !Throttled[rsCaller], false, rcrUndefinedReason,
        causeNormalUnspecified);
}

void TCallSignallingRelay::OnTimeout(TTimer*) {
  switch (CurrentState) {
    case stListening:
      End(enCallerTimeout, "Caller did not connect in time.", false, false, 0, 0);
      return;
    case stAwaitingSetup:
      End(enCallerTimeout, "Caller sent no message in time.", false, false, 0, 0);
      return;
    case stConnecting:
      Error = ETIMEDOUT;
      End(enCalleeUnreachable, orvo::string("Callee unreachable at ").append(orvo::toText(Callee)).append("."), true,
          false, rcrUnreachableDestination, causeNoRouteToDestination);
      return;
    case stRelaying:
      End(enCalleeTimeout, "Callee did not answer in time.", true, true, rcrUndefinedReason, causeNoUserResponding);
      return;
    default:
      return;
  }
}

void TCallSignallingRelay::End(TEnd AEnd, const orvo::string& AText, bool AReleaseCaller, bool AReleaseCallee,
                               int AReason, unsigned ACause) {
  if (CurrentState == stEnded || CurrentState == stIdle) return;
  CurrentState = stEnded;
  Timer.Stop();
  for (TTimer& stall : Stalls) stall.Stop();
  AcceptEvent.stop();
  drop(ConnectEvent);
  Listener.close();
  Pending.clear();
  StoppingCallback();
  const bool release[2] = {AReleaseCaller, AReleaseCallee};
  for (int side : {rsCaller, rsCallee}) {
    if (Streams[side] && release[side] && Reference.length())
      Streams[side]->send(MakeReleaseComplete(Reference, side == rsCaller, AReason, ACause, CallIdentifier.get()));
    EndLeg(side);
  }
  EndedCallback(int(AEnd), AText);
}

void TCallSignallingRelay::EndLeg(int ASide) { TClosingLeg::Close(Legs[ASide], Streams[ASide]); }

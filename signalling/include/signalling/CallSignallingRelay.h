// The call signalling of one routed call: the gatekeeper listens for the
// caller on a socket of the call's own, reads its Setup, connects the
// callee from its own address and passes every Q.931 message between the
// two legs. Anybody may reach that socket: connections wait side by side,
// and the first one whose first message is a Setup is the caller. A leg
// that does not take what is passed to it holds the other leg back, and
// ends the call when that goes on too long.
//
// A message the relay changes (the Setup, through the owner's alias
// translation) is re-encoded; every other one goes on with the octets it
// came in, because a re-encoding drops what the message types do not know.
// A rewritten Setup that no longer fits one TPKT packet goes on as it came.
// Both legs use the caller's call reference, so a message keeps its flag
// from one leg to the other; the relay sets the flag anyway, as each leg
// needs it. Tunnelled H.245, fast start and H.450 contents and the
// endpoints' own H.245 addresses pass unchanged. H.235 tokens pass as they
// came: the relay neither checks nor re-signs them, so a hash over a Setup
// that the translation changed no longer matches it.
#pragma once

#include <memory>
#include <netinet/in.h>
#include <vector>

#include <h225/h225.h>
#include <h323/q931/message.h>
#include <orvo/acceptWatch.h>
#include <orvo/byteStream.h>
#include <orvo/memberCallback.h>
#include <orvo/sockEvent.h>
#include <orvo/socket.h>
#include <orvo/string.h>
#include <orvo/timer.h>

#include <signalling/PendingCaller.h>
#include <signalling/Q931Stream.h>
#include <signalling/RelayTracer.h>
#include <signalling/SetupRewriter.h>

class TCallSignallingRelay {
public:
  enum TState { stIdle, stListening, stAwaitingSetup, stConnecting, stRelaying, stEnded };
  // Why the call ended, with the text given to EndedCallback.
  enum TEnd {
    enReleasedByCaller,   // "Call released by caller."
    enReleasedByCallee,   // "Call released by callee."
    enCallerClosed,       // "Caller closed call signalling connection."
    enCalleeClosed,       // "Callee closed call signalling connection."
    enCallerTimeout,      // "Caller did not connect in time." / "Caller sent no message in time."
    enNotSetup,           // not given: a connection whose first message is no Setup is refused alone
    enCalleeUnreachable,  // "Callee unreachable at " address "."
    enCalleeTimeout,      // "Callee did not answer in time."
    enReleasedByOwner,    // "Call released by gatekeeper."
    enCallerStalled,      // "Caller does not read call signalling."
    enCalleeStalled,      // "Callee does not read call signalling."
    enCallerTooLong,      // "Message to caller does not fit a TPKT packet."
    enCalleeTooLong       // "Message to callee does not fit a TPKT packet."
  };

  // Connections to the call's port that may wait side by side for their
  // first message; one more closes the oldest.
  static const unsigned PendingCallerLimit = 8;

  // Logged once by the owner, at the first call whose proxy level asks for
  // the media to be relayed too.
  static const char* const MediaRelayUnavailable;

  // ACallee: the callee's call-signal address. AMediaRelay: the call's
  // proxy level asks for the media relay as well, which does not exist: the
  // call is routed like any other.
  TCallSignallingRelay(const sockaddr_in& ACallee, bool AMediaRelay);
  // Quiet: no callback, no Release Complete; open legs are closed at once.
  ~TCallSignallingRelay();
  TCallSignallingRelay(const TCallSignallingRelay&) = delete;
  TCallSignallingRelay& operator=(const TCallSignallingRelay&) = delete;

  // Opens the caller's listener on the local address (the system chooses
  // the port) and starts the caller's time. False, with LastError() set,
  // when no listener can be opened; call it once.
  bool Listen(const sockaddr_in& ALocal);
  // Instead of Listen: the caller has connected already, to the call-signal
  // port, whose reader traced its Setup (ASetup, as it came) and the
  // messages that followed it (AFollowing). The relay takes the connection
  // and its stream over (both are left empty), connects the callee from
  // the local address and passes the Setup and those messages on. Call it
  // once; it may end the call before it returns.
  void TakeCaller(const sockaddr_in& ALocal, orvo::socket& AConnection, std::unique_ptr<TQ931Stream>& AStream,
                  const orvo::byteStream& ASetup, const std::vector<orvo::byteStream>& AFollowing);
  // The listener's address, read back: the destCallSignalAddress of the ACF.
  const sockaddr_in& ListenAddress() const { return Bound; }
  int LastError() const { return Error; }
  TState State() const { return CurrentState; }
  bool MediaRelayRequested() const { return MediaRelay; }

  // Ends the call from the owner's side: Release Complete with the reason
  // and cause to each leg still open, then the stopping and ended callbacks.
  void Release(int AReleaseCompleteReason, unsigned ACause);

  // Set by the owner before Listen.
  TAliasTranslator TranslateAlias;
  // Set by the owner before Listen; none: no trace.
  std::shared_ptr<TRelayTracer> Tracer;
  // The Setup went to the callee: the call runs between the endpoints.
  orvo::memberCallback<> StartedCallback;
  // The callee's Call Proceeding, Alerting or Connect passed (its type).
  orvo::memberCallback<int> ChangedCallback;
  // The call is being ended; the relay must not be deleted here.
  orvo::memberCallback<> StoppingCallback;
  // (TEnd, text): both legs are let go (they close in order on their own);
  // the last call the relay makes, so the owner may delete it here.
  orvo::memberCallback<int, const orvo::string&> EndedCallback;
  // A connection to the call's port was refused and closed while the call
  // goes on waiting for its caller: the text of the owner's warning. The
  // relay must not be deleted here.
  orvo::memberCallback<const orvo::string&> WarningCallback;

  // Milliseconds. The caller has CallerTimeout to connect and, from the
  // first connection to the port, again to send its Setup; the callee's
  // connection is given ConnectTimeout and its first answer CalleeTimeout.
  // Set before Listen.
  int64_t CallerTimeout = 20000;
  int64_t ConnectTimeout = 5000;
  int64_t CalleeTimeout = 20000;
  // Octets a leg may have waiting for it: beyond them the other leg is not
  // read until it has taken enough. Signalling needs far less; a flood
  // stops here.
  unsigned QueueLimit = 32768;
  // Milliseconds a leg may stay over QueueLimit before the call ends.
  int64_t StallTimeout = 5000;
  // Octets of the longest message a leg is given, at most what one TPKT
  // packet carries: a rewritten Setup beyond it goes as it came, any other
  // message ends the call.
  unsigned PacketLimit = orvo::tpktStream::maximumPayload;

private:
  void OnAccept(orvo::sockEvent* AEvent);
  void OnConnect(orvo::sockEvent* AEvent);
  void OnTimeout(TTimer* ATimer);
  void OnCallerMessage(Q931::message& AMessage, const orvo::byteStream& AOctets);
  void OnCalleeMessage(Q931::message& AMessage, const orvo::byteStream& AOctets);
  void OnCallerMalformed(const orvo::string& AText, const orvo::byteStream& AOctets);
  void OnCalleeMalformed(const orvo::string& AText, const orvo::byteStream& AOctets);
  void OnCallerClosed();
  void OnCalleeClosed();
  void OnPendingSetup(TPendingCaller* ACaller, Q931::message& ASetup, const orvo::byteStream& AOctets);
  void OnPendingFailed(TPendingCaller* ACaller, bool ARefused);
  void OnCallerSent();
  void OnCalleeSent();
  void OnStall(TTimer* ATimer);

  void OpenStream(int ASide);
  // The leg's stream, new or taken over, with the relay's callbacks.
  void SetUpStream(int ASide, TQ931Stream* AStream);
  // The pending connection, out of the list; null when it is not there.
  std::unique_ptr<TPendingCaller> TakePending(TPendingCaller* ACaller);
  // Reads the other leg only while this one's queue is within QueueLimit.
  void CheckQueue(int ASide);
  void TakeSetup(Q931::message& ASetup, const orvo::byteStream& AOctets);
  void ConnectCallee();
  void CalleeConnected();
  // Passes a message of type AType to the other leg; false when the call
  // has ended with it (the relay may be gone).
  bool Forward(int AFrom, int AType, const orvo::byteStream& AOctets);
  // Queues the octets on the leg; a message beyond PacketLimit ends the
  // call, with a Release Complete to the leg it came from. False then: the
  // call has ended.
  bool SendTo(int ASide, const orvo::byteStream& AOctets);
  // Release Complete to the legs named; the rest closes without one.
  // Neither leg is waited for: each ends in order on its own (TClosingLeg).
  void End(TEnd AEnd, const orvo::string& AText, bool AReleaseCaller, bool AReleaseCallee, int AReason,
           unsigned ACause);
  void EndLeg(int ASide);

  sockaddr_in Callee;
  // The gatekeeper's address: the listener's, and the callee leg's source.
  sockaddr_in Local;
  sockaddr_in Bound;
  bool MediaRelay;
  TState CurrentState = stIdle;
  int Error = 0;
  bool CalleeAnswered = false;

  orvo::socket Listener;
  orvo::acceptWatch AcceptEvent;
  std::vector<std::unique_ptr<TPendingCaller>> Pending;
  orvo::sockEvent* ConnectEvent = nullptr;
  // Streams after their sockets: they go first.
  orvo::socket Legs[2];
  std::unique_ptr<TQ931Stream> Streams[2];
  TTimer Timer;
  // By the leg whose queue is over QueueLimit.
  TTimer Stalls[2];
  bool Throttled[2] = {false, false};

  Q931::callReference Reference;
  std::unique_ptr<H225::callIdentifier> CallIdentifier;
  orvo::byteStream PendingSetup{128};
  // What the caller said after its Setup before the callee was connected.
  std::vector<orvo::byteStream> CallerFollowing;
};

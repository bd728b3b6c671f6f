// The first message on a call-signalling connection that the gatekeeper
// accepted on its call-signal port, where no admission announced the call:
// it must come within a bounded time and must be a Q.931 Setup with a call
// reference of two octets. The owner then routes the call or refuses it
// with a Release Complete. While the owner decides, the connection is
// still read, so that a caller who resets it or releases its call is
// noticed; what it says meanwhile is kept, within bounds, for the call.
#pragma once

#include <memory>
#include <vector>

#include <h225/h225.h>
#include <h323/q931/message.h>
#include <orvo/memberCallback.h>
#include <orvo/socket.h>
#include <orvo/string.h>
#include <orvo/timer.h>

#include <h323/aliasList.h>

#include <signalling/Q931Stream.h>
#include <signalling/RelayTracer.h>

// A call's identifier as the traces name the call: its GUID in braces, or
// "no call identifier".
orvo::string CallIdentifierText(const H225::callIdentifier* AIdentifier);

class TSetupReceiver {
public:
  static const char* const NotSetupText;   // "First message must be SETUP."
  static const char* const NoMessageText;  // "No first message in time."

  // Takes the accepted descriptor over (AAccepted no longer closes it),
  // switches it to non-blocking and sets its type of service and no delay.
  explicit TSetupReceiver(orvo::socket& AAccepted);
  // Quiet: no callback; the connection is closed.
  ~TSetupReceiver();
  TSetupReceiver(const TSetupReceiver&) = delete;
  TSetupReceiver& operator=(const TSetupReceiver&) = delete;

  // Starts reading and the time for the first message; callbacks set first.
  void Start();

  // Refuses the Setup: a Release Complete with the ReleaseCompleteReason
  // alternative and the Q.850 cause, then the connection is let go: it
  // closes in order on its own (TClosingLeg).
  void Refuse(int AReleaseCompleteReason, unsigned ACause);
  // Lets the connection go without a word.
  void Close();
  bool IsClosed() const { return Closed; }
  // The connection and its stream go to the call (both are left empty
  // here), with the Setup as it came and what followed it.
  void HandOver(orvo::socket& AConnection, std::unique_ptr<TQ931Stream>& AStream);
  const orvo::byteStream& SetupOctets() const { return Setup; }
  const std::vector<orvo::byteStream>& Following() const { return FollowingMessages; }

  // What a caller may say after its Setup before the call is resolved;
  // beyond it the connection is not read until then.
  static const unsigned FollowingLimit = 16;
  static const unsigned FollowingOctetLimit = 32768;

  // The Setup; the owner may call Refuse or Close, or delete the receiver.
  orvo::memberCallback<Q931::message&> SetupCallback;
  // Not a Setup, undecodable, no message in time, the peer gone (before
  // its Setup, or by a reset) or its Release Complete: the connection is
  // closed already; the text tells which. May delete.
  orvo::memberCallback<const orvo::string&> FailedCallback;

  int64_t FirstMessageTimeout = 20000;
  // The log section that decides what is traced: the first message, and
  // the Release Complete that refuses it. Set before Start; none traces
  // nothing.
  TRelayTracer::TLogSource Log;

private:
  void OnMessage(Q931::message& AMessage, const orvo::byteStream& AOctets);
  void OnMalformed(const orvo::string& AText, const orvo::byteStream& AOctets);
  void OnClosed();
  void OnTimeout(TTimer* ATimer);
  void Fail(const orvo::string& AText);
  // A message after the Setup, for the call.
  void Keep(const orvo::byteStream& AOctets);
  // Traces the first message as the caller's; what is sent from now on is
  // traced under the same head line.
  void TraceFirst(const Q931::message* AMessage, const orvo::byteStream& AOctets);

  orvo::socket Connection;
  std::unique_ptr<TQ931Stream> Stream;
  TTimer Timer;
  bool SetupSeen = false;
  bool Closed = false;
  Q931::callReference Reference;
  std::unique_ptr<H225::callIdentifier> CallIdentifier;
  orvo::byteStream Setup{128};
  std::vector<orvo::byteStream> FollowingMessages;
  unsigned FollowingOctets = 0;
  // The Setup's source and destination aliases, as the traces name them.
  H323::aliaslist TraceAliases[2];
};

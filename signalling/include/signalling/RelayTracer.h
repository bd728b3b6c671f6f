// The traces of a routed call's signalling: each Q.931 message a leg
// receives or is sent, and inside its user-user information each H.245 PDU
// (the tunnelled ones and the fast start channels) and each H.450 APDU.
// Each family asks its own rules of the log section, with the direction of
// the message, both sides' aliases and the peer of the leg.
#pragma once

#include <netinet/in.h>

#include <functional>
#include <memory>
#include <ostream>

#include <config/StringList.h>
#include <orvo/byteStream.h>
#include <orvo/string.h>

class TConfiguration;

class TRelayTracer {
public:
  // The configuration in force at the time of the message (a reload may
  // replace it during the call), whose log section decides; null traces
  // nothing.
  using TLogSource = std::function<TConfiguration*()>;

  // ACall: the call's identification in the head lines. The alias lists
  // (the caller's, the callee's) are the owner's and outlive the tracer;
  // either may be null.
  TRelayTracer(const orvo::string& ACall, const TStringList* ACallerAliases, const TStringList* ACalleeAliases,
               TLogSource ALog);

  // The Q.931 message in AOctets, received (ADirection 0) from or sent (1)
  // to the leg of side ASide (0 caller, 1 callee) whose peer is APeer.
  void Trace(int ASide, int ADirection, const sockaddr_in& APeer, const orvo::byteStream& AOctets) const;

  // A tracer for a leg that outlives its call and the gatekeeper that made
  // it: the aliases as they are now and the configuration now in force,
  // held by the tracer itself.
  std::shared_ptr<const TRelayTracer> Detached() const;

private:
  // "Q.931, " call ", got message from caller: " alias " at " address.
  void HeadLine(const char* AFamily, int ASide, int ADirection, const sockaddr_in& APeer) const;

  orvo::string Call;
  const TStringList* Aliases[2];
  TLogSource Log;
  // A detached tracer's own copies of the aliases.
  TStringList OwnAliases[2];
};

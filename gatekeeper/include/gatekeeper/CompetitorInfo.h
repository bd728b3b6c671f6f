// Route candidates of a call: a registration that may take it (an endpoint,
// or a neighbour gatekeeper reached through its link) with what orders it
// among the others, and the list kept in that order.
#pragma once

#include <netinet/in.h>

#include <cstdint>

#include <orvo/dateTime.h>
#include <orvo/list.h>

#include <orvo/string.h>

#include <gatekeeper/EndpointHandle.h>

class TGatekeeper;
class TGatekeeperLink;

class TCompetitorInfo {
public:
  enum : uint32_t { NoCost = 0xFFFFFFFFu, Unlimited = 0xFFFFFFFFu };

  explicit TCompetitorInfo(TGatekeeper* AOwner = nullptr);
  TCompetitorInfo(const TCompetitorInfo& AOther) = default;
  TCompetitorInfo& operator=(const TCompetitorInfo&) = delete;

  // Like TEndpointHandle::Set, then the link of a gatekeeper section again.
  void SetEndpoint(TEndpointRegisterInfo* ARegistration);

  // True when A goes before B: endpoints before links not yet located,
  // then lower cost, more bandwidth, lower load, earlier time stamp.
  static bool Precedes(const TCompetitorInfo& A, const TCompetitorInfo& B);

  uint32_t Cost = NoCost;
  // Units of 100 bit/s.
  uint32_t AvailableBandwidth = Unlimited;
  double Load = 0;
  orvo::dateTime RegistrationTime;
  bool IsEndpoint = false;
  sockaddr_in RasAddress{};
  sockaddr_in CallSignalAddress{};
  TEndpointHandle Endpoint;
  TGatekeeperLink* Link = nullptr;

private:
  TGatekeeper* Owner;
};

class TCompetitorsInfo : public orvo::list<TCompetitorInfo> {
public:
  TCompetitorsInfo() : orvo::list<TCompetitorInfo>(1) {}
  TCompetitorsInfo(const TCompetitorsInfo&) = delete;
  TCompetitorsInfo& operator=(const TCompetitorsInfo&) = delete;

  // Before the first candidate it precedes, else last: equal candidates
  // keep their order of insertion. Takes the candidate.
  void Insert(TCompetitorInfo* ACandidate);
};

// An alias of side ASide (0 caller, 1 callee) as the receiver is to see it:
// the sender's outgoing translation, then the receiver's incoming one, each
// in its side's scope. Empty when the sender's translation empties it.
orvo::string TranslateAlias(const orvo::string& AAlias, int ASide, const TEndpointHandle& ASender,
                            const TEndpointHandle& AReceiver);

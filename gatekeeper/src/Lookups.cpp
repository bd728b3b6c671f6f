// The core's read-only queries over its registrations, calls and links,
// the zone path of a call and the gatekeeper's own request numbers.
#include <gatekeeper/Gatekeeper.h>

#include <algorithm>

#include <orvo/socketAddress.h>

#include <config/LinkedUser.h>
#include <config/User.h>
#include <config/Zone.h>
#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <gatekeeper/ZoneSearch.h>

namespace {

bool SameGuid(const asn::octetStringBase& A, const asn::octetStringBase& B) { return A.isEqual(B); }

bool SameCall(const TConnection& AConnection, const H225::callIdentifier& AIdentifier) {
  return AConnection.CallIdentifier() && SameGuid(AConnection.CallIdentifier()->guid, AIdentifier.guid);
}

TZone* ZoneOf(const TEndpointRegisterInfo* ARegistration) {
  return ARegistration && ARegistration->User() ? ARegistration->User()->Location() : nullptr;
}

}  // namespace

TEndpointRegisterInfo* TGatekeeper::FindEndpointByAlias(const H225::aliasAddress& AAlias) {
  return FRegistrationIndex.ByAlias(AAlias);
}

TEndpointRegisterInfo* TGatekeeper::FindEndpointByIdentifier(const asn::bmpStringBase& AIdentifier) {
  const orvo::string text = AIdentifier.toString();
  return FRegistrationIndex.ByIdentifier(std::string(text.buffer() ? text.buffer() : "", text.length()));
}

TEndpointRegisterInfo* TGatekeeper::FindEndpointByCallSignalAddress(const sockaddr_in& AAddress) {
  return FRegistrationIndex.ByCallSignalAddress(AAddress, true);
}

TEndpointRegisterInfo* TGatekeeper::FindEndpointByCallSignalAddress(const H245::transportAddress& AAddress) {
  sockaddr_in address{};
  if (!H323::h245TransportToSockaddr(AAddress, address)) return nullptr;
  return FindEndpointByCallSignalAddress(address);
}

std::vector<TZone*> TGatekeeper::ZonePath(const TEndpointRegisterInfo* ACaller,
                                          const TEndpointRegisterInfo* ACallee) const {
  TZone* from = ZoneOf(ACaller);
  TZone* to = ZoneOf(ACallee);
  std::vector<TZone*> path;
  if (ACaller && ACallee && from == to) {
    if (from) path.push_back(from);
    return path;
  }
  if (!from) {
    if (to) path.push_back(to);
    return path;
  }
  path.push_back(from);
  if (!to) return path;
  // Zones of a configuration no longer current are searched afresh: the
  // cache holds only the current one's, whose zones outlive it.
  const TConfiguration* current = Configuration();
  const bool cached = current && ACaller->Configuration() == current && ACallee->Configuration() == current;
  if (cached && FZonePathsOf != current) {
    FZonePaths.clear();
    FZonePathsOf = current;
  }
  std::vector<TZone*> searched;  // nothing between when no path exists
  const std::vector<TZone*>* between = &searched;
  if (cached) {
    const std::pair<const TZone*, const TZone*> key(from, to);
    auto found = FZonePaths.find(key);
    if (found == FZonePaths.end()) {
      found = FZonePaths.emplace(key, ZonesBetween(from, to)).first;
    }
    between = &found->second;
  } else {
    searched = ZonesBetween(from, to);
  }
  path.insert(path.end(), between->begin(), between->end());
  path.push_back(to);
  return path;
}

uint32_t TGatekeeper::AvailableBandwidth(const TEndpointRegisterInfo* ACaller,
                                         const TEndpointRegisterInfo* ACallee) const {
  uint32_t available = TZone::Unlimited;
  for (const TZone* zone : ZonePath(ACaller, ACallee)) {
    if (zone->AvailableConnections() == 0) return 0;
    available = std::min(available, zone->AvailableBandwidth());
  }
  return available;
}

TConnection* TGatekeeper::FindConnectionByIdentifier(const H323::guidOctets& AIdentifier) {
  TConnection* found = nullptr;
  FConnections.ForEach([&](TConnection* AConnection) {
    if (!SameGuid(AConnection->ConnectionIdentifier(), AIdentifier)) return false;
    found = AConnection;
    return true;
  });
  return found;
}

namespace {

// The first of the calls given (in list order) that passes the test.
template <class TTest>
TConnection* First(const std::vector<TConnection*>& ACalls, TTest ATest) {
  for (TConnection* call : ACalls)
    if (ATest(*call)) return call;
  return nullptr;
}

}  // namespace

TConnection* TGatekeeper::FindConnection(const H323::guidOctets& AConferenceID,
                                         const H225::callIdentifier* ACallIdentifier,
                                         const TEndpointRegisterInfo* ARegistration, int ASide, bool AAnyParticipant,
                                         bool* ANeedsAttach) {
  if (ANeedsAttach) *ANeedsAttach = false;
  auto onSide = [&](const TConnection& C) { return C.SideRegistration(ASide) == ARegistration; };
  auto inConference = [&](const TConnection& C) { return SameGuid(C.ConferenceID(), AConferenceID); };
  if (!ACallIdentifier) {
    if (TConnection* c = First(FConnectionIndex.InConference(AConferenceID),
                               [&](const TConnection& C) { return onSide(C) && inConference(C); }))
      return c;
    return AAnyParticipant ? First(FConnectionIndex.InConference(AConferenceID), inConference) : nullptr;
  }
  const H225::callIdentifier& id = *ACallIdentifier;
  auto withoutId = [&](const TConnection& C) { return !C.CallIdentifier() && inConference(C); };
  if (TConnection* c = First(FConnectionIndex.WithCallIdentifier(ACallIdentifier->guid),
                             [&](const TConnection& C) { return onSide(C) && SameCall(C, id); }))
    return c;
  TConnection* c = First(FConnectionIndex.InConference(AConferenceID),
                         [&](const TConnection& C) { return onSide(C) && withoutId(C); });
  if (!c && AAnyParticipant) {
    if (TConnection* byId = First(FConnectionIndex.WithCallIdentifier(ACallIdentifier->guid),
                                  [&](const TConnection& C) { return SameCall(C, id); }))
      return byId;
    c = First(FConnectionIndex.InConference(AConferenceID), withoutId);
  }
  if (c && ANeedsAttach) *ANeedsAttach = true;
  return c;
}

TConnection* TGatekeeper::FindParticipantConnection(const H323::guidOctets& AConferenceID,
                                                    const H225::callIdentifier* ACallIdentifier,
                                                    const TEndpointRegisterInfo* ARegistration, int* ASide) {
  int side = -1;
  auto takesPart = [&](const TConnection& C) {
    for (int s : {TConnection::cnsCaller, TConnection::cnsCallee})
      if (C.SideRegistration(s) == ARegistration) {
        side = s;
        return true;
      }
    return false;
  };
  auto inConference = [&](const TConnection& C) { return SameGuid(C.ConferenceID(), AConferenceID); };
  TConnection* found = nullptr;
  if (!ACallIdentifier) {
    found = First(FConnectionIndex.InConference(AConferenceID),
                  [&](const TConnection& C) { return inConference(C) && takesPart(C); });
  } else {
    found = First(FConnectionIndex.WithCallIdentifier(ACallIdentifier->guid),
                  [&](const TConnection& C) { return SameCall(C, *ACallIdentifier) && takesPart(C); });
    if (!found)
      found = First(FConnectionIndex.InConference(AConferenceID),
                    [&](const TConnection& C) { return !C.CallIdentifier() && inConference(C) && takesPart(C); });
  }
  if (found && ASide) *ASide = side;
  return found;
}

TConnection* TGatekeeper::FindConnectionByCalleeUser(const H323::guidOctets& AConferenceID,
                                                     const H225::callIdentifier* ACallIdentifier, const TUser* AUser) {
  auto calleeIsUser = [&](const TConnection& C) {
    const TEndpointRegisterInfo* callee = C.SideRegistration(TConnection::cnsCallee);
    return callee && callee->User() == AUser;
  };
  auto inConference = [&](const TConnection& C) { return SameGuid(C.ConferenceID(), AConferenceID); };
  if (!ACallIdentifier)
    return First(FConnectionIndex.InConference(AConferenceID),
                 [&](const TConnection& C) { return inConference(C) && calleeIsUser(C); });
  if (TConnection* c = First(FConnectionIndex.WithCallIdentifier(ACallIdentifier->guid),
                             [&](const TConnection& C) { return SameCall(C, *ACallIdentifier) && calleeIsUser(C); }))
    return c;
  return First(FConnectionIndex.InConference(AConferenceID),
               [&](const TConnection& C) { return !C.CallIdentifier() && inConference(C) && calleeIsUser(C); });
}

TGatekeeperLink* TGatekeeper::FindRegisteredLink(const TEndpointRegisterInfo* ARegistration) {
  if (!ARegistration || !ARegistration->User() || !ARegistration->User()->IsGatekeeper()) return nullptr;
  TGatekeeperLink* found = nullptr;
  FLinks.ForEach([&](TGatekeeperLink* ALink) {
    if (static_cast<const TUser*>(ALink->User) != ARegistration->User()) return false;
    found = ALink;
    return true;
  });
  return found && found->LinkState == TGatekeeperLink::lsRegistered ? found : nullptr;
}

unsigned TGatekeeper::NextRequestSeqNum() {
  const unsigned current = NextRequestSequenceNumber;
  if (++NextRequestSequenceNumber > 65535) NextRequestSequenceNumber = 1;
  return current;
}

bool TGatekeeper::HasConnection(const TEndpointRegisterInfo* ARegistration) {
  return ARegistration && ARegistration->CountConnections() != 0;
}

void TGatekeeper::RemoveEndpoint(const asn::bmpStringBase& AIdentifier) {
  if (TEndpointRegisterInfo* registration = FindEndpointByIdentifier(AIdentifier)) registration->Unregister();
}

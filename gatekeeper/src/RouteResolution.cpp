// Which registrations may take a call, and in which order they are tried.
#include <gatekeeper/Gatekeeper.h>

#include <config/Configuration.h>
#include <config/User.h>

#include <gatekeeper/CompetitorInfo.h>

namespace {

enum TRouteResult {
  rsNone = 0,
  rsNoRoute = 1,
  rsAliasesInconsistent = 2,
  rsBandwidth = 3,
  rsCapacity = 4,
  rsNotPermitted = 5
};

uint32_t ConnectionLimit(const TUser& AUser, const TDatePattern& ANow) {
  return AUser.Connections().ActiveAt(ANow).Value;
}

}  // namespace

// The candidate test shared by both resolutions: false when R cannot take
// the call; AResult is set where the refusal has a reason.
bool TGatekeeper::TestCandidate(const TStringList& AAliases, TEndpointRegisterInfo* ACaller,
                                TEndpointRegisterInfo* ACandidate, TCompetitorInfo& AOut, int& AResult) {
  TUser* user = ACandidate->User();
  if (!user || ACandidate->State() != TEndpointRegisterInfo::esRegistered) return false;
  if (ACandidate->CallSignalAddress.sin_addr.s_addr == 0 && ACandidate->CallSignalAddress.sin_port == 0) return false;
  if (user->IsGatekeeper() && !FindRegisteredLink(ACandidate)) return false;
  const TDatePattern now = TClock::Now();
  uint32_t best = TAliasExp::NoCost;
  unsigned matched = 0, unmatched = 0;
  for (const orvo::string& alias : AAliases) {
    const TAliasExp* rule = nullptr;
    if (alias.length() != 0)
      for (TAliasExp* candidate : user->AliasRules()) {
        if (!candidate->IsActive(now)) continue;
        orvo::regexp& pattern = candidate->Pattern.PatternIn(&ACandidate->Variables());
        const bool hit = pattern.match(alias);
        pattern.releaseSubject();
        if (hit) {
          rule = candidate;
          break;
        }
      }
    if (rule && rule->Allow) {
      ++matched;
      if (rule->Cost < best) best = rule->Cost;
    } else {
      ++unmatched;
    }
  }
  if (matched == 0) return false;
  if (unmatched != 0) {
    AResult = rsAliasesInconsistent;
    return false;
  }
  if (!ACaller->User() || !ACaller->User()->CanDial(*user)) {
    AResult = rsNotPermitted;
    return false;
  }
  AOut.Cost = best != TAliasExp::NoCost ? best : user->Cost().ActiveAt(now).Value;
  AOut.AvailableBandwidth = AvailableBandwidth(ACaller, ACandidate);
  AOut.Load = (double(ACandidate->CountConnections()) + 1) / double(ConnectionLimit(*user, now));
  AOut.RegistrationTime = ACandidate->TimeStamp;
  return true;
}

bool TGatekeeper::ResolveCall(const TStringList& AAliases, TEndpointRegisterInfo* ACaller, uint32_t ABandwidth,
                              TCompetitorsInfo& ACompetitors, int& AResult) {
  AResult = rsNone;
  if (!ACaller || ACaller->State() != TEndpointRegisterInfo::esRegistered) {
    AResult = rsNotPermitted;
    return false;
  }
  const TDatePattern now = TClock::Now();
  FRegistrations.ForEach([&](TEndpointRegisterInfo* ACandidate) {
    TCompetitorInfo probe(this);
    if (!TestCandidate(AAliases, ACaller, ACandidate, probe, AResult)) return false;
    if (probe.AvailableBandwidth < ABandwidth) {
      AResult = rsBandwidth;
      return false;
    }
    if (ACandidate->CountConnections() >= ConnectionLimit(*ACandidate->User(), now)) {
      AResult = rsCapacity;
      return false;
    }
    auto* candidate = new TCompetitorInfo(probe);
    candidate->SetEndpoint(ACandidate);
    if (!ACandidate->User()->IsGatekeeper()) {
      candidate->IsEndpoint = true;
      candidate->RasAddress = ACandidate->RasAddress;
      candidate->CallSignalAddress = ACandidate->CallSignalAddress;
    }
    ACompetitors.Insert(candidate);
    return false;
  });
  if (AResult == rsNone && ACompetitors.empty()) AResult = rsNoRoute;
  return !ACompetitors.empty();
}

TEndpointRegisterInfo* TGatekeeper::ResolveCallForLRQ(const TStringList& AAliases, TEndpointRegisterInfo* ARequester,
                                                      TCompetitorsInfo& ACompetitors, int& AResult) {
  AResult = rsNone;
  if (!ARequester || ARequester->State() != TEndpointRegisterInfo::esRegistered) {
    AResult = rsNotPermitted;
    return nullptr;
  }
  std::unique_ptr<TCompetitorInfo> best;
  FRegistrations.ForEach([&](TEndpointRegisterInfo* ACandidate) {
    if (!ACandidate->User() || ACandidate->User()->IsGatekeeper()) return false;
    TCompetitorInfo probe(this);
    if (!TestCandidate(AAliases, ARequester, ACandidate, probe, AResult)) return false;
    probe.IsEndpoint = true;
    probe.Endpoint.Set(ACandidate);
    if (!best || TCompetitorInfo::Precedes(probe, *best)) best.reset(new TCompetitorInfo(probe));
    return false;
  });
  FRegistrations.ForEach([&](TEndpointRegisterInfo* ACandidate) {
    if (!ACandidate->User() || !ACandidate->User()->IsGatekeeper() || !FindRegisteredLink(ACandidate)) return false;
    TCompetitorInfo probe(this);
    if (!TestCandidate(AAliases, ARequester, ACandidate, probe, AResult)) return false;
    // Ranked as an endpoint against the best local one, listed as a link.
    probe.IsEndpoint = true;
    if (best && !TCompetitorInfo::Precedes(probe, *best)) return false;
    auto* candidate = new TCompetitorInfo(probe);
    candidate->IsEndpoint = false;
    candidate->SetEndpoint(ACandidate);
    ACompetitors.Insert(candidate);
    return false;
  });
  if (AResult == rsNone && !best && ACompetitors.empty()) AResult = rsNoRoute;
  return best ? best->Endpoint.Registration() : nullptr;
}

orvo::string TranslateAlias(const orvo::string& AAlias, int ASide, const TEndpointHandle& ASender,
                            const TEndpointHandle& AReceiver) {
  TEndpointRegisterInfo* sender = ASender.Registration();
  TEndpointRegisterInfo* receiver = AReceiver.Registration();
  orvo::string outgoing = AAlias;
  if (sender && sender->User()) outgoing = sender->User()->TranslateOutgoingAlias(ASide, AAlias, ASender.LookupScope());
  if (outgoing.length() == 0) return outgoing;
  if (!receiver || !receiver->User()) return outgoing;
  return receiver->User()->TranslateIncomingAlias(ASide, outgoing, AReceiver.LookupScope());
}

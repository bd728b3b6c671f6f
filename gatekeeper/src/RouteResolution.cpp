// Which registrations may take a call, and in which order they are tried.
#include <gatekeeper/Gatekeeper.h>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

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

// What a user's alias rules say of the destination aliases: how many each
// rule list matched and refused, and the best cost of the matching rules.
struct TAliasVerdict {
  unsigned Matched = 0;
  unsigned Unmatched = 0;
  uint32_t Best = TAliasExp::NoCost;
};

TAliasVerdict JudgeAliases(TUser& AUser, TVariables* AScope, const TStringList& AAliases, const TDatePattern& ANow) {
  TAliasVerdict verdict;
  for (const orvo::string& alias : AAliases) {
    const TAliasExp* rule = nullptr;
    if (alias.length() != 0)
      for (TAliasExp* candidate : AUser.AliasRules()) {
        if (!candidate->IsActive(ANow)) continue;
        orvo::regexp& pattern = candidate->Pattern.PatternIn(AScope);
        const bool hit = pattern.match(alias);
        pattern.releaseSubject();
        if (hit) {
          rule = candidate;
          break;
        }
      }
    if (rule && rule->Allow) {
      ++verdict.Matched;
      if (rule->Cost < verdict.Best) verdict.Best = rule->Cost;
    } else {
      ++verdict.Unmatched;
    }
  }
  return verdict;
}

// Rules without a variable say the same for every registration of the user.
bool LiteralRules(const TUser& AUser) {
  for (const TAliasExp* rule : AUser.AliasRules())
    if (!rule->Pattern.IsLiteral()) return false;
  return true;
}

// True when a rule without a variable, active or not, takes one of the aliases.
bool LiteralRuleTakesOne(TUser& AUser, const TStringList& AAliases) {
  for (TAliasExp* rule : AUser.AliasRules()) {
    if (!rule->Pattern.IsLiteral()) continue;
    orvo::regexp& pattern = rule->Pattern.PatternIn(nullptr);
    for (const orvo::string& alias : AAliases) {
      if (alias.length() == 0) continue;
      const bool hit = pattern.match(alias);
      pattern.releaseSubject();
      if (hit) return true;
    }
  }
  return false;
}

// The registrations a resolution must test, in list order: those of users
// whose literal rules take none of the aliases are left out (the test would
// skip them without a reason), and the others carry their user's verdict
// when it holds for all of them. Of a user whose rules name variables and
// whose literal rules take no alias, only the registrations where such a
// rule may take one are tested: those whose value is one of the aliases,
// and those where the rule is a pattern proper.
class TCandidates {
public:
  TCandidates(TRegistrationIndex& AIndex, const TStringList& AAliases, const TDatePattern& ANow) {
    bool repeats = false;
    for (const auto& entry : AIndex.Users()) {
      TUser* user = const_cast<TUser*>(entry.first);
      if (!user) continue;
      const TAliasVerdict* verdict = nullptr;
      if (LiteralRules(*user)) {
        const TAliasVerdict judged = JudgeAliases(*user, nullptr, AAliases, ANow);
        if (judged.Matched == 0) continue;
        verdict = &(Verdicts[user] = judged);
      } else if (!LiteralRuleTakesOne(*user, AAliases)) {
        for (const orvo::string& alias : AAliases)
          if (const TRegistrationIndex::TBucket* holders = AIndex.WithRuleValue(user, alias))
            holders->ForEach([&](const TRegistrationIndex::TBucket::TEntry& AHolder) {
              Order.push_back({AHolder.first, AHolder.second, nullptr});
            });
        if (const TRegistrationIndex::TGroup* others = AIndex.WithPatternRules(user))
          for (const auto& member : *others) Order.push_back({member.first, member.second, nullptr});
        repeats = true;
        continue;
      }
      for (const auto& member : entry.second) Order.push_back({member.first, member.second, verdict});
    }
    std::sort(Order.begin(), Order.end(), [](const TEntry& A, const TEntry& B) { return A.Place < B.Place; });
    if (repeats)
      Order.erase(std::unique(Order.begin(), Order.end(),
                              [](const TEntry& A, const TEntry& B) { return A.Place == B.Place; }),
                  Order.end());
  }

  struct TEntry {
    uint64_t Place;
    TEndpointRegisterInfo* Registration;
    const TAliasVerdict* Verdict;
  };
  std::vector<TEntry> Order;

private:
  // Node-based: the entries point into it.
  std::map<const TUser*, TAliasVerdict> Verdicts;
};

// The candidate test shared by both resolutions: false when R cannot take
// the call; AResult is set where the refusal has a reason.
bool TestCandidate(TGatekeeper& ACore, const TStringList& AAliases, TEndpointRegisterInfo* ACaller,
                   const TCandidates::TEntry& AEntry, const TDatePattern& ANow, TCompetitorInfo& AOut, int& AResult) {
  TEndpointRegisterInfo* candidate = AEntry.Registration;
  TUser* user = candidate->User();
  if (!user || candidate->State() != TEndpointRegisterInfo::esRegistered) return false;
  if (candidate->CallSignalAddress.sin_addr.s_addr == 0 && candidate->CallSignalAddress.sin_port == 0) return false;
  if (user->IsGatekeeper() && !ACore.FindRegisteredLink(candidate)) return false;
  const TAliasVerdict verdict =
      AEntry.Verdict ? *AEntry.Verdict : JudgeAliases(*user, &candidate->Variables(), AAliases, ANow);
  if (verdict.Matched == 0) return false;
  if (verdict.Unmatched != 0) {
    AResult = rsAliasesInconsistent;
    return false;
  }
  if (!ACaller->User() || !ACaller->User()->CanDial(*user)) {
    AResult = rsNotPermitted;
    return false;
  }
  AOut.Cost = verdict.Best != TAliasExp::NoCost ? verdict.Best : user->Cost().ActiveAt(ANow).Value;
  AOut.AvailableBandwidth = ACore.AvailableBandwidth(ACaller, candidate);
  AOut.Load = (double(candidate->CountConnections()) + 1) / double(ConnectionLimit(*user, ANow));
  AOut.RegistrationTime = candidate->TimeStamp;
  return true;
}

}  // namespace

bool TGatekeeper::ResolveCall(const TStringList& AAliases, TEndpointRegisterInfo* ACaller, uint32_t ABandwidth,
                              TCompetitorsInfo& ACompetitors, int& AResult) {
  AResult = rsNone;
  if (!ACaller || ACaller->State() != TEndpointRegisterInfo::esRegistered) {
    AResult = rsNotPermitted;
    return false;
  }
  const TDatePattern now = TClock::Now();
  const TCandidates candidates(FRegistrationIndex, AAliases, now);
  for (const TCandidates::TEntry& entry : candidates.Order) {
    TEndpointRegisterInfo* registration = entry.Registration;
    TCompetitorInfo probe(this);
    if (!TestCandidate(*this, AAliases, ACaller, entry, now, probe, AResult)) continue;
    if (probe.AvailableBandwidth < ABandwidth) {
      AResult = rsBandwidth;
      continue;
    }
    if (registration->CountConnections() >= ConnectionLimit(*registration->User(), now)) {
      AResult = rsCapacity;
      continue;
    }
    auto* candidate = new TCompetitorInfo(probe);
    candidate->SetEndpoint(registration);
    if (!registration->User()->IsGatekeeper()) {
      candidate->IsEndpoint = true;
      candidate->RasAddress = registration->RasAddress;
      candidate->CallSignalAddress = registration->CallSignalAddress;
    }
    ACompetitors.Insert(candidate);
  }
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
  const TDatePattern now = TClock::Now();
  const TCandidates candidates(FRegistrationIndex, AAliases, now);
  std::unique_ptr<TCompetitorInfo> best;
  for (const TCandidates::TEntry& entry : candidates.Order) {
    TEndpointRegisterInfo* registration = entry.Registration;
    if (!registration->User() || registration->User()->IsGatekeeper()) continue;
    TCompetitorInfo probe(this);
    if (!TestCandidate(*this, AAliases, ARequester, entry, now, probe, AResult)) continue;
    probe.IsEndpoint = true;
    probe.Endpoint.Set(registration);
    if (!best || TCompetitorInfo::Precedes(probe, *best)) best.reset(new TCompetitorInfo(probe));
  }
  for (const TCandidates::TEntry& entry : candidates.Order) {
    TEndpointRegisterInfo* registration = entry.Registration;
    if (!registration->User() || !registration->User()->IsGatekeeper() || !FindRegisteredLink(registration)) continue;
    TCompetitorInfo probe(this);
    if (!TestCandidate(*this, AAliases, ARequester, entry, now, probe, AResult)) continue;
    // Ranked as an endpoint against the best local one, listed as a link.
    probe.IsEndpoint = true;
    if (best && !TCompetitorInfo::Precedes(probe, *best)) continue;
    auto* candidate = new TCompetitorInfo(probe);
    candidate->IsEndpoint = false;
    candidate->SetEndpoint(registration);
    ACompetitors.Insert(candidate);
  }
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

// Route candidates: their order, the resolution of a call over hand-made
// registrations, the location variant's two passes, alias translation and
// the per-call scopes of the candidates.
#include <gatekeeper/CompetitorInfo.h>

#include <gtest/gtest.h>

#include <config/LinkedUser.h>
#include <config/User.h>

#include <gatekeeper/Gatekeeper.h>

#include "CoreWithUsers.h"
#include "orvoTesting.h"

namespace {

struct TCandidate {
  bool endpoint;
  uint32_t cost, bandwidth;
  double load;
  int second;  // registration time: seconds after a fixed moment
};

TCompetitorInfo* Make(const TCandidate& A, int ATag) {
  auto* c = new TCompetitorInfo;
  c->IsEndpoint = A.endpoint;
  c->Cost = A.cost;
  c->AvailableBandwidth = A.bandwidth;
  c->Load = A.load;
  c->RegistrationTime = orvo::dateTime(1, 1, 2026, 0, 0, A.second % 60, 0) +
                        orvo::timeSpan::fromMilliseconds(int64_t(A.second / 60) * 86400000);
  c->CallSignalAddress.sin_port = uint16_t(ATag);
  return c;
}

// The tags in list order after inserting the candidates in the order given.
std::string Order(const std::vector<TCandidate>& ACandidates) {
  TCompetitorsInfo list;
  int tag = 0;
  for (const TCandidate& c : ACandidates) list.Insert(Make(c, tag++));
  std::string order;
  for (const TCompetitorInfo* c : list) order += char('a' + c->CallSignalAddress.sin_port);
  return order;
}

const double NaN = 0.0 / 0.0;
const double Infinite = 1.0 / 0.0;

struct TLink : TGatekeeperLink {
  TLink() : TGatekeeperLink(&TLink::Idle) {}
  TPerformFunctionResult Idle() { return nullptr; }
};

}  // namespace

TEST(RouteResolution, CandidateOrder) {
  const uint32_t U = TCompetitorInfo::Unlimited;
  const struct {
    std::vector<TCandidate> candidates;
    const char* order;
    const char* why;
  } cases[] = {
      {{{false, 1, U, 0, 0}, {true, 50, 10, 9, 5}}, "ba", "a neighbour not yet located goes after an endpoint"},
      {{{true, 50, 10, 9, 5}, {false, 1, U, 0, 0}}, "ba", "inserted later it is ranked by cost"},
      {{{false, 1, U, 0, 0}, {false, 0, U, 0, 0}}, "ab", "two neighbours keep their order"},
      {{{true, 20, 10, 0.1, 0}, {true, 10, 10, 0.9, 9}}, "ba", "lower cost first, whatever the load"},
      {{{true, 0xFFFFFFFFu, U, 0, 0}, {true, 7, 1, 1, 1}}, "ba", "no cost is the highest cost"},
      {{{true, 10, 100, 0.1, 0}, {true, 10, 200, 0.9, 9}}, "ba", "equal cost: more bandwidth first"},
      {{{true, 10, 100, 0.5, 0}, {true, 10, 100, 0.25, 9}}, "ba", "equal bandwidth: lower load first"},
      {{{true, 10, 100, Infinite, 0}, {true, 10, 100, 2, 9}}, "ba", "a limit of 0 ranks last"},
      {{{true, 10, 100, 0.5, 9}, {true, 10, 100, 0.5, 3}}, "ba", "equal load: earlier registration first"},
      {{{true, 10, 100, 0.5, 60}, {true, 10, 100, 0.5, 61}}, "ab", "day before milliseconds"},
      {{{true, 10, 100, 0.5, 3}, {true, 10, 100, 0.5, 3}, {true, 10, 100, 0.5, 3}}, "abc", "equal: insertion order"},
      {{{true, 10, 100, NaN, 3}, {true, 10, 100, 0.5, 9}}, "ab", "unordered load does not go first..."},
      {{{true, 10, 100, 0.5, 9}, {true, 10, 100, NaN, 3}}, "ab", "...and is not passed either"},
      {{{true, 30, 1, 0, 0}, {true, 10, 1, 0, 0}, {true, 20, 1, 0, 0}}, "bca", "sorted insertion in the middle"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.order, Order(c.candidates)) << c.why;
}

namespace {

const char* const Routes =
    "system { address 127.0.0.1; ras port 0; }\n"
    "zone small { bandwidth 1K; }\nzone big { bandwidth 64K; }\n"
    "user orig { location big; }\n"
    "user cheap { alias \"2.*\" cost 10; location big; }\n"
    "user dear { alias \"2.*\" cost 20; location big; }\n"
    "user plain { alias \"2.*\"; cost 15; location big; }\n"
    "user narrow { alias \"2.*\"; location small; }\n"
    "user busy { alias \"2.*\"; connections 0; location big; }\n"
    "user half { alias \"20\"; alias \"21\" no; location big; }\n"
    "user closed { alias \"2.*\"; location big; }\n"
    "user picky { dial closed no; dial yes; location big; }\n"
    "user other { alias \"3.*\"; location big; }\n"
    "gatekeeper nb { alias \"2.*\" cost 5; ras address 10.0.0.8; }\n"
    "gatekeeper far { alias \"2.*\" cost 50; ras address 10.0.0.9; }\n";

std::string Names(const TCompetitorsInfo& AList) {
  std::string names;
  for (const TCompetitorInfo* c : AList)
    names += toStd(c->Endpoint.Registration()->User()->Identifier()) + (c->IsEndpoint ? " " : "* ");
  return names;
}

TStringList Aliases(std::initializer_list<const char*> ATexts) {
  TStringList list;
  for (const char* text : ATexts) list.append(text);
  return list;
}

}  // namespace

TEST(RouteResolution, ResolveCall) {
  const struct {
    std::vector<const char*> registered;
    std::vector<const char*> aliases;
    const char* caller;
    uint32_t bandwidth;
    bool found;
    const char* candidates;
    int result;
    const char* why;
  } cases[] = {
      {{"dear", "cheap"}, {"200"}, "orig", 1, true, "cheap dear ", 0, "cost orders"},
      {{"plain", "dear", "cheap"}, {"200"}, "orig", 1, true, "cheap plain dear ", 0, "cost option without alias cost"},
      {{"other"}, {"200"}, "orig", 1, false, "", 1, "nobody takes the alias"},
      {{"half"}, {"20", "21"}, "orig", 1, false, "", 2, "one alias refused: inconsistent"},
      {{"half"}, {""}, "orig", 1, false, "", 1, "an empty alias matches nothing"},
      {{"closed"}, {"200"}, "picky", 1, false, "", 5, "the caller may not dial the user"},
      {{"narrow"}, {"200"}, "orig", 20, false, "", 3, "not enough bandwidth on the path"},
      {{"busy"}, {"200"}, "orig", 1, false, "", 4, "connection limit reached"},
      {{"busy", "narrow"}, {"200"}, "orig", 20, false, "", 3, "the last skip wins: bandwidth"},
      {{"narrow", "busy"}, {"200"}, "orig", 20, false, "", 4, "the last skip wins: capacity"},
      {{"busy", "cheap"}, {"200"}, "orig", 1, true, "cheap ", 4, "a skip is kept beside a found route"},
  };
  for (const auto& c : cases) {
    TCoreWithUsers gk(Routes);
    TEndpointRegisterInfo* caller = gk.Register(c.caller, 2);
    unsigned host = 10;
    for (const char* name : c.registered) gk.Register(name, host++);
    TStringList aliases;
    for (const char* a : c.aliases) aliases.append(a);
    TCompetitorsInfo list;
    int result = -1;
    EXPECT_EQ(c.found, gk.Core.ResolveCall(aliases, caller, c.bandwidth, list, result)) << c.why;
    EXPECT_EQ(c.candidates, Names(list)) << c.why;
    EXPECT_EQ(c.result, result) << c.why;
  }
}

TEST(RouteResolution, UnregisteredCallerIsNotPermitted) {
  TCoreWithUsers gk(Routes);
  TEndpointRegisterInfo* caller = gk.Register("orig", 2);
  gk.Register("cheap", 3);
  caller->SetState(TEndpointRegisterInfo::esUnregistering);
  TCompetitorsInfo list;
  int result = 0;
  EXPECT_FALSE(gk.Core.ResolveCall(Aliases({"200"}), caller, 1, list, result));
  EXPECT_EQ(5, result);
  EXPECT_EQ(nullptr, gk.Core.ResolveCallForLRQ(Aliases({"200"}), caller, list, result));
  EXPECT_EQ(5, result);
}

// Local endpoints first, each compared as an endpoint; then the linked
// neighbours, listed only when better than the best local one.
TEST(RouteResolution, LocationTwoPasses) {
  const struct {
    std::vector<const char*> registered;
    const char* best;
    const char* listed;
    int result;
  } cases[] = {
      {{"dear", "cheap", "nb", "far"}, "cheap", "nb* ", 0},
      {{"nb", "far"}, "", "nb* far* ", 0},
      {{"busy", "far"}, "busy", "far* ", 0},  // no capacity limit; no cost ranks after 50
      {{"other"}, "", "", 1},
  };
  for (const auto& c : cases) {
    TCoreWithUsers gk(Routes);
    TEndpointRegisterInfo* requester = gk.Register("orig", 2);
    unsigned host = 10;
    for (const char* name : c.registered) gk.Register(name, host++);
    for (const char* name : {"nb", "far"}) {
      auto* link = new TLink;
      link->User = static_cast<TLinkedUser*>(gk.User(name));
      link->LinkState = TGatekeeperLink::lsRegistered;
      gk.Core.Links().Attach(link);
    }
    TCompetitorsInfo list;
    int result = -1;
    TEndpointRegisterInfo* best = gk.Core.ResolveCallForLRQ(Aliases({"200"}), requester, list, result);
    EXPECT_EQ(c.best, best ? toStd(best->User()->Identifier()) : std::string()) << c.listed;
    EXPECT_EQ(c.listed, Names(list));
    EXPECT_EQ(c.result, result) << c.listed;
  }
}

TEST(RouteResolution, TranslateAlias) {
  TCoreWithUsers gk(
      "system { address 127.0.0.1; ras port 0; }\n"
      "user a { translate outgoing callee alias \"9(.*)\" to \"\\1\"; "
      "translate outgoing callee alias \"0.*\" to \"\"; }\n"
      "user b { translate incoming callee alias \"(.*)\" to \"+49\\1\"; }\n");
  TEndpointHandle sender(gk.Register("a", 2)), receiver(gk.Register("b", 3));
  const struct {
    const char* alias;
    int side;
    const char* seen;
  } cases[] = {{"9123", 1, "+49123"}, {"0123", 1, ""}, {"555", 1, "+49555"}, {"9123", 0, "9123"}};
  for (const auto& c : cases)
    EXPECT_EQ(c.seen, toStd(TranslateAlias(c.alias, c.side, sender, receiver))) << c.alias << " side " << c.side;
}

// A copy's scope reads through the source's, which lives as long as any
// copy: the candidate's list may drop the source first.
TEST(RouteResolution, CopiedScopeOutlivesItsSource) {
  TCoreWithUsers gk("system { address 127.0.0.1; ras port 0; }\nuser a;\n");
  TEndpointRegisterInfo* a = gk.Register("a", 2);
  a->Variables().Set("zone", "north");
  auto* source = new TCompetitorInfo;
  source->Endpoint.Set(a);
  source->Endpoint.WritableScope().Set("route", "first");
  TEndpointHandle copy(source->Endpoint);
  TEndpointHandle second(copy);
  delete source;
  const struct {
    const TEndpointHandle* handle;
    const char* name;
    const char* value;
  } cases[] = {{&copy, "route", "first"}, {&copy, "zone", "north"}, {&second, "route", "first"}};
  for (const auto& c : cases) {
    ASSERT_NE(nullptr, c.handle->LookupScope());
    const TVariable* found = c.handle->LookupScope()->Find(c.name);
    ASSERT_NE(nullptr, found) << c.name;
    EXPECT_EQ(c.value, toStd(found->Value())) << c.name;
  }
  EXPECT_EQ(nullptr, copy.Scope()->FindOwn("route")) << "a copy starts empty";

  TEndpointHandle taken;
  taken.Take(copy);
  EXPECT_EQ(a, taken.Registration());
  EXPECT_NE(nullptr, taken.Scope());
  EXPECT_EQ(nullptr, copy.Scope()) << "the source loses its scope";
  EXPECT_EQ(a, copy.Registration()) << "and keeps its registration";
  taken.Set(a);
  EXPECT_NE(nullptr, taken.Scope()) << "the same registration keeps the scope";
  taken.Set(nullptr);
  EXPECT_EQ(nullptr, taken.Scope());
}

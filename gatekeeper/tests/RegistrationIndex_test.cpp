// The indexes over registrations, calls and pending procedures give the
// answers of the walks they replace: the first in list order, whatever the
// order in which records came, changed and went.
#include <gatekeeper/RegistrationIndex.h>

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <thread>

#include <orvo/sockEvent.h>
#include <orvo/socketAddress.h>
#include <orvo/timerClock.h>

#include <config/User.h>
#include <config/Zone.h>
#include <h323/alias.h>

#include <gatekeeper/CompetitorInfo.h>
#include <gatekeeper/RASProcedure.h>
#include <gatekeeper/StringLists.h>

#include "CoreWithUsers.h"
#include "SimulatedEndpoint.h"

namespace {

const char* const Users =
    "system { address 127.0.0.1; ras port 0; }\n"
    "user a { alias \"x\"; connection validity 30; }\nuser b { alias \"y\"; }\n"
    "user s { static 127.0.0.9; address 127.0.0.3 - 4; }\n";

// Aliases by text: "#100" is dialed digits 100, any other an h323-ID.
H225::aliasAddress Alias(const std::string& AText) {
  H225::aliasAddress alias;
  if (AText[0] == '#')
    H323::makeAliasAddress(alias, AText.substr(1).c_str(), 0);
  else
    H323::makeAliasAddress(alias, AText.c_str(), 1);
  return alias;
}

asn::bmpString<1u, 128u, 1> Identifier(const orvo::string& AText) {
  asn::bmpString<1u, 128u, 1> text;
  text = AText;
  return text;
}

// The walks the indexes replace, over the core's list.
TEndpointRegisterInfo* WalkAlias(TGatekeeper& ACore, const H225::aliasAddress& AAlias) {
  TEndpointRegisterInfo* found = nullptr;
  ACore.Registrations().ForEach([&](TEndpointRegisterInfo* R) {
    if (R->State() != TEndpointRegisterInfo::esRegistered) return false;
    for (const H225::aliasAddress* alias : R->Aliases)
      if (H323::aliasEquals(*alias, AAlias)) return (found = R) != nullptr;
    return false;
  });
  return found;
}

TEndpointRegisterInfo* WalkAddress(TGatekeeper& ACore, const sockaddr_in& AAddress, bool ARegistered) {
  TEndpointRegisterInfo* found = nullptr;
  ACore.Registrations().ForEach([&](TEndpointRegisterInfo* R) {
    if (ARegistered && R->State() != TEndpointRegisterInfo::esRegistered) return false;
    if (R->CallSignalAddress.sin_addr.s_addr != AAddress.sin_addr.s_addr ||
        R->CallSignalAddress.sin_port != AAddress.sin_port)
      return false;
    return (found = R) != nullptr;
  });
  return found;
}

TEndpointRegisterInfo* WalkIdentifier(TGatekeeper& ACore, const orvo::string& AText) {
  TEndpointRegisterInfo* found = nullptr;
  ACore.Registrations().ForEach([&](TEndpointRegisterInfo* R) { return R->Identifier() == AText && (found = R); });
  return found;
}

std::vector<TEndpointRegisterInfo*> WalkAnswering(TGatekeeper& ACore, const sockaddr_in& AAddress) {
  std::vector<TEndpointRegisterInfo*> found;
  ACore.Registrations().ForEach([&](TEndpointRegisterInfo* R) {
    TUser* user = R->User();
    if (R->State() != TEndpointRegisterInfo::esRegistered || !user) return false;
    if (user->HasStaticAddress() ? user->IsAddressAllowed(AAddress)
                                 : R->CallSignalAddress.sin_addr.s_addr == AAddress.sin_addr.s_addr)
      found.push_back(R);
    return found.size() == 2;
  });
  return found;
}

unsigned WalkCalls(TGatekeeper& ACore, const TEndpointRegisterInfo* R, int ASide) {
  unsigned count = 0;
  ACore.Connections().ForEach([&](TConnection* C) {
    if (C->RemovalScheduled()) return false;
    const bool caller = C->SideRegistration(0) == R, callee = C->SideRegistration(1) == R;
    if (ASide == 0 ? caller : ASide == 1 ? callee : (caller || callee)) ++count;
    return false;
  });
  return count;
}

// A participant's call as the walk over all calls finds it: by call
// identifier first, else among calls without one by conference.
TConnection* WalkParticipant(TGatekeeper& ACore, unsigned char AConference, const H225::callIdentifier* AId,
                             const TEndpointRegisterInfo* R) {
  const H323::guidOctets conference = Guid(AConference);
  auto takesPart = [&](const TConnection* C) { return C->SideRegistration(0) == R || C->SideRegistration(1) == R; };
  auto first = [&](auto ATest) {
    TConnection* found = nullptr;
    ACore.Connections().ForEach([&](TConnection* C) { return ATest(C) && (found = C); });
    return found;
  };
  if (!AId) return first([&](TConnection* C) { return C->ConferenceID().isEqual(conference) && takesPart(C); });
  if (TConnection* byId = first([&](TConnection* C) {
        return C->CallIdentifier() && C->CallIdentifier()->guid.isEqual(AId->guid) && takesPart(C);
      }))
    return byId;
  return first(
      [&](TConnection* C) { return !C->CallIdentifier() && C->ConferenceID().isEqual(conference) && takesPart(C); });
}

// A record of the user at 127.0.0.<host>:<port> with the aliases, not yet registered.
TEndpointRegisterInfo* Record(TCoreWithUsers& AGk, const std::string& AUser, unsigned AHost, unsigned APort,
                              const std::vector<std::string>& AAliases) {
  auto* record = new TEndpointRegisterInfo(&AGk.Core);
  record->SetUser(AGk.User(AUser));
  record->RasAddress = LoopbackAddress(AHost, 1719);
  record->CallSignalAddress = LoopbackAddress(AHost, APort);
  for (const std::string& text : AAliases) record->Aliases.append(new H225::aliasAddress(Alias(text)));
  return record;
}

void Advance(int64_t AMilliseconds) {
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(AMilliseconds));
  orvo::sockEvent::dispatch(0);
  orvo::sockEvent::dispatch(0);
}

}  // namespace

// Steps on records r0.. (registered in the order of their "reg" steps) and
// the holder of one alias afterwards.
TEST(RegistrationIndex, FirstHolderOfAnAliasInListOrder) {
  enum TOp { opRegister, opTakeOver, opUnregistering, opGone };
  struct TStep {
    TOp op;
    int who;
    std::vector<std::string> aliases;
    unsigned host;
  };
  const struct {
    const char* name;
    std::vector<TStep> steps;
    std::string alias;
    int holder;  // -1 none
  } cases[] = {
      {"two holders: the earlier", {{opRegister, 0, {"x"}, 2}, {opRegister, 1, {"x"}, 3}}, "x", 0},
      {"the earlier leaving",
       {{opRegister, 0, {"x"}, 2}, {opRegister, 1, {"x"}, 3}, {opUnregistering, 0, {}, 0}},
       "x",
       1},
      {"the earlier gone, a later one comes",
       {{opRegister, 0, {"x"}, 2}, {opRegister, 1, {"x"}, 3}, {opGone, 0, {}, 0}, {opRegister, 2, {"x"}, 4}},
       "x",
       1},
      {"re-registered with the alias keeps its place",
       {{opRegister, 0, {"y"}, 2}, {opRegister, 1, {"x"}, 3}, {opTakeOver, 0, {"z", "x"}, 2}},
       "x",
       0},
      {"re-registered without it",
       {{opRegister, 0, {"x"}, 2}, {opRegister, 1, {"y"}, 3}, {opTakeOver, 0, {"y"}, 2}},
       "x",
       -1},
      {"the old alias of a re-registration", {{opRegister, 0, {"x", "y"}, 2}, {opTakeOver, 0, {"y"}, 2}}, "y", 0},
      {"one record holding it twice", {{opRegister, 0, {"x", "x"}, 2}, {opTakeOver, 0, {"x"}, 2}}, "x", 0},
      {"dialed digits are not an h323-ID", {{opRegister, 0, {"100"}, 2}}, "#100", -1},
      {"h323-ID is not dialed digits", {{opRegister, 0, {"#100"}, 2}, {opRegister, 1, {"100"}, 3}}, "100", 1},
      {"case counts", {{opRegister, 0, {"X"}, 2}}, "x", -1},
      {"the later of three after the middle left",
       {{opRegister, 2, {"x"}, 4},
        {opRegister, 0, {"x"}, 2},
        {opRegister, 1, {"x"}, 3},
        {opGone, 2, {}, 0},
        {opGone, 0, {}, 0}},
       "x",
       1},
  };
  for (const auto& c : cases) {
    TCoreWithUsers gk(Users);
    TEndpointRegisterInfo* r[3] = {};
    for (const TStep& step : c.steps) switch (step.op) {
        case opRegister:
          r[step.who] = Record(gk, "a", step.host, 1720, step.aliases);
          r[step.who]->SetState(TEndpointRegisterInfo::esRegistered);
          break;
        case opTakeOver: {
          TEndpointRegisterInfo* fresh = Record(gk, "a", step.host, 1720, step.aliases);
          r[step.who]->TakeOver(*fresh);
          delete fresh;
          break;
        }
        case opUnregistering:
          r[step.who]->SetState(TEndpointRegisterInfo::esUnregistering);
          break;
        case opGone:
          r[step.who]->SetState(TEndpointRegisterInfo::esUnregistered);
          r[step.who] = nullptr;
          break;
      }
    TEndpointRegisterInfo* expected = c.holder < 0 ? nullptr : r[c.holder];
    EXPECT_EQ(expected, gk.Core.FindEndpointByAlias(Alias(c.alias))) << c.name;
    EXPECT_EQ(WalkAlias(gk.Core, Alias(c.alias)), gk.Core.FindEndpointByAlias(Alias(c.alias))) << c.name;
  }
}

// Records come, change (aliases, addresses, users, identifiers) and go in
// an order drawn from a fixed seed; after each step every lookup answers
// as the walk over the list does.
TEST(RegistrationIndex, LookupsAnswerAsTheWalkAfterEveryChange) {
  TCoreWithUsers gk(Users);
  std::mt19937 random(33);
  auto pick = [&](unsigned AUpTo) { return unsigned(random() % AUpTo); };
  const std::vector<std::string> pool = {"x", "y", "#100", "100", "z"};
  auto someAliases = [&] {
    std::vector<std::string> aliases;
    for (const std::string& text : pool)
      if (pick(3) == 0) aliases.push_back(text);
    return aliases;
  };
  std::vector<TEndpointRegisterInfo*> live;
  std::vector<TConnection*> calls;
  auto forget = [&](TEndpointRegisterInfo* R) { live.erase(std::find(live.begin(), live.end(), R)); };
  for (int step = 0; step < 600; ++step) {
    const unsigned what = live.empty() ? 0 : pick(9);
    TEndpointRegisterInfo* some = live.empty() ? nullptr : live[pick(unsigned(live.size()))];
    switch (what) {
      case 0:
      case 1: {
        static const char* const names[] = {"a", "b", "a", "b", "s"};
        TEndpointRegisterInfo* record = Record(gk, names[pick(5)], 2 + pick(4), 1720 + pick(2), someAliases());
        if (pick(2)) record->Identifier();  // built now or at first lookup
        record->SetState(TEndpointRegisterInfo::esRegistered);
        live.push_back(record);
        break;
      }
      case 2: {
        TEndpointRegisterInfo* fresh = Record(gk, pick(2) ? "a" : "b", 2 + pick(4), 1720 + pick(2), someAliases());
        some->TakeOver(*fresh);
        delete fresh;
        break;
      }
      case 3:
        some->SetState(TEndpointRegisterInfo::esUnregistering);
        break;
      case 4:
        forget(some);
        some->SetState(TEndpointRegisterInfo::esUnregistered);
        break;
      case 5: {
        TEndpointRegisterInfo* other = live[pick(unsigned(live.size()))];
        calls.push_back(new TConnection(&gk.Core, TEndpointHandle(some), TEndpointHandle(pick(3) ? other : nullptr), 1,
                                        Guid(1), nullptr));
        break;
      }
      case 6:
        if (calls.empty()) break;
        if (pick(2))
          calls[pick(unsigned(calls.size()))]->ScheduleRemoval();
        else
          calls[pick(unsigned(calls.size()))]->AttachCallIdentifier(CallId((unsigned char)(1 + pick(3))));
        break;
      case 7: {
        TEndpointRegisterInfo copy(&gk.Core);
        copy = *live[pick(unsigned(live.size()))];
        *some = copy;  // takes the other's addresses, aliases and identifier
        break;
      }
      default:
        some->SetUser(gk.User(pick(2) ? "a" : "b"));
        break;
    }
    for (unsigned host = 2; host < 6; ++host)
      for (unsigned port = 1720; port < 1722; ++port) {
        const sockaddr_in address = LoopbackAddress(host, port);
        ASSERT_EQ(WalkAddress(gk.Core, address, true), gk.Core.FindEndpointByCallSignalAddress(address)) << step;
        ASSERT_EQ(WalkAddress(gk.Core, address, false), gk.Core.RegistrationIndex().ByCallSignalAddress(address, false))
            << step;
        ASSERT_EQ(WalkAnswering(gk.Core, address), gk.Core.RegistrationIndex().AnsweringFor(address, 2)) << step;
        orvo::string identifier;
        identifier.format("7f0000%02x:%x", host, port);
        ASSERT_EQ(WalkIdentifier(gk.Core, identifier), gk.Core.FindEndpointByIdentifier(Identifier(identifier)))
            << step << " " << identifier.buffer();
      }
    for (const std::string& text : pool)
      ASSERT_EQ(WalkAlias(gk.Core, Alias(text)), gk.Core.FindEndpointByAlias(Alias(text))) << step << " " << text;
    for (TEndpointRegisterInfo* R : live)
      for (unsigned char conference = 1; conference <= 3; ++conference) {
        const H225::callIdentifier id = CallId(conference);
        for (const H225::callIdentifier* asked : {(const H225::callIdentifier*)nullptr, &id})
          ASSERT_EQ(WalkParticipant(gk.Core, conference, asked, R),
                    gk.Core.FindParticipantConnection(Guid(conference), asked, R))
              << step << " conference " << int(conference) << (asked ? " with call identifier" : "");
      }
    for (TEndpointRegisterInfo* R : live)
      for (int side : {-1, 0, 1})
        ASSERT_EQ(WalkCalls(gk.Core, R, side), side < 0 ? R->CountConnections() : R->CountConnectionsAs(side))
            << step << " side " << side;
    // Ended calls leave now and then, as their removal timers would.
    if (step % 50 == 49) {
      Advance(1500);
      calls.clear();
      gk.Core.Connections().ForEach([&](TConnection* C) {
        calls.push_back(C);
        return false;
      });
    }
  }
}

// A walk of the list that ends registrations on its way: the index no
// longer answers with them, the walk goes on with those that remain.
TEST(RegistrationIndex, RemovalInTheMiddleOfAWalk) {
  TCoreWithUsers gk(Users);
  TEndpointRegisterInfo* r[4];
  for (unsigned i = 0; i < 4; ++i) r[i] = gk.Register("a", 2 + i, {"x"});
  std::vector<TEndpointRegisterInfo*> visited, holders;
  gk.Core.Registrations().ForEach([&](TEndpointRegisterInfo* R) {
    visited.push_back(R);
    if (R == r[1]) {
      r[0]->SetState(TEndpointRegisterInfo::esUnregistered);
      r[2]->SetState(TEndpointRegisterInfo::esUnregistered);
    }
    holders.push_back(gk.Core.FindEndpointByAlias(Alias("x")));
    return false;
  });
  EXPECT_EQ((std::vector<TEndpointRegisterInfo*>{r[0], r[1], r[3]}), visited);
  EXPECT_EQ((std::vector<TEndpointRegisterInfo*>{r[0], r[1], r[1]}), holders);
  EXPECT_EQ(nullptr, gk.Core.FindEndpointByCallSignalAddress(LoopbackAddress(4, 1720)));
  EXPECT_EQ(2u, gk.Core.RegistrationIndex().Count());
}

// An identifier is built on first use; a record re-registered from another
// address before anyone asked carries the new one.
TEST(RegistrationIndex, IdentifiersBuiltOnFirstUse) {
  TCoreWithUsers gk(Users);
  TEndpointRegisterInfo* r = gk.Register("a", 2, {"x"});
  TEndpointRegisterInfo* fresh = Record(gk, "a", 3, 1720, {"x"});
  r->TakeOver(*fresh);
  delete fresh;
  EXPECT_EQ(nullptr, gk.Core.FindEndpointByIdentifier(Identifier("7f000002:6b8")));
  EXPECT_EQ(r, gk.Core.FindEndpointByIdentifier(Identifier("7f000003:6b8")));
  // Once built it stays, whatever the address does.
  fresh = Record(gk, "a", 4, 1720, {"x"});
  r->TakeOver(*fresh);
  delete fresh;
  EXPECT_EQ(r, gk.Core.FindEndpointByIdentifier(Identifier("7f000003:6b8")));
  EXPECT_EQ(r, gk.Core.FindEndpointByCallSignalAddress(LoopbackAddress(4, 1720)));
  EXPECT_EQ(nullptr, gk.Core.FindEndpointByCallSignalAddress(LoopbackAddress(3, 1720)));
}

// A lookup by identifier builds those of the records before the one it
// finds, as a walk comparing them would, and none after it.
TEST(RegistrationIndex, LookupBuildsIdentifiersUpToTheMatch) {
  const struct {
    const char* asked;
    unsigned built;  // how many of the four, in list order
    int found;
  } cases[] = {
      {"7f000002:6b8", 1, 0},
      {"7f000004:6b8", 3, 2},
      {"7f000009:6b8", 4, -1},
  };
  for (const auto& c : cases) {
    TCoreWithUsers gk(Users);
    TEndpointRegisterInfo* r[4];
    for (unsigned i = 0; i < 4; ++i) r[i] = gk.Register("a", 2 + i);
    EXPECT_EQ(c.found < 0 ? nullptr : r[c.found], gk.Core.FindEndpointByIdentifier(Identifier(c.asked))) << c.asked;
    for (unsigned i = 0; i < 4; ++i) EXPECT_EQ(i < c.built, r[i]->BuiltIdentifier().length() != 0) << c.asked << i;
  }
}

// The counts of a registration's calls after the calls end each way.
TEST(RegistrationIndex, CallCountsFollowTheEndOfCalls) {
  enum TEnd { byRemoval, byDisengageRequest, bySupervision, byCallerGone, byCalleeGone, byDetach, byRetermination };
  // Before: the caller in calls 1 and 2 as caller and in call 3 on both
  // sides (3 calls, 3 as caller, 1 as callee); the callee in calls 1 and 2.
  const struct {
    const char* name;
    TEnd end;
    unsigned callerCalls, callerAsCaller, callerAsCallee, calleeCalls, calleeAsCallee;
  } cases[] = {
      {"removal scheduled", byRemoval, 2, 2, 1, 1, 1},
      {"DRQ from the caller", byDisengageRequest, 2, 2, 1, 1, 1},
      {"no report within the connection validity", bySupervision, 2, 2, 1, 1, 1},
      {"caller unregistered", byCallerGone, 0, 0, 0, 2, 2},
      {"callee unregistered", byCalleeGone, 3, 3, 1, 0, 0},
      {"left the list", byDetach, 2, 2, 1, 1, 1},
      {"callee replaced by the caller", byRetermination, 3, 3, 2, 1, 1},
  };
  for (const auto& c : cases) {
    TCoreWithUsers gk(Users);
    TEndpointRegisterInfo* caller = gk.Register("a", 2, {"x"});
    TEndpointRegisterInfo* callee = gk.Register("a", 3, {"y"});
    // A second call keeps one count each, a third one on both sides of the caller.
    new TConnection(&gk.Core, TEndpointHandle(caller), TEndpointHandle(callee), 2, Guid(2), nullptr);
    new TConnection(&gk.Core, TEndpointHandle(caller), TEndpointHandle(caller), 3, Guid(3), nullptr);
    auto* call = new TConnection(&gk.Core, TEndpointHandle(caller), TEndpointHandle(callee), 1, Guid(1), nullptr);
    ASSERT_EQ(3u, caller->CountConnections()) << c.name;
    ASSERT_EQ(3u, caller->CountConnectionsAs(0)) << c.name;
    ASSERT_EQ(1u, caller->CountConnectionsAs(1)) << c.name;
    ASSERT_EQ(2u, callee->CountConnections()) << c.name;
    switch (c.end) {
      case byRemoval:
        call->ScheduleRemoval();
        break;
      case byDisengageRequest: {
        H225::rasMessage drq;
        auto* request = static_cast<H225::disengageRequest*>(drq.select(15));
        request->requestSeqNum = 5;
        request->endpointIdentifier = caller->Identifier();
        request->conferenceID = Guid(1);
        request->callReferenceValue = 1;
        request->disengageReason.select(1);
        gk.Core.HandleRasMessage(caller->RasAddress, drq);
        break;
      }
      case bySupervision:
        call->Admit(0);
        Advance(30001);
        break;
      case byCallerGone:
        caller->SetState(TEndpointRegisterInfo::esUnregistered);
        caller = nullptr;
        break;
      case byCalleeGone:
        callee->SetState(TEndpointRegisterInfo::esUnregistered);
        callee = nullptr;
        break;
      case byDetach:
        gk.Core.Connections().Detach(call);
        delete call;
        break;
      case byRetermination: {
        auto* alternative = new TConnectionAlternative;
        alternative->Endpoint.Set(caller);
        ASSERT_TRUE(call->AddAlternative(alternative));
        ASSERT_TRUE(call->Reterminate());
        break;
      }
    }
    if (caller) {
      EXPECT_EQ(c.callerCalls, caller->CountConnections()) << c.name;
      EXPECT_EQ(c.callerAsCaller, caller->CountConnectionsAs(0)) << c.name;
      EXPECT_EQ(c.callerAsCallee, caller->CountConnectionsAs(1)) << c.name;
    }
    if (callee) {
      EXPECT_EQ(c.calleeCalls, callee->CountConnections()) << c.name;
      EXPECT_EQ(c.calleeAsCallee, callee->CountConnectionsAs(1)) << c.name;
      EXPECT_EQ(c.calleeCalls != 0, gk.Core.HasConnection(callee)) << c.name;
    }
  }
}

// A registration that goes without telling its calls: they stop counting
// on it and nothing reads freed memory (the sanitizer build would tell).
TEST(RegistrationIndex, RegistrationGoneUntold) {
  TCoreWithUsers gk(Users);
  TEndpointRegisterInfo* caller = gk.Register("a", 2);
  TEndpointRegisterInfo* callee = gk.Register("a", 3);
  auto* call = new TConnection(&gk.Core, TEndpointHandle(caller), TEndpointHandle(callee), 1, Guid(1), nullptr);
  gk.Core.Registrations().Detach(callee);
  delete callee;
  EXPECT_EQ(nullptr, gk.Core.FindEndpointByCallSignalAddress(LoopbackAddress(3, 1720)));
  call->ScheduleRemoval();
  EXPECT_EQ(0u, caller->CountConnections());
}

namespace {

void ApplyReload(TGatekeeper& ACore, const std::string& AText) {
  ASSERT_TRUE(ACore.ReloadConfiguration(new std::istringstream(AText)));
  for (int wait = 0; wait < 400 && !ACore.Threads().Empty(); ++wait) {
    ACore.Threads().ForEach([](TThread* AThread) {
      if (AThread->Finished()) AThread->Run();
      return false;
    });
    if (!ACore.Threads().Empty()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ASSERT_TRUE(ACore.Threads().Empty()) << "the parse did not end";
}

std::string Path(TGatekeeper& ACore, TEndpointRegisterInfo* AFrom, TEndpointRegisterInfo* ATo) {
  std::string text;
  for (const TZone* zone : ACore.ZonePath(AFrom, ATo)) text += std::string(zone->Identifier().buffer()) + " ";
  return text;
}

std::string Route(TGatekeeper& ACore, TEndpointRegisterInfo* ACaller, const char* AAlias) {
  TStringList aliases;
  aliases.append(AAlias);
  TCompetitorsInfo competitors;
  int result = 0;
  std::string text = ACore.ResolveCall(aliases, ACaller, 1, competitors, result) ? "" : std::to_string(result);
  for (const TCompetitorInfo* candidate : competitors)
    text += candidate->Endpoint.Registration()->User()->Identifier().buffer() + std::string(" ");
  return text;
}

}  // namespace

// A reload replaces the zones and the users: the paths and the rules of the
// new configuration hold from then on, the old ones not at all.
TEST(RegistrationIndex, ReloadReplacesZonePathsAndUserRules) {
  const std::string system = "system { address 127.0.0.1; ras port 0; }\nzone A;\nzone B;\nzone C;\n";
  const struct {
    const char* name;
    std::string text;
    const char* path;
    const char* to1;
    const char* to2;
    const char* to3;
  } cases[] = {
      {"first",
       system + "link ab between A and B;\nuser a { location A; alias \"1\"; }\nuser b { location B; }\n"
                "user c { location C; alias \"2\"; alias \"3\" no; }\n",
       "A ab B ", "a ", "c ", "1"},
      {"zones linked through C, rules moved",
       system + "link ac between A and C;\nlink cb between C and B;\n"
                "user a { location A; }\nuser b { location B; alias \"1\"; }\nuser c { location C; alias \"3\"; }\n",
       "A ac C cb B ", "b ", "1", "c "},
      {"back again",
       system + "link ab between A and B;\nuser a { location A; alias \"1\"; }\nuser b { location B; }\n"
                "user c { location C; alias \"2\"; alias \"3\" no; }\n",
       "A ab B ", "a ", "c ", "1"},
      {"user c gone",
       system + "link ab between A and B;\nuser a { location A; alias \"1\"; }\nuser b { location B; }\n", "A ab B ",
       "a ", "1", "1"},
  };
  TCoreWithUsers gk(cases[0].text);
  TEndpointRegisterInfo* a = gk.Register("a", 2);
  TEndpointRegisterInfo* b = gk.Register("b", 3);
  gk.Register("c", 4);
  for (const auto& c : cases) {
    if (&c != &cases[0]) ApplyReload(gk.Core, c.text);
    EXPECT_EQ(c.path, Path(gk.Core, a, b)) << c.name;
    EXPECT_EQ(c.path, Path(gk.Core, a, b)) << c.name << ", asked again";
    EXPECT_EQ(c.to1, Route(gk.Core, a, "1")) << c.name;
    EXPECT_EQ(c.to2, Route(gk.Core, a, "2")) << c.name;
    EXPECT_EQ(c.to3, Route(gk.Core, a, "3")) << c.name;
  }
}

namespace {

// A procedure that waits for the answer numbered as told and records what
// it was offered.
class TWaiting : public TProcessor {
public:
  TWaiting(TGatekeeper& ACore, unsigned ANumber, bool ATakes, std::vector<std::string>* ALog, const char* AName)
      : TProcessor(&TWaiting::Idle), Core(ACore), Number(ANumber), Takes(ATakes), Log(ALog), Name(AName) {}
  bool OnEvent(int ACode, void*, uint32_t AFirst, uint32_t) override {
    if (ACode != 0) return false;
    Log->push_back(Name + std::to_string(AFirst));
    return Takes && AFirst == Number;
  }
  void Wait() {
    Core.RASProcedures().Attach(this);
    if (Number != 0) Core.RasProcedureIndex().Key(this, Number);
  }
  void Renumber(unsigned ANumber) {
    Number = ANumber;
    Core.RasProcedureIndex().Key(this, Number);
  }

private:
  TPerformFunctionResult Idle() { return nullptr; }
  TGatekeeper& Core;
  unsigned Number;
  bool Takes;
  std::vector<std::string>* Log;
  std::string Name;
};

}  // namespace

// Answers reach the procedures waiting for their number and those that
// never named one, in the order they joined; the first that takes it ends
// the offer.
TEST(RegistrationIndex, AnswersOfferedByNumberInListOrder) {
  TGatekeeper core;
  std::vector<std::string> log;
  auto* p = new TWaiting(core, 7, true, &log, "p");
  auto* any = new TWaiting(core, 0, false, &log, "any");
  auto* q = new TWaiting(core, 7, true, &log, "q");
  auto* r = new TWaiting(core, 8, true, &log, "r");
  for (TWaiting* w : {p, any, q, r}) w->Wait();
  H225::rasMessage message;
  const struct {
    unsigned number;
    const char* offered;
    bool taken;
  } cases[] = {
      {7, "p7 ", true},
      {8, "any8 r8 ", true},
      {9, "any9 ", false},
  };
  for (const auto& c : cases) {
    log.clear();
    EXPECT_EQ(c.taken, core.BroadcastEvent(0, &message, c.number));
    std::string offered;
    for (const std::string& name : log) offered += name + " ";
    EXPECT_EQ(c.offered, offered) << c.number;
  }
  // p waits for another number now; q, later in the list, takes 7.
  p->Renumber(9);
  log.clear();
  EXPECT_TRUE(core.BroadcastEvent(0, &message, 7));
  EXPECT_EQ((std::vector<std::string>{"any7", "q7"}), log);
  core.RASProcedures().Detach(q);
  delete q;
  log.clear();
  EXPECT_FALSE(core.BroadcastEvent(0, &message, 7));
  EXPECT_EQ((std::vector<std::string>{"any7"}), log);
  log.clear();
  EXPECT_TRUE(core.BroadcastEvent(0, &message, 9));
  EXPECT_EQ((std::vector<std::string>{"p9"}), log);
}

// Rules that name a variable are judged only for the registrations where
// they may take an alias: the value equal to it, or a value that is a
// pattern proper or missing. The others may take no part in any route.
TEST(RegistrationIndex, VariableRulesTestOnlyTheRegistrationsTheyMayTake) {
  TCoreWithUsers gk(
      "system { address 127.0.0.1; ras port 0; }\n"
      "user v { alias phone; }\nuser w { alias \"9.*\"; alias phone; }\nuser c { alias \"c\"; }\n");
  TEndpointRegisterInfo* caller = gk.Register("c", 1);
  const struct {
    const char* User;
    unsigned Host;
    const char* Phone;  // null: not set
  } registrations[] = {
      {"v", 2, "100"}, {"v", 3, "1.0"}, {"v", 4, "100"}, {"v", 5, nullptr}, {"v", 6, "300"}, {"w", 7, "100"},
  };
  std::vector<TEndpointRegisterInfo*> records;
  for (const auto& r : registrations) {
    TEndpointRegisterInfo* record = gk.Register(r.User, r.Host);
    if (r.Phone) record->Variables().Set("phone", r.Phone);
    record->Changed();
    records.push_back(record);
  }
  // A value that changes is found under the new one only.
  records[4]->Variables().Set("phone", "200");
  records[4]->Changed();

  auto hosts = [&](const char* AAlias) {
    TStringList aliases;
    aliases.append(AAlias);
    TCompetitorsInfo competitors;
    int result = 0;
    gk.Core.ResolveCall(aliases, caller, 1, competitors, result);
    std::vector<unsigned> found;
    for (const TCompetitorInfo* candidate : competitors)
      found.push_back(ntohl(candidate->Endpoint.Registration()->CallSignalAddress.sin_addr.s_addr) & 0xFF);
    std::sort(found.begin(), found.end());
    std::string text;
    for (unsigned host : found) text += std::to_string(host) + " ";
    return text;
  };
  const struct {
    const char* Alias;
    const char* Hosts;
  } cases[] = {
      {"100", "2 3 4 7 "}, {"1x0", "3 "}, {"200", "6 "}, {"300", ""}, {"9123", "7 "}, {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Alias);
    EXPECT_EQ(c.Hosts, hosts(c.Alias));
  }
}

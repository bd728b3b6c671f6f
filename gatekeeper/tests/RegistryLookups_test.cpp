// The core's lookups, zone paths, available bandwidth and request numbers.
#include <gatekeeper/Gatekeeper.h>

#include <gtest/gtest.h>

#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

#include <config/Zone.h>
#include <h323/alias.h>

#include "CoreWithUsers.h"
#include "SimulatedEndpoint.h"

namespace {

// E lies on the first way from A to B, so the depth-first path is not the
// shortest; C is full; D is joined to nothing.
const char* const Zones =
    "system { address 127.0.0.1; ras port 0; }\n"
    "zone A { bandwidth 64K; connections 5; }\nzone B { bandwidth 128K; }\nzone C { connections 0; }\n"
    "zone D { bandwidth 1K; }\nzone E;\n"
    "link ae between A and E;\nlink eb between E and B { bandwidth 32K; }\n"
    "link ab between A and B;\nlink bc between B and C;\n"
    "user a { location A; }\nuser a2 { location A; }\nuser b { location B; }\nuser c { location C; }\n"
    "user d { location D; }\nuser n;\nuser n2;\n";

std::string Names(const std::vector<TZone*>& APath) {
  std::string text;
  for (const TZone* zone : APath) text += std::string(zone->Identifier().buffer()) + " ";
  return text;
}

}  // namespace

TEST(RegistryLookups, ZonePathAndAvailableBandwidth) {
  TCoreWithUsers gk(Zones);
  TEndpointRegisterInfo* r[] = {gk.Register("a", 2), gk.Register("a2", 3), gk.Register("b", 4), gk.Register("c", 5),
                                gk.Register("d", 6), gk.Register("n", 7),  gk.Register("n2", 8)};
  enum { a, a2, b, c, d, n, n2, none };
  auto at = [&](int i) { return i == none ? nullptr : r[i]; };
  const struct {
    int caller, callee;
    const char* path;
    uint32_t bandwidth;
  } cases[] = {
      {a, a2, "A ", 640},              // same zone
      {n, n2, "", 4294967295u},        // same zone, none: no limit
      {a, b, "A ae E eb B ", 320},     // the first path, not the shortest
      {a, c, "A ae E eb B bc C ", 0},  // backs up from ab; C has no slot
      {b, a, "B eb E ae A ", 320},
      {a, d, "A D ", 10},  // no path: both ends
      {a, none, "A ", 640},
      {a, n, "A ", 640},
      {none, b, "B ", 1280},
      {n, b, "B ", 1280},
      {none, none, "", 4294967295u},
      {c, n, "C ", 0},
  };
  for (const auto& k : cases) {
    EXPECT_EQ(k.path, Names(gk.Core.ZonePath(at(k.caller), at(k.callee)))) << k.caller << "->" << k.callee;
    EXPECT_EQ(k.bandwidth, gk.Core.AvailableBandwidth(at(k.caller), at(k.callee))) << k.caller << "->" << k.callee;
  }
}

TEST(RegistryLookups, EndpointsByAliasAddressAndIdentifier) {
  TCoreWithUsers gk(Zones);
  TEndpointRegisterInfo* alice = gk.Register("a", 2, {"alice", "100"});
  TEndpointRegisterInfo* bob = gk.Register("b", 3, {"bob"});
  TEndpointRegisterInfo* leaving = gk.Register("n", 4, {"carol"});
  leaving->SetState(TEndpointRegisterInfo::esUnregistering);
  auto alias = [](const char* AText) {
    H225::aliasAddress address;
    H323::makeAliasAddress(address, AText, 1);
    return address;
  };
  auto identifier = [](const char* AText) {
    asn::bmpString<1u, 128u, 1> text;
    text = AText;
    return text;
  };
  EXPECT_EQ(alice, gk.Core.FindEndpointByAlias(alias("100")));
  EXPECT_EQ(bob, gk.Core.FindEndpointByAlias(alias("bob")));
  EXPECT_EQ(nullptr, gk.Core.FindEndpointByAlias(alias("Bob")));
  EXPECT_EQ(nullptr, gk.Core.FindEndpointByAlias(alias("carol"))) << "unregistering";
  EXPECT_EQ(bob, gk.Core.FindEndpointByCallSignalAddress(LoopbackAddress(3, 1720)));
  EXPECT_EQ(nullptr, gk.Core.FindEndpointByCallSignalAddress(LoopbackAddress(3, 1721)));
  EXPECT_EQ(nullptr, gk.Core.FindEndpointByCallSignalAddress(LoopbackAddress(4, 1720))) << "unregistering";
  EXPECT_EQ(leaving, gk.Core.FindEndpointByIdentifier(identifier("7f000004:6b8"))) << "any state";
  EXPECT_EQ(alice, gk.Core.FindEndpointByIdentifier(identifier("7f000002:6b8")));
  EXPECT_EQ(nullptr, gk.Core.FindEndpointByIdentifier(identifier("7F000002:6B8")));
}

TEST(RegistryLookups, RequestNumbersSkipZero) {
  TGatekeeper core;
  core.NextRequestSequenceNumber = 65534;
  const unsigned expected[] = {65534, 65535, 1, 2};
  for (unsigned e : expected) EXPECT_EQ(e, core.NextRequestSeqNum());
  TGatekeeper fresh;
  EXPECT_EQ(1u, fresh.NextRequestSeqNum());
}

TEST(RegistryLookups, ConnectionsByConferenceAndCallIdentifier) {
  TCoreWithUsers gk(Zones);
  TEndpointRegisterInfo* alice = gk.Register("a", 2);
  TEndpointRegisterInfo* bob = gk.Register("b", 3);
  TEndpointRegisterInfo* stranger = gk.Register("n", 4);
  const H225::callIdentifier call7 = CallId(7);
  auto* plain = new TConnection(&gk.Core, TEndpointHandle(alice), TEndpointHandle(bob), 1, Guid(1), nullptr);
  auto* other = new TConnection(&gk.Core, TEndpointHandle(alice), TEndpointHandle(bob), 2, Guid(2), &call7);
  const struct {
    unsigned char conference;
    const H225::callIdentifier* id;
    TEndpointRegisterInfo* who;
    int side;
    bool any;
    TConnection* found;
    bool attach;
  } cases[] = {
      {1, nullptr, alice, 0, false, plain, false},  {1, nullptr, bob, 1, false, plain, false},
      {1, nullptr, bob, 0, false, nullptr, false},  {1, nullptr, stranger, 0, true, plain, false},
      {2, &call7, bob, 1, false, other, false},    // by call identifier
      {9, &call7, alice, 0, false, other, false},  // the identifier wins over the conference
      {1, &call7, stranger, 0, true, other, false}, {1, nullptr, stranger, 0, false, nullptr, false},
  };
  for (const auto& c : cases) {
    bool attach = true;
    EXPECT_EQ(c.found, gk.Core.FindConnection(Guid(c.conference), c.id, c.who, c.side, c.any, &attach))
        << int(c.conference);
    EXPECT_EQ(c.attach, attach);
  }
  // A request with a new identifier for the call that has none: found, but
  // nothing attached until the request is accepted.
  const H225::callIdentifier call8 = CallId(8);
  bool attach = false;
  EXPECT_EQ(plain, gk.Core.FindConnection(Guid(1), &call8, bob, 1, false, &attach));
  EXPECT_TRUE(attach);
  EXPECT_EQ(nullptr, plain->CallIdentifier()) << "a refused request leaves the call as it was";
  EXPECT_EQ(plain, gk.Core.FindConnection(Guid(1), nullptr, alice, 0, false)) << "participants still find it";
  plain->AttachCallIdentifier(call8);
  EXPECT_EQ(plain, gk.Core.FindConnection(Guid(5), &call8, alice, 0, false, &attach));
  EXPECT_FALSE(attach) << "found by its identifier now";

  int side = -1;
  EXPECT_EQ(other, gk.Core.FindParticipantConnection(Guid(2), nullptr, bob, &side));
  EXPECT_EQ(1, side);
  EXPECT_EQ(plain, gk.Core.FindParticipantConnection(Guid(3), &call8, alice, &side));
  EXPECT_EQ(0, side);
  EXPECT_EQ(nullptr, gk.Core.FindParticipantConnection(Guid(1), nullptr, stranger));
  EXPECT_EQ(other, gk.Core.FindConnectionByCalleeUser(Guid(2), nullptr, gk.User("b")));
  EXPECT_EQ(nullptr, gk.Core.FindConnectionByCalleeUser(Guid(2), nullptr, gk.User("a")));
  EXPECT_EQ(plain, gk.Core.FindConnectionByIdentifier(plain->ConnectionIdentifier()));
  EXPECT_EQ(nullptr, gk.Core.FindConnectionByIdentifier(Guid(1)));
}

// The lingering second after a disengage does not count: an endpoint that
// hangs up and unregisters at once is not told its call is in progress.
TEST(RegistryLookups, CallsWhoseRemovalIsScheduledDoNotCount) {
  orvo::timerClockHold hold;  // the removal at its millisecond, however slow the machine
  TCoreWithUsers gk(Zones);
  TEndpointRegisterInfo* alice = gk.Register("a", 2);
  TEndpointRegisterInfo* bob = gk.Register("b", 3);
  auto* call = new TConnection(&gk.Core, TEndpointHandle(alice), TEndpointHandle(bob), 1, Guid(1), nullptr);
  new TConnection(&gk.Core, TEndpointHandle(alice), TEndpointHandle(alice), 2, Guid(2), nullptr);
  EXPECT_TRUE(gk.Core.HasConnection(bob));
  EXPECT_EQ(2u, alice->CountConnections()) << "a call with it on both sides counts once";
  EXPECT_EQ(2u, alice->CountConnectionsAs(0));
  EXPECT_EQ(1u, alice->CountConnectionsAs(1));
  call->ScheduleRemoval();
  EXPECT_FALSE(gk.Core.HasConnection(bob));
  EXPECT_EQ(0u, bob->CountConnections());
  EXPECT_EQ(1u, alice->CountConnections());
  EXPECT_EQ(2u, gk.Core.Connections().Count()) << "still there for its last second";
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(999));
  orvo::sockEvent::dispatch(0);
  EXPECT_EQ(2u, gk.Core.Connections().Count());
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(1));
  orvo::sockEvent::dispatch(0);
  EXPECT_EQ(1u, gk.Core.Connections().Count());
}

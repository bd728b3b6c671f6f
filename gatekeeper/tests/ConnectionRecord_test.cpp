// The call record: bandwidth booked along the zone path, its events, the
// end of a call by disengage, removal and supervision of information
// reports, and hunting alternatives.
#include <gatekeeper/Connection.h>

#include <gtest/gtest.h>

#include <gatekeeper/Thread.h>

#include <sstream>

#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

#include <config/Configuration.h>
#include <config/Zone.h>

#include <gatekeeper/RasSequenceNumber.h>

#include "CoreWithUsers.h"
#include "SimulatedEndpoint.h"

namespace {

using std::chrono::milliseconds;

const char* const Zones =
    "system { address 127.0.0.1; ras port 0; }\n"
    "zone A { bandwidth 1K; connections 2; }\nzone B { bandwidth 2K; connections 1; }\n"
    "link ab between A and B { bandwidth 1.5K; }\n"
    "user a { location A; connection validity 30; }\nuser b { location B; }\nuser n { connection validity 0; }\n";

struct TZoneState {
  uint32_t bandwidth, connections;
  bool operator==(const TZoneState& A) const { return bandwidth == A.bandwidth && connections == A.connections; }
};
std::ostream& operator<<(std::ostream& AOut, const TZoneState& A) {
  return AOut << A.bandwidth << "/" << A.connections;
}

std::vector<TZoneState> Occupation(const TConfiguration* AConfiguration) {
  std::vector<TZoneState> out;
  for (const TZone* zone : AConfiguration->Zones())
    out.push_back({zone->AvailableBandwidth(), zone->AvailableConnections()});
  return out;
}

const uint32_t None = 4294967295u;

void Advance(int64_t AMilliseconds) {
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(AMilliseconds));
  orvo::sockEvent::dispatch(0);
}

}  // namespace

// Zones A (10 units, 2 calls), B (20, 1) and the link (15, unlimited calls).
TEST(ConnectionRecord, BandwidthAlongTheZonePath) {
  TCoreWithUsers gk(Zones);
  TEndpointRegisterInfo* a = gk.Register("a", 2);
  TEndpointRegisterInfo* b = gk.Register("b", 3);
  auto* call = new TConnection(&gk.Core, TEndpointHandle(a), TEndpointHandle(b), 1, Guid(1), nullptr);
  const struct {
    uint32_t asked;
    bool acceptLess, result;
    uint32_t granted, booked;
    std::vector<TZoneState> zones;  // A, B, link
  } steps[] = {
      {8, false, true, 8, 8, {{2, 1}, {12, 0}, {7, None}}},
      {12, false, false, 10, 8, {{2, 1}, {12, 0}, {7, None}}},  // refused: the old booking stays
      {10, false, true, 10, 10, {{0, 1}, {10, 0}, {5, None}}},  // its own share counts as free
      {16, true, true, 10, 10, {{0, 1}, {10, 0}, {5, None}}},   // accept-less: what is there
      {4, false, true, 4, 4, {{6, 1}, {16, 0}, {11, None}}},
  };
  for (const auto& s : steps) {
    uint32_t granted = 0;
    EXPECT_EQ(s.result, call->SetBandwidth(s.asked, s.acceptLess, granted)) << s.asked;
    EXPECT_EQ(s.granted, granted) << s.asked;
    EXPECT_EQ(s.booked, call->Bandwidth()) << s.asked;
    EXPECT_EQ(s.zones, Occupation(gk.Core.Configuration())) << s.asked;
  }
  // B has its only slot taken: a second call over B gets nothing.
  auto* second = new TConnection(&gk.Core, TEndpointHandle(a), TEndpointHandle(b), 2, Guid(2), nullptr);
  uint32_t granted = 99;
  EXPECT_FALSE(second->SetBandwidth(1, true, granted));
  EXPECT_EQ(0u, granted);
  EXPECT_EQ(0u, gk.Core.AvailableBandwidth(a, b));
  // A call within A only.
  auto* local = new TConnection(&gk.Core, TEndpointHandle(a), TEndpointHandle(a), 3, Guid(3), nullptr);
  EXPECT_TRUE(local->SetBandwidth(5, false, granted));
  EXPECT_EQ((std::vector<TZoneState>{{1, 0}, {16, 0}, {11, None}}), Occupation(gk.Core.Configuration()));
  gk.Core.Connections().Detach(call);
  delete call;  // gives back what it holds
  EXPECT_EQ((std::vector<TZoneState>{{5, 1}, {20, 1}, {15, None}}), Occupation(gk.Core.Configuration()));
  local->ReleaseZones();
  local->ReleaseZones();  // nothing twice
  EXPECT_EQ((std::vector<TZoneState>{{10, 2}, {20, 1}, {15, None}}), Occupation(gk.Core.Configuration()));
}

// After a reload the call gives back to the zones it booked on, which the
// old configuration keeps, and books on the new ones.
TEST(ConnectionRecord, ReleaseAfterAReload) {
  TCoreWithUsers gk(Zones);
  TEndpointRegisterInfo* a = gk.Register("a", 2);
  TEndpointRegisterInfo* b = gk.Register("b", 3);
  auto* call = new TConnection(&gk.Core, TEndpointHandle(a), TEndpointHandle(b), 1, Guid(1), nullptr);
  uint32_t granted = 0;
  ASSERT_TRUE(call->SetBandwidth(6, false, granted));
  TConfiguration* old = gk.Core.Configuration();
  old->AddReference();
  ASSERT_TRUE(gk.Core.ReloadConfiguration(new std::istringstream(std::string(Zones) + "zone C;\n")));
  // A running core applies the parsed configuration from its idle pass.
  gk.Core.Threads().ForEach([](TThread* AThread) {
    if (AThread->Finished()) AThread->Run();
    return false;
  });
  ASSERT_NE(old, gk.Core.Configuration());
  a->Reattach(gk.Core.Configuration(), gk.User("a"));
  b->Reattach(gk.Core.Configuration(), gk.User("b"));
  call->ReleaseZones();
  EXPECT_EQ((std::vector<TZoneState>{{10, 2}, {20, 1}, {15, None}}), Occupation(old));
  ASSERT_TRUE(call->SetBandwidth(7, false, granted));
  EXPECT_EQ((std::vector<TZoneState>{{3, 1}, {13, 0}, {8, None}, {None, None}}), Occupation(gk.Core.Configuration()));
  EXPECT_EQ((std::vector<TZoneState>{{10, 2}, {20, 1}, {15, None}}), Occupation(old));
  TConfiguration::Release(old);
}

TEST(ConnectionRecord, EventsOncePerCall) {
  TCoreWithUsers gk(Zones);
  std::vector<int> codes;
  gk.Core.RASProcedures().Attach(new TEventRecorder(&codes));
  TEndpointRegisterInfo* a = gk.Register("a", 2);
  codes.clear();
  auto* call = new TConnection(&gk.Core, TEndpointHandle(a), TEndpointHandle(), 1, Guid(1), nullptr);
  TStringList aliases;
  aliases.append("200");
  call->SetSideAliases(TConnection::cnsCallee, aliases);     // not started: nobody told
  EXPECT_TRUE(call->Start(LoopbackAddress(3, 1720), true));  // started once the Setup passes
  EXPECT_NE(nullptr, call->Relay());
  EXPECT_TRUE(call->Start(LoopbackAddress(3, 1720), false));
  EXPECT_EQ(nullptr, call->Relay()) << "a direct start replaces the relay";
  call->SetSideAliases(TConnection::cnsCallee, aliases);
  EXPECT_EQ(1u, call->SideAliases(TConnection::cnsCallee).count());
  TVariables variables;
  variables.Set("route", "direct");
  call->AddSideVariables(TConnection::cnsCaller, variables);
  ASSERT_TRUE(call->Side(TConnection::cnsCaller).Scope()->FindOwn("route"));
  EXPECT_TRUE(call->AddAlternative(new TConnectionAlternative));
  call->DisableRetermination("conversation already took it's place");
  call->DisableRetermination("connection is stopping");
  EXPECT_FALSE(call->AddAlternative(new TConnectionAlternative)) << "no hunting any more";
  EXPECT_FALSE(call->Reterminate());
  call->ScheduleRemoval();
  call->ScheduleRemoval();
  Advance(1000);
  EXPECT_TRUE(gk.Core.Connections().Empty());
  EXPECT_EQ((std::vector<int>{13, 14, 15, 23, 17}), codes);
}

TEST(ConnectionRecord, HuntingMovesTheCalleeSide) {
  TCoreWithUsers gk(Zones);
  TEndpointRegisterInfo* a = gk.Register("a", 2);
  TEndpointRegisterInfo* b = gk.Register("b", 3);
  TEndpointRegisterInfo* n = gk.Register("n", 4);
  auto* call = new TConnection(&gk.Core, TEndpointHandle(a), TEndpointHandle(b), 1, Guid(1), nullptr);
  for (TEndpointRegisterInfo* next : {n, a}) {
    auto* alternative = new TConnectionAlternative;
    alternative->Endpoint.SetRegistration(next);
    alternative->CallSignalAddress = next->CallSignalAddress;
    alternative->CreditTime = 60;
    EXPECT_TRUE(call->AddAlternative(alternative));
  }
  for (TEndpointRegisterInfo* next : {n, a}) {
    EXPECT_TRUE(call->Reterminate());
    EXPECT_EQ(next, call->SideRegistration(TConnection::cnsCallee));
    EXPECT_EQ(60, call->CreditTime(TConnection::cnsCallee));
  }
  EXPECT_FALSE(call->Reterminate()) << "no alternative left";
  // The callee's registration ends: the side is cleared, the call stays.
  n->SetState(3);
  gk.Core.Registrations().Detach(a);
  a->SetState(3);
  EXPECT_EQ(nullptr, call->SideRegistration(TConnection::cnsCallee));
  EXPECT_EQ(nullptr, call->SideRegistration(TConnection::cnsCaller));
  EXPECT_EQ(1u, gk.Core.Connections().Count());
  delete a;
}

// Admitted sides are supervised: information reports restart the timer of
// their side; a silent endpoint's call is disengaged (a disengage request to
// each admitted side), then removed a second later.
TEST(ConnectionRecord, SilentCallsAreDisengaged) {
  TCoreWithUsers gk(Zones);
  gk.Core.OpenRASSockets();
  TSimulatedEndpoint caller(2), callee(3);
  TEndpointRegisterInfo* a = gk.Register("a", 2);
  TEndpointRegisterInfo* b = gk.Register("b", 3);
  a->RasAddress = caller.Address();
  b->RasAddress = callee.Address();
  const H225::callIdentifier id = CallId(9);
  auto* call = new TConnection(&gk.Core, TEndpointHandle(a), TEndpointHandle(b), 77, Guid(1), &id);
  call->Admit(TConnection::cnsCaller);
  call->Admit(TConnection::cnsCallee);
  ASSERT_TRUE(call->IrrTimer(0) && call->IrrTimer(1));
  EXPECT_EQ(30000, call->IrrTimer(0)->Timeout) << "the caller's connection validity";
  EXPECT_EQ(60000, call->IrrTimer(1)->Timeout) << "the default";
  call->SetInfoRequestInterval(40, true, 0);
  EXPECT_EQ(80000, call->IrrTimer(0)->Timeout) << "twice the reporting interval at least";
  call->SetInfoRequestInterval(40, false, 0);
  EXPECT_EQ(30000, call->IrrTimer(0)->Timeout);
  Advance(25000);
  call->RestartIrrTimer(TConnection::cnsCaller);
  Advance(25000);
  call->RestartIrrTimer(TConnection::cnsCaller);
  Advance(9000);
  EXPECT_FALSE(call->Disengaged()) << "the caller's reports came in time";
  Advance(2000);
  ASSERT_TRUE(call->Disengaged()) << "the callee side stayed silent";
  EXPECT_TRUE(call->RemovalScheduled());
  for (TSimulatedEndpoint* side : {&caller, &callee}) {
    std::unique_ptr<H225::rasMessage> drq = side->Receive(milliseconds(2000));
    ASSERT_TRUE(drq);
    ASSERT_EQ(15, drq->index());
    const auto& body = *static_cast<H225::disengageRequest*>(drq->alternative());
    EXPECT_EQ(0, body.disengageReason.index()) << "forcedDrop";
    EXPECT_EQ(77u, body.callReferenceValue.value());
    EXPECT_TRUE(body.conferenceID.isEqual(Guid(1)));
    ASSERT_TRUE(body.callIdentifier);
    EXPECT_TRUE(body.callIdentifier->guid.isEqual(id.guid));
    ASSERT_TRUE(body.answeredCall);
    EXPECT_EQ(side == &callee, body.answeredCall->value());
    // The confirm ends the procedure.
    H225::rasMessage dcf;
    dcf.select(16);
    SetRasSequenceNumber(dcf, GetRasSequenceNumber(*drq));
    ASSERT_TRUE(side->Send(dcf, gk.Core.BoundRasAddress()));
    orvo::sockEvent::dispatch(2);
  }
  EXPECT_TRUE(gk.Core.RASProcedures().Empty());
  call->Disengage();  // once
  EXPECT_FALSE(caller.Receive(milliseconds(50)));
  Advance(1000);
  EXPECT_TRUE(gk.Core.Connections().Empty());
}

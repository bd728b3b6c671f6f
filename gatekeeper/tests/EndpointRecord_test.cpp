// The registered endpoint record: states with their events and log lines,
// identifiers, the validity timer, the unregistration it starts, and the
// alternate gatekeeper lists.
#include <gatekeeper/Endpoint.h>

#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <regex>
#include <set>

#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

#include <config/LinkedUser.h>
#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <gatekeeper/RasSequenceNumber.h>

#include "CoreWithUsers.h"
#include "GatekeeperUnderTest.h"
#include "SimulatedEndpoint.h"

namespace {

using std::chrono::milliseconds;

const char* const Users =
    "system { identifier \"GK\"; address 127.0.0.1; ras port 0; }\n"
    "log { registrations yes; }\n"
    "user a { registration validity 60; connection validity 30; }\n"
    "user forever;\n"
    "user long { registration validity 3000000; }\n"
    "user fixed { static 10.0.0.9; }\n"
    "user alt { alternate gatekeeper 10.0.0.1 \"gk1\" gatekeeper 10.0.0.2:1720; }\n";

void Pass() { orvo::sockEvent::dispatch(0); }

void Advance(int64_t AMilliseconds) {
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(AMilliseconds));
  Pass();
}

}  // namespace

TEST(EndpointRecord, StatesAnnounceThemselvesAndLog) {
  TCoreLog log;
  TCoreWithUsers gk(Users);
  std::vector<int> codes;
  gk.Core.RASProcedures().Attach(new TEventRecorder(&codes));
  auto* record = new TEndpointRegisterInfo(&gk.Core);
  record->SetUser(gk.User("forever"));
  record->CallSignalAddress = LoopbackAddress(2, 1720);
  record->Changed();
  EXPECT_TRUE(codes.empty()) << "a record being built says nothing";
  const struct {
    int state;
    std::vector<int> codes;
    size_t listed;
  } steps[] = {{1, {9}, 1}, {1, {}, 1}, {2, {11}, 1}, {3, {12}, 0}};
  for (const auto& s : steps) {
    codes.clear();
    record->SetState(s.state);
    EXPECT_EQ(s.codes, codes) << s.state;
    EXPECT_EQ(s.listed, gk.Core.Registrations().Count()) << s.state;
    if (s.state == 1) {
      record->Changed();
      EXPECT_EQ(10, codes.back());
    }
  }
  EXPECT_EQ("User registered:\tforever at 127.0.0.2:1720\nUser unregistered:\tforever at 127.0.0.2:1720\n",
            log.Lines());
}

TEST(EndpointRecord, IdentifiersAreNeverInherited) {
  TCoreWithUsers gk(Users);
  TEndpointRegisterInfo dynamic(&gk.Core);
  dynamic.SetUser(gk.User("a"));
  inet_pton(AF_INET, "192.168.1.2", &dynamic.CallSignalAddress.sin_addr);
  dynamic.CallSignalAddress.sin_port = htons(1720);
  EXPECT_EQ(orvo::string("c0a80102:6b8"), dynamic.Identifier());

  // Static users: a number of this process, freed records give none back.
  std::set<std::string> seen;
  for (int i = 0; i < 3; ++i) {
    auto record = std::make_unique<TEndpointRegisterInfo>(&gk.Core);
    record->SetUser(gk.User("fixed"));
    const std::string identifier = record->Identifier().buffer();
    EXPECT_TRUE(std::regex_match(identifier, std::regex("[1-9a-f][0-9a-f]{0,7}"))) << identifier;
    char expected[16];
    snprintf(expected, sizeof expected, "%x", unsigned(record->Identity()));
    EXPECT_EQ(expected, identifier);
    EXPECT_TRUE(seen.insert(identifier).second) << identifier;
  }
}

TEST(EndpointRecord, ValidityTimerInSixtyFourBitMilliseconds) {
  TCoreWithUsers gk(Users);
  const struct {
    const char* user;
    bool timer;
    int64_t timeout;
  } cases[] = {{"a", true, 60000}, {"forever", false, 0}, {"long", true, 3000000000LL}};
  for (const auto& c : cases) {
    TEndpointRegisterInfo record(&gk.Core);
    record.SetUser(gk.User(c.user));
    record.StartValidityTimer();
    ASSERT_EQ(c.timer, record.ValidityTimer() != nullptr) << c.user;
    if (!c.timer) continue;
    EXPECT_EQ(c.timeout, record.ValidityTimer()->Timeout) << c.user;
    EXPECT_TRUE(record.ValidityTimer()->Armed());
  }
}

// The validity runs out: a warning, an unregistration request with reason
// ttlExpired, sent again after 3,000 ms, and the registration ends with the
// confirm from the endpoint's own host; a confirm from elsewhere is not
// taken.
TEST(EndpointRecord, ExpiryUnregistersThroughTheEndpointsConfirm) {
  orvo::timerClockHold hold;  // the expiry at its millisecond, however slow the machine
  TCoreLog log;
  TCoreWithUsers gk(Users);
  gk.Core.OpenRASSockets();
  TSimulatedEndpoint endpoint(2), forger(9);
  TEndpointRegisterInfo* record = gk.Register("a", 2);
  record->RasAddress = endpoint.Address();
  record->StartValidityTimer();
  Advance(59999);
  EXPECT_EQ(1, record->State());
  Advance(1);
  EXPECT_EQ(2, record->State());
  std::unique_ptr<H225::rasMessage> first = endpoint.Receive(milliseconds(2000));
  ASSERT_TRUE(first);
  ASSERT_EQ(6, first->index());
  const auto& urq = *static_cast<H225::unregistrationRequest*>(first->alternative());
  ASSERT_TRUE(urq.reason);
  EXPECT_EQ(1, urq.reason->index()) << "ttlExpired";
  ASSERT_TRUE(urq.endpointIdentifier);
  EXPECT_EQ(orvo::string("7f000002:6b8"), urq.endpointIdentifier->toString());
  ASSERT_EQ(1u, urq.callSignalAddress.count());
  const unsigned number = GetRasSequenceNumber(*first);

  Advance(3000);
  std::unique_ptr<H225::rasMessage> again = endpoint.Receive(milliseconds(2000));
  ASSERT_TRUE(again);
  EXPECT_EQ(6, again->index());
  EXPECT_EQ(number, GetRasSequenceNumber(*again)) << "the same request";

  H225::rasMessage ucf;
  ucf.select(7);
  SetRasSequenceNumber(ucf, number);
  ASSERT_TRUE(forger.Send(ucf, gk.Core.BoundRasAddress()));
  orvo::sockEvent::dispatch(2);
  EXPECT_EQ(1u, gk.Core.Registrations().Count()) << "a forged confirm is not taken";
  std::unique_ptr<H225::rasMessage> stray = forger.Receive(milliseconds(2000));
  ASSERT_TRUE(stray);
  EXPECT_EQ(24, stray->index()) << "but answered as a stray confirm";

  ASSERT_TRUE(endpoint.Send(ucf, gk.Core.BoundRasAddress()));
  orvo::sockEvent::dispatch(2);
  EXPECT_TRUE(gk.Core.Registrations().Empty());
  EXPECT_TRUE(gk.Core.RASProcedures().Empty());
  const std::string lines = log.Lines();
  EXPECT_NE(std::string::npos, lines.find("User registration timed out: a\n")) << lines;
  EXPECT_NE(std::string::npos, lines.find("User unregistered:\ta at 127.0.0.2:1720\n")) << lines;
}

TEST(EndpointRecord, UnregistrationWaitsForCallsAndEndsWithoutAnswer) {
  TCoreWithUsers gk(Users);
  gk.Core.OpenRASSockets();
  TSimulatedEndpoint endpoint(3);
  TEndpointRegisterInfo* record = gk.Register("a", 3);
  record->RasAddress = endpoint.Address();
  auto* call = new TConnection(&gk.Core, TEndpointHandle(record), TEndpointHandle(), 1, Guid(1), nullptr);
  record->Unregister();
  record->Unregister();  // a second removal starts nothing
  EXPECT_EQ(1u, gk.Core.RASProcedures().Count());
  EXPECT_FALSE(endpoint.Receive(milliseconds(100))) << "not while the call lasts";
  gk.Core.Connections().Detach(call);
  delete call;
  Pass();
  ASSERT_TRUE(endpoint.Receive(milliseconds(2000)));
  Advance(3000);
  ASSERT_TRUE(endpoint.Receive(milliseconds(2000)));
  Advance(3000);
  EXPECT_TRUE(gk.Core.Registrations().Empty()) << "no answer ends it too";
  EXPECT_TRUE(gk.Core.RASProcedures().Empty());
  EXPECT_FALSE(endpoint.Receive(milliseconds(50))) << "two transmissions only";

  // Without a RAS address (a static user) it ends at once.
  TEndpointRegisterInfo* fixed = gk.Register("fixed", 4);
  fixed->RasAddress = sockaddr_in{};
  fixed->Unregister();
  EXPECT_TRUE(gk.Core.Registrations().Empty());
}

TEST(EndpointRecord, AlternateGatekeepersOncePerRegistration) {
  TCoreWithUsers gk(Users);
  TEndpointRegisterInfo record(&gk.Core);
  record.SetUser(gk.User("alt"));
  TEndpointRegisterInfo::TAlternateGatekeepers* list = new TEndpointRegisterInfo::TAlternateGatekeepers;
  record.MakeAlternateGatekeepers(list);
  EXPECT_EQ(nullptr, list) << "the endpoint does not support them";
  record.SupportsAlternateGatekeepers = true;
  record.MakeAlternateGatekeepersOnce(list);
  ASSERT_TRUE(list);
  ASSERT_EQ(2u, list->count());
  const struct {
    const char* address;
    unsigned port;
    const char* identifier;
  } expected[] = {{"10.0.0.1", 1719, "gk1"}, {"10.0.0.2", 1720, nullptr}};
  std::vector<const H225::alternateGK*> entries;
  for (const asn::object* entry : list->elements()) entries.push_back(static_cast<const H225::alternateGK*>(entry));
  for (unsigned i = 0; i < 2; ++i) {
    const H225::alternateGK& gkEntry = *entries[i];
    sockaddr_in address{};
    ASSERT_TRUE(H323::transportToSockaddr(gkEntry.rasAddress, address));
    char text[INET_ADDRSTRLEN];
    EXPECT_STREQ(expected[i].address, inet_ntop(AF_INET, &address.sin_addr, text, sizeof text));
    EXPECT_EQ(expected[i].port, ntohs(address.sin_port));
    EXPECT_EQ(expected[i].identifier != nullptr, gkEntry.gatekeeperIdentifier != nullptr);
    EXPECT_TRUE(gkEntry.needToRegister.value());
    EXPECT_EQ(i, gkEntry.priority.value());
  }
  record.MakeAlternateGatekeepersOnce(list);
  EXPECT_EQ(nullptr, list) << "only the first confirm carries them";

  TEndpointRegisterInfo empty(&gk.Core);
  empty.SetUser(gk.User("forever"));
  empty.SupportsAlternateGatekeepers = true;
  empty.MakeAlternateGatekeepers(list);
  ASSERT_NE(nullptr, list) << "an empty list, not none";
  EXPECT_EQ(0u, list->count());
  delete list;
}

TEST(EndpointRecord, StaticUsersAreRegisteredAtStart) {
  unsigned ras, signal, monitor;
  ChooseFreePorts(ras, signal, monitor);
  TCoreLog log;
  TCoreWithUsers gk("system { address 127.0.0.1; ras port " + std::to_string(ras) + "; call signal port " +
                    std::to_string(signal) + "; }\nmonitor port " + std::to_string(monitor) +
                    ";\nlog { registrations yes; }\nuser dynamic;\nuser fixed { static 10.0.0.9:1721; }\n"
                    "gatekeeper peer { static 10.0.0.8; ras address 10.0.0.8:1719; }\n");
  gk.Core.StartServices();
  std::vector<TEndpointRegisterInfo*> records;
  gk.Core.Registrations().ForEach([&](TEndpointRegisterInfo* ARecord) {
    records.push_back(ARecord);
    return false;
  });
  ASSERT_EQ(2u, records.size());
  EXPECT_EQ(gk.User("fixed"), records[0]->User());
  EXPECT_EQ(TEndpointRegisterInfo::etTerminal, records[0]->EndpointType);
  EXPECT_EQ(TEndpointRegisterInfo::etGatekeeper, records[1]->EndpointType);
  EXPECT_EQ(htonl(0x0a000008), records[1]->RasAddress.sin_addr.s_addr);
  EXPECT_EQ(1721, ntohs(records[0]->CallSignalAddress.sin_port));
  EXPECT_EQ("User registered:\tfixed at 10.0.0.9:1721\nUser registered:\tpeer at 10.0.0.8:1720\n", log.Lines());
}

namespace {
struct TStopper {
  explicit TStopper(TGatekeeper* ACore) : Core(ACore) { Timer.Start(); }
  void Fire(TTimer*) { Core->StopLoop(); }
  TGatekeeper* Core;
  TTimer Timer{10, this, &TStopper::Fire};
};
}  // namespace

// A stop tells every registration; one without a RAS address does not hold
// the shutdown up.
TEST(EndpointRecord, ShutdownUnregistersStaticUsersAtOnce) {
  TCoreLog log;
  TCoreWithUsers gk(
      "system { address 127.0.0.1; ras port 0; }\nlog { registrations yes; }\n"
      "user fixed { static 10.0.0.9; }\n");
  gk.Core.ShutdownLimit = 5000;
  gk.Core.OpenRASSockets();
  gk.Core.RegisterStaticUsers();
  ASSERT_EQ(1u, gk.Core.Registrations().Count());
  TStopper stop(&gk.Core);
  const auto started = std::chrono::steady_clock::now();
  gk.Core.RunGatekeeper();
  EXPECT_LT(std::chrono::steady_clock::now() - started, milliseconds(3000));
  EXPECT_TRUE(gk.Core.Registrations().Empty());
  EXPECT_EQ("User registered:\tfixed at 10.0.0.9:1720\nUser unregistered:\tfixed at 10.0.0.9:1720\n", log.Lines());
}

// A keep-alive's new record hands its contents over to the registered one,
// which announces the change; the validity timer now calls the old record.
TEST(EndpointRecord, TakeOverAndAssignment) {
  TCoreWithUsers gk(Users);
  std::vector<int> codes;
  gk.Core.RASProcedures().Attach(new TEventRecorder(&codes));
  TEndpointRegisterInfo* registered = gk.Register("forever", 2, {"old"});
  TEndpointRegisterInfo fresh(&gk.Core);
  fresh.SetUser(gk.User("a"));
  fresh.CallSignalAddress = LoopbackAddress(3, 1720);
  fresh.RasAddress = LoopbackAddress(3, 1719);
  fresh.ProtocolVersion = 4;
  H323::makeAliasAddress(*fresh.Aliases.append(new H225::aliasAddress), "new", 1);
  fresh.StartValidityTimer();
  codes.clear();
  registered->TakeOver(fresh);
  EXPECT_EQ((std::vector<int>{10}), codes);
  EXPECT_EQ(gk.User("a"), registered->User());
  EXPECT_EQ(4u, registered->ProtocolVersion);
  EXPECT_EQ(nullptr, fresh.ValidityTimer());
  EXPECT_EQ(nullptr, fresh.Configuration());
  ASSERT_TRUE(registered->ValidityTimer());
  ASSERT_EQ(1u, registered->Aliases.count());
  EXPECT_EQ(orvo::string("new"), H323::aliasToString(*registered->Aliases.first()));
  Advance(60001);
  EXPECT_EQ(2, registered->State()) << "the moved timer ends the registered record";

  TEndpointRegisterInfo copy(&gk.Core);
  copy = *registered;
  EXPECT_EQ(orvo::string("7f000003:6b8"), copy.Identifier()) << "the identifier text is copied";
  ASSERT_EQ(1u, copy.Aliases.count());
  EXPECT_NE(registered->Aliases.first(), copy.Aliases.first()) << "a deep copy";
}

TEST(EndpointRecord, RegisteredLinkOnlyForGatekeeperUsers) {
  TCoreWithUsers gk(std::string(Users) + "gatekeeper peer { ras address 10.0.0.8; }\n");
  TEndpointRegisterInfo* peer = gk.Register("peer", 2);
  TEndpointRegisterInfo* user = gk.Register("a", 3);
  struct TLink : TGatekeeperLink {
    TLink() : TGatekeeperLink(&TLink::Idle) {}
    TPerformFunctionResult Idle() { return nullptr; }
  };
  auto* link = new TLink;
  link->User = static_cast<TLinkedUser*>(gk.User("peer"));
  gk.Core.Links().Attach(link);
  EXPECT_EQ(nullptr, gk.Core.FindRegisteredLink(peer)) << "not registered at the neighbour";
  link->LinkState = TGatekeeperLink::lsRegistered;
  EXPECT_EQ(link, gk.Core.FindRegisteredLink(peer));
  EXPECT_EQ(nullptr, gk.Core.FindRegisteredLink(user));
}

// With H.235 on, an answer without valid tokens is taken (it is the answer)
// but dropped: only the time-out then ends the registration.
TEST(EndpointRecord, AnswerWithoutValidTokensIsDropped) {
  TCoreWithUsers gk(std::string(Users) +
                    "user guarded { h235 authentication yes; h235 name \"ep\"; h235 password \"pw\"; }\n");
  gk.Core.OpenRASSockets();
  TSimulatedEndpoint endpoint(5);
  TEndpointRegisterInfo* record = gk.Register("guarded", 5);
  record->RasAddress = endpoint.Address();
  record->Unregister();
  std::unique_ptr<H225::rasMessage> urq = endpoint.Receive(milliseconds(2000));
  ASSERT_TRUE(urq);
  const auto& body = *static_cast<H225::unregistrationRequest*>(urq->alternative());
  EXPECT_TRUE(body.cryptoTokens || body.tokens) << "signed like every RAS message to it";
  H225::rasMessage ucf;
  ucf.select(7);
  SetRasSequenceNumber(ucf, GetRasSequenceNumber(*urq));
  ASSERT_TRUE(endpoint.Send(ucf, gk.Core.BoundRasAddress()));
  orvo::sockEvent::dispatch(2);
  EXPECT_EQ(1u, gk.Core.Registrations().Count());
  EXPECT_FALSE(endpoint.Receive(milliseconds(50))) << "taken, so not answered as a stray";
  Advance(3000);
  ASSERT_TRUE(endpoint.Receive(milliseconds(2000)));
  Advance(3000);
  EXPECT_TRUE(gk.Core.Registrations().Empty());
}

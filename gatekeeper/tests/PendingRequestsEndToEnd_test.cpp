// Requests that arrive while an earlier one of the same endpoint, or for
// the same aliases or the same call, waits for the RADIUS server: the
// running program against a RADIUS server played by the test, which
// answers only when the test says so; the answers read by tshark.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <h323/rasMessage.h>

#include "GatekeeperUnderTest.h"
#include "RasCapture.h"
#include "RasRequests.h"
#include "SimulatedEndpoint.h"
#include "fakeRadiusServer.h"

namespace {

using std::chrono::milliseconds;
using TRow = std::vector<std::string>;
const char* const Secret = "pending-secret";

// The Acct-Status-Type of an Accounting-Request (1 Start, 2 Stop); 0 for
// another datagram.
unsigned AccountingStatus(const octets& ADatagram) {
  if (ADatagram.size() < 20 || ADatagram[0] != 4) return 0;
  for (size_t at = 20; at + 2 <= ADatagram.size() && ADatagram[at + 1] >= 2; at += ADatagram[at + 1])
    if (ADatagram[at] == 40 && ADatagram[at + 1] == 6 && at + 6 <= ADatagram.size()) return ADatagram[at + 5];
  return 0;
}

// A gatekeeper whose RADIUS servers are the test's: accounting answered at
// once, authentication when the test answers.
struct TRadiusGatekeeper {
  explicit TRadiusGatekeeper(const std::string& AUsers) : gk(Setup(AUsers)) {
    accounting.onDatagram = [this](const fakeRadiusServer::datagram& A) { accounting.answer(A.bytes, 5, {}, Secret); };
    started = gk.Start();
  }
  TGatekeeperSetup Setup(const std::string& AUsers) {
    TGatekeeperSetup setup;
    setup.Sections = "aaa { address 127.0.0.1; authentication port " +
                     std::to_string(ntohs(authentication.address().sin_port)) + "; accounting port " +
                     std::to_string(ntohs(accounting.address().sin_port)) + "; password \"" + Secret + "\"; }\n" +
                     AUsers;
    return setup;
  }
  // The next answer, the RADIUS servers served meanwhile.
  std::unique_ptr<H225::rasMessage> Next(TSimulatedEndpoint& AEndpoint, int64_t ALimit = 3000) {
    std::unique_ptr<H225::rasMessage> answer;
    runUntil([&] { return bool(answer = AEndpoint.Receive(milliseconds(1))); }, ALimit);
    return answer;
  }
  // Alice registers as 1001 and Bob as 1002, the identifiers their
  // confirms give; false when either is not answered.
  bool Register(TSimulatedEndpoint& AAlice, std::string& AAliceId, TSimulatedEndpoint& ABob, std::string& ABobId) {
    if (!AAlice.Send(*AAlice.RegistrationRequest({"1001"}), gk.RasAddress()) ||
        !ABob.Send(*ABob.RegistrationRequest({"1002"}), gk.RasAddress()))
      return false;
    auto aliceRcf = Next(AAlice), bobRcf = Next(ABob);
    if (!aliceRcf || !bobRcf) return false;
    AAliceId = ConfirmedIdentifier(*aliceRcf);
    ABobId = ConfirmedIdentifier(*bobRcf);
    return true;
  }
  // Unregistered: the gatekeeper answered.
  bool Unregister(TSimulatedEndpoint& AEndpoint, const std::string& AIdentifier) {
    return AEndpoint.Send(*UnregistrationRequest(AEndpoint, AIdentifier), gk.RasAddress()) && Next(AEndpoint);
  }
  bool AuthenticationRequests(size_t ACount) {
    return runUntil([&] { return authentication.received.size() >= ACount; }, 3000);
  }
  // Access-Accept to every Access-Request from the one numbered AFrom on.
  void Accept(size_t AFrom) {
    for (size_t i = AFrom; i < authentication.received.size(); ++i)
      authentication.answer(authentication.received[i].bytes, 2, {}, Secret);
  }
  unsigned AccountingCount(unsigned AStatus) const {
    unsigned count = 0;
    for (const auto& datagram : accounting.received) count += AccountingStatus(datagram.bytes) == AStatus;
    return count;
  }
  // tshark's reading of what the gatekeeper sent (frames from its port).
  std::vector<TRow> Answers(const std::vector<std::string>& AFields) {
    std::vector<std::string> fields = {"udp.srcport"};
    fields.insert(fields.end(), AFields.begin(), AFields.end());
    tshark::result r = capture.Dissect(gk.PathOf("ras.pcap"), fields);
    EXPECT_TRUE(r.ran) << r.failure;
    std::vector<TRow> rows;
    for (const auto& frame : r.frames) {
      EXPECT_EQ("", frame.malformed);
      if (frame.fields[0] == std::to_string(gk.RasPort()))
        rows.push_back(TRow(frame.fields.begin() + 1, frame.fields.end()));
    }
    return rows;
  }

  fakeRadiusServer authentication, accounting;
  TGatekeeperUnderTest gk;
  TRasCapture capture;
  bool started = false;
};

size_t Occurrences(const std::string& AText, const std::string& AWhat) {
  size_t count = 0;
  for (size_t at = AText.find(AWhat); at != std::string::npos; at = AText.find(AWhat, at + 1)) ++count;
  return count;
}

const char* const RadiusLoginUser =
    "user rad { login \"rad\"; radius authentication login; radius accounting caller; radius name \"raduser\";"
    " radius password \"radpw\"; }\n";

}  // namespace

// The endpoint asks again, with a new number, while its first request waits
// for RADIUS: the second is a re-registration of the first's record, one
// registration with one login and one accounting, gone after the URQ.
TEST(PendingRequestsEndToEnd, SecondRegistrationOfTheSameEndpointWaits) {
  TRadiusGatekeeper rig(RadiusLoginUser);
  ASSERT_TRUE(rig.started) << rig.gk.Console();
  TSimulatedEndpoint endpoint(2, &rig.capture);
  ASSERT_TRUE(endpoint.Send(*endpoint.RegistrationRequest({"rad"}), rig.gk.RasAddress()));
  ASSERT_TRUE(rig.AuthenticationRequests(1));
  ASSERT_TRUE(endpoint.Send(*endpoint.RegistrationRequest({"rad"}), rig.gk.RasAddress()));
  runFor(600);
  EXPECT_EQ(1u, rig.authentication.received.size()) << "the second waits for the first";
  rig.Accept(0);
  auto first = rig.Next(endpoint), second = rig.Next(endpoint);
  ASSERT_TRUE(first && second);
  rig.Accept(1);
  const std::string identifier = ConfirmedIdentifier(*first);
  ASSERT_FALSE(identifier.empty());
  ASSERT_TRUE(endpoint.Send(*UnregistrationRequest(endpoint, identifier), rig.gk.RasAddress()));
  ASSERT_NE(nullptr, rig.Next(endpoint));
  ASSERT_TRUE(endpoint.Send(*UnregistrationRequest(endpoint, identifier), rig.gk.RasAddress()));
  ASSERT_NE(nullptr, rig.Next(endpoint));
  runUntil([&] { return rig.AccountingCount(2) != 0; }, 2000);
  EXPECT_EQ(1u, rig.AccountingCount(1)) << "Accounting Starts";
  EXPECT_EQ(1u, rig.AccountingCount(2)) << "Accounting Stops";
  EXPECT_EQ(0, rig.gk.Stop());
  EXPECT_EQ(1u, Occurrences(rig.gk.Log(), "User registered")) << rig.gk.Log();
  if (!tshark::toolsAvailable()) return;
  // RCF 4 twice with the one identifier; UCF 7; then URJ 8 with
  // notCurrentlyRegistered 0: nothing stayed behind.
  const std::vector<TRow> expected = {
      {"4", "1", identifier, ""}, {"4", "2", identifier, ""}, {"7", "3", "", ""}, {"8", "4", "", "0"}};
  EXPECT_EQ(expected,
            rig.Answers({"h225.RasMessage", "h225.requestSeqNum", "h225.endpointIdentifier", "h225.rejectReason"}));
}

// Another endpoint asks for the alias of a registration that waits for
// RADIUS: it is decided once that one has registered, and refused.
TEST(PendingRequestsEndToEnd, CollidingAliasIsDecidedAfterThePendingRegistration) {
  TRadiusGatekeeper rig(RadiusLoginUser);
  ASSERT_TRUE(rig.started) << rig.gk.Console();
  TSimulatedEndpoint first(2, &rig.capture), second(3, &rig.capture);
  ASSERT_TRUE(first.Send(*first.RegistrationRequest({"rad"}), rig.gk.RasAddress()));
  ASSERT_TRUE(rig.AuthenticationRequests(1));
  ASSERT_TRUE(second.Send(*second.RegistrationRequest({"rad"}), rig.gk.RasAddress()));
  runFor(600);
  rig.Accept(0);
  auto confirm = rig.Next(first);
  ASSERT_NE(nullptr, confirm);
  runFor(600);
  rig.Accept(1);
  ASSERT_NE(nullptr, rig.Next(second));
  EXPECT_EQ(1u, rig.authentication.received.size()) << "the colliding request is never sent to RADIUS";
  // Unregistered, so that the gatekeeper stops at once.
  ASSERT_TRUE(first.Send(*UnregistrationRequest(first, ConfirmedIdentifier(*confirm)), rig.gk.RasAddress()));
  ASSERT_NE(nullptr, rig.Next(first));
  EXPECT_EQ(0, rig.gk.Stop());
  EXPECT_EQ(1u, Occurrences(rig.gk.Log(), "User registered")) << rig.gk.Log();
  if (!tshark::toolsAvailable()) return;
  // RCF 4 to the first with its alias; RRJ 5 duplicateAlias 4 naming it to
  // the second; UCF 7.
  const std::vector<TRow> expected = {
      {"127.0.0.2", "4", "", "rad"}, {"127.0.0.3", "5", "4", "rad"}, {"127.0.0.2", "7", "", ""}};
  EXPECT_EQ(expected, rig.Answers({"ip.dst", "h225.RasMessage", "h225.rejectReason", "h225.h323_ID"}));
}

namespace {

H225::rasMessage Arq(const std::string& AIdentifier, unsigned ASequence) {
  H225::rasMessage message = AdmissionRequest(AIdentifier, "1001", "1002", 1);
  auto* arq = static_cast<H225::admissionRequest*>(message.alternative());
  arq->requestSeqNum = ASequence;
  unsigned char conference[16];
  for (unsigned char& octet : conference) octet = 0x44;
  arq->conferenceID.setValue(conference, 16);
  return message;
}

H225::rasMessage Brq(const std::string& AIdentifier, unsigned ASequence, unsigned ABandwidth) {
  H225::rasMessage message;
  auto* brq = static_cast<H225::bandwidthRequest*>(message.select(12));
  brq->requestSeqNum = ASequence;
  brq->endpointIdentifier = AIdentifier.c_str();
  unsigned char conference[16];
  for (unsigned char& octet : conference) octet = 0x44;
  brq->conferenceID.setValue(conference, 16);
  brq->callReferenceValue = 1;
  brq->bandWidth = ABandwidth;
  return message;
}

}  // namespace

// The caller asks again for its call, with a new number, while RADIUS
// authorises the first request: one call record, booked once, confirmed
// to both requests.
TEST(PendingRequestsEndToEnd, SecondAdmissionOfTheSameCallWaits) {
  TRadiusGatekeeper rig(
      "zone z { bandwidth 100K; }\n"
      "user alice { login \"1001\"; alias \"1001\"; location z; proxy level none; radius authentication caller;"
      " radius name \"alice\"; radius password \"pw\"; }\n"
      "user bob { login \"1002\"; alias \"1002\"; location z; proxy level none; }\n");
  ASSERT_TRUE(rig.started) << rig.gk.Console();
  TSimulatedEndpoint alice(2, &rig.capture), bob(3, &rig.capture);
  std::string aliceId, bobId;
  ASSERT_TRUE(rig.Register(alice, aliceId, bob, bobId)) << rig.gk.Log();

  ASSERT_TRUE(alice.Send(Arq(aliceId, 10), rig.gk.RasAddress()));
  ASSERT_TRUE(rig.AuthenticationRequests(1));
  ASSERT_TRUE(alice.Send(Arq(aliceId, 11), rig.gk.RasAddress()));
  runFor(600);
  EXPECT_EQ(1u, rig.authentication.received.size()) << "the second waits for the first";
  rig.Accept(0);
  auto first = rig.Next(alice), second = rig.Next(alice);
  ASSERT_TRUE(first && second);
  rig.Accept(1);
  // The zone holds 1000: the call's 640 may grow to all of it.
  ASSERT_TRUE(alice.Send(Brq(aliceId, 12, 1000), rig.gk.RasAddress()));
  ASSERT_NE(nullptr, rig.Next(alice));
  // Disengaged and unregistered, so that the gatekeeper stops at once.
  ASSERT_TRUE(alice.Send(*DisengageRequest(alice, aliceId, 0x44), rig.gk.RasAddress()));
  ASSERT_NE(nullptr, rig.Next(alice));
  runFor(1200);
  ASSERT_TRUE(rig.Unregister(alice, aliceId));
  ASSERT_TRUE(rig.Unregister(bob, bobId));
  EXPECT_EQ(0, rig.gk.Stop());
  if (!tshark::toolsAvailable()) return;
  // ACF 10 twice with the call's 640; BCF 13 with 1000; DCF 16; UCF 7 twice.
  const std::vector<TRow> expected = {{"4", "1", ""},       {"4", "1", ""},  {"10", "10", "640"}, {"10", "11", "640"},
                                      {"13", "12", "1000"}, {"16", "2", ""}, {"7", "3", ""},      {"7", "2", ""}};
  EXPECT_EQ(expected, rig.Answers({"h225.RasMessage", "h225.requestSeqNum", "h225.bandWidth"}));
}

// The callee answers its call twice, with new numbers, while RADIUS checks
// the first answer: one check, both confirmed.
TEST(PendingRequestsEndToEnd, SecondAnswerToTheCallWaits) {
  TRadiusGatekeeper rig(
      "user alice { login \"1001\"; alias \"1001\"; proxy level none; }\n"
      "user bob { login \"1002\"; alias \"1002\"; proxy level none; radius authentication callee;"
      " radius name h235name; radius password \"pw\"; }\n");
  ASSERT_TRUE(rig.started) << rig.gk.Console();
  TSimulatedEndpoint alice(2, &rig.capture), bob(3, &rig.capture);
  std::string aliceId, bobId;
  ASSERT_TRUE(rig.Register(alice, aliceId, bob, bobId)) << rig.gk.Log();
  ASSERT_TRUE(alice.Send(Arq(aliceId, 10), rig.gk.RasAddress()));
  ASSERT_NE(nullptr, rig.Next(alice));
  // The answering side's RADIUS name comes from its token.
  auto answer = [&](unsigned ASequence) {
    H225::rasMessage message = Arq(bobId, ASequence);
    auto* arq = static_cast<H225::admissionRequest*>(message.alternative());
    arq->answerCall = true;
    arq->tokens = new H323::clearTokenList;
    H235::clearToken* token = arq->tokens->appendNew();
    token->tokenOID = asn::oid(0, 0, 8, 235, 0, 2, 5);
    token->generalID = new asn::bmpString<1u, 128u, 1>;
    *token->generalID = "bob";
    return message;
  };
  ASSERT_TRUE(bob.Send(answer(20), rig.gk.RasAddress()));
  ASSERT_TRUE(rig.AuthenticationRequests(1));
  ASSERT_TRUE(bob.Send(answer(21), rig.gk.RasAddress()));
  runFor(600);
  EXPECT_EQ(1u, rig.authentication.received.size()) << "the second waits for the first";
  rig.Accept(0);
  auto first = rig.Next(bob), second = rig.Next(bob);
  ASSERT_TRUE(first && second);
  rig.Accept(1);
  // Disengaged and unregistered, so that the gatekeeper stops at once.
  ASSERT_TRUE(alice.Send(*DisengageRequest(alice, aliceId, 0x44), rig.gk.RasAddress()));
  ASSERT_NE(nullptr, rig.Next(alice));
  ASSERT_TRUE(rig.Unregister(alice, aliceId));
  ASSERT_TRUE(rig.Unregister(bob, bobId));
  EXPECT_EQ(0, rig.gk.Stop());
  if (!tshark::toolsAvailable()) return;
  // ACF 10 to the caller, then to both answers; DCF 16; UCF 7 twice.
  const std::vector<TRow> expected = {{"127.0.0.2", "4", "1"},   {"127.0.0.3", "4", "1"},   {"127.0.0.2", "10", "10"},
                                      {"127.0.0.3", "10", "20"}, {"127.0.0.3", "10", "21"}, {"127.0.0.2", "16", "2"},
                                      {"127.0.0.2", "7", "3"},   {"127.0.0.3", "7", "2"}};
  EXPECT_EQ(expected, rig.Answers({"ip.dst", "h225.RasMessage", "h225.requestSeqNum"}));
}

// Routed calls on the built program, the endpoints keeping the default proxy
// level: admitted through RAS, the call-signalling goes through the relay
// the confirm names, over real TCP connections; tshark reads what each side
// got.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <regex>
#include <thread>

#include <orvo/socketAddress.h>

#include <gatekeeper/RasSequenceNumber.h>

#include <h323/q931/elements.h>
#include <h323/transportAddress.h>

#include "CallLeg.h"
#include "GatekeeperUnderTest.h"
#include "RasCapture.h"
#include "RasRequests.h"
#include "SimulatedEndpoint.h"
#include "orvoTesting.h"
#include "processSockets.h"
#include "q931Octets.h"
#include "q931Samples.h"
#include "q931Tshark.h"

using namespace q931Testing;

namespace {

const int Limit = 5000;  // ms, for anything one side waits for
// A call's record outlives its disengage by a second; one more covers a
// gatekeeper held up on a loaded machine.
const std::chrono::milliseconds RecordGone(2000);

// The zone holds exactly one call of 640 units.
TGatekeeperSetup RoutedSetup(const std::string& AAddress) {
  TGatekeeperSetup setup;
  setup.Address = AAddress;
  setup.LogRules += "connection status yes;\n";
  setup.Sections =
      "zone Z { bandwidth 64K; }\n"
      "user alice { login \"1001\"; alias \"1001\"; location Z; }\n"
      "user bob { login \"1002\"; alias \"1002\"; location Z; }\n";
  return setup;
}

void Guid(asn::octetStringBase& AValue, unsigned char ASeed) {
  unsigned char octets[16];
  for (unsigned i = 0; i < 16; ++i) octets[i] = (unsigned char)(ASeed + i);
  AValue.setValue(octets, 16);
}

// The sample Setup's conference (0x40...) and call (0x50...) identifiers,
// shifted by ACall for a further call.
H225::rasMessage Arq(const std::string& AIdentifier, unsigned ASequence, bool AAnswer, unsigned char ACall = 0) {
  H225::rasMessage message = AdmissionRequest(AIdentifier, "1001", "1002", 0x1234);
  auto* arq = static_cast<H225::admissionRequest*>(message.alternative());
  arq->requestSeqNum = ASequence;
  Guid(arq->conferenceID, 0x40 + ACall);
  arq->callIdentifier = new H225::callIdentifier;
  Guid(arq->callIdentifier->guid, 0x50 + ACall);
  arq->answerCall = AAnswer;
  return message;
}

H225::rasMessage Brq(const std::string& AIdentifier, unsigned ASequence) {
  H225::rasMessage message;
  auto* brq = static_cast<H225::bandwidthRequest*>(message.select(12));
  brq->requestSeqNum = ASequence;
  brq->endpointIdentifier = AIdentifier.c_str();
  Guid(brq->conferenceID, 0x40);
  brq->bandWidth = 100;
  return message;
}

H225::rasMessage Drq(const std::string& AIdentifier, unsigned ASequence, unsigned char ACall) {
  H225::rasMessage message;
  auto* drq = static_cast<H225::disengageRequest*>(message.select(15));
  drq->requestSeqNum = ASequence;
  drq->endpointIdentifier = AIdentifier.c_str();
  Guid(drq->conferenceID, 0x40 + ACall);
  drq->callIdentifier = new H225::callIdentifier;
  Guid(drq->callIdentifier->guid, 0x50 + ACall);
  drq->callReferenceValue = 0x1234;
  drq->disengageReason.select(1);  // normalDrop
  return message;
}

// How long the gatekeeper waits for the endpoints to disengage themselves
// after a Release Complete it relayed.
const int DisengageWait = 4000;  // ms
// Less this, the time after a release in which no disengage request of
// the gatekeeper may come: its timer may round its due time.
const int DisengageMargin = 250;  // ms

// The gatekeeper's disengage request to the endpoint, answered with a
// confirm; false when none comes (after a release, only once the
// gatekeeper's wait is over).
bool AnswerDisengage(TSimulatedEndpoint& AEndpoint, const sockaddr_in& AGatekeeper) {
  auto drq = AEndpoint.Receive(std::chrono::milliseconds(DisengageWait + Limit));
  if (!drq || drq->index() != 15) return false;
  H225::rasMessage dcf;
  static_cast<H225::disengageConfirm*>(dcf.select(16))->requestSeqNum =
      static_cast<const H225::disengageRequest*>(drq->alternative())->requestSeqNum.value();
  return AEndpoint.Send(dcf, AGatekeeper);
}

// Unregistered before the stop, which otherwise waits on its own requests.
bool Unregister(TSimulatedEndpoint& AEndpoint, const sockaddr_in& AGatekeeper, const std::string& AIdentifier) {
  if (!AEndpoint.Send(*UnregistrationRequest(AEndpoint, AIdentifier), AGatekeeper)) return false;
  auto answer = AEndpoint.Receive(std::chrono::milliseconds(Limit));
  return answer && answer->index() == 7;
}

sockaddr_in ConfirmedDestination(const H225::rasMessage& AAcf) {
  sockaddr_in out{};
  H323::transportToSockaddr(static_cast<const H225::admissionConfirm*>(AAcf.alternative())->destCallSignalAddress, out);
  return out;
}

// The index of the next RAS message the endpoint gets, after the
// gatekeeper's answer to ARequest (-1 none in time): what the endpoint sees
// first tells whether the gatekeeper sent anything before.
int NextAnswer(TSimulatedEndpoint& AEndpoint, const sockaddr_in& AGatekeeper, const H225::rasMessage& ARequest) {
  if (!AEndpoint.Send(ARequest, AGatekeeper)) return -1;
  auto answer = AEndpoint.Receive(std::chrono::milliseconds(Limit));
  return answer ? int(answer->index()) : -1;
}

// Alice (1001, 127.0.0.2) calls Bob (1002, 127.0.0.3) through the relay.
// Each step is false, with a failure that names it, when it fails.
struct TConnectedCall {
  explicit TConnectedCall(const TGatekeeperSetup& ASetup = RoutedSetup("127.0.0.1"), TRasCapture* ACapture = nullptr)
      : gk(ASetup), alice(2, ACapture), bob(3, ACapture) {}
  TGatekeeperUnderTest gk;
  TSimulatedEndpoint alice, bob;
  TCallLeg bobListener, bobLeg, aliceLeg;
  std::string aliceId, bobId;
  sockaddr_in relay{};
  Q931::message setup;

  // Started, both registered (Bob taking calls on bobListener, listening
  // unless not AListening), Alice admitted: relay is where her confirm
  // sends her.
  bool Admit(bool AListening = true) {
    if (!gk.Start()) return Fail("the start");
    if (!bobListener.Bind(3) || (AListening && !bobListener.Listen())) return Fail("Bob's listener");
    aliceId = RegisterCallee(alice, gk.RasAddress(), "1001", alice.CallSignalAddress());
    bobId = RegisterCallee(bob, gk.RasAddress(), "1002", bobListener.Address());
    if (aliceId.empty() || bobId.empty()) return Fail("the registrations");
    if (!alice.Send(Arq(aliceId, 10, false), gk.RasAddress())) return Fail("Alice's admission request");
    auto acf = alice.Receive(std::chrono::milliseconds(Limit));
    if (!acf || acf->index() != 10) return Fail("Alice's admission");
    relay = ConfirmedDestination(*acf);
    return true;
  }
  // Alice's Setup through the relay: what Bob got of it, empty when
  // nothing came.
  octets PassSetup(const octets& ASetup) {
    octets atBob;
    if (!aliceLeg.Bind(2) || !aliceLeg.Connect(relay) || !aliceLeg.Send(ASetup))
      Fail("Alice's Setup");
    else if (!bobListener.Accept(bobLeg) || (atBob = bobLeg.Receive()).empty())
      Fail("the Setup at Bob");
    return atBob;
  }
  // Admitted, the Setup at Bob, Bob admitted, his Connect at Alice.
  bool Connect() {
    if (!Admit()) return false;
    const octets setupOctets = fromHex(encodeMessage(routedCallMessages()[0].build()));
    decodeMessage(setup, setupOctets);
    if (PassSetup(setupOctets).empty()) return false;
    if (NextAnswer(bob, gk.RasAddress(), Arq(bobId, 20, true)) != 10) return Fail("Bob's admission");
    if (!bobLeg.Send(fromHex(encodeMessage(routedCallMessages()[3].build()))) || aliceLeg.Receive().empty())
      return Fail("Bob's Connect");
    return true;
  }
  bool Fail(const char* AStep) {
    ADD_FAILURE() << AStep << " failed\n" << gk.Console() << gk.Log();
    return false;
  }
  // A Release Complete of the call from Bob's side or Alice's.
  octets Release(bool AFromCallee) const {
    Q931::message release = routedCallMessages()[4].build();
    release.callReference = Q931::callReference(uint16_t(setup.callReference.value()), !AFromCallee);
    return fromHex(encodeMessage(release));
  }
  // Once the record is gone (a second after a disengage), unregistered and
  // stopped: 0, the program's exit status.
  int Stop() {
    std::this_thread::sleep_for(RecordGone);
    EXPECT_TRUE(Unregister(alice, gk.RasAddress(), aliceId) && Unregister(bob, gk.RasAddress(), bobId));
    return gk.Stop();
  }
};

}  // namespace

// The gatekeeper's call-signalling sockets send each message as soon as it
// is queued, read back on the program's own sockets: both legs of a routed
// call and a connection to the call-signal port.
TEST(RoutedCallEndToEnd, EveryCallSignallingSocketSendsAtOnce) {
  TConnectedCall call;
  ASSERT_TRUE(call.Connect());
  const pid_t gatekeeper = call.gk.Pid();
  EXPECT_EQ(1, processSockets::noDelay(gatekeeper, call.aliceLeg.Address())) << "the caller's leg";
  EXPECT_EQ(1, processSockets::noDelay(gatekeeper, call.bobListener.Address())) << "the callee's leg";
  TCallLeg direct;
  ASSERT_TRUE(direct.Bind(4));
  ASSERT_TRUE(direct.Connect(LoopbackAddress(1, call.gk.CallSignalPort()))) << strerror(errno);
  // Accepted when the program's loop comes to it, and set up a moment after
  // the accept.
  int accepted = -1;
  for (int waited = 0; accepted != 1 && waited < Limit; waited += 10) {
    accepted = processSockets::noDelay(gatekeeper, direct.Address());
    if (accepted != 1) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(1, accepted) << "the call-signal port";
  EXPECT_EQ(16, NextAnswer(call.alice, call.gk.RasAddress(), Drq(call.aliceId, 11, 0)));
  EXPECT_EQ(0, call.Stop());
}

// Alice releases while she still has a Facility on its way, Bob answers
// the Release Complete he gets with his own: each leg ends in order (the
// relay reads what is left, neither side gets a reset), each endpoint's
// own disengage request is confirmed and the gatekeeper sends none.
TEST(RoutedCallEndToEnd, AReleaseEndsBothLegsInOrderAndTheEndpointsDisengage) {
  TConnectedCall call;
  ASSERT_TRUE(call.Connect());
  // The Facility goes in the Release Complete's own write.
  octets aliceLast = TCallLeg::Frame(call.Release(false));
  const octets facility = TCallLeg::Frame(fromHex("08 02 12 34 62 7E 00 01 05"));
  aliceLast.insert(aliceLast.end(), facility.begin(), facility.end());
  ASSERT_TRUE(call.aliceLeg.SendOctets(aliceLast));
  EXPECT_EQ(call.Release(false), call.bobLeg.Receive());
  ASSERT_TRUE(call.bobLeg.Send(call.Release(true)));
  EXPECT_EQ(0, call.bobLeg.EndOfStream());
  EXPECT_EQ(0, call.aliceLeg.EndOfStream());
  shutdown(call.bobLeg.Fd, SHUT_WR);
  shutdown(call.aliceLeg.Fd, SHUT_WR);
  EXPECT_EQ(0, call.bobLeg.ErrorOnceClosed()) << "Bob's leg";
  EXPECT_EQ(0, call.aliceLeg.ErrorOnceClosed()) << "Alice's leg";

  const sockaddr_in ras = call.gk.RasAddress();
  EXPECT_EQ(16, NextAnswer(call.alice, ras, Drq(call.aliceId, 11, 0))) << "Alice's disengage confirmed first";
  EXPECT_EQ(16, NextAnswer(call.bob, ras, Drq(call.bobId, 21, 0))) << "Bob's disengage confirmed first";
  // The record is gone a second later, with nothing sent meanwhile.
  std::this_thread::sleep_for(RecordGone);
  EXPECT_EQ(14, NextAnswer(call.alice, ras, Brq(call.aliceId, 12)));
  EXPECT_EQ(14, NextAnswer(call.bob, ras, Brq(call.bobId, 22)));
  EXPECT_EQ(0, call.Stop());
}

// A stop while the endpoints may still disengage themselves after a
// release: the gatekeeper ends the call itself at once, disengaging both
// sides long before its wait for them would be over, then unregisters them.
TEST(RoutedCallEndToEnd, AStopDisengagesAReleasedCallAtOnce) {
  TConnectedCall call;
  ASSERT_TRUE(call.Connect());
  ASSERT_TRUE(call.aliceLeg.Send(call.Release(false)));
  ASSERT_EQ(call.Release(false), call.bobLeg.Receive());
  call.gk.Signal(SIGTERM);
  for (TSimulatedEndpoint* endpoint : {&call.alice, &call.bob}) {
    std::vector<int> asked;
    sockaddr_in from{};
    // Well within the wait of DisengageWait from the release.
    auto limit = std::chrono::milliseconds(DisengageWait / 2);
    while (auto request = endpoint->Receive(limit, &from)) {
      limit = std::chrono::milliseconds(Limit);
      asked.push_back(int(request->index()));
      H225::rasMessage answer;
      answer.select(request->index() + 1);  // DCF or UCF
      SetRasSequenceNumber(answer, GetRasSequenceNumber(*request));
      endpoint->Send(answer, from);
      if (request->index() == 6) break;
    }
    EXPECT_EQ((std::vector<int>{15, 6}), asked) << "a disengage request, then an unregistration";
  }
  EXPECT_EQ(0, call.gk.Stop());
}

// Alice (1001) calls Bob (1002): the confirm routes her to the relay, the
// Setup reaches Bob's socket with its number, conference and fast start,
// Bob's answers reach her, her Release Complete ends both legs, and the
// call is gone a second after it is disengaged: by the gatekeeper once its
// wait is over when neither endpoint disengages, else by the endpoints.
// With a wildcard system address the relay is named by the address the
// request came to.
TEST(RoutedCallEndToEnd, ACallPassesTheRelay) {
  for (const char* address : {"127.0.0.1", "0.0.0.0"}) {
    SCOPED_TRACE(address);
    TRasCapture capture;
    TConnectedCall call(RoutedSetup(address), &capture);
    TGatekeeperUnderTest& gk = call.gk;
    TSimulatedEndpoint &alice = call.alice, &bob = call.bob;
    TCallLeg &bobLeg = call.bobLeg, &aliceLeg = call.aliceLeg;
    const std::string &aliceId = call.aliceId, &bobId = call.bobId;
    ASSERT_TRUE(call.Admit());
    EXPECT_EQ(htonl(INADDR_LOOPBACK), call.relay.sin_addr.s_addr);
    EXPECT_NE(0, call.relay.sin_port);
    EXPECT_NE(htons(uint16_t(gk.CallSignalPort())), call.relay.sin_port);

    const octets setup = fromHex(encodeMessage(routedCallMessages()[0].build()));
    const octets setupAtBob = call.PassSetup(setup);
    ASSERT_FALSE(setupAtBob.empty());
    ASSERT_TRUE(bob.Send(Arq(bobId, 20, true), gk.RasAddress()));
    auto bobAcf = bob.Receive(std::chrono::milliseconds(Limit));
    ASSERT_TRUE(bobAcf) << gk.Log();
    EXPECT_EQ(10, int(bobAcf->index())) << "the callee admitted to the routed call";

    std::vector<octets> answers;
    for (size_t m = 1; m <= 3; ++m) {  // Call Proceeding, Alerting, Connect
      ASSERT_TRUE(bobLeg.Send(fromHex(encodeMessage(routedCallMessages()[m].build()))));
      answers.push_back(aliceLeg.Receive());
    }
    Q931::message release = routedCallMessages()[4].build();
    Q931::message sent;
    decodeMessage(sent, setup);
    release.callReference = sent.callReference;
    const auto released = std::chrono::steady_clock::now();
    ASSERT_TRUE(aliceLeg.Send(fromHex(encodeMessage(release))));
    const octets releaseAtBob = bobLeg.Receive();
    EXPECT_TRUE(bobLeg.Closed());
    EXPECT_TRUE(aliceLeg.Closed());
    if (std::string(address) == "127.0.0.1") {
      // Nothing comes while the endpoints may still disengage themselves;
      // what came to Bob meanwhile waits in his socket.
      const auto quiet = released + std::chrono::milliseconds(DisengageWait - DisengageMargin);
      auto early = alice.Receive(
          std::chrono::duration_cast<std::chrono::milliseconds>(quiet - std::chrono::steady_clock::now()));
      EXPECT_FALSE(early) << "to Alice within the wait, RAS message " << early->index();
      early = bob.Receive(std::chrono::milliseconds(0));
      EXPECT_FALSE(early) << "to Bob within the wait, RAS message " << early->index();
      EXPECT_TRUE(AnswerDisengage(alice, gk.RasAddress())) << gk.Log();
      EXPECT_TRUE(AnswerDisengage(bob, gk.RasAddress())) << gk.Log();
    } else {  // as endpoints do, and without the gatekeeper's wait
      EXPECT_EQ(16, NextAnswer(alice, gk.RasAddress(), Drq(aliceId, 12, 0)));
      EXPECT_EQ(16, NextAnswer(bob, gk.RasAddress(), Drq(bobId, 21, 0)));
    }
    std::this_thread::sleep_for(RecordGone);
    ASSERT_TRUE(alice.Send(Brq(aliceId, 11), gk.RasAddress()));
    auto brq = alice.Receive(std::chrono::milliseconds(Limit));
    ASSERT_TRUE(brq && brq->index() == 14) << "no call left to change";
    EXPECT_EQ(1u, static_cast<const H225::bandwidthReject*>(brq->alternative())->rejectReason.index());
    EXPECT_TRUE(gk.WaitForLog("Call signalling relayed to " + toStd(orvo::toText(call.bobListener.Address())) + ".\n"))
        << gk.Log();
    EXPECT_TRUE(Unregister(alice, gk.RasAddress(), aliceId) && Unregister(bob, gk.RasAddress(), bobId));
    EXPECT_EQ(0, gk.Stop());

    if (!tshark::toolsAvailable()) continue;
    tshark::result ras = capture.Dissect(gk.PathOf("ras.pcap"), {"h225.RasMessage", "h225.callModel"});
    ASSERT_TRUE(ras.ran) << ras.failure;
    std::vector<std::string> models;
    for (const auto& frame : ras.frames)
      if (frame.fields[0] == "10") models.push_back(frame.fields[1]);
    EXPECT_EQ((std::vector<std::string>{"1", "1"}), models) << "both confirms gatekeeper routed";
    std::vector<octets> frames = {setup, setupAtBob};
    frames.insert(frames.end(), answers.begin(), answers.end());
    frames.push_back(releaseAtBob);
    tshark::result t = dissectCallSignalling(frames, {"q931.message_type", "q931.called_party_number.digits",
                                                      "h225.conferenceID", "h225.fastStart", "h225.h245Control"});
    ASSERT_TRUE(t.ran) << t.failure;
    ASSERT_EQ(6u, t.frames.size());
    const std::vector<std::string> types = {"0x05", "0x05", "0x02", "0x01", "0x07", "0x5a"};
    for (size_t f = 0; f < t.frames.size(); ++f) {
      EXPECT_EQ("", t.frames[f].malformed) << f;
      EXPECT_EQ(types[f], t.frames[f].fields[0]) << f;
    }
    EXPECT_EQ("5678", t.frames[1].fields[1]);
    EXPECT_EQ("2", t.frames[1].fields[3]) << "fast-start items";
    EXPECT_NE("", t.frames[1].fields[4]) << "tunnelled H.245";
    for (size_t field = 1; field < 5; ++field) EXPECT_EQ(t.frames[0].fields[field], t.frames[1].fields[field]) << field;
  }
}

// A Setup with elements the relay does not change, one of them a date that
// does not exist (month 13): Bob's incoming translation makes the relay
// re-encode the Setup, and Bob gets every element but the called number as
// Alice sent it; tshark reads the rest as she wrote it.
TEST(RoutedCallEndToEnd, ASetupIsPassedOnWithTheElementsAsTheyCame) {
  TGatekeeperSetup config = RoutedSetup("127.0.0.1");
  const std::string bob = "user bob { login \"1002\"; alias \"1002\"; location Z; }";
  config.Sections.replace(config.Sections.find(bob), bob.size(),
                          "user bob { login \"1002\"; alias \"1002\"; location Z; "
                          "translate incoming callee alias \"(.*)\" to \"+49\\1\"; }");
  TConnectedCall call(config);
  TGatekeeperUnderTest& gk = call.gk;
  TSimulatedEndpoint &alice = call.alice, &bobEndpoint = call.bob;
  TCallLeg &bobLeg = call.bobLeg, &aliceLeg = call.aliceLeg;
  const std::string &aliceId = call.aliceId, &bobId = call.bobId;
  ASSERT_TRUE(call.Admit());

  // ISO/IEC bearer, a cause of the location's coding, month 13, and a
  // multirate low layer whose octet 4 has bit 8 clear.
  Q931::message setup = routedCallMessages()[0].build();
  setup.elements.remove(setup.elements.find(setup.findElement(0x04)), orvo::autoDelete(1));
  for (const char* element : {"04 03 A8 90 A3", "08 02 E2 90", "29 03 7B 0D 01", "7C 04 88 18 86 A3"}) {
    const octets wire = fromHex(element);
    auto* raw = new Q931::notSupportedElement;
    raw->id = wire[0];
    raw->content.assign(wire.begin() + 2, wire.end());
    setup.insertElement(raw);
  }
  const std::string sent = encodeMessage(setup);
  const std::string called = "70 05 81 35 36 37 38 ";  // 5678
  ASSERT_NE(std::string::npos, sent.find(called));
  std::string expected = sent;
  expected.replace(expected.find(called), called.size(), "70 08 81 2B 34 39 35 36 37 38 ");  // +495678
  const size_t body = expected.find(" 7E ");
  ASSERT_NE(std::string::npos, body);

  const octets setupAtBob = call.PassSetup(fromHex(sent));
  ASSERT_FALSE(setupAtBob.empty());
  EXPECT_EQ(expected.substr(0, body), toHex(setupAtBob).substr(0, body)) << "everything before the User-user element";
  EXPECT_EQ(std::string::npos, gk.Log().find("First message must be SETUP.")) << gk.Log();

  // Alice hangs up without a word: whatever Bob's leg still carries, it
  // closes, and Alice (the only side admitted) is disengaged.
  close(aliceLeg.Fd);
  aliceLeg.Fd = -1;
  while (!bobLeg.Receive().empty()) {
  }
  EXPECT_TRUE(bobLeg.Closed());
  EXPECT_TRUE(AnswerDisengage(alice, gk.RasAddress())) << gk.Log();
  EXPECT_TRUE(Unregister(alice, gk.RasAddress(), aliceId) && Unregister(bobEndpoint, gk.RasAddress(), bobId));
  EXPECT_EQ(0, gk.Stop());

  if (!tshark::toolsAvailable()) return;
  tshark::result t = dissectCallSignalling(
      {fromHex(sent), setupAtBob}, {"q931.message_type", "q931.coding_standard", "q931.information_transfer_rate",
                                    "q931.bearer_capability.rate_multiplier", "q931.uil1",
                                    "q931.called_party_number.digits", "h225.h323_message_body"});
  ASSERT_TRUE(t.ran) << t.failure;
  // tshark takes a date with its time only (5 or 6 octets): Alice's Setup
  // is as malformed to it at Bob's as it was when she sent it.
  for (const tshark::frame& f : t.frames) {
    EXPECT_EQ("_ws.malformed", f.malformed);
    EXPECT_EQ("Expert Info (Error/Malformed): Date/time: length is 3, should be 5 or 6", f.expert);
  }
  EXPECT_EQ((std::vector<std::string>{"0x05", "0x01|0x03|0x00", "0x18", "6", "0x03", "5678", "0"}), t.frames[0].fields);
  EXPECT_EQ((std::vector<std::string>{"0x05", "0x01|0x03|0x00", "0x18", "6", "0x03", "+495678", "0"}),
            t.frames[1].fields);
}

// Nothing listens where Bob takes calls: Alice's Setup is answered with a
// Release Complete that carries a cause, the call ends, and its bandwidth
// takes a new call.
TEST(RoutedCallEndToEnd, AnUnreachableCalleeEndsTheCall) {
  TConnectedCall call;
  TGatekeeperUnderTest& gk = call.gk;
  TSimulatedEndpoint &alice = call.alice, &bob = call.bob;
  TCallLeg& aliceLeg = call.aliceLeg;
  const std::string &aliceId = call.aliceId, &bobId = call.bobId;
  // Bob's listener bound, never listening: connections to it are refused.
  ASSERT_TRUE(call.Admit(false));
  ASSERT_TRUE(aliceLeg.Bind(2));
  ASSERT_TRUE(aliceLeg.Connect(call.relay)) << strerror(errno);
  ASSERT_TRUE(aliceLeg.Send(fromHex(encodeMessage(routedCallMessages()[0].build()))));
  const octets release = aliceLeg.Receive();
  ASSERT_FALSE(release.empty()) << gk.Log();
  EXPECT_TRUE(aliceLeg.Closed());
  EXPECT_TRUE(AnswerDisengage(alice, gk.RasAddress())) << gk.Log();
  std::this_thread::sleep_for(RecordGone);
  ASSERT_TRUE(alice.Send(Arq(aliceId, 11, false, 1), gk.RasAddress()));
  auto next = alice.Receive(std::chrono::milliseconds(Limit));
  ASSERT_TRUE(next && next->index() == 10) << "the zone's bandwidth is free again\n" << gk.Log();
  EXPECT_EQ(640u, static_cast<const H225::admissionConfirm*>(next->alternative())->bandWidth.value());
  ASSERT_TRUE(alice.Send(Drq(aliceId, 12, 1), gk.RasAddress()));
  auto dcf = alice.Receive(std::chrono::milliseconds(Limit));
  EXPECT_TRUE(dcf && dcf->index() == 16) << gk.Log();
  EXPECT_TRUE(Unregister(alice, gk.RasAddress(), aliceId) && Unregister(bob, gk.RasAddress(), bobId));
  EXPECT_EQ(0, gk.Stop());

  if (!tshark::toolsAvailable()) return;
  tshark::result t = dissectCallSignalling({release}, {"q931.message_type", "q931.call_ref_flag", "q931.cause_value"});
  ASSERT_TRUE(t.ran) << t.failure;
  EXPECT_EQ("", t.frames[0].malformed);
  // No route to destination, toward the caller.
  EXPECT_EQ((std::vector<std::string>{"0x5a", "1", "3"}), t.frames[0].fields);
}

namespace {

// The log's lines without their time stamps.
std::string Unstamped(const std::string& ALog) {
  static const std::regex stamp("^[0-9/]+ [0-9:]+ ", std::regex::multiline);
  return std::regex_replace(ALog, stamp, "");
}

// The block of a trace: from its head line to the next head line of any
// family (or the end of the log).
std::vector<std::string> TraceBlocks(const std::string& AText) {
  static const std::regex head("^(Q\\.931|H\\.245|H\\.450|RAS), ", std::regex::multiline);
  std::vector<std::string> blocks;
  std::vector<size_t> starts;
  for (auto it = std::sregex_iterator(AText.begin(), AText.end(), head); it != std::sregex_iterator(); ++it)
    starts.push_back(size_t(it->position()));
  for (size_t i = 0; i < starts.size(); ++i) {
    std::string block = AText.substr(starts[i], (i + 1 < starts.size() ? starts[i + 1] : AText.size()) - starts[i]);
    if (block.compare(0, 5, "RAS, ") != 0) blocks.push_back(block);
  }
  return blocks;
}

// The Setup of the samples as it leaves Alice: its elements, its H.225.0
// body and, inside, the fast start channels, the H.450 invoke and the
// tunnelled masterSlaveDetermination that the other traces show decoded.
const char* const SetupTrace = R"(Type: Setup(0x5)
ProtocolDiscriminator : 8
Call Reference: length (in octets): 2, value (in hex): 12 34 , flag: 0 - origination side
Contains 6 elements
[SendingComplete]
[BearerCapability] (0x4)
  Transfer capability: Unrestricted Digital (0x8)
  Transfer Mode: Circuit (0x0)
  Transfer Rate: r64k (0x10)
  Layer 1 Protocol: H221H242 (0x5)
[Display] (0x28)
  'Orvo caller'
[CallingPartyNumber] (0x6c)
  Number Type: Unknown (0x0)
  Numbering Plan: ISDN E.164 (0x1)
  Presentaion Indicator: Restricted (0x1)
  Screening Indicator: Network provied (0x3)
  Number '1234'
[CalledPartyNumber] (0x70)
  Number Type: Unknown (0x0)
  Numbering Plan: ISDN E.164 (0x1)
  Number '5678'
[UserUser] (0x7e)
Protocol Discriminator: 5
User-User {
    H323_uu_pdu {
      H323_message_body Setup {
        ProtocolIdentifier: { 0, 0, 8, 2250, 0, 4 }
        SourceAddress count(2) {
          #0 H323_ID: 'Terminal-1'
          #1 DialedDigits: '2001'
        }
        SourceInfo {
          Vendor {
            Vendor {
              T35CountryCode: 181 (0xb5)
              T35Extension: 0 (0x0)
              ManufacturerCode: 21324 (0x534c)
            }
            ProductId: 'orvo phone'
            VersionId: '4.0.2'
          }
          Terminal {
          }
          Mc: false
          UndefinedNode: false
        }
        DestinationAddress count(1) {
          #0 DialedDigits: '4930123456'
        }
        DestCallSignalAddress IpAddress {
          Ip: 4 octets [7F 00 00 14] (127.0.0.20)
          Port: 1720 (0x6b8)
        }
        ActiveMC: false
        ConferenceID: '@ABCDEFGHIJKLMNO'
        ConferenceGoal Create
        CallType PointToPoint
        SourceCallSignalAddress IpAddress {
          Ip: 4 octets [7F 00 00 0A] (127.0.0.10)
          Port: 1720 (0x6b8)
        }
        CallIdentifier {
          Guid: 'PQRSTUVWXYZ[\\]^_'
        }
        FastStart count(2) {
          #0: 7 octets [00 00 00 06 04 01 00]
          #1: 7 octets [00 00 00 06 04 01 00]
        }
        MediaWaitForConnect: false
        CanOverlapSend: false
        EndpointIdentifier: 'EP-0001'
        MultipleCalls: false
        MaintainConnection: false
      }
      H4501SupplementaryService count(1) {
        #0: 8 octets [00 01 00 00 01 00 01 00]
      }
      H245Tunneling: true
      H245Control count(1) {
        #0: 7 octets [01 00 BE 80 12 34 56]
      }
    }
  }
)";

// Bob's Connect as the relay sends it to Alice: the call reference flag
// now says it comes from the side that did not choose it.
const char* const ConnectTrace = R"(Type: Connect(0x7)
ProtocolDiscriminator : 8
Call Reference: length (in octets): 2, value (in hex): 12 34 , flag: 1 - destination side
Contains 2 elements
[Display] (0x28)
  'Orvo callee'
[UserUser] (0x7e)
Protocol Discriminator: 5
User-User {
    H323_uu_pdu {
      H323_message_body Connect {
        ProtocolIdentifier: { 0, 0, 8, 2250, 0, 4 }
        H245Address IpAddress {
          Ip: 4 octets [7F 00 00 14] (127.0.0.20)
          Port: 1721 (0x6b9)
        }
        DestinationInfo {
          Vendor {
            Vendor {
              T35CountryCode: 181 (0xb5)
              T35Extension: 0 (0x0)
              ManufacturerCode: 21324 (0x534c)
            }
            ProductId: 'orvo gateway'
            VersionId: '2.1.7'
          }
          Gateway {
            Protocol count(2) {
              #0 H323 {
                SupportedPrefixes count(1) {
                  #0 {
                    Prefix DialedDigits: '9'
                  }
                }
              }
              #1 T38FaxAnnexbOnly {
                SupportedPrefixes count(1) {
                  #0 {
                    Prefix DialedDigits: '8'
                  }
                }
                T38FaxProtocol Udp
                T38FaxProfile {
                  FillBitRemoval: false
                  TranscodingJBIG: false
                  TranscodingMMR: false
                  Version: 0 (0x0)
                  T38FaxRateManagement TransferredTCF
                }
              }
            }
          }
          Mc: false
          UndefinedNode: false
        }
        ConferenceID: '@ABCDEFGHIJKLMNO'
        CallIdentifier {
          Guid: 'PQRSTUVWXYZ[\\]^_'
        }
        FastStart count(1) {
          #0: 7 octets [00 00 00 06 04 01 00]
        }
        MultipleCalls: false
        MaintainConnection: false
        ConnectedAddress count(1) {
          #0 DialedDigits: '4930123456'
        }
      }
      H245Tunneling: true
    }
  }
)";

const char* const ReleaseCompleteTrace = R"(Type: ReleaseComplete(0x5a)
ProtocolDiscriminator : 8
Call Reference: length (in octets): 2, value (in hex): 12 34 , flag: 0 - origination side
Contains 2 elements
[Cause] (0x8)
  Coding Standard: CCITT standardized coding, as described below (0x0)
  Location: private network serving the local user (0x1)
  Recommendation: Q.931 (0x0)
  Value: User busy (17)
[UserUser] (0x7e)
Protocol Discriminator: 5
User-User {
    H323_uu_pdu {
      H323_message_body ReleaseComplete {
        ProtocolIdentifier: { 0, 0, 8, 2250, 0, 4 }
        Reason CalledPartyNotRegistered
        CallIdentifier {
          Guid: 'PQRSTUVWXYZ[\\]^_'
        }
      }
      H245Tunneling: true
    }
  }
)";

// 01 00 BE 80 12 34 56: request (CHOICE 1 of 4, extensible), its
// masterSlaveDetermination (CHOICE 0), terminalType 190, then the
// determination number in three octets.
const char* const MasterSlaveTrace = R"(Message Request MasterSlaveDetermination {
  TerminalType: 190 (0xbe)
  StatusDeterminationNumber: 1193046 (0x123456)
}
)";

// 00 00 00 06 04 01 00: forward channel 1, null data, no multiplex.
const char* const FastStartTrace = R"(FastStart {
  ForwardLogicalChannelNumber: 1 (0x1)
  ForwardLogicalChannelParameters {
    DataType NullData
    MultiplexParameters None
  }
}
)";

const char* const InvokeTrace = R"(Message {
  ServiceApdu RosApdus count(1) {
    #0 Invoke {
      InvokeId: 1 (0x1)
      Opcode Local: 0 (0x0)
    }
  }
}
)";

}  // namespace

// The call of ACallPassesTheRelay under rules that trace, of the Q.931
// messages, those Alice sends (received from 127.0.0.2, her alias given)
// and those sent to her; of the H.245 PDUs those sent to Bob; of the H.450
// APDUs those received. Each trace is written whole, in order, and names
// the call; tshark reads in the octets what the traces say.
TEST(RoutedCallEndToEnd, SignallingTracesFollowTheirRules) {
  TGatekeeperSetup setup = RoutedSetup("127.0.0.1");
  setup.LogRules =
      "q931 messages where in where caller alias \"10.1\" where address 127.0.0.2 yes;\n"
      "q931 messages where out where address 127.0.0.2 - 127.0.0.2 yes;\n"
      "h245 messages where out where callee alias \"1002\" where address 127.0.0.3 yes;\n"
      "h450 messages where in yes;\n";
  TConnectedCall routed(setup);
  TGatekeeperUnderTest& gk = routed.gk;
  TSimulatedEndpoint &alice = routed.alice, &bob = routed.bob;
  TCallLeg &bobLeg = routed.bobLeg, &aliceLeg = routed.aliceLeg;
  const std::string &aliceId = routed.aliceId, &bobId = routed.bobId;
  ASSERT_TRUE(routed.Admit());

  const octets setupOctets = fromHex(encodeMessage(routedCallMessages()[0].build()));
  const octets setupAtBob = routed.PassSetup(setupOctets);
  ASSERT_FALSE(setupAtBob.empty());
  octets connectAtAlice;
  for (size_t m = 1; m <= 3; ++m) {  // Call Proceeding, Alerting, Connect
    ASSERT_TRUE(bobLeg.Send(fromHex(encodeMessage(routedCallMessages()[m].build()))));
    connectAtAlice = aliceLeg.Receive();
    ASSERT_FALSE(connectAtAlice.empty());
  }
  Q931::message release = routedCallMessages()[4].build();
  release.callReference = Q931::callReference(0x1234, true);
  const octets releaseOctets = fromHex(encodeMessage(release));
  ASSERT_TRUE(aliceLeg.Send(releaseOctets));
  ASSERT_FALSE(bobLeg.Receive().empty());
  EXPECT_TRUE(AnswerDisengage(alice, gk.RasAddress())) << gk.Log();
  EXPECT_TRUE(Unregister(alice, gk.RasAddress(), aliceId) && Unregister(bob, gk.RasAddress(), bobId));
  EXPECT_EQ(0, gk.Stop());

  const std::string log = Unstamped(gk.Log());
  std::smatch call;
  ASSERT_TRUE(std::regex_search(log, call,
                                std::regex("^Q\\.931, (\\{[0-9a-f]{8}(-[0-9a-f]{4}){3}-[0-9a-f]{12}\\}), ",
                                           std::regex::multiline)))
      << log;
  const std::string aliceAt = "caller: 1001 at " + toStd(orvo::toText(aliceLeg.Address())) + "\n";
  const std::string bobAt = "callee: 1002 at " + toStd(orvo::toText(routed.bobListener.Address())) + "\n";
  const std::string from = "Q.931, " + call[1].str() + ", got message from " + aliceAt;
  const std::string toAlice = "Q.931, " + call[1].str() + ", send message to " + aliceAt;
  const std::string h245ToBob = "H.245, " + call[1].str() + ", send message to " + bobAt;
  const std::string h450From = "H.450, " + call[1].str() + ", got message from " + aliceAt;
  // Not traced: what Bob sends (received from 127.0.0.3), the Q.931
  // messages sent to him, the H.245 PDUs Alice sends and those of the
  // Connect sent to her (not to 127.0.0.3), the H.450 APDU sent to Bob.
  const std::vector<std::string> blocks = TraceBlocks(log);
  ASSERT_EQ(9u, blocks.size()) << log;
  EXPECT_EQ(from + SetupTrace, blocks[0]);
  EXPECT_EQ(h450From + InvokeTrace, blocks[1]);
  EXPECT_EQ(h245ToBob + FastStartTrace, blocks[2]);
  EXPECT_EQ(h245ToBob + FastStartTrace, blocks[3]);
  EXPECT_EQ(h245ToBob + MasterSlaveTrace, blocks[4]);
  EXPECT_EQ(toAlice + "Type: CallProceeding(0x2)\n", blocks[5].substr(0, toAlice.size() + 26));
  EXPECT_EQ(toAlice + "Type: Alerting(0x1)\n", blocks[6].substr(0, toAlice.size() + 20));
  EXPECT_EQ(toAlice + ConnectTrace, blocks[7]);
  EXPECT_EQ(from + ReleaseCompleteTrace, blocks[8].substr(0, blocks[8].find("[I] Service stopped.")));

  if (!tshark::toolsAvailable()) return;
  tshark::result t = dissectCallSignalling(
      {setupOctets, setupAtBob, connectAtAlice, releaseOctets},
      {"q931.message_type", "q931.call_ref_flag", "q931.display_information", "q931.calling_party_number.digits",
       "q931.called_party_number.digits", "q931.cause_value", "q931.cause_location", "h245.forwardLogicalChannelNumber",
       "h245.terminalType", "h245.statusDeterminationNumber", "h450.ros.invokeId", "h450.ros.local"});
  ASSERT_TRUE(t.ran) << t.failure;
  ASSERT_EQ(4u, t.frames.size());
  const std::vector<std::vector<std::string>> expected = {
      {"0x05", "0", "Orvo caller", "1234", "5678", "", "", "1|1", "190", "1193046", "1", "0"},
      {"0x05", "0", "Orvo caller", "1234", "5678", "", "", "1|1", "190", "1193046", "1", "0"},
      {"0x07", "1", "Orvo callee", "", "", "", "", "1", "", "", "", ""},
      {"0x5a", "0", "", "", "", "17", "1", "", "", "", "", ""}};
  for (size_t f = 0; f < t.frames.size(); ++f) {
    EXPECT_EQ("", t.frames[f].malformed) << f;
    EXPECT_EQ(expected[f], t.frames[f].fields) << f;
  }
}

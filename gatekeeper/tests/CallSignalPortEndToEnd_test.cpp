// The call-signal port on the built program: what a connection there says
// first and what refuses it are traced as the relay traces a call, under
// the Setup's call identifier and aliases.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <chrono>
#include <fstream>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include <orvo/socketAddress.h>

#include <h323/q931/elements.h>
#include <h323/transportAddress.h>

#include "CallLeg.h"
#include "ProcessFigures.h"
#include "RasCapture.h"
#include "RasRequests.h"
#include "GatekeeperUnderTest.h"
#include "SimulatedEndpoint.h"
#include "orvoTesting.h"
#include "processSockets.h"
#include "q931Octets.h"
#include "q931Samples.h"
#include "q931Tshark.h"

using namespace q931Testing;

namespace {

std::string WithoutStamps(const std::string& ALog) {
  static const std::regex stamp("^[0-9/]+ [0-9:]+ ", std::regex::multiline);
  return std::regex_replace(ALog, stamp, "");
}

// The Q.931 traces of the log, each from its head line to the next line
// that is not part of it (a log line or another head line).
std::vector<std::string> Q931Traces(const std::string& ALog) {
  std::vector<std::string> traces;
  const std::string text = WithoutStamps(ALog);
  size_t at = 0;
  while ((at = text.find("Q.931, ", at)) != std::string::npos) {
    size_t end = at;
    do end = text.find('\n', end) + 1;
    while (end < text.size() && text.compare(end, 7, "Q.931, ") != 0 && text.compare(end, 1, "[") != 0);
    traces.push_back(text.substr(at, end - at));
    at = end;
  }
  return traces;
}

const std::chrono::milliseconds Limit(5000);

octets SetupCalling(const char* ANumber) { return fromHex(encodeMessage(setupCalling(ANumber))); }

void Guid(asn::octetStringBase& AValue, unsigned char ASeed) {
  unsigned char octets[16];
  for (unsigned i = 0; i < 16; ++i) octets[i] = (unsigned char)(ASeed + i);
  AValue.setValue(octets, 16);
}

// An admission request for the sample Setup's call: the caller's for
// ACallee, or the callee's answering one, which names the caller's
// address when given.
H225::rasMessage SampleArq(const std::string& AIdentifier, unsigned ASequence, bool AAnswer,
                           const char* ACallee = "1002", const sockaddr_in* ACaller = nullptr) {
  H225::rasMessage message = AdmissionRequest(AIdentifier, "1001", ACallee, 0x1234);
  auto* arq = static_cast<H225::admissionRequest*>(message.alternative());
  arq->requestSeqNum = ASequence;
  Guid(arq->conferenceID, 0x40);
  arq->callIdentifier = new H225::callIdentifier;
  Guid(arq->callIdentifier->guid, 0x50);
  arq->answerCall = AAnswer;
  if (ACaller) {
    arq->srcCallSignalAddress = new H225::transportAddress;
    H323::sockaddrToTransport(*ACaller, *arq->srcCallSignalAddress);
  }
  return message;
}

H225::rasMessage AnsweringArq(const std::string& AIdentifier, unsigned ASequence) {
  return SampleArq(AIdentifier, ASequence, true);
}

H225::rasMessage Drq(const std::string& AIdentifier, unsigned ASequence, bool AAnswered) {
  H225::rasMessage message;
  auto* drq = static_cast<H225::disengageRequest*>(message.select(15));
  drq->requestSeqNum = ASequence;
  drq->endpointIdentifier = AIdentifier.c_str();
  Guid(drq->conferenceID, 0x40);
  drq->callIdentifier = new H225::callIdentifier;
  Guid(drq->callIdentifier->guid, 0x50);
  drq->callReferenceValue = 0x1234;
  drq->disengageReason.select(1);  // normalDrop
  drq->answeredCall = new asn::booltype(AAnswered);
  return message;
}

// The index of the endpoint's next RAS message, -1 when none comes in time.
int NextRas(TSimulatedEndpoint& AEndpoint, std::chrono::milliseconds AFor = Limit) {
  auto message = AEndpoint.Receive(AFor);
  return message ? int(message->index()) : -1;
}

// tshark's reading of a call: the caller's Setup, the Setup at the callee
// (for ANumber, in the caller's conference), the callee's Call Proceeding,
// Alerting and Connect at the caller, the caller's Release Complete at
// the callee; every one clean.
void ExpectCallReadClean(const std::vector<octets>& AFrames, const std::string& ANumber) {
  if (!tshark::toolsAvailable()) return;
  tshark::result t =
      dissectCallSignalling(AFrames, {"q931.message_type", "q931.called_party_number.digits", "h225.conferenceID"});
  ASSERT_TRUE(t.ran) << t.failure;
  ASSERT_EQ(6u, t.frames.size());
  const std::vector<std::string> types = {"0x05", "0x05", "0x02", "0x01", "0x07", "0x5a"};
  for (size_t f = 0; f < t.frames.size(); ++f) {
    EXPECT_EQ("", t.frames[f].malformed) << f;
    EXPECT_EQ(types[f], t.frames[f].fields[0]) << f;
  }
  EXPECT_EQ(ANumber, t.frames[1].fields[1]);
  EXPECT_EQ(t.frames[0].fields[2], t.frames[1].fields[2]);
}

// Unregistered before the stop, which otherwise waits on its own requests.
bool Unregister(TSimulatedEndpoint& AEndpoint, const sockaddr_in& AGatekeeper, const std::string& AIdentifier) {
  return AEndpoint.Send(*UnregistrationRequest(AEndpoint, AIdentifier), AGatekeeper) && NextRas(AEndpoint) == 7;
}

// The sample Setup's call identifier (0x50 ... 0x5F) and first source alias.
const std::string SampleCall = "{50515253-5455-5657-5859-5a5b5c5d5e5f}";

}  // namespace

// Alice's Setup (call reference 0x1234) reaches the port from 127.0.0.2 and
// is refused; with every Q.931 message traced, the Setup received and the
// Release Complete sent, each under a head line with her address and port;
// with the rule for sent messages only, the Release Complete alone.
TEST(CallSignalPortEndToEnd, TheFirstMessageAndItsRefusalAreTraced) {
  const struct {
    const char* rules;
    bool received;
  } cases[] = {{"q931 messages yes;\n", true}, {"q931 messages where out yes;\n", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    TGatekeeperSetup setup;
    setup.LogRules = c.rules;
    TGatekeeperUnderTest gk(setup);
    ASSERT_TRUE(gk.Start()) << gk.Console();
    TCallLeg alice;
    ASSERT_TRUE(alice.Bind(2));
    ASSERT_TRUE(alice.Connect(LoopbackAddress(1, gk.CallSignalPort())));
    ASSERT_TRUE(alice.Send(fromHex(encodeMessage(routedCallMessages()[0].build()))));
    const octets refusal = alice.Receive();
    ASSERT_FALSE(refusal.empty()) << gk.Log();
    EXPECT_TRUE(alice.Closed());
    EXPECT_EQ(0, gk.Stop());

    const std::string at = "caller: Terminal-1 at " + toStd(orvo::toText(alice.Address())) + "\n";
    std::vector<std::string> expected;
    if (c.received) expected.push_back("Q.931, " + SampleCall + ", got message from " + at + "Type: Setup(0x5)\n");
    expected.push_back("Q.931, " + SampleCall + ", send message to " + at + "Type: ReleaseComplete(0x5a)\n");
    std::vector<std::string> heads;
    for (const std::string& trace : Q931Traces(gk.Log())) {
      const size_t second = trace.find('\n') + 1;
      heads.push_back(trace.substr(0, trace.find('\n', second) + 1));
    }
    EXPECT_EQ(expected, heads) << gk.Log();
  }
}

// An Alerting first: traced as received, under no call and no alias, and
// answered by nothing.
TEST(CallSignalPortEndToEnd, AFirstMessageWithoutCallIdentifierIsTraced) {
  TGatekeeperSetup setup;
  setup.LogRules = "q931 messages yes;\n";
  TGatekeeperUnderTest gk(setup);
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TCallLeg peer;
  ASSERT_TRUE(peer.Bind(2));
  ASSERT_TRUE(peer.Connect(LoopbackAddress(1, gk.CallSignalPort())));
  ASSERT_TRUE(peer.Send(fromHex("08 02 12 34 01")));
  EXPECT_TRUE(peer.Closed());
  EXPECT_TRUE(gk.WaitForLog("First message must be SETUP."));
  EXPECT_EQ(0, gk.Stop());
  const std::vector<std::string> traces = Q931Traces(gk.Log());
  ASSERT_EQ(1u, traces.size()) << gk.Log();
  EXPECT_EQ("Q.931, no call identifier, got message from caller:  at " + toStd(orvo::toText(peer.Address())) +
                "\nType: Alerting(0x1)\n",
            traces[0].substr(0, traces[0].find('\n', traces[0].find('\n') + 1) + 1));
}

// Alice, registered, sends her Setup for 5678 straight to the call-signal
// port without asking for admission; Bob (5678) gets it from the relay,
// is admitted to the call by his answering request, and his answers reach
// Alice, her Release Complete him. The gatekeeper disengages Bob; Alice,
// who was never admitted, hears no RAS message at all. tshark reads every message
// clean.
TEST(CallSignalPortEndToEnd, ARegisteredEndpointsSetupIsRouted) {
  TGatekeeperSetup setup;
  setup.LogRules += "connection status yes;\nq931 messages where in yes;\n";
  setup.Sections =
      "zone Z { bandwidth 64K; }\n"
      "user alice { login \"1001\"; alias \"1001\"; location Z; }\n"
      "user bob { login \"5678\"; alias \"5678\"; location Z; }\n";
  TGatekeeperUnderTest gk(setup);
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TSimulatedEndpoint alice(2), bob(3);
  TCallLeg bobListener, bobLeg, aliceLeg;
  ASSERT_TRUE(bobListener.Bind(3) && bobListener.Listen());
  const std::string aliceId = RegisterCallee(alice, gk.RasAddress(), "1001", alice.CallSignalAddress());
  const std::string bobId = RegisterCallee(bob, gk.RasAddress(), "5678", bobListener.Address());
  ASSERT_FALSE(aliceId.empty() || bobId.empty()) << gk.Log();

  const octets setupOctets = SetupCalling("5678");
  ASSERT_TRUE(aliceLeg.Bind(2) && aliceLeg.Connect(LoopbackAddress(1, gk.CallSignalPort())));
  ASSERT_TRUE(aliceLeg.Send(setupOctets));
  ASSERT_TRUE(bobListener.Accept(bobLeg)) << gk.Log();
  const octets setupAtBob = bobLeg.Receive();
  ASSERT_FALSE(setupAtBob.empty()) << gk.Log();
  ASSERT_TRUE(bob.Send(AnsweringArq(bobId, 20), gk.RasAddress()));
  EXPECT_EQ(10, NextRas(bob)) << "the callee admitted to the routed call\n" << gk.Log();
  std::vector<octets> answers;
  for (size_t m = 1; m <= 3; ++m) {  // Call Proceeding, Alerting, Connect
    ASSERT_TRUE(bobLeg.Send(fromHex(encodeMessage(routedCallMessages()[m].build()))));
    answers.push_back(aliceLeg.Receive());
  }
  Q931::message release = routedCallMessages()[4].build();
  release.callReference = Q931::callReference(0x1234, true);
  const octets releaseOctets = fromHex(encodeMessage(release));
  ASSERT_TRUE(aliceLeg.Send(releaseOctets));
  const octets releaseAtBob = bobLeg.Receive();
  EXPECT_TRUE(bobLeg.Closed());
  EXPECT_TRUE(aliceLeg.Closed());
  // Neither disengages: 4 s after the release the gatekeeper asks Bob, and
  // only him, to disengage.
  EXPECT_EQ(-1, NextRas(alice, std::chrono::milliseconds(5000))) << "no request to a caller never admitted";
  auto drq = bob.Receive(std::chrono::milliseconds(0));
  ASSERT_TRUE(drq && drq->index() == 15) << gk.Log();
  H225::rasMessage dcf;
  static_cast<H225::disengageConfirm*>(dcf.select(16))->requestSeqNum =
      static_cast<const H225::disengageRequest*>(drq->alternative())->requestSeqNum.value();
  ASSERT_TRUE(bob.Send(dcf, gk.RasAddress()));
  EXPECT_TRUE(gk.WaitForLog("Call signalling relayed to " + toStd(orvo::toText(bobListener.Address())) + ".\n"));
  EXPECT_EQ(std::string::npos, gk.Log().find("refused")) << gk.Log();
  EXPECT_TRUE(Unregister(alice, gk.RasAddress(), aliceId) && Unregister(bob, gk.RasAddress(), bobId));
  EXPECT_EQ(0, gk.Stop());
  // Read by the call-signal port, then handed to the call: traced once.
  std::vector<std::string> received;
  for (const std::string& trace : Q931Traces(gk.Log()))
    received.push_back(trace.substr(trace.find('\n') + 1, trace.find('\n', trace.find('\n') + 1) - trace.find('\n')));
  EXPECT_EQ((std::vector<std::string>{"Type: Setup(0x5)\n", "Type: CallProceeding(0x2)\n", "Type: Alerting(0x1)\n",
                                      "Type: Connect(0x7)\n", "Type: ReleaseComplete(0x5a)\n"}),
            received);

  ExpectCallReadClean({setupOctets, setupAtBob, answers[0], answers[1], answers[2], releaseAtBob}, "5678");
}

// An endpoint registered with the gatekeeper's own call-signal address,
// and Alice's Setup for it: the relay's connection back to the port finds
// that endpoint as its caller, whose Setup for itself comes round again.
// There it is a call that its caller has already: the third hop is refused,
// its Release Complete goes back along the two calls to Alice, and once
// the two call records have waited for the endpoints' disengage they go:
// both endpoints can leave, and the gatekeeper holds the descriptors it
// held before.
TEST(CallSignalPortEndToEnd, ASetupCirclingThroughTheOwnPortStopsAtTheThirdHop) {
  TGatekeeperSetup setup;
  setup.LogRules += "connection status yes;\n";
  setup.Sections =
      "user alice { login \"1001\"; alias \"1001\"; }\n"
      "user loop { login \"5678\"; alias \"5678\"; }\n";
  TGatekeeperUnderTest gk(setup);
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TSimulatedEndpoint alice(2), loop(3);
  const sockaddr_in port = LoopbackAddress(1, gk.CallSignalPort());
  const std::string aliceId = RegisterCallee(alice, gk.RasAddress(), "1001", alice.CallSignalAddress());
  const std::string loopId = RegisterCallee(loop, gk.RasAddress(), "5678", port);
  ASSERT_FALSE(aliceId.empty() || loopId.empty()) << gk.Log();
  const int descriptors = ReadProcessFigures(gk.Pid()).Descriptors;

  TCallLeg aliceLeg;
  ASSERT_TRUE(aliceLeg.Bind(2) && aliceLeg.Connect(port));
  ASSERT_TRUE(aliceLeg.Send(SetupCalling("5678")));
  const octets release = aliceLeg.Receive();
  ASSERT_FALSE(release.empty()) << gk.Log();
  EXPECT_TRUE(aliceLeg.Closed());
  const std::string relayed = "Call signalling relayed to " + toStd(orvo::toText(port)) + ".\n";
  EXPECT_TRUE(gk.WaitForLog("refused: UndefinedReason. Duplicate call.\n")) << gk.Log();
  EXPECT_TRUE(gk.WaitForLog(relayed, std::chrono::milliseconds(0), 2)) << gk.Log();
  EXPECT_FALSE(gk.WaitForLog(relayed, std::chrono::milliseconds(0), 3)) << gk.Log();
  EXPECT_TRUE(UnregisterOnceCallsEnd(alice, gk.RasAddress(), aliceId)) << gk.Log();
  EXPECT_TRUE(UnregisterOnceCallsEnd(loop, gk.RasAddress(), loopId)) << gk.Log();
  int now = -1;
  for (int i = 0; i < 50 && (now = ReadProcessFigures(gk.Pid()).Descriptors) != descriptors; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(descriptors, now);
  EXPECT_EQ(0, gk.Stop());

  if (!tshark::toolsAvailable()) return;
  tshark::result t = dissectCallSignalling({release}, {"q931.message_type", "q931.cause_value", "h225.reason"});
  ASSERT_TRUE(t.ran) << t.failure;
  ASSERT_EQ(1u, t.frames.size());
  EXPECT_EQ("", t.frames[0].malformed);
  EXPECT_EQ((std::vector<std::string>{"0x5a", "31", "11"}), t.frames[0].fields);
}

namespace {

std::string HostPort(const std::string& AHost, unsigned APort) { return AHost + ":" + std::to_string(APort); }

}  // namespace

// Two of our gatekeepers: GK1 (127.0.0.10) with Alice (1001, 127.0.0.2)
// knows GK2 as a static neighbour whose link does not register, so it
// asks GK2 where 2001 is; GK2 (127.0.0.11) with Bob (2001, 127.0.0.3) knows
// GK1 as a static neighbour at its address and at Alice's. Every user at
// the same proxy level. Above none, GK2's confirm names its own call-signal
// port, GK1's relay sends Alice's Setup there, and GK2's relay takes it to
// Bob, who is admitted to that call; at none Alice calls Bob directly. The answers and the release pass, the
// endpoints disengage, and tshark reads every message clean.
TEST(CallSignalPortEndToEnd, ACallFromANeighbourPassesItsConfirmedPort) {
  for (const char* level : {"", "proxy level full; ", "proxy level none; "}) {
    SCOPED_TRACE(level);
    const bool direct = std::string(level) == "proxy level none; ";
    TGatekeeperSetup first, second;
    first.Identifier = "GK1";
    first.Address = "127.0.0.10";
    first.LogRules += "connection status yes;\n";
    second.Identifier = "GK2";
    second.Address = "127.0.0.11";
    second.LogRules += "connection status yes;\n";
    first.Sections = std::string("user alice { login \"1001\"; alias \"1001\"; ") + level + "}\n";
    TGatekeeperUnderTest gk1(first);
    second.Sections = std::string("user bob { login \"2001\"; alias \"2001\"; ") + level + "}\n" +
                      "gatekeeper GK1 { identifier \"GK1\"; static " + first.Address +
                      "; address 127.0.0.2 yes; ras address " + HostPort(first.Address, gk1.RasPort()) + "; " + level +
                      "}\n";
    TGatekeeperUnderTest gk2(second);
    std::ofstream(gk1.PathOf("gk.cfg")) << gk1.ConfigurationText() + "gatekeeper GK2 { identifier \"GK2\"; static " +
                                               HostPort(second.Address, gk2.CallSignalPort()) + "; ras address " +
                                               HostPort(second.Address, gk2.RasPort()) + "; alias \"2.*\"; " + level +
                                               "}\n";
    ASSERT_TRUE(gk2.Start()) << gk2.Console();
    ASSERT_TRUE(gk1.Start()) << gk1.Console();

    TRasCapture capture;
    TSimulatedEndpoint alice(2, &capture), bob(3, &capture);
    TCallLeg bobListener, bobLeg, aliceLeg;
    ASSERT_TRUE(bobListener.Bind(3) && bobListener.Listen());
    const std::string aliceId = RegisterCallee(alice, gk1.RasAddress(), "1001", alice.CallSignalAddress());
    const std::string bobId = RegisterCallee(bob, gk2.RasAddress(), "2001", bobListener.Address());
    ASSERT_FALSE(aliceId.empty() || bobId.empty()) << gk1.Log() << gk2.Log();

    ASSERT_TRUE(alice.Send(SampleArq(aliceId, 10, false, "2001"), gk1.RasAddress()));
    auto acf = alice.Receive(Limit);
    ASSERT_TRUE(acf && acf->index() == 10) << gk1.Log() << gk2.Log();
    sockaddr_in destination{};
    H323::transportToSockaddr(static_cast<const H225::admissionConfirm*>(acf->alternative())->destCallSignalAddress,
                              destination);
    const std::string destinationText = toStd(orvo::toText(destination));
    if (direct)
      EXPECT_EQ(toStd(orvo::toText(bobListener.Address())), destinationText);
    else
      EXPECT_EQ(0u, destinationText.rfind("127.0.0.10:", 0)) << destinationText << " is GK1's relay";

    const octets setupOctets = SetupCalling("2001");
    ASSERT_TRUE(aliceLeg.Bind(2) && aliceLeg.Connect(destination));
    ASSERT_TRUE(aliceLeg.Send(setupOctets));
    ASSERT_TRUE(bobListener.Accept(bobLeg)) << gk1.Log() << gk2.Log();
    const octets setupAtBob = bobLeg.Receive();
    ASSERT_FALSE(setupAtBob.empty()) << gk1.Log() << gk2.Log();
    const sockaddr_in aliceAt = aliceLeg.Address();
    ASSERT_TRUE(bob.Send(SampleArq(bobId, 20, true, "2001", &aliceAt), gk2.RasAddress()));
    EXPECT_EQ(10, NextRas(bob)) << "Bob admitted\n" << gk2.Log();
    std::vector<octets> answers;
    for (size_t m = 1; m <= 3; ++m) {  // Call Proceeding, Alerting, Connect
      ASSERT_TRUE(bobLeg.Send(fromHex(encodeMessage(routedCallMessages()[m].build()))));
      answers.push_back(aliceLeg.Receive());
      ASSERT_FALSE(answers.back().empty()) << m << gk1.Log() << gk2.Log();
    }
    Q931::message release = routedCallMessages()[4].build();
    release.callReference = Q931::callReference(0x1234, true);
    const octets releaseOctets = fromHex(encodeMessage(release));
    ASSERT_TRUE(aliceLeg.Send(releaseOctets));
    const octets releaseAtBob = bobLeg.Receive();
    EXPECT_FALSE(releaseAtBob.empty());
    // The relays close both legs; endpoints calling each other do not.
    if (!direct) {
      EXPECT_TRUE(bobLeg.Closed() && aliceLeg.Closed());
    }
    ASSERT_TRUE(alice.Send(Drq(aliceId, 11, false), gk1.RasAddress()));
    EXPECT_EQ(16, NextRas(alice));
    ASSERT_TRUE(bob.Send(Drq(bobId, 21, true), gk2.RasAddress()));
    EXPECT_EQ(16, NextRas(bob));
    if (!direct) {
      EXPECT_TRUE(
          gk1.WaitForLog("Call signalling relayed to " + HostPort(second.Address, gk2.CallSignalPort()) + ".\n"))
          << gk1.Log();
      EXPECT_TRUE(gk2.WaitForLog("Call signalling relayed to " + toStd(orvo::toText(bobListener.Address())) + ".\n"))
          << gk2.Log();
    }
    EXPECT_EQ(std::string::npos, gk2.Log().find("refused")) << gk2.Log();
    EXPECT_TRUE(Unregister(alice, gk1.RasAddress(), aliceId) && Unregister(bob, gk2.RasAddress(), bobId));
    EXPECT_EQ(0, gk1.Stop());
    EXPECT_EQ(0, gk2.Stop());

    if (!tshark::toolsAvailable()) continue;
    tshark::result ras = capture.Dissect(gk1.PathOf("ras.pcap"), {"h225.RasMessage"});
    ASSERT_TRUE(ras.ran) << ras.failure;
    for (const auto& frame : ras.frames) EXPECT_EQ("", frame.malformed) << frame.fields[0];
    ExpectCallReadClean({setupOctets, setupAtBob, answers[0], answers[1], answers[2], releaseAtBob}, "2001");
  }
}

// Routed calls on the built program, the endpoints keeping the default proxy
// level: admitted through RAS, the call-signalling goes through the relay
// the confirm names, over real TCP connections; tshark reads what each side
// got.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <orvo/socketAddress.h>

#include <h323/alias.h>
#include <h323/q931/elements.h>
#include <h323/transportAddress.h>

#include "GatekeeperUnderTest.h"
#include "RasCapture.h"
#include "RasRequests.h"
#include "SimulatedEndpoint.h"
#include "orvoTesting.h"
#include "q931Octets.h"
#include "q931Samples.h"
#include "q931Tshark.h"

using namespace q931Testing;

namespace {

const int Limit = 5000;  // ms, for anything one side waits for

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
  H225::rasMessage message;
  auto* arq = static_cast<H225::admissionRequest*>(message.select(9));
  arq->requestSeqNum = ASequence;
  arq->callType.select(0);
  arq->endpointIdentifier = AIdentifier.c_str();
  arq->destinationInfo = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
  H323::makeAliasAddress(*arq->destinationInfo->appendNew(), "1002");
  H323::makeAliasAddress(*arq->srcInfo.appendNew(), "1001");
  arq->bandWidth = 640;
  arq->callReferenceValue = 0x1234;
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

// Registers the endpoint as AAlias taking calls at ASignal; its identifier,
// empty when no confirm came.
std::string Register(TSimulatedEndpoint& AEndpoint, const sockaddr_in& AGatekeeper, const char* AAlias,
                     const sockaddr_in& ASignal) {
  auto rrq = AEndpoint.RegistrationRequest({AAlias});
  auto* request = static_cast<H225::registrationRequest*>(rrq->alternative());
  request->callSignalAddress.clear();
  H323::sockaddrToTransport(ASignal, *request->callSignalAddress.appendNew());
  if (!AEndpoint.Send(*rrq, AGatekeeper)) return "";
  auto answer = AEndpoint.Receive(std::chrono::seconds(2));
  if (!answer || answer->index() != 4) return "";
  return toStd(static_cast<const H225::registrationConfirm*>(answer->alternative())->endpointIdentifier.toString());
}

// The gatekeeper's disengage request to the endpoint, answered with a
// confirm; false when none comes.
bool AnswerDisengage(TSimulatedEndpoint& AEndpoint, const sockaddr_in& AGatekeeper) {
  auto drq = AEndpoint.Receive(std::chrono::milliseconds(Limit));
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

// A TCP socket on 127.0.0.<AHost>, listening or connected; closed with it.
struct TStream {
  int Fd = -1;
  ~TStream() {
    if (Fd != -1) close(Fd);
  }
  bool Bind(unsigned AHost, sockaddr_in& ABound) {
    Fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ABound = LoopbackAddress(AHost, 0);
    socklen_t length = sizeof ABound;
    return bind(Fd, reinterpret_cast<sockaddr*>(&ABound), sizeof ABound) == 0 &&
           getsockname(Fd, reinterpret_cast<sockaddr*>(&ABound), &length) == 0;
  }
  bool Readable(int AMilliseconds) {
    pollfd p{Fd, POLLIN, 0};
    return poll(&p, 1, AMilliseconds) == 1;
  }
  // The listener's next connection.
  bool Accept(TStream& AConnection) {
    if (!Readable(Limit)) return false;
    AConnection.Fd = accept4(Fd, nullptr, nullptr, SOCK_CLOEXEC);
    return AConnection.Fd != -1;
  }
  bool Send(const octets& AMessage) {
    octets frame{3, 0, (unsigned char)((AMessage.size() + 4) >> 8), (unsigned char)(AMessage.size() + 4)};
    frame.insert(frame.end(), AMessage.begin(), AMessage.end());
    return write(Fd, frame.data(), frame.size()) == ssize_t(frame.size());
  }
  bool ReadExactly(unsigned char* AData, size_t ALength) {
    for (size_t done = 0; done < ALength;) {
      if (!Readable(Limit)) return false;
      const ssize_t n = recv(Fd, AData + done, ALength - done, 0);
      if (n <= 0) return false;
      done += size_t(n);
    }
    return true;
  }
  // The next message without its TPKT header; empty when none comes.
  octets Receive() {
    unsigned char header[4];
    if (!ReadExactly(header, 4) || header[0] != 3) return {};
    octets message(size_t((header[2] << 8 | header[3]) - 4));
    return ReadExactly(message.data(), message.size()) ? message : octets{};
  }
  // The other side closed, nothing more to read.
  bool Closed() {
    unsigned char octet;
    return Readable(Limit) && recv(Fd, &octet, 1, 0) <= 0;
  }
};

sockaddr_in ConfirmedDestination(const H225::rasMessage& AAcf) {
  sockaddr_in out{};
  H323::transportToSockaddr(static_cast<const H225::admissionConfirm*>(AAcf.alternative())->destCallSignalAddress, out);
  return out;
}

}  // namespace

// Alice (1001) calls Bob (1002): the confirm routes her to the relay, the
// Setup reaches Bob's socket with its number, conference and fast start,
// Bob's answers reach her, her Release Complete ends both legs, and the
// call is gone after the gatekeeper's disengage requests. With a wildcard
// system address the relay is named by the address the request came to.
TEST(RoutedCallEndToEnd, ACallPassesTheRelay) {
  for (const char* address : {"127.0.0.1", "0.0.0.0"}) {
    SCOPED_TRACE(address);
    TGatekeeperUnderTest gk(RoutedSetup(address));
    ASSERT_TRUE(gk.Start()) << gk.Console();
    TRasCapture capture;
    TSimulatedEndpoint alice(2, &capture), bob(3, &capture);
    TStream bobListener, bobLeg, aliceLeg;
    sockaddr_in bobSignal{}, aliceSignal{};
    ASSERT_TRUE(bobListener.Bind(3, bobSignal) && listen(bobListener.Fd, 4) == 0);
    const std::string aliceId = Register(alice, gk.RasAddress(), "1001", alice.CallSignalAddress());
    const std::string bobId = Register(bob, gk.RasAddress(), "1002", bobSignal);
    ASSERT_FALSE(aliceId.empty() || bobId.empty()) << gk.Log();

    ASSERT_TRUE(alice.Send(Arq(aliceId, 10, false), gk.RasAddress()));
    auto acf = alice.Receive(std::chrono::milliseconds(Limit));
    ASSERT_TRUE(acf && acf->index() == 10) << gk.Log();
    const sockaddr_in relay = ConfirmedDestination(*acf);
    EXPECT_EQ(htonl(INADDR_LOOPBACK), relay.sin_addr.s_addr);
    EXPECT_NE(0, relay.sin_port);
    EXPECT_NE(htons(uint16_t(gk.CallSignalPort())), relay.sin_port);

    const octets setup = fromHex(encodeMessage(routedCallMessages()[0].build()));
    ASSERT_TRUE(aliceLeg.Bind(2, aliceSignal));
    ASSERT_EQ(0, connect(aliceLeg.Fd, reinterpret_cast<const sockaddr*>(&relay), sizeof relay)) << strerror(errno);
    ASSERT_TRUE(aliceLeg.Send(setup));
    ASSERT_TRUE(bobListener.Accept(bobLeg)) << gk.Log();
    const octets setupAtBob = bobLeg.Receive();
    ASSERT_FALSE(setupAtBob.empty()) << gk.Log();
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
    ASSERT_TRUE(aliceLeg.Send(fromHex(encodeMessage(release))));
    const octets releaseAtBob = bobLeg.Receive();
    EXPECT_TRUE(bobLeg.Closed());
    EXPECT_TRUE(aliceLeg.Closed());
    EXPECT_TRUE(AnswerDisengage(alice, gk.RasAddress())) << gk.Log();
    EXPECT_TRUE(AnswerDisengage(bob, gk.RasAddress())) << gk.Log();
    // The record outlives its disengage by a second.
    std::this_thread::sleep_for(std::chrono::milliseconds(1300));
    ASSERT_TRUE(alice.Send(Brq(aliceId, 11), gk.RasAddress()));
    auto brq = alice.Receive(std::chrono::milliseconds(Limit));
    ASSERT_TRUE(brq && brq->index() == 14) << "no call left to change";
    EXPECT_EQ(1u, static_cast<const H225::bandwidthReject*>(brq->alternative())->rejectReason.index());
    EXPECT_TRUE(gk.WaitForLog("Call signalling relayed to " + toStd(orvo::toText(bobSignal)) + ".\n")) << gk.Log();
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
  TGatekeeperUnderTest gk(config);
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TSimulatedEndpoint alice(2), bobEndpoint(3);
  TStream bobListener, bobLeg, aliceLeg;
  sockaddr_in bobSignal{}, aliceSignal{};
  ASSERT_TRUE(bobListener.Bind(3, bobSignal) && listen(bobListener.Fd, 4) == 0);
  const std::string aliceId = Register(alice, gk.RasAddress(), "1001", alice.CallSignalAddress());
  const std::string bobId = Register(bobEndpoint, gk.RasAddress(), "1002", bobSignal);
  ASSERT_FALSE(aliceId.empty() || bobId.empty()) << gk.Log();
  ASSERT_TRUE(alice.Send(Arq(aliceId, 10, false), gk.RasAddress()));
  auto acf = alice.Receive(std::chrono::milliseconds(Limit));
  ASSERT_TRUE(acf && acf->index() == 10) << gk.Log();
  const sockaddr_in relay = ConfirmedDestination(*acf);

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

  ASSERT_TRUE(aliceLeg.Bind(2, aliceSignal));
  ASSERT_EQ(0, connect(aliceLeg.Fd, reinterpret_cast<const sockaddr*>(&relay), sizeof relay)) << strerror(errno);
  ASSERT_TRUE(aliceLeg.Send(fromHex(sent)));
  ASSERT_TRUE(bobListener.Accept(bobLeg)) << gk.Log();
  const octets setupAtBob = bobLeg.Receive();
  ASSERT_FALSE(setupAtBob.empty()) << gk.Log();
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
  TGatekeeperUnderTest gk(RoutedSetup("127.0.0.1"));
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TSimulatedEndpoint alice(2), bob(3);
  TStream deaf, aliceLeg;  // bound, never listening: connections to it are refused
  sockaddr_in bobSignal{}, aliceSignal{};
  ASSERT_TRUE(deaf.Bind(3, bobSignal));
  const std::string aliceId = Register(alice, gk.RasAddress(), "1001", alice.CallSignalAddress());
  const std::string bobId = Register(bob, gk.RasAddress(), "1002", bobSignal);
  ASSERT_FALSE(aliceId.empty() || bobId.empty()) << gk.Log();

  ASSERT_TRUE(alice.Send(Arq(aliceId, 10, false), gk.RasAddress()));
  auto acf = alice.Receive(std::chrono::milliseconds(Limit));
  ASSERT_TRUE(acf && acf->index() == 10) << gk.Log();
  const sockaddr_in relay = ConfirmedDestination(*acf);
  ASSERT_TRUE(aliceLeg.Bind(2, aliceSignal));
  ASSERT_EQ(0, connect(aliceLeg.Fd, reinterpret_cast<const sockaddr*>(&relay), sizeof relay)) << strerror(errno);
  ASSERT_TRUE(aliceLeg.Send(fromHex(encodeMessage(routedCallMessages()[0].build()))));
  const octets release = aliceLeg.Receive();
  ASSERT_FALSE(release.empty()) << gk.Log();
  EXPECT_TRUE(aliceLeg.Closed());
  EXPECT_TRUE(AnswerDisengage(alice, gk.RasAddress())) << gk.Log();
  std::this_thread::sleep_for(std::chrono::milliseconds(1300));
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

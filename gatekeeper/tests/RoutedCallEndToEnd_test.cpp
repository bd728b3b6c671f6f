// Routed calls on the built program, the endpoints keeping the default proxy
// level: admitted through RAS, the call-signalling goes through the relay
// the confirm names, over real TCP connections; tshark reads what each side
// got.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <orvo/socketAddress.h>

#include <gatekeeper/RasSequenceNumber.h>

#include <h323/alias.h>
#include <h323/q931/elements.h>
#include <h323/transportAddress.h>

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

// How long the gatekeeper waits for the endpoints to disengage themselves
// after a Release Complete it relayed.
const int DisengageWait = 4000;  // ms

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

// The message in its TPKT frame.
octets Tpkt(const octets& AMessage) {
  octets frame{3, 0, (unsigned char)((AMessage.size() + 4) >> 8), (unsigned char)(AMessage.size() + 4)};
  frame.insert(frame.end(), AMessage.begin(), AMessage.end());
  return frame;
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
  bool Send(const octets& AMessage) { return SendOctets(Tpkt(AMessage)); }
  bool SendOctets(const octets& AOctets) { return write(Fd, AOctets.data(), AOctets.size()) == ssize_t(AOctets.size()); }
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
  // How the next read ends: 0 the other side closed in order, else the
  // errno of a reset (-1 when data or nothing came).
  int EndOfStream() {
    unsigned char octet;
    if (!Readable(Limit)) return -1;
    const ssize_t n = recv(Fd, &octet, 1, 0);
    return n == 0 ? 0 : n < 0 ? errno : -1;
  }
  // Once the connection is closed both ways: 0 when it ended in order, else
  // the error a reset left (EPIPE, ECONNRESET); -1 when it is not closed
  // within the limit.
  int ErrorOnceClosed() {
    for (int waited = 0; waited < Limit; waited += 10) {
      tcp_info info{};
      socklen_t length = sizeof info;
      if (getsockopt(Fd, IPPROTO_TCP, TCP_INFO, &info, &length) == 0 && info.tcpi_state == TCP_CLOSE) {
        int error = -1;
        length = sizeof error;
        getsockopt(Fd, SOL_SOCKET, SO_ERROR, &error, &length);
        return error;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
  }
};

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

// Alice (1001, 127.0.0.2) calls Bob (1002, 127.0.0.3) through the relay:
// both registered, both admitted, the Setup at Bob, his Connect at Alice.
struct TConnectedCall {
  TGatekeeperUnderTest gk{RoutedSetup("127.0.0.1")};
  TSimulatedEndpoint alice{2}, bob{3};
  TStream bobListener, bobLeg, aliceLeg;
  sockaddr_in bobSignal{}, aliceSignal{};
  std::string aliceId, bobId;
  Q931::message setup;

  // False, with a failure that names the step, when one fails.
  bool Connect() {
    if (!gk.Start()) return Fail("the start");
    if (!bobListener.Bind(3, bobSignal) || listen(bobListener.Fd, 4) != 0) return Fail("Bob's listener");
    aliceId = Register(alice, gk.RasAddress(), "1001", alice.CallSignalAddress());
    bobId = Register(bob, gk.RasAddress(), "1002", bobSignal);
    if (aliceId.empty() || bobId.empty()) return Fail("the registrations");
    if (!alice.Send(Arq(aliceId, 10, false), gk.RasAddress())) return Fail("Alice's admission request");
    auto acf = alice.Receive(std::chrono::milliseconds(Limit));
    if (!acf || acf->index() != 10) return Fail("Alice's admission");
    const sockaddr_in relay = ConfirmedDestination(*acf);
    const octets setupOctets = fromHex(encodeMessage(routedCallMessages()[0].build()));
    decodeMessage(setup, setupOctets);
    if (!aliceLeg.Bind(2, aliceSignal) ||
        connect(aliceLeg.Fd, reinterpret_cast<const sockaddr*>(&relay), sizeof relay) != 0 ||
        !aliceLeg.Send(setupOctets))
      return Fail("Alice's Setup");
    if (!bobListener.Accept(bobLeg) || bobLeg.Receive().empty()) return Fail("the Setup at Bob");
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
    std::this_thread::sleep_for(std::chrono::milliseconds(1300));
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
  EXPECT_EQ(1, processSockets::noDelay(gatekeeper, call.aliceSignal)) << "the caller's leg";
  EXPECT_EQ(1, processSockets::noDelay(gatekeeper, call.bobSignal)) << "the callee's leg";
  TStream direct;
  sockaddr_in directEnd{};
  const sockaddr_in port = LoopbackAddress(1, call.gk.CallSignalPort());
  ASSERT_TRUE(direct.Bind(4, directEnd));
  ASSERT_EQ(0, connect(direct.Fd, reinterpret_cast<const sockaddr*>(&port), sizeof port)) << strerror(errno);
  // Accepted when the program's loop comes to it.
  int accepted = -1;
  for (int waited = 0; accepted == -1 && waited < Limit; waited += 10) {
    accepted = processSockets::noDelay(gatekeeper, directEnd);
    if (accepted == -1) std::this_thread::sleep_for(std::chrono::milliseconds(10));
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
  octets aliceLast = Tpkt(call.Release(false));
  const octets facility = Tpkt(fromHex("08 02 12 34 62 7E 00 01 05"));
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
  std::this_thread::sleep_for(std::chrono::milliseconds(1300));
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
    if (std::string(address) == "127.0.0.1") {
      EXPECT_TRUE(AnswerDisengage(alice, gk.RasAddress())) << gk.Log();
      EXPECT_TRUE(AnswerDisengage(bob, gk.RasAddress())) << gk.Log();
    } else {  // as endpoints do, and without the gatekeeper's wait
      EXPECT_EQ(16, NextAnswer(alice, gk.RasAddress(), Drq(aliceId, 12, 0)));
      EXPECT_EQ(16, NextAnswer(bob, gk.RasAddress(), Drq(bobId, 21, 0)));
    }
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

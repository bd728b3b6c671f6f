// Neighbour gatekeepers on the built program: a neighbour played by the test
// on 127.0.0.5 registers here and is registered at through the link; the
// caller's admission and bandwidth go through it, and its location request
// is answered.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <fstream>
#include <future>

#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <gatekeeper/RasSequenceNumber.h>

#include "GatekeeperUnderTest.h"
#include "RasCapture.h"
#include "SimulatedEndpoint.h"
#include "orvoTesting.h"

namespace {

using std::chrono::milliseconds;

std::string Text(const H225::transportAddress& AAddress) {
  sockaddr_in address{};
  if (!H323::transportToSockaddr(AAddress, address)) return "?";
  char host[INET_ADDRSTRLEN] = "";
  inet_ntop(AF_INET, &address.sin_addr, host, sizeof host);
  return std::string(host) + ":" + std::to_string(ntohs(address.sin_port));
}

std::string Register(TSimulatedEndpoint& AEndpoint, const sockaddr_in& AGatekeeper, const char* AAlias) {
  auto rrq = AEndpoint.RegistrationRequest({AAlias});
  if (!AEndpoint.Send(*rrq, AGatekeeper)) return "";
  auto answer = AEndpoint.Receive(std::chrono::seconds(2));
  if (!answer || answer->index() != 4) return "";
  return toStd(static_cast<const H225::registrationConfirm*>(answer->alternative())->endpointIdentifier.toString());
}

// The next message of the kind; others (keep-alive registrations) skipped.
std::unique_ptr<H225::rasMessage> Expect(TSimulatedEndpoint& AAt, int AKind, sockaddr_in* AFrom = nullptr) {
  for (int i = 0; i < 10; ++i) {
    auto message = AAt.Receive(milliseconds(3000), AFrom);
    if (!message) break;
    if (message->index() == AKind) return message;
  }
  ADD_FAILURE() << "no message of kind " << AKind;
  return nullptr;
}

std::string NeighbourSection(const TSimulatedEndpoint& AGk2) {
  return "gatekeeper GK2 { identifier \"GK2\"; ras address 127.0.0.5:" +
         std::to_string(ntohs(AGk2.Address().sin_port)) +
         "; login \"gk2\"; alias \"2.*\"; proxy level none; register alias \"gk1\"; }\n";
}

// GK2's confirmation of the link's registration, location or admission
// request, naming GK2's own addresses.
H225::rasMessage Confirmation(const H225::rasMessage& ARequest) {
  H225::rasMessage answer;
  switch (ARequest.index()) {
    case 3: {
      auto* rcf = static_cast<H225::registrationConfirm*>(answer.select(4));
      rcf->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
      H323::sockaddrToTransport(LoopbackAddress(5, 1720), *rcf->callSignalAddress.appendNew());
      rcf->endpointIdentifier = "EP-GK1";
      break;
    }
    case 18: {
      auto* lcf = static_cast<H225::locationConfirm*>(answer.select(19));
      H323::sockaddrToTransport(LoopbackAddress(5, 1720), lcf->callSignalAddress);
      H323::sockaddrToTransport(LoopbackAddress(5, 1719), lcf->rasAddress);
      break;
    }
    case 9: {
      auto* acf = static_cast<H225::admissionConfirm*>(answer.select(10));
      acf->bandWidth = static_cast<const H225::admissionRequest*>(ARequest.alternative())->bandWidth.value();
      acf->callModel.select(0);
      H323::sockaddrToTransport(LoopbackAddress(5, 1721), acf->destCallSignalAddress);
      break;
    }
    default:
      ADD_FAILURE() << "GK2 confirms no request of kind " << ARequest.index();
  }
  SetRasSequenceNumber(answer, GetRasSequenceNumber(ARequest));
  return answer;
}

// GK1 on the users given, with GK2 played on 127.0.0.5 as its neighbour:
// once ready, the link has registered at GK2, GK2 here as "gk2" and Alice
// on 127.0.0.2 as 1001.
struct TNeighbourRig {
  explicit TNeighbourRig(const std::string& AUsers) : gk(Setup(AUsers)) {
    if (!gk.Start()) return;
    auto rrq = Expect(gk2, 3, &link);
    if (!rrq || !gk2.Send(Confirmation(*rrq), link) || !gk.WaitForLog("Registered at:\tGK2\n", milliseconds(3000)))
      return;
    gk2Id = Register(gk2, gk.RasAddress(), "gk2");
    aliceId = Register(alice, gk.RasAddress(), "1001");
    ready = !gk2Id.empty() && !aliceId.empty();
  }
  TGatekeeperSetup Setup(const std::string& AUsers) const {
    TGatekeeperSetup setup;
    setup.Identifier = "GK1";
    setup.Sections = AUsers + NeighbourSection(gk2);
    return setup;
  }

  TRasCapture capture;
  TSimulatedEndpoint gk2{5, &capture}, alice{2, &capture};
  TGatekeeperUnderTest gk;
  sockaddr_in link{};
  std::string gk2Id, aliceId;
  bool ready = false;
};

// SIGTERM while GK2 (the first endpoint) and the other endpoints answer the
// unregistrations and disengages the gatekeeper sends them: the exit
// status; whether the link unregistered at GK2.
int StopAnswering(TGatekeeperUnderTest& AGk, const std::vector<TSimulatedEndpoint*>& AEndpoints,
                  const sockaddr_in& ALink, bool& ALinkUnregistered) {
  std::future<int> status = std::async(std::launch::async, [&] { return AGk.Stop(std::chrono::seconds(8)); });
  ALinkUnregistered = false;
  sockaddr_in from{};
  while (status.wait_for(milliseconds(0)) != std::future_status::ready) {
    for (TSimulatedEndpoint* endpoint : AEndpoints) {
      auto message = endpoint->Receive(milliseconds(100), &from);
      if (!message || (message->index() != 6 && message->index() != 15)) continue;
      ALinkUnregistered = ALinkUnregistered || (message->index() == 6 && from.sin_port == ALink.sin_port);
      H225::rasMessage done;
      done.select(message->index() + 1);
      SetRasSequenceNumber(done, GetRasSequenceNumber(*message));
      EXPECT_TRUE(endpoint->Send(done, from));
    }
  }
  return status.get();
}

}  // namespace

TEST(LocationEndToEnd, ThroughAScriptedNeighbour) {
  TNeighbourRig rig("user alice { login \"1001\"; alias \"1001\"; proxy level none; }\n");
  ASSERT_TRUE(rig.ready) << rig.gk.Console() << rig.gk.Log();
  TGatekeeperUnderTest& gk = rig.gk;
  TSimulatedEndpoint &gk2 = rig.gk2, &alice = rig.alice;
  TSimulatedEndpoint stranger(7, &rig.capture);
  const sockaddr_in& link = rig.link;
  const std::string &gk2Id = rig.gk2Id, &aliceId = rig.aliceId;

  // Outgoing: Alice's ARQ for 2001 asks GK2 where, then admission.
  H225::rasMessage arq;
  auto* request = static_cast<H225::admissionRequest*>(arq.select(9));
  request->requestSeqNum = 10;
  request->callType.select(0);
  request->endpointIdentifier = aliceId.c_str();
  request->destinationInfo = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
  H323::makeAliasAddress(*request->destinationInfo->appendNew(), "2001");
  H323::makeAliasAddress(*request->srcInfo.appendNew(), "1001");
  request->bandWidth = 640;
  request->callReferenceValue = 1;
  unsigned char conference[16];
  for (unsigned char& octet : conference) octet = 0x11;
  request->conferenceID.setValue(conference, 16);
  ASSERT_TRUE(alice.Send(arq, gk.RasAddress()));
  auto lrq = Expect(gk2, 18);
  ASSERT_TRUE(lrq);
  const auto& location = *static_cast<const H225::locationRequest*>(lrq->alternative());
  ASSERT_TRUE(location.endpointIdentifier);
  EXPECT_EQ("EP-GK1", toStd(location.endpointIdentifier->toString()));
  EXPECT_EQ("127.0.0.1", Text(location.replyAddress).substr(0, 9));
  // A confirm of the wrong kind with its number, and one from a stranger:
  // ignored, and the process lives.
  H225::rasMessage wrong;
  static_cast<H225::bandwidthConfirm*>(wrong.select(13))->bandWidth = 1;
  SetRasSequenceNumber(wrong, GetRasSequenceNumber(*lrq));
  ASSERT_TRUE(gk2.Send(wrong, link));
  H225::rasMessage forged = Confirmation(*lrq);
  auto* located = static_cast<H225::locationConfirm*>(forged.alternative());
  H323::sockaddrToTransport(LoopbackAddress(9, 1720), located->callSignalAddress);
  H323::sockaddrToTransport(LoopbackAddress(9, 1719), located->rasAddress);
  ASSERT_TRUE(stranger.Send(forged, link));
  EXPECT_EQ(nullptr, alice.Receive(milliseconds(300)));
  ASSERT_TRUE(gk2.Send(Confirmation(*lrq), link));
  auto linkArq = Expect(gk2, 9);
  ASSERT_TRUE(linkArq);
  EXPECT_EQ("EP-GK1",
            toStd(static_cast<const H225::admissionRequest*>(linkArq->alternative())->endpointIdentifier.toString()));
  ASSERT_TRUE(gk2.Send(Confirmation(*linkArq), link));
  auto answer = alice.Receive(milliseconds(3000));
  ASSERT_TRUE(answer && answer->index() == 10) << gk.Log();
  EXPECT_EQ("127.0.0.5:1721",
            Text(static_cast<const H225::admissionConfirm*>(answer->alternative())->destCallSignalAddress))
      << "the address GK2 gave";

  // Incoming: GK2 asks for Alice (proxy levels none: her own addresses),
  // and for its own aliases (nowhere else to ask: never back to GK2).
  const struct {
    const char* Alias;
    int Kind;
    std::string Ras;
  } asks[] = {{"1001", 19, "127.0.0.2:" + std::to_string(ntohs(alice.Address().sin_port))}, {"2002", 20, ""}};
  unsigned sequence = 100;
  for (const auto& ask : asks) {
    SCOPED_TRACE(ask.Alias);
    H225::rasMessage message;
    auto* incoming = static_cast<H225::locationRequest*>(message.select(18));
    incoming->requestSeqNum = ++sequence;
    incoming->endpointIdentifier = new asn::bmpString<1u, 128u, 1>;
    *incoming->endpointIdentifier = gk2Id.c_str();
    H323::makeAliasAddress(*incoming->destinationInfo.appendNew(), ask.Alias);
    H323::sockaddrToTransport(gk2.Address(), incoming->replyAddress);
    ASSERT_TRUE(gk2.Send(message, gk.RasAddress()));
    auto reply = gk2.Receive(milliseconds(3000));
    ASSERT_TRUE(reply);
    EXPECT_EQ(ask.Kind, int(reply->index()));
    if (reply->index() == 19) {
      EXPECT_EQ(ask.Ras, Text(static_cast<const H225::locationConfirm*>(reply->alternative())->rasAddress));
    }
  }
  EXPECT_EQ(nullptr, gk2.Receive(milliseconds(300))) << "nothing came back through the link";
  // SIGTERM: the link unregisters (and the gatekeeper unregisters GK2's
  // own registration); the answers end the stop.
  bool linkUnregistered = false;
  EXPECT_EQ(0, StopAnswering(gk, {&gk2, &alice}, link, linkUnregistered));
  EXPECT_TRUE(linkUnregistered);
}

namespace {

H225::rasMessage Arq(const std::string& AIdentifier, unsigned ASequence, const char* ADestination, bool AAnswer,
                     const sockaddr_in* ASource, unsigned char AConference = 0x33) {
  H225::rasMessage message;
  auto* arq = static_cast<H225::admissionRequest*>(message.select(9));
  arq->requestSeqNum = ASequence;
  arq->callType.select(0);
  arq->endpointIdentifier = AIdentifier.c_str();
  arq->destinationInfo = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
  H323::makeAliasAddress(*arq->destinationInfo->appendNew(), ADestination);
  H323::makeAliasAddress(*arq->srcInfo.appendNew(), "1001");
  if (ASource) {
    arq->srcCallSignalAddress = new H225::transportAddress;
    H323::sockaddrToTransport(*ASource, *arq->srcCallSignalAddress);
  }
  arq->bandWidth = 640;
  arq->callReferenceValue = 1;
  unsigned char conference[16];
  for (unsigned char& octet : conference) octet = AConference;
  arq->conferenceID.setValue(conference, 16);
  arq->answerCall = AAnswer;
  return message;
}

H225::rasMessage Brq(const std::string& AIdentifier, unsigned ASequence, unsigned char AConference,
                     unsigned ABandwidth) {
  H225::rasMessage message;
  auto* brq = static_cast<H225::bandwidthRequest*>(message.select(12));
  brq->requestSeqNum = ASequence;
  brq->endpointIdentifier = AIdentifier.c_str();
  unsigned char conference[16];
  for (unsigned char& octet : conference) octet = AConference;
  brq->conferenceID.setValue(conference, 16);
  brq->callReferenceValue = 1;
  brq->bandWidth = ABandwidth;
  return message;
}

std::string Section(const char* AName, unsigned APort, const char* ALogin, const char* AAliases,
                    const char* ARegisterAs) {
  return std::string("gatekeeper ") + AName + " { identifier \"" + AName +
         "\"; ras address 127.0.0.1:" + std::to_string(APort) + "; login \"" + ALogin + "\"; alias \"" + AAliases +
         "\"; proxy level none; register alias \"" + ARegisterAs + "\"; }\n";
}

}  // namespace

// Two gatekeepers registered at each other through their links: Alice at
// GK1 calls Bob's alias at GK2, admitted on both sides.
TEST(LocationEndToEnd, TwoGatekeepersRegisteredAtEachOther) {
  TGatekeeperSetup first, second;
  first.Identifier = "GK1";
  second.Identifier = "GK2";
  first.Sections = "user alice { login \"1001\"; alias \"1001\"; proxy level none; }\n";
  second.Sections = "user bob { login \"2001\"; alias \"2001\"; proxy level none; }\n";
  TGatekeeperUnderTest gk1(first);
  second.Sections += Section("GK1", gk1.RasPort(), "gk1", "1.*", "gk2");
  TGatekeeperUnderTest gk2(second);
  // GK1's neighbour section once GK2's port is known.
  std::ofstream(gk1.PathOf("gk.cfg")) << gk1.ConfigurationText() + Section("GK2", gk2.RasPort(), "gk2", "2.*", "gk1");
  ASSERT_TRUE(gk2.Start()) << gk2.Console();
  ASSERT_TRUE(gk1.Start()) << gk1.Console();
  ASSERT_TRUE(gk1.WaitForLog("Registered at:\tGK2\n", milliseconds(8000))) << gk1.Log();
  ASSERT_TRUE(gk2.WaitForLog("Registered at:\tGK1\n", milliseconds(8000))) << gk2.Log();

  TSimulatedEndpoint alice(2), bob(3);
  const std::string aliceId = Register(alice, gk1.RasAddress(), "1001");
  const std::string bobId = Register(bob, gk2.RasAddress(), "2001");
  ASSERT_FALSE(aliceId.empty() || bobId.empty()) << gk1.Log() << gk2.Log();

  ASSERT_TRUE(alice.Send(Arq(aliceId, 10, "2001", false, nullptr), gk1.RasAddress()));
  auto answer = alice.Receive(milliseconds(5000));
  ASSERT_TRUE(answer && answer->index() == 10) << gk1.Log() << gk2.Log();
  EXPECT_EQ("127.0.0.3:1720",
            Text(static_cast<const H225::admissionConfirm*>(answer->alternative())->destCallSignalAddress));
  const sockaddr_in aliceSignal = alice.CallSignalAddress();
  ASSERT_TRUE(bob.Send(Arq(bobId, 20, "2001", true, &aliceSignal), gk2.RasAddress()));
  answer = bob.Receive(milliseconds(3000));
  ASSERT_TRUE(answer);
  EXPECT_EQ(10, int(answer->index())) << gk2.Log();
  // Stopped together, each answers the other's unregistration.
  std::future<int> stopped = std::async(std::launch::async, [&] { return gk1.Stop(std::chrono::seconds(12)); });
  EXPECT_EQ(0, gk2.Stop(std::chrono::seconds(12)));
  EXPECT_EQ(0, stopped.get());
}

// The neighbour never answers a request for more bandwidth on a call
// through it: refused after 9 s, and the call keeps what it had, so that
// the zone's 100,000 give 50,000 to a local call (with the 90,000 kept:
// refused, 10,000 allowed).
TEST(LocationEndToEnd, UnansweredBandwidthIsGivenBack) {
  TNeighbourRig rig(
      "zone z { bandwidth 10M; }\n"
      "user alice { login \"1001\"; alias \"1001\"; location z; proxy level none; }\n"
      "user bob { login \"1002\"; alias \"1002\"; location z; proxy level none; }\n");
  ASSERT_TRUE(rig.ready) << rig.gk.Console() << rig.gk.Log();
  TGatekeeperUnderTest& gk = rig.gk;
  TSimulatedEndpoint &gk2 = rig.gk2, &alice = rig.alice;
  TSimulatedEndpoint bob(3, &rig.capture);
  ASSERT_FALSE(Register(bob, gk.RasAddress(), "1002").empty()) << gk.Log();
  const std::string& aliceId = rig.aliceId;

  // Call 0x33 to 2001 through GK2, call 0x44 to Bob.
  ASSERT_TRUE(alice.Send(Arq(aliceId, 10, "2001", false, nullptr), gk.RasAddress()));
  for (int kind : {18, 9}) {
    auto request = Expect(gk2, kind);
    ASSERT_TRUE(request);
    ASSERT_TRUE(gk2.Send(Confirmation(*request), rig.link));
  }
  ASSERT_NE(nullptr, Expect(alice, 10)) << gk.Log();
  ASSERT_TRUE(alice.Send(Arq(aliceId, 11, "1002", false, nullptr, 0x44), gk.RasAddress()));
  ASSERT_NE(nullptr, Expect(alice, 10)) << gk.Log();

  ASSERT_TRUE(alice.Send(Brq(aliceId, 12, 0x33, 90000), gk.RasAddress()));
  const auto asked = std::chrono::steady_clock::now();
  ASSERT_NE(nullptr, Expect(gk2, 12)) << "forwarded, never answered";
  auto refused = alice.Receive(milliseconds(10500));
  ASSERT_TRUE(refused && refused->index() == 14) << gk.Log();
  EXPECT_GE(std::chrono::steady_clock::now() - asked, milliseconds(8500));
  ASSERT_TRUE(alice.Send(Brq(aliceId, 13, 0x44, 50000), gk.RasAddress()));
  auto granted = alice.Receive(milliseconds(3000));
  ASSERT_TRUE(granted) << gk.Log();
  EXPECT_EQ(13, int(granted->index())) << "refused: the 90,000 are still booked";
  if (tshark::toolsAvailable()) {
    tshark::result r =
        rig.capture.Dissect(gk.PathOf("ras.pcap"), {"ip.dst", "h225.RasMessage", "h225.requestSeqNum",
                                                    "h225.rejectReason", "h225.bandWidth", "h225.allowedBandWidth"});
    ASSERT_TRUE(r.ran) << r.failure;
    // To Alice: RCF 4; ACF 10 twice with 640; BRJ 14 undefinedReason 5
    // allowing 0; BCF 13 with 50,000.
    const std::vector<std::vector<std::string>> expected = {{"4", "1", "", "", ""},
                                                            {"10", "10", "", "640", ""},
                                                            {"10", "11", "", "640", ""},
                                                            {"14", "12", "5", "", "0"},
                                                            {"13", "13", "", "50000", ""}};
    std::vector<std::vector<std::string>> got;
    for (const auto& frame : r.frames) {
      EXPECT_EQ("", frame.malformed);
      if (frame.fields[0] == "127.0.0.2") got.emplace_back(frame.fields.begin() + 1, frame.fields.end());
    }
    EXPECT_EQ(expected, got);
  }
  bool linkUnregistered = false;
  EXPECT_EQ(0, StopAnswering(gk, {&gk2, &alice, &bob}, rig.link, linkUnregistered));
}

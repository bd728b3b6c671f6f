// Admission and bandwidth on the built program, answers read by tshark.
#include <gtest/gtest.h>

#include <thread>

#include <h323/alias.h>
#include <h323/transportAddress.h>

#include "GatekeeperUnderTest.h"
#include "RasCapture.h"
#include "SimulatedEndpoint.h"
#include "orvoTesting.h"

namespace {

H225::rasMessage Arq(const char* AIdentifier, unsigned ASequence, const char* ADestination, bool AAnswer = false,
                     const sockaddr_in* ASource = nullptr, unsigned char AConference = 0x11) {
  H225::rasMessage message;
  auto* arq = static_cast<H225::admissionRequest*>(message.select(9));
  arq->requestSeqNum = ASequence;
  arq->callType.select(0);
  arq->endpointIdentifier = AIdentifier;
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

H225::rasMessage Brq(const char* AIdentifier, unsigned ASequence) {
  H225::rasMessage message;
  auto* brq = static_cast<H225::bandwidthRequest*>(message.select(12));
  brq->requestSeqNum = ASequence;
  brq->endpointIdentifier = AIdentifier;
  unsigned char conference[16] = {};
  brq->conferenceID.setValue(conference, 16);
  brq->bandWidth = 100;
  return message;
}

}  // namespace

// Requests that name no registration: refused to their source, the
// admission without a text.
TEST(AdmissionEndToEnd, UnknownEndpointsAreRefused) {
  TGatekeeperUnderTest gk;
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TRasCapture capture;
  TSimulatedEndpoint endpoint(2, &capture);
  for (const H225::rasMessage& request : {Arq("ffff", 1, "1002"), Arq("ffff", 2, "1002", true), Brq("ffff", 3)}) {
    ASSERT_TRUE(endpoint.Send(request, gk.RasAddress()));
    EXPECT_NE(nullptr, endpoint.Receive(std::chrono::seconds(2)));
  }
  EXPECT_EQ(0, gk.Stop());
  if (!tshark::toolsAvailable()) return;
  tshark::result r =
      capture.Dissect(gk.PathOf("ras.pcap"), {"ip.dst", "h225.RasMessage", "h225.rejectReason", "h225.genericData"});
  ASSERT_TRUE(r.ran) << r.failure;
  // AdmissionRejectReason callerNotRegistered 4, calledPartyNotRegistered 0;
  // BandRejectReason invalidPermission 2.
  const std::vector<std::vector<std::string>> answers = {
      {"127.0.0.2", "11", "4", ""}, {"127.0.0.2", "11", "0", ""}, {"127.0.0.2", "14", "2", ""}};
  std::vector<std::vector<std::string>> got;
  for (const auto& frame : r.frames) {
    EXPECT_EQ("", frame.malformed);
    if (frame.fields[0] == "127.0.0.2") got.push_back(frame.fields);
  }
  EXPECT_EQ(answers, got);
}

namespace {

// The endpoint identifier of the RCF, empty when none came.
std::string Register(TSimulatedEndpoint& AEndpoint, const sockaddr_in& AGatekeeper, const char* AAlias) {
  auto rrq = AEndpoint.RegistrationRequest({AAlias});
  if (!AEndpoint.Send(*rrq, AGatekeeper)) return "";
  auto answer = AEndpoint.Receive(std::chrono::seconds(2));
  if (!answer || answer->index() != 4) return "";
  return toStd(static_cast<const H225::registrationConfirm*>(answer->alternative())->endpointIdentifier.toString());
}

H225::rasMessage Drq(const std::string& AIdentifier, unsigned ASequence, unsigned char AConference, bool AAnswered) {
  H225::rasMessage message;
  auto* drq = static_cast<H225::disengageRequest*>(message.select(15));
  drq->requestSeqNum = ASequence;
  drq->endpointIdentifier = AIdentifier.c_str();
  unsigned char conference[16];
  for (unsigned char& octet : conference) octet = AConference;
  drq->conferenceID.setValue(conference, 16);
  drq->callReferenceValue = 1;
  drq->disengageReason.select(1);  // normalDrop
  drq->answeredCall = new asn::booltype(AAnswered);
  return message;
}

}  // namespace

// Alice (1001) calls Bob (1002), both registered through RRQ, proxy level
// none: both sides admitted directly, both disengage, and a second call
// follows.
TEST(AdmissionEndToEnd, DirectCallBetweenRegisteredEndpoints) {
  TGatekeeperSetup setup;
  setup.Sections =
      "user alice { login \"1001\"; alias \"1001\"; proxy level none; }\n"
      "user bob { login \"1002\"; alias \"1002\"; proxy level none; }\n";
  TGatekeeperUnderTest gk(setup);
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TRasCapture capture;
  TSimulatedEndpoint alice(2, &capture), bob(3, &capture);
  const std::string aliceId = Register(alice, gk.RasAddress(), "1001");
  const std::string bobId = Register(bob, gk.RasAddress(), "1002");
  ASSERT_FALSE(aliceId.empty() || bobId.empty()) << gk.Log();
  const sockaddr_in aliceSignal = alice.CallSignalAddress();
  const struct {
    TSimulatedEndpoint* endpoint;
    H225::rasMessage request;
    int answer;
    unsigned waitAfter;  // ms
  } steps[] = {
      {&alice, Arq(aliceId.c_str(), 10, "1002", false, nullptr, 0x11), 10, 0},
      {&bob, Arq(bobId.c_str(), 20, "1002", true, &aliceSignal, 0x11), 10, 0},
      {&alice, Drq(aliceId, 11, 0x11, false), 16, 0},
      {&bob, Drq(bobId, 21, 0x11, true), 16, 1200},
      {&alice, Arq(aliceId.c_str(), 12, "1002", false, nullptr, 0x22), 10, 0},
  };
  for (const auto& s : steps) {
    ASSERT_TRUE(s.endpoint->Send(s.request, gk.RasAddress()));
    auto answer = s.endpoint->Receive(std::chrono::seconds(2));
    ASSERT_NE(nullptr, answer) << gk.Log();
    EXPECT_EQ(s.answer, int(answer->index())) << gk.Log();
    if (s.waitAfter) std::this_thread::sleep_for(std::chrono::milliseconds(s.waitAfter));
  }
  EXPECT_EQ(0, gk.Stop());
  if (!tshark::toolsAvailable()) return;
  tshark::result r =
      capture.Dissect(gk.PathOf("ras.pcap"), {"ip.dst", "h225.RasMessage", "h225.callModel", "h225.ipV4",
                                              "h225.ipV4_port", "h225.irrFrequency", "h225.dialledDigits",
                                              "h225.willRespondToIRR", "h225.setup", "h225.notify"});
  ASSERT_TRUE(r.ran) << r.failure;
  std::vector<std::vector<std::string>> confirms;
  for (const auto& frame : r.frames) {
    EXPECT_EQ("", frame.malformed);
    if (frame.fields[1] == "10") confirms.push_back(frame.fields);
  }
  // ACF to Alice: direct (0), Bob's call-signal address, 19, Bob's alias,
  // willRespondToIRR, no message asked for; the same for Bob's answer.
  const std::vector<std::string> toAlice = {"127.0.0.2", "10", "0", "127.0.0.3", "1720", "19", "1002", "1", "0", "0"};
  const std::vector<std::string> toBob = {"127.0.0.3", "10", "0", "127.0.0.3", "1720", "19", "1002", "1", "0", "0"};
  ASSERT_EQ(3u, confirms.size());
  EXPECT_EQ(toAlice, confirms[0]);
  EXPECT_EQ(toBob, confirms[1]);
  EXPECT_EQ(toAlice, confirms[2]) << "the second call";
}

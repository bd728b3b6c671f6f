// Admission and bandwidth on the built program, answers read by tshark.
#include <gtest/gtest.h>

#include <h323/alias.h>
#include <h323/transportAddress.h>

#include "GatekeeperUnderTest.h"
#include "RasCapture.h"
#include "SimulatedEndpoint.h"

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
  tshark::result r = capture.Dissect(gk.PathOf("ras.pcap"),
                                     {"ip.dst", "h225.RasMessage", "h225.rejectReason", "h225.genericData"});
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

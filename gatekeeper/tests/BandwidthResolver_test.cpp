// Bandwidth requests in process: a call booked by hand on a limited zone,
// requests over loopback through our codec.
#include <gatekeeper/BandwidthResolver.h>

#include <gtest/gtest.h>

#include <orvo/sockEvent.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/Gatekeeper.h>

#include "CoreWithUsers.h"
#include "SimulatedEndpoint.h"

namespace {

const char* const Users =
    "system { address 127.0.0.1; ras port 0; }\nzone z { bandwidth 1K; }\n"
    "user alice { location z; }\nuser bob { location z; }\n";

enum TFrom { fCaller, fCallee, fStranger };

struct TCase {
  TFrom from;
  const char* identifier;  // null: the sender's own
  unsigned char conference;
  int answered;  // -1 absent, 0, 1
  uint32_t bandwidth;
  std::string expected;
  uint32_t booked;
  const char* why;
};

std::string Describe(const std::unique_ptr<H225::rasMessage>& AAnswer) {
  if (!AAnswer) return "none";
  if (AAnswer->index() == 13)
    return "BCF " +
           std::to_string(static_cast<const H225::bandwidthConfirm*>(AAnswer->alternative())->bandWidth.value());
  if (AAnswer->index() != 14) return "kind " + std::to_string(AAnswer->index());
  const auto* brj = static_cast<const H225::bandwidthReject*>(AAnswer->alternative());
  return "BRJ " + std::to_string(brj->rejectReason.index()) + " " + std::to_string(brj->allowedBandWidth.value());
}

}  // namespace

TEST(BandwidthResolver, Requests) {
  // BandRejectReason: invalidConferenceID 1, invalidPermission 2,
  // insufficientResources 3, securityDenial 6. The call holds 4 of 10.
  const TCase cases[] = {
      {fCaller, nullptr, 1, -1, 8, "BCF 8", 8, "more, within the zone"},
      {fCallee, nullptr, 1, -1, 2, "BCF 2", 2, "less, from the other side"},
      {fCaller, nullptr, 1, -1, 10, "BCF 10", 10, "all the zone has"},
      {fCaller, nullptr, 1, -1, 11, "BRJ 3 10", 4, "beyond the zone: what it offers"},
      {fCaller, nullptr, 2, -1, 8, "BRJ 1 0", 4, "unknown call"},
      {fCaller, nullptr, 1, 1, 8, "BRJ 1 0", 4, "the caller is not the answering side"},
      {fCallee, nullptr, 1, 1, 8, "BCF 8", 8, "the answering side says so"},
      {fCaller, "ffff", 1, -1, 8, "BRJ 2 0", 4, "unknown endpoint"},
      {fStranger, nullptr, 1, -1, 8, "BRJ 6 0", 4, "another host for the caller"},
  };
  for (const TCase& c : cases) {
    TCoreWithUsers gk(Users);
    gk.Core.OpenRASSockets();
    TSimulatedEndpoint aliceEndpoint(2), bobEndpoint(3), stranger(9);
    TEndpointRegisterInfo* alice = gk.Register("alice", 2);
    TEndpointRegisterInfo* bob = gk.Register("bob", 3);
    alice->RasAddress = aliceEndpoint.Address();
    bob->RasAddress = bobEndpoint.Address();
    auto* call = new TConnection(&gk.Core, TEndpointHandle(alice), TEndpointHandle(bob), 7, Guid(1), nullptr);
    uint32_t granted = 0;
    ASSERT_TRUE(call->SetBandwidth(4, false, granted));

    H225::rasMessage message;
    auto* brq = static_cast<H225::bandwidthRequest*>(message.select(12));
    brq->requestSeqNum = 3;
    TEndpointRegisterInfo* sender = c.from == fCallee ? bob : alice;
    brq->endpointIdentifier = c.identifier ? orvo::string(c.identifier) : sender->Identifier();
    brq->conferenceID = Guid(c.conference);
    brq->callReferenceValue = 7;
    brq->bandWidth = c.bandwidth;
    if (c.answered >= 0) brq->answeredCall = new asn::booltype(c.answered == 1);
    TSimulatedEndpoint& from = c.from == fStranger ? stranger : c.from == fCallee ? bobEndpoint : aliceEndpoint;
    ASSERT_TRUE(from.Send(message, gk.Core.BoundRasAddress()));
    std::unique_ptr<H225::rasMessage> answer;
    for (int i = 0; i < 20 && !answer; ++i) {
      orvo::sockEvent::dispatch(0);
      answer = from.Receive(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(c.expected, Describe(answer)) << c.why;
    EXPECT_EQ(c.booked, call->Bandwidth()) << c.why;
  }
}

// Admission and bandwidth through a neighbour gatekeeper in process: the
// caller's request becomes a location request and then an admission
// request on the link, each answered by the test playing the neighbour;
// long waits on the test's timer clock.
#include <gatekeeper/AdmissionResolver.h>

#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <functional>

#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

#include <config/LinkedUser.h>
#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/RasSequenceNumber.h>
#include <gatekeeper/RejectReason.h>

#include "CoreWithUsers.h"
#include "RegisteredLink.h"
#include "SimulatedEndpoint.h"
#include "orvoTesting.h"

namespace {

using std::chrono::milliseconds;

void Pump() {
  for (int i = 0; i < 3; ++i) orvo::sockEvent::dispatch(0);
}

void Advance(int64_t AMilliseconds) {
  orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(AMilliseconds));
  Pump();
}

std::string Text(const H225::transportAddress& AAddress) {
  sockaddr_in address{};
  if (!H323::transportToSockaddr(AAddress, address)) return "?";
  char host[INET_ADDRSTRLEN] = "";
  inet_ntop(AF_INET, &address.sin_addr, host, sizeof host);
  return std::string(host) + ":" + std::to_string(ntohs(address.sin_port));
}

std::string RejectTextOf(const asn::sequenceOf<H225::genericData, 0u, 0u, 1>* AData) {
  if (!AData) return "";
  const auto* data = static_cast<const H225::genericData*>(static_cast<const asn::object*>(AData->elements().first()));
  const auto* parameter = static_cast<const H225::enumeratedParameter*>(
      static_cast<const asn::object*>(data->parameters->elements().first()));
  return " " + toStd(static_cast<const asn::constrainedString*>(parameter->content->alternative())->value());
}

// What the endpoint hears: "ACF <destination>", "ARJ <reason>[ text]",
// "BCF <bandwidth>", "BRJ <reason> <allowed>", "RIP <delay>" or "none".
std::string Describe(const std::unique_ptr<H225::rasMessage>& AMessage) {
  if (!AMessage) return "none";
  const asn::object* body = AMessage->alternative();
  switch (AMessage->index()) {
    case 10:
      return "ACF " + Text(static_cast<const H225::admissionConfirm*>(body)->destCallSignalAddress);
    case 11: {
      const auto* arj = static_cast<const H225::admissionReject*>(body);
      return "ARJ " + std::to_string(arj->rejectReason.index()) + RejectTextOf(arj->genericData);
    }
    case 13:
      return "BCF " + std::to_string(static_cast<const H225::bandwidthConfirm*>(body)->bandWidth.value());
    case 14: {
      const auto* brj = static_cast<const H225::bandwidthReject*>(body);
      return "BRJ " + std::to_string(brj->rejectReason.index()) + " " + std::to_string(brj->allowedBandWidth.value());
    }
    case 25:
      return "RIP " + std::to_string(static_cast<const H225::requestInProgress*>(body)->delay.value());
    default:
      return "kind " + std::to_string(AMessage->index());
  }
}

std::string Arj(TRejectReason AReason, const char* AText = "") {
  return "ARJ " + std::to_string(RejectReasonToAdmissionReject(AReason)) + (*AText ? " " : "") + AText;
}

// The neighbour's answer of that kind to the request of that number.
H225::rasMessage Answer(int AKind, unsigned ASequence, int AValue = 0);

// Alice (1001) here; "2..." behind GK2 on 127.0.0.5, whose link registered
// as EP-GK1.
struct TRig {
  TRig() {
    Gk.reset(
        new TCoreWithUsers("system { identifier \"GK1\"; address 127.0.0.1; ras port 0; call signal port 0; }\n"
                           "user alice { proxy level none; alias \"1001\"; }\n"
                           "gatekeeper GK2 { identifier \"GK2\"; ras address 127.0.0.5:" +
                           std::to_string(ntohs(Gk2.Address().sin_port)) +
                           "; proxy level none; alias \"2.*\"; register alias \"gk1\"; }\n"));
    Gk->Core.OpenRASSockets();
    Gk->Core.OpenCallSignalSocket();
    Gk->Core.SetStateForTesting(TGatekeeper::gksRunning);
    Link = RegisterLink(*Gk, "GK2", Gk2);
    EXPECT_TRUE(Link && Link->Registered());
    Gk->Register("GK2", 5);
    AliceRegistration = Gk->Register("alice", 2);
    AliceRegistration->RasAddress = Alice.Address();
    AliceRegistration->ProtocolVersion = 4;
  }
  std::unique_ptr<H225::rasMessage> Next(TSimulatedEndpoint& AAt, int APasses = 10) {
    for (int i = 0; i < APasses; ++i) {
      Pump();
      if (auto message = AAt.Receive(milliseconds(5))) return message;
    }
    return nullptr;
  }
  void Reply(const H225::rasMessage& AMessage, TSimulatedEndpoint* AFrom = nullptr) {
    (AFrom ? *AFrom : Gk2).Send(AMessage, Link->LocalRasAddress());
    Pump();
  }
  void Send(const H225::rasMessage& AMessage) { ASSERT_TRUE(Alice.Send(AMessage, Gk->Core.BoundRasAddress())); }
  // The location request made of Alice's request, confirmed: the admission
  // request that then goes to the neighbour; null when either is missing.
  std::unique_ptr<H225::rasMessage> LocatedThroughTheLink() {
    auto lrq = Next(Gk2);
    if (!lrq || lrq->index() != 18) return nullptr;
    Reply(Answer(19, GetRasSequenceNumber(*lrq)));
    auto arq = Next(Gk2);
    if (!arq || arq->index() != 9) return nullptr;
    return arq;
  }
  // What Alice hears while the held timer clock moves in 100 ms steps to
  // 16 s: the time of each message, what it is and, when ANumbered, its
  // number. AEachStep runs after every step, before she is heard.
  std::vector<std::string> HeardInSteps(bool ANumbered, const std::function<void()>& AEachStep = {}) {
    std::vector<std::string> heard;
    for (int64_t at = 100; at <= 16000; at += 100) {
      Advance(100);
      if (AEachStep) AEachStep();
      while (auto message = Alice.Receive(milliseconds(0)))
        heard.push_back(std::to_string(at) + " " + Describe(message) +
                        (ANumbered ? " " + std::to_string(GetRasSequenceNumber(*message)) : ""));
    }
    return heard;
  }
  H225::rasMessage Arq(unsigned ASequence = 1) {
    H225::rasMessage message;
    auto* arq = static_cast<H225::admissionRequest*>(message.select(9));
    arq->requestSeqNum = ASequence;
    arq->callType.select(0);
    arq->endpointIdentifier = AliceRegistration->Identifier();
    arq->destinationInfo = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
    H323::makeAliasAddress(*arq->destinationInfo->appendNew(), "2001");
    H323::makeAliasAddress(*arq->srcInfo.appendNew(), "1001");
    arq->bandWidth = 640;
    arq->callReferenceValue = 7;
    arq->conferenceID = Guid(1);
    arq->callIdentifier = new H225::callIdentifier(CallId(1));
    return message;
  }

  TCoreLog Log;
  TSimulatedEndpoint Gk2{5}, Alice{2}, Stranger{7};
  std::unique_ptr<TCoreWithUsers> Gk;
  TGatekeeperLink* Link = nullptr;
  TEndpointRegisterInfo* AliceRegistration = nullptr;
};

H225::rasMessage Answer(int AKind, unsigned ASequence, int AValue) {
  H225::rasMessage message;
  asn::object* body = message.select(AKind);
  switch (AKind) {
    case 10: {
      auto* acf = static_cast<H225::admissionConfirm*>(body);
      acf->bandWidth = 640;
      acf->callModel.select(0);
      if (AValue < 0) {
        auto* ip6 = static_cast<H225::transportAddress::ip6Address_sequence*>(acf->destCallSignalAddress.select(3));
        const unsigned char octets[16] = {0};
        ip6->ip.setValue(octets, 16);
        ip6->port = 1720;
      } else {
        H323::sockaddrToTransport(LoopbackAddress(8, 1720), acf->destCallSignalAddress);
      }
      break;
    }
    case 11:
      static_cast<H225::admissionReject*>(body)->rejectReason.select(AValue);
      break;
    case 13:
      static_cast<H225::bandwidthConfirm*>(body)->bandWidth = unsigned(AValue);
      break;
    case 14:
      static_cast<H225::bandwidthReject*>(body)->rejectReason.select(0);
      static_cast<H225::bandwidthReject*>(body)->allowedBandWidth = unsigned(AValue);
      break;
    case 19: {
      auto* lcf = static_cast<H225::locationConfirm*>(body);
      H323::sockaddrToTransport(LoopbackAddress(5, 1720), lcf->callSignalAddress);
      H323::sockaddrToTransport(LoopbackAddress(5, 1719), lcf->rasAddress);
      break;
    }
    case 20:
      static_cast<H225::locationReject*>(body)->rejectReason.select(AValue);
      break;
    case 25:
      static_cast<H225::requestInProgress*>(body)->delay = unsigned(AValue);
      break;
    default:
      break;
  }
  SetRasSequenceNumber(message, ASequence);
  return message;
}

}  // namespace

// The location request and the admission request on the link, and what the
// caller hears for each answer of the neighbour.
TEST(AdmissionLink, CallerAdmittedThroughTheNeighbour) {
  const struct {
    const char* Case;
    int LocationAnswer;  // kind answered to the LRQ
    int LocationValue;
    int AdmissionAnswer;  // kind answered to the ARQ through the link, -1 silence
    int AdmissionValue;
    std::string Expected;
  } table[] = {
      {"confirmed: the neighbour's address", 19, 0, 10, 0, "ACF 127.0.0.8:1720"},
      {"location rejected: its reason", 20, 2, 0, 0, Arj(rrCalledPartyNotRegistered)},
      {"admission rejected: its reason", 19, 0, 11, 4,
       Arj(AdmissionRejectToRejectReason(4), "Connection rejected by remote gatekeeper.")},
      {"admission unanswered", 19, 0, -1, 0, Arj(rrResourceUnavailable, "Remote gatekeeper failure.")},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.Case);
    TRig rig;
    rig.Send(rig.Arq());
    auto lrq = rig.Next(rig.Gk2);
    ASSERT_TRUE(lrq && lrq->index() == 18);
    const auto& location = *static_cast<const H225::locationRequest*>(lrq->alternative());
    ASSERT_TRUE(location.endpointIdentifier);
    EXPECT_EQ("EP-GK1", toStd(location.endpointIdentifier->toString()));
    ASSERT_TRUE(location.canMapAlias);
    EXPECT_FALSE(location.canMapAlias->value());
    // Neither a wrong kind with its number nor a stranger's confirm counts.
    rig.Reply(Answer(13, GetRasSequenceNumber(*lrq), 640));
    rig.Reply(Answer(19, GetRasSequenceNumber(*lrq)), &rig.Stranger);
    EXPECT_EQ("none", Describe(rig.Next(rig.Alice, 2)));
    rig.Reply(Answer(row.LocationAnswer, GetRasSequenceNumber(*lrq), row.LocationValue));
    if (row.LocationAnswer == 20) {
      EXPECT_EQ(row.Expected, Describe(rig.Next(rig.Alice)));
      continue;
    }
    auto arq = rig.Next(rig.Gk2);
    ASSERT_TRUE(arq && arq->index() == 9);
    const auto& admission = *static_cast<const H225::admissionRequest*>(arq->alternative());
    EXPECT_EQ("EP-GK1", toStd(admission.endpointIdentifier.toString()));
    EXPECT_EQ(640u, admission.bandWidth.value());
    EXPECT_FALSE(admission.answerCall.value());
    if (row.AdmissionAnswer >= 0) {
      rig.Reply(Answer(row.AdmissionAnswer, GetRasSequenceNumber(*arq), row.AdmissionValue));
    } else {
      // Resends at 5 and 10 s; the neighbour's silence ends it at 15 s,
      // after the caller heard it needs more time.
      for (int step = 0; step < 3; ++step) Advance(5000);
      EXPECT_EQ("RIP", Describe(rig.Next(rig.Alice)).substr(0, 3));
    }
    EXPECT_EQ(row.Expected, Describe(rig.Next(rig.Alice)));
    EXPECT_EQ(row.AdmissionAnswer == 10 ? 1u : 0u, rig.AliceRegistration->CountConnections());
  }
}

// A confirm of the neighbour that no call takes over is given back with a
// disengage request on the link.
TEST(AdmissionLink, UnusableConfirmIsDisengaged) {
  TRig rig;
  rig.Send(rig.Arq());
  auto lrq = rig.Next(rig.Gk2);
  ASSERT_TRUE(lrq);
  rig.Reply(Answer(19, GetRasSequenceNumber(*lrq)));
  auto arq = rig.Next(rig.Gk2);
  ASSERT_TRUE(arq && arq->index() == 9);
  rig.Reply(Answer(10, GetRasSequenceNumber(*arq), -1));
  EXPECT_EQ(Arj(rrUndefinedReason, "Internal gatekeeper failure."), Describe(rig.Next(rig.Alice)));
  auto drq = rig.Next(rig.Gk2);
  ASSERT_TRUE(drq && drq->index() == 15);
  const auto& disengage = *static_cast<const H225::disengageRequest*>(drq->alternative());
  EXPECT_EQ("EP-GK1", toStd(disengage.endpointIdentifier.toString()));
  EXPECT_EQ(toStd(Guid(1).value()), toStd(disengage.conferenceID.value()));
  EXPECT_EQ(7u, disengage.callReferenceValue.value());
}

// The caller's bandwidth request goes to the neighbour first.
TEST(AdmissionLink, BandwidthAskedOfTheNeighbour) {
  const struct {
    int Kind;
    int Value;
    std::vector<std::string> Expected;
  } table[] = {
      {13, 1280, {"BCF 1280"}},
      {14, 700, {"BRJ 3 700"}},
      {25, 3000, {"RIP 3000", "BCF 1280"}},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.Kind);
    TRig rig;
    rig.Send(rig.Arq());
    auto arq = rig.LocatedThroughTheLink();
    ASSERT_TRUE(arq);
    rig.Reply(Answer(10, GetRasSequenceNumber(*arq)));
    ASSERT_EQ("ACF 127.0.0.8:1720", Describe(rig.Next(rig.Alice)));

    H225::rasMessage message;
    auto* brq = static_cast<H225::bandwidthRequest*>(message.select(12));
    brq->requestSeqNum = 2;
    brq->endpointIdentifier = rig.AliceRegistration->Identifier();
    brq->conferenceID = Guid(1);
    brq->callReferenceValue = 7;
    brq->bandWidth = 1280;
    brq->callIdentifier = new H225::callIdentifier(CallId(1));
    rig.Send(message);
    auto forwarded = rig.Next(rig.Gk2);
    ASSERT_TRUE(forwarded && forwarded->index() == 12);
    EXPECT_EQ(
        "EP-GK1",
        toStd(static_cast<const H225::bandwidthRequest*>(forwarded->alternative())->endpointIdentifier.toString()));
    rig.Reply(Answer(row.Kind, GetRasSequenceNumber(*forwarded), row.Value));
    std::vector<std::string> heard = {Describe(rig.Next(rig.Alice))};
    if (row.Kind == 25) {
      rig.Reply(Answer(13, GetRasSequenceNumber(*forwarded), 1280));
      heard.push_back(Describe(rig.Next(rig.Alice)));
    }
    EXPECT_EQ(row.Expected, heard);
  }
}

// A neighbour's own admission request is never asked back of it.
TEST(AdmissionLink, NeighbourIsNotAskedForItsOwnCall) {
  TRig rig;
  TEndpointRegisterInfo* gk2 = rig.Gk->Core.FindEndpointByCallSignalAddress(LoopbackAddress(5, 1720));
  ASSERT_TRUE(gk2);
  gk2->RasAddress = rig.Gk2.Address();
  H225::rasMessage arq = rig.Arq();
  static_cast<H225::admissionRequest*>(arq.alternative())->endpointIdentifier = gk2->Identifier();
  ASSERT_TRUE(rig.Gk2.Send(arq, rig.Gk->Core.BoundRasAddress()));
  auto heard = rig.Next(rig.Gk2);
  EXPECT_EQ(Arj(rrCalledPartyNotRegistered), Describe(heard)) << "answered on the RAS socket, nothing on the link";
  EXPECT_EQ("none", Describe(rig.Next(rig.Gk2, 3)));
}

// A bandwidth request that the neighbour does not grant, in whatever way,
// leaves the call with the bandwidth it had; one it grants stays booked.
// While the neighbour is asked, the link or the caller's registration may
// go: the request ends at once.
TEST(AdmissionLink, BandwidthBookedByTheNeighboursAnswer) {
  enum { Silence = -1, LinkGone = -2, RegistrationGone = -3 };
  const struct {
    const char* Case;
    int Kind;  // answered to the forwarded request, or one of the above
    int Value;
    std::string Expected;
    uint32_t Booked;
  } table[] = {
      {"silent: resent at 3 and 6 s, given up at 9 s", Silence, 0, "BRJ 5 0", 640},
      {"the neighbour unregisters the link", LinkGone, 0, "BRJ 5 0", 640},
      {"the caller's registration ends", RegistrationGone, 0, "BRJ 5 0", 640},
      {"less allowed", 14, 700, "BRJ 3 700", 640},
      {"one short of it allowed", 14, 89999, "BRJ 3 89999", 640},
      {"confirmed", 13, 90000, "BCF 90000", 90000},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.Case);
    TRig rig;
    rig.Send(rig.Arq());
    auto arq = rig.LocatedThroughTheLink();
    ASSERT_TRUE(arq);
    rig.Reply(Answer(10, GetRasSequenceNumber(*arq)));
    ASSERT_EQ("ACF 127.0.0.8:1720", Describe(rig.Next(rig.Alice)));
    TConnection* call = nullptr;
    rig.Gk->Core.Connections().ForEach([&](TConnection* C) { return (call = C) != nullptr; });
    ASSERT_TRUE(call);
    ASSERT_EQ(640u, call->Bandwidth());

    H225::rasMessage message;
    auto* brq = static_cast<H225::bandwidthRequest*>(message.select(12));
    brq->requestSeqNum = 2;
    brq->endpointIdentifier = rig.AliceRegistration->Identifier();
    brq->conferenceID = Guid(1);
    brq->callReferenceValue = 7;
    brq->bandWidth = 90000;
    brq->callIdentifier = new H225::callIdentifier(CallId(1));
    rig.Send(message);
    auto forwarded = rig.Next(rig.Gk2);
    ASSERT_TRUE(forwarded && forwarded->index() == 12);
    EXPECT_EQ(90000u, call->Bandwidth()) << "booked while the neighbour is asked";
    std::unique_ptr<H225::rasMessage> heard;
    if (row.Kind >= 0) {
      rig.Reply(Answer(row.Kind, GetRasSequenceNumber(*forwarded), row.Value));
      heard = rig.Next(rig.Alice);
    } else if (row.Kind == LinkGone) {
      H225::rasMessage urq;
      auto* body = static_cast<H225::unregistrationRequest*>(urq.select(6));
      body->requestSeqNum = 900;
      H323::sockaddrToTransport(LoopbackAddress(5, 1720), *body->callSignalAddress.appendNew());
      rig.Reply(urq);
      EXPECT_FALSE(rig.Link->Registered());
      heard = rig.Next(rig.Alice);
    } else if (row.Kind == RegistrationGone) {
      // Ended with its call still up, as the end of a shutdown cut short
      // ends it (the endpoint's own request would be refused).
      rig.AliceRegistration->SetState(TEndpointRegisterInfo::esUnregistered);
      rig.AliceRegistration = nullptr;
      heard = rig.Next(rig.Alice);
    } else {
      for (int resent = 0; resent < 2; ++resent) {
        Advance(3000);
        EXPECT_TRUE(rig.Next(rig.Gk2)) << "resent";
        EXPECT_EQ("none", Describe(rig.Next(rig.Alice, 2)));
      }
      Advance(3000);
      heard = rig.Next(rig.Alice);
    }
    EXPECT_EQ(row.Expected, Describe(heard));
    EXPECT_EQ(row.Booked, call->Bandwidth());
  }
}

// The caller asks again for its call, with a new number, while the
// neighbour is being asked: the second request waits and is answered from
// what the first made of it: the one call it made, or the neighbour's
// refusal, asked again. A caller of version 2 or more hears that both need
// more time; one below never hears it, and still gets its answers.
TEST(AdmissionLink, SecondRequestOfTheCallWaitsForTheFirst) {
  const struct {
    unsigned Version;
    int LocationAnswer;  // kind answered to each LRQ
    std::vector<std::string> Heard;
  } table[] = {
      {4, 19, {"ACF 127.0.0.8:1720 1", "ACF 127.0.0.8:1720 2"}},
      {1, 19, {"ACF 127.0.0.8:1720 1", "ACF 127.0.0.8:1720 2"}},
      {0, 20, {Arj(rrCalledPartyNotRegistered) + " 1", Arj(rrCalledPartyNotRegistered) + " 2"}},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.Version);
    TRig rig;
    rig.AliceRegistration->ProtocolVersion = row.Version;
    rig.Send(rig.Arq(1));
    auto lrq = rig.Next(rig.Gk2);
    ASSERT_TRUE(lrq && lrq->index() == 18);
    rig.Send(rig.Arq(2));
    EXPECT_EQ("none", Describe(rig.Next(rig.Gk2, 3))) << "the neighbour is asked once";
    // Both deadlines now lie with the first's location request (15 s), the
    // second's after the first's.
    Advance(4500);
    auto first = rig.Next(rig.Alice), second = rig.Next(rig.Alice);
    if (row.Version < 2) {
      EXPECT_EQ("none", Describe(first));
      EXPECT_EQ("none", Describe(second));
    } else {
      ASSERT_TRUE(first && first->index() == 25 && second && second->index() == 25);
      const unsigned firstDelay = static_cast<const H225::requestInProgress*>(first->alternative())->delay.value();
      const unsigned secondDelay = static_cast<const H225::requestInProgress*>(second->alternative())->delay.value();
      EXPECT_EQ(1u, GetRasSequenceNumber(*first));
      EXPECT_EQ(2u, GetRasSequenceNumber(*second));
      EXPECT_GE(10600u, firstDelay);
      EXPECT_LT(firstDelay, secondDelay);
    }
    rig.Reply(Answer(row.LocationAnswer, GetRasSequenceNumber(*lrq), 2));
    if (row.LocationAnswer == 19) {
      auto arq = rig.Next(rig.Gk2);
      ASSERT_TRUE(arq && arq->index() == 9);
      rig.Reply(Answer(10, GetRasSequenceNumber(*arq)));
    }
    std::vector<std::string> heard;
    for (int i = 0; i < 2; ++i) {
      auto answer = rig.Next(rig.Alice);
      heard.push_back(Describe(answer) + (answer ? " " + std::to_string(GetRasSequenceNumber(*answer)) : ""));
      if (i > 0 || row.LocationAnswer != 20) continue;
      // Woken by the refusal, the second asks for itself.
      auto again = rig.Next(rig.Gk2);
      ASSERT_TRUE(again && again->index() == 18);
      rig.Reply(Answer(20, GetRasSequenceNumber(*again), 2));
    }
    EXPECT_EQ(row.Heard, heard);
    EXPECT_EQ("none", Describe(rig.Next(rig.Gk2, 3))) << "nothing more asked of the neighbour";
    const unsigned calls = row.LocationAnswer == 19 ? 1 : 0;
    EXPECT_EQ(calls, rig.Gk->Core.Connections().Count());
    EXPECT_EQ(calls, rig.AliceRegistration->CountConnections());
  }
}

// A caller below version 2 asks again while the neighbour leaves the first
// request's admission unanswered: the second request's own deadline passes
// first, and it goes on waiting, never hearing that it needs more time;
// woken by the first's refusal, it asks the neighbour itself and is
// answered. The timer clock is held and moved in 100 ms steps.
TEST(AdmissionLink, AnOldCallersSecondRequestOutlastsItsOwnDeadline) {
  for (unsigned version : {1u, 0u}) {
    SCOPED_TRACE(version);
    orvo::timerClockHold hold;
    TRig rig;
    rig.AliceRegistration->ProtocolVersion = version;
    rig.Send(rig.Arq(1));
    rig.Send(rig.Arq(2));
    ASSERT_TRUE(rig.LocatedThroughTheLink());
    // The neighbour refuses every further location request at once.
    const std::vector<std::string> heard = rig.HeardInSteps(true, [&] {
      while (auto asked = rig.Gk2.Receive(milliseconds(0)))
        if (asked->index() == 18) rig.Reply(Answer(20, GetRasSequenceNumber(*asked), 2));
    });
    EXPECT_EQ(std::vector<std::string>({"14600 " + Arj(rrUndefinedReason, "Master timeout during call resolve.") + " 1",
                                        "14600 " + Arj(rrCalledPartyNotRegistered) + " 2"}),
              heard);
  }
}

// A neighbour that never answers the admission request: a caller of
// version 2 or more hears that the wait goes on to the link's last try; one
// of version 1 is never promised more time and is refused at its master
// timeout (plus the 100 ms the failing request is given). The timer clock
// is held and moved in 100 ms steps: every answer at its time.
TEST(AdmissionLink, MasterTimeoutByTheCallersVersion) {
  const struct {
    unsigned Version;
    std::vector<std::string> Heard;
  } table[] = {
      {4, {"4500 RIP 10600", "15000 " + Arj(rrResourceUnavailable, "Remote gatekeeper failure.")}},
      {2, {"4500 RIP 10600", "15000 " + Arj(rrResourceUnavailable, "Remote gatekeeper failure.")}},
      {1, {"14600 " + Arj(rrUndefinedReason, "Master timeout during call resolve.")}},
      {0, {"14600 " + Arj(rrUndefinedReason, "Master timeout during call resolve.")}},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.Version);
    orvo::timerClockHold hold;
    TRig rig;
    rig.AliceRegistration->ProtocolVersion = row.Version;
    rig.Send(rig.Arq());
    ASSERT_TRUE(rig.LocatedThroughTheLink());
    EXPECT_EQ(row.Heard, rig.HeardInSteps(false));
  }
}

// The gatekeeper link in this process against a neighbour played by the
// test on its own loopback address: retransmission by request kind, answer
// matching, cancelling, registration with keep-alive, rejects and
// alternates, remote requests, and the stop sequence. Long schedules run on
// the timer clock advanced by the test.
#include <gatekeeper/GatekeeperLink.h>

#include <gtest/gtest.h>

#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

#include <config/LinkedUser.h>
#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <gatekeeper/RasSequenceNumber.h>

#include "CoreWithUsers.h"
#include "SimulatedEndpoint.h"

namespace {

using std::chrono::milliseconds;

void Pump() {
  for (int i = 0; i < 3; ++i) orvo::sockEvent::dispatch(0);
}

// The timer clock stands still for every test here but for the test's own
// advances: a schedule is checked a millisecond before and at its time,
// however slowly the machine runs.
const orvo::timerClockHold HeldForEveryTest;
const int64_t Margin = 1;

// In steps (a timer re-armed from its callback counts from the time it
// fired, so a span that holds several firings needs several steps).
void Advance(int64_t AMilliseconds, int64_t AStep = 0) {
  if (AStep <= 0) AStep = AMilliseconds;
  while (AMilliseconds > 0) {
    const int64_t step = AMilliseconds < AStep ? AMilliseconds : AStep;
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(step));
    Pump();
    AMilliseconds -= step;
  }
}

struct TCall {
  int Result;
  int Kind;  // of the answer, -1 none
  unsigned Sequence;
};

struct TRequester {
  void OnAnswer(TGatekeeperLink*, int AResult, H225::rasMessage* ARequest, H225::rasMessage* AAnswer) {
    Calls.push_back({AResult, AAnswer ? AAnswer->index() : -1, GetRasSequenceNumber(*ARequest)});
  }
  std::vector<TCall> Calls;
};

std::unique_ptr<H225::rasMessage> Lrq(const char* AAlias = "2001") {
  auto message = std::make_unique<H225::rasMessage>();
  auto* lrq = static_cast<H225::locationRequest*>(message->select(18));
  H323::makeAliasAddress(*lrq->destinationInfo.appendNew(), AAlias);
  H323::sockaddrToTransport(LoopbackAddress(1, 1719), lrq->replyAddress);
  return message;
}

// An answer of the neighbour of the given kind and number.
std::unique_ptr<H225::rasMessage> Answer(int AKind, unsigned ASequence, int ATimeToLive = -1) {
  auto message = std::make_unique<H225::rasMessage>();
  asn::object* body = message->select(AKind);
  const sockaddr_in here = LoopbackAddress(5, 1720);
  switch (AKind) {
    case 4: {
      auto* rcf = static_cast<H225::registrationConfirm*>(body);
      rcf->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
      H323::sockaddrToTransport(here, *rcf->callSignalAddress.appendNew());
      rcf->endpointIdentifier = "EP-GK1";
      if (ATimeToLive >= 0) rcf->timeToLive = new asn::integer<1u, 4294967295u, 1>(unsigned(ATimeToLive));
      break;
    }
    case 5: {
      auto* rrj = static_cast<H225::registrationReject*>(body);
      rrj->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
      rrj->rejectReason.select(ATimeToLive);
      break;
    }
    case 8:
      static_cast<H225::unregistrationReject*>(body)->rejectReason.select(0);
      break;
    case 14:
      static_cast<H225::bandwidthReject*>(body)->rejectReason.select(0);
      break;
    case 19: {
      auto* lcf = static_cast<H225::locationConfirm*>(body);
      H323::sockaddrToTransport(here, lcf->callSignalAddress);
      H323::sockaddrToTransport(LoopbackAddress(5, 1719), lcf->rasAddress);
      break;
    }
    case 20:
      static_cast<H225::locationReject*>(body)->rejectReason.select(0);
      break;
    case 25:
      static_cast<H225::requestInProgress*>(body)->delay = unsigned(ATimeToLive);
      break;
    default:
      break;
  }
  SetRasSequenceNumber(*message, ASequence);
  return message;
}

// A core whose one gatekeeper section names the neighbour on 127.0.0.5.
struct TLinkRig {
  explicit TLinkRig(const std::string& ADirectives = "register alias \"gk1\";") {
    Gk.reset(new TCoreWithUsers(Text(ADirectives)));
    Link = new TGatekeeperLink(&Gk->Core, static_cast<TLinkedUser*>(Gk->User("GK2")));
    Link->Run();
  }
  std::string Text(const std::string& ADirectives) const {
    return "system { identifier \"GK1\"; address 127.0.0.1; }\n"
           "log { registrations yes; }\n"
           "gatekeeper GK2 { identifier \"GK2\"; ras address 127.0.0.5:" +
           std::to_string(ntohs(Neighbour.Address().sin_port)) + "; " + ADirectives + " }\n";
  }
  // Datagrams that reach the neighbour now (of one kind only, when given).
  std::vector<std::unique_ptr<H225::rasMessage>> Take(int ALimit = 50, int AKind = -1) {
    std::vector<std::unique_ptr<H225::rasMessage>> got;
    while (auto message = Neighbour.Receive(milliseconds(ALimit), &From))
      if (AKind < 0 || message->index() == AKind) got.push_back(std::move(message));
    return got;
  }
  void Reply(const H225::rasMessage& AMessage) {
    Neighbour.Send(AMessage, Link->LocalRasAddress());
    Pump();
  }
  // The first registration, confirmed.
  void Confirm(int ATimeToLive = -1) {
    auto rrq = Take();
    ASSERT_EQ(1u, rrq.size());
    Reply(*Answer(4, GetRasSequenceNumber(*rrq[0]), ATimeToLive));
    ASSERT_EQ(TGatekeeperLink::lsRegistered, Link->LinkState);
  }

  TCoreLog Log;
  TSimulatedEndpoint Neighbour{5};
  sockaddr_in From{};
  std::unique_ptr<TCoreWithUsers> Gk;
  TGatekeeperLink* Link = nullptr;
};

}  // namespace

// Each kind that can be queued: the sends at 0, interval, 2 x interval ...
// and the report of silence one interval after the last.
TEST(GatekeeperLink, RetransmissionScheduleByKind) {
  const struct {
    int Kind;
    int64_t Interval;
    int Sends;
  } table[] = {{0, 5000, 3},  {3, 3000, 3},  {6, 3000, 2},  {9, 5000, 3},  {12, 3000, 3}, {15, 3000, 3},
               {18, 5000, 3}, {21, 3000, 2}, {22, 5000, 3}, {26, 3000, 3}, {30, 3000, 3}};
  for (const auto& row : table) {
    SCOPED_TRACE(row.Kind);
    const TQueuedRASMessage::TSchedule* schedule = TQueuedRASMessage::ScheduleOf(row.Kind);
    ASSERT_TRUE(schedule);
    EXPECT_EQ(row.Interval, schedule->Interval);
    EXPECT_EQ(row.Sends, schedule->Sends);
  }
  for (int kind : {1, 2, 4, 7, 19, 23, 24, 25, 27, 31})
    EXPECT_FALSE(TQueuedRASMessage::ScheduleOf(kind)) << kind << " is never queued";

  // Each kind against the timer: the requester hears of silence exactly at
  // sends x interval. The link carries no registration here.
  TLinkRig rig("");
  ASSERT_EQ(TGatekeeperLink::lsRegistered, rig.Link->LinkState) << "usable without aliases to register";
  EXPECT_TRUE(rig.Take().empty()) << "no registration request without aliases";
  for (const auto& row : table) {
    SCOPED_TRACE(row.Kind);
    TRequester requester;
    auto* message = new H225::rasMessage;
    message->select(row.Kind);
    if (row.Kind == 18) *message = *Lrq();
    ASSERT_TRUE(rig.Link->SendRequest(message, &requester, &TRequester::OnAnswer));
    for (int send = 1; send < row.Sends; ++send) Advance(row.Interval);
    Advance(row.Interval - Margin);
    EXPECT_TRUE(requester.Calls.empty());
    Advance(Margin);
    ASSERT_EQ(1u, requester.Calls.size());
    EXPECT_EQ(1, requester.Calls[0].Result);
    EXPECT_EQ(-1, requester.Calls[0].Kind);
    EXPECT_TRUE(rig.Link->Queue().empty());
  }
  rig.Take();
  // The location request on the wire: once per interval, three times.
  TRequester requester;
  rig.Link->SendRequest(Lrq().release(), &requester, &TRequester::OnAnswer);
  size_t sends = rig.Take(20).size();
  for (int step = 0; step < 3; ++step) {
    Advance(5000);
    sends += rig.Take(20).size();
  }
  EXPECT_EQ(3u, sends);
  EXPECT_EQ(1u, requester.Calls.size());
  EXPECT_FALSE(rig.Link->SendRequest(Answer(19, 1).release(), &requester, &TRequester::OnAnswer))
      << "a confirm is no request";
}

TEST(GatekeeperLink, SequenceNumbersRunFromOneTo65535) {
  TLinkRig rig("");
  EXPECT_EQ(1u, rig.Link->NextSequenceNumber());
  for (unsigned i = 2; i < 65535; ++i) rig.Link->NextSequenceNumber();
  EXPECT_EQ(65535u, rig.Link->NextSequenceNumber());
  EXPECT_EQ(1u, rig.Link->NextSequenceNumber());
  // A request left at 0 is numbered by the link.
  auto* message = Lrq().release();
  rig.Link->SendRequest(message, static_cast<TRequester*>(nullptr), &TRequester::OnAnswer);
  EXPECT_EQ(2u, GetRasSequenceNumber(*message));
}

// What the neighbour sends with the number of a pending location request.
TEST(GatekeeperLink, AnswersOfTheRequestKindFromTheNeighbourOnly) {
  const struct {
    const char* Name;
    int Kind;
    unsigned Host;            // of the sender
    std::vector<int> Called;  // answer kinds the requester saw (-1 none)
    bool Pending;
  } table[] = {
      {"confirm", 19, 5, {19}, false},
      {"reject", 20, 5, {20}, false},
      {"unknown message response ends it", 24, 5, {-1}, false},
      {"registration confirm of that number", 4, 5, {}, true},
      {"bandwidth reject of that number", 14, 5, {}, true},
      {"confirm from another host", 19, 6, {}, true},
      {"in progress", 25, 5, {25}, true},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.Name);
    TLinkRig rig("");
    TSimulatedEndpoint stranger(6);
    TRequester requester;
    rig.Link->SendRequest(Lrq().release(), &requester, &TRequester::OnAnswer);
    ASSERT_EQ(1u, rig.Take().size());
    const unsigned number = rig.Link->Queue()[0]->RequestSeqNum();
    auto answer = Answer(row.Kind, number, 20000);
    if (row.Host == 5)
      rig.Reply(*answer);
    else {
      stranger.Send(*answer, rig.Link->LocalRasAddress());
      Pump();
    }
    std::vector<int> called;
    for (const TCall& call : requester.Calls) {
      called.push_back(call.Kind);
      EXPECT_EQ(number, call.Sequence);
    }
    EXPECT_EQ(row.Called, called);
    EXPECT_EQ(row.Pending, !rig.Link->Queue().empty());
    EXPECT_TRUE(stranger.Receive(milliseconds(20)) == nullptr) << "a stranger is never answered";
  }
}

// requestInProgress: no more sends; the end when nothing follows in time.
TEST(GatekeeperLink, RequestInProgressStopsResendsUntilItsDelay) {
  TLinkRig rig("");
  TRequester requester;
  auto* message = new H225::rasMessage;
  message->select(9);
  rig.Link->SendRequest(message, &requester, &TRequester::OnAnswer);
  rig.Reply(*Answer(25, GetRasSequenceNumber(*message), 20000));
  ASSERT_EQ(1u, requester.Calls.size());
  EXPECT_EQ(25, requester.Calls[0].Kind);
  Advance(20000 - Margin);
  EXPECT_EQ(1u, requester.Calls.size());
  EXPECT_TRUE(rig.Take(20).empty()) << "no resend after requestInProgress";
  Advance(Margin);
  ASSERT_EQ(2u, requester.Calls.size());
  EXPECT_EQ(1, requester.Calls[1].Result);
}

// A cancelled entry lingers silently until its last attempt would end; a
// late answer is swallowed. Other requesters keep their callbacks.
TEST(GatekeeperLink, CancelledRequestsLingerSilently) {
  TLinkRig rig("");
  TRequester cancelled, kept;
  auto* first = Lrq("2001").release();
  auto* second = Lrq("2002").release();
  rig.Link->SendRequest(first, &cancelled, &TRequester::OnAnswer);
  rig.Link->SendRequest(second, &kept, &TRequester::OnAnswer);
  ASSERT_EQ(2u, rig.Take().size());
  rig.Link->CancelRequests(&cancelled);
  Advance(5000);
  EXPECT_EQ(1u, rig.Take(20).size()) << "only the kept request is sent again";
  Advance(2000);
  rig.Reply(*Answer(19, GetRasSequenceNumber(*first)));
  EXPECT_TRUE(rig.Take(20).empty()) << "the late answer is taken, not answered";
  EXPECT_TRUE(cancelled.Calls.empty());
  EXPECT_EQ(1u, rig.Link->Queue().size());
  Advance(8000, 1000);  // 15,000 ms
  EXPECT_TRUE(cancelled.Calls.empty());
  ASSERT_EQ(1u, kept.Calls.size());
  EXPECT_EQ(1, kept.Calls[0].Result);
  EXPECT_TRUE(rig.Link->Queue().empty());
  // One entry by its message.
  auto* third = Lrq().release();
  rig.Link->SendRequest(third, &kept, &TRequester::OnAnswer);
  rig.Link->CancelRequest(third);
  Advance(15000, 5000);
  EXPECT_EQ(1u, kept.Calls.size());
}

// The registration request and the keep-alive the confirm's time to live
// asks for.
TEST(GatekeeperLink, RegistrationAndKeepAlive) {
  const struct {
    int TimeToLive;  // -1 none
    const char* Period;
    int64_t Next;  // ms until the next request, -1 never
  } table[] = {{60, "", 51000}, {5, "", 1000}, {10, "", 1000}, {-1, "", -1}, {-1, "registration period 30;", 21000}};
  for (const auto& row : table) {
    SCOPED_TRACE(row.TimeToLive);
    TLinkRig rig(std::string("register alias \"gk1\" alias \"1000\"; ") + row.Period);
    auto rrq = rig.Take();
    ASSERT_EQ(1u, rrq.size());
    ASSERT_EQ(3, rrq[0]->index());
    const auto& request = *static_cast<const H225::registrationRequest*>(rrq[0]->alternative());
    ASSERT_TRUE(request.endpointVendor.productId);
    EXPECT_EQ("OrvoGatekeeper", std::string(reinterpret_cast<const char*>(request.endpointVendor.productId->data()),
                                            request.endpointVendor.productId->length()));
    EXPECT_EQ(181u, request.endpointVendor.vendor.t35CountryCode.value());
    EXPECT_TRUE(request.terminalType.gatekeeper && request.terminalType.gateway);
    ASSERT_TRUE(request.terminalAlias && request.terminalAlias->count() == 2);
    std::vector<int> kinds;
    for (const asn::object* alias : request.terminalAlias->elements())
      kinds.push_back(static_cast<const H225::aliasAddress*>(alias)->index());
    EXPECT_EQ((std::vector<int>{1, 0}), kinds) << "h323-ID, then dialed digits";
    ASSERT_TRUE(request.gatekeeperIdentifier);
    EXPECT_EQ("GK2", std::string(request.gatekeeperIdentifier->toString().buffer()));
    EXPECT_TRUE(orvo::operator==(rig.Link->LocalRasAddress(), rig.From)) << "sent from the link's own socket";
    EXPECT_EQ(TGatekeeperLink::lsRegistering, rig.Link->LinkState);
    rig.Reply(*Answer(4, GetRasSequenceNumber(*rrq[0]), row.TimeToLive));
    EXPECT_TRUE(rig.Link->Registered());
    EXPECT_EQ("EP-GK1", std::string(rig.Link->EndpointIdentifier().toString().buffer()));
    if (row.Next < 0) {
      EXPECT_FALSE(rig.Link->Timer());
      Advance(400000);
      EXPECT_TRUE(rig.Take(20).empty());
      continue;
    }
    Advance(row.Next - Margin);
    EXPECT_TRUE(rig.Take(20).empty());
    Advance(Margin);
    EXPECT_EQ(1u, rig.Take(20).size());
  }
}

TEST(GatekeeperLink, RejectAndSilenceRetryAfterFiveMinutes) {
  for (bool reject : {true, false}) {
    SCOPED_TRACE(reject);
    TLinkRig rig;
    auto rrq = rig.Take();
    ASSERT_EQ(1u, rrq.size());
    if (reject) {
      rig.Reply(*Answer(5, GetRasSequenceNumber(*rrq[0]), 4));
      EXPECT_NE(std::string::npos, rig.Log.Lines().find("Registration at GK2 denied. Reason: Duplicate alias.\n"))
          << rig.Log.Lines();
    } else {
      Advance(9000, 3000);
      EXPECT_EQ(2u, rig.Take(20).size()) << "resent at 3 s and 6 s";
    }
    EXPECT_EQ(TGatekeeperLink::lsNotRegistered, rig.Link->LinkState);
    Advance(300000 - Margin);
    EXPECT_TRUE(rig.Take(20).empty());
    Advance(Margin);
    EXPECT_EQ(1u, rig.Take(20).size());
  }
  const struct {
    int Reason;
    const char* Text;
  } texts[] = {{0, "Discovery required"},
               {8, "Transport QoS not supported"},
               {16, "Needed feature not supported"},
               {17, "Unknown reason"},
               {-1, "Unknown reason"}};
  for (const auto& row : texts) EXPECT_STREQ(row.Text, RegistrationRejectText(row.Reason));
}

// A remote unregistration naming alternates moves the next registration to
// the lowest priority value, then the next, then back to the configured
// neighbour; one from a stranger changes nothing.
TEST(GatekeeperLink, RemoteUnregistrationFollowsAlternates) {
  TLinkRig rig("register alias \"gk1\"; link alternate gatekeeper yes;");
  TSimulatedEndpoint alternate7(7), alternate8(8), stranger(6);
  rig.Confirm();
  auto urq = std::make_unique<H225::rasMessage>();
  auto* body = static_cast<H225::unregistrationRequest*>(urq->select(6));
  body->requestSeqNum = 900;
  H323::sockaddrToTransport(LoopbackAddress(5, 1720), *body->callSignalAddress.appendNew());
  body->alternateGatekeeper = new asn::sequenceOf<H225::alternateGK, 0u, 0u, 1>;
  for (auto [endpoint, priority] : {std::pair{&alternate8, 5u}, std::pair{&alternate7, 2u}}) {
    H225::alternateGK* gk = body->alternateGatekeeper->appendNew();
    H323::sockaddrToTransport(endpoint->Address(), gk->rasAddress);
    gk->priority = priority;
  }
  stranger.Send(*urq, rig.Link->LocalRasAddress());
  Pump();
  EXPECT_TRUE(rig.Link->Registered()) << "a stranger cannot unregister the link";
  EXPECT_TRUE(stranger.Receive(milliseconds(20)) == nullptr);

  rig.Reply(*urq);
  auto ucf = rig.Take();
  ASSERT_EQ(1u, ucf.size());
  EXPECT_EQ(7, ucf[0]->index());
  EXPECT_FALSE(rig.Link->Registered());
  auto next = alternate7.Receive(milliseconds(200));
  ASSERT_TRUE(next) << "the lowest priority value first";
  EXPECT_EQ(3, next->index());
  Advance(9000, 3000);  // silence: the next alternate
  EXPECT_EQ(2u, [&] {
    size_t n = 0;
    while (alternate7.Receive(milliseconds(20))) ++n;
    return n;
  }());
  auto then = alternate8.Receive(milliseconds(200));
  ASSERT_TRUE(then);
  Advance(9000, 3000);  // silence again: back to the configured neighbour
  EXPECT_EQ(1u, rig.Take(20).size());
}

// Stop: the unregistration request, rejected three times 2,000 ms apart,
// ends as confirmed at the fourth reject, and the link goes.
TEST(GatekeeperLink, StopUnregistersAndEnds) {
  for (int rejects : {0, 4}) {
    SCOPED_TRACE(rejects);
    TLinkRig rig;
    rig.Confirm(60);
    std::vector<int> codes;
    rig.Gk->Core.RASProcedures().Attach(new TEventRecorder(&codes));
    TRequester other;
    rig.Link->SendRequest(Lrq().release(), &other, &TRequester::OnAnswer);
    rig.Take();
    rig.Link->Stop();
    for (int i = 0;; ++i) {
      auto urq = rig.Take(50, 6);
      ASSERT_EQ(1u, urq.size());
      ASSERT_EQ(6, urq[0]->index());
      const auto& body = *static_cast<const H225::unregistrationRequest*>(urq[0]->alternative());
      ASSERT_TRUE(body.endpointIdentifier);
      EXPECT_EQ("EP-GK1", std::string(body.endpointIdentifier->toString().buffer()));
      if (i == rejects) {
        rig.Reply(*Answer(7, body.requestSeqNum.value()));
        break;
      }
      rig.Reply(*Answer(8, body.requestSeqNum.value()));
      if (i + 1 == rejects) break;
      Advance(2000 - Margin);
      EXPECT_TRUE(rig.Take(20, 6).empty());
      Advance(Margin);
    }
    EXPECT_TRUE(rig.Gk->Core.Links().Empty()) << "the link ended";
    ASSERT_EQ(1u, other.Calls.size()) << "a waiting requester hears the end";
    EXPECT_EQ(1, other.Calls[0].Result);
    EXPECT_EQ((std::vector<int>{21, 22}), codes);
    EXPECT_NE(std::string::npos, rig.Log.Lines().find("Unregistered at:\tGK2\n")) << rig.Log.Lines();
  }
}

// What the neighbour asks on the link's socket, once registered.
TEST(GatekeeperLink, RemoteRequestsAreAnswered) {
  auto drq = [](const char* AIdentifier) {
    auto message = std::make_unique<H225::rasMessage>();
    auto* body = static_cast<H225::disengageRequest*>(message->select(15));
    body->endpointIdentifier = AIdentifier;
    body->conferenceID = Guid(7);
    body->disengageReason.select(0);
    return message;
  };
  auto grq = [] {
    auto message = std::make_unique<H225::rasMessage>();
    auto* body = static_cast<H225::gatekeeperRequest*>(message->select(0));
    body->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
    H323::sockaddrToTransport(LoopbackAddress(5, 1719), body->rasAddress);
    return message;
  };
  auto irq = std::make_unique<H225::rasMessage>();
  irq->select(21);
  const struct {
    const char* Name;
    std::unique_ptr<H225::rasMessage> Request;
    int Answer;  // -1 none
  } table[] = {
      {"disengage of our identifier", drq("EP-GK1"), 16},
      {"disengage of another", drq("EP-GK9"), 17},
      {"information request", std::move(irq), 22},
      {"discovery: unknown here", grq(), 24},
      {"stray confirm", Answer(19, 4321), 24},
      {"unknown message response", Answer(24, 4322), -1},
  };
  TLinkRig rig;
  rig.Confirm();
  unsigned number = 800;
  for (const auto& row : table) {
    SCOPED_TRACE(row.Name);
    SetRasSequenceNumber(*row.Request, ++number);
    rig.Reply(*row.Request);
    auto got = rig.Take(50);
    if (row.Answer < 0) {
      EXPECT_TRUE(got.empty());
      continue;
    }
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ(row.Answer, got[0]->index());
    EXPECT_EQ(number, GetRasSequenceNumber(*got[0]));
    if (row.Answer == 22) {
      const auto& irr = *static_cast<const H225::infoRequestResponse*>(got[0]->alternative());
      EXPECT_EQ("EP-GK1", std::string(irr.endpointIdentifier.toString().buffer()));
      EXPECT_TRUE(irr.endpointType.gatekeeper);
      ASSERT_TRUE(irr.endpointAlias);
      EXPECT_EQ(1u, irr.endpointAlias->count());
      sockaddr_in ras{};
      ASSERT_TRUE(H323::transportToSockaddr(irr.rasAddress, ras));
      EXPECT_TRUE(orvo::operator==(rig.Link->LocalRasAddress(), ras));
    }
    if (row.Answer == 17) {
      EXPECT_EQ(0, static_cast<const H225::disengageReject*>(got[0]->alternative())->rejectReason.index());
    }
  }
  // An unregistration by the neighbour while the stop waits for its own.
  rig.Link->Stop();
  auto urq = rig.Take(50, 6);
  ASSERT_EQ(1u, urq.size());
  auto theirs = std::make_unique<H225::rasMessage>();
  H323::sockaddrToTransport(
      LoopbackAddress(5, 1720),
      *static_cast<H225::unregistrationRequest*>(theirs->select(6))->callSignalAddress.appendNew());
  SetRasSequenceNumber(*theirs, 999);
  rig.Reply(*theirs);
  auto ucf = rig.Take(50);
  ASSERT_EQ(1u, ucf.size());
  EXPECT_EQ(7, ucf[0]->index());
  EXPECT_TRUE(rig.Gk->Core.Links().Empty()) << "the stop goes on, no new registration";
}

// A reload that keeps the section: only a change of what the registration
// is made of starts the link anew (a new registration request at once).
TEST(GatekeeperLink, ReloadRestartsOnlyOnChange) {
  const std::string base = "register alias \"gk1\" ";
  const struct {
    const char* Before;
    const char* After;
    bool Restarts;
  } table[] = {
      {"", "", false},
      {"link h235 password \"a\";", "link h235 password \"b\";", false},  // H.235 off
      {"", "alias \"gk2\";", true},
      {"link h235 authentication yes; link h235 password \"a\";",
       "link h235 authentication yes; link h235 password \"b\";", true},
      {"", "link h235 authentication yes;", true},
      {"", "registration period 60;", false},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.After);
    TLinkRig rig(base + (row.Before[0] == 'a' ? "" : ";") + row.Before);
    ASSERT_EQ(1u, rig.Take().size());
    TCoreWithUsers next(rig.Text(base + (row.After[0] == 'a' ? "" : ";") + row.After));
    rig.Link->UpdateUser(next.Core.Configuration(), static_cast<TLinkedUser*>(next.User("GK2")));
    EXPECT_EQ(row.Restarts, !rig.Take().empty());
    EXPECT_EQ(next.User("GK2"), rig.Link->User);
  }
}

// With link H.235 the requests go signed and only answers that prove the
// password count.
TEST(GatekeeperLink, H235SignsRequestsAndChecksAnswers) {
  const struct {
    const char* Password;  // the neighbour's; null: unsigned
    bool Registers;
  } table[] = {{"secret", true}, {nullptr, false}, {"guess", false}};
  for (const auto& row : table) {
    SCOPED_TRACE(row.Password ? row.Password : "unsigned");
    TLinkRig rig("register alias \"gk1\"; link h235 authentication yes; link h235 password \"secret\";");
    auto rrq = rig.Take();
    ASSERT_EQ(1u, rrq.size());
    H323::simpleUserEnvironment ours("GK2", "GK2", "secret", 1);
    EXPECT_TRUE(ours.checkRasTokens(*rrq[0])) << "signed as the section's name with the password";
    const auto& request = *static_cast<const H225::registrationRequest*>(rrq[0]->alternative());
    ASSERT_TRUE(request.tokens && request.cryptoTokens);
    EXPECT_EQ(1u, request.tokens->count());
    EXPECT_EQ(1u, request.cryptoTokens->count());
    auto rcf = Answer(4, GetRasSequenceNumber(*rrq[0]));
    if (row.Password) H323::simpleUserEnvironment("GK2", "GK2", row.Password, 1).signRasMessage(*rcf);
    rig.Reply(*rcf);
    EXPECT_EQ(row.Registers, rig.Link->Registered());
  }
}

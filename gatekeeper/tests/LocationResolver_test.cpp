// Location requests in process: registrations and links made by hand, the
// neighbours played by the test on their own loopback addresses, the
// master timer on the test's timer clock.
#include <gatekeeper/LocationResolver.h>

#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

#include <config/LinkedUser.h>
#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <gatekeeper/Endpoint.h>
#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/RasSequenceNumber.h>

#include "CoreWithUsers.h"
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

std::string Text(const sockaddr_in& AAddress) {
  char host[INET_ADDRSTRLEN] = "";
  inet_ntop(AF_INET, &AAddress.sin_addr, host, sizeof host);
  return std::string(host) + ":" + std::to_string(ntohs(AAddress.sin_port));
}

std::string Text(const H225::transportAddress& AAddress) {
  sockaddr_in address{};
  return H323::transportToSockaddr(AAddress, address) ? Text(address) : "?";
}

// "LCF <ras> <call signal>", "LRJ <reason index>[ text]", "RIP <delay>",
// "LRQ ..." or "none".
std::string Describe(const std::unique_ptr<H225::rasMessage>& AMessage) {
  if (!AMessage) return "none";
  switch (AMessage->index()) {
    case 19: {
      const auto* lcf = static_cast<const H225::locationConfirm*>(AMessage->alternative());
      return "LCF " + Text(lcf->rasAddress) + " " + Text(lcf->callSignalAddress);
    }
    case 20: {
      const auto* lrj = static_cast<const H225::locationReject*>(AMessage->alternative());
      std::string text = "LRJ " + std::to_string(lrj->rejectReason.index());
      if (lrj->genericData) {
        const auto* data = static_cast<const H225::genericData*>(
            static_cast<const asn::object*>(lrj->genericData->elements().first()));
        const auto* parameter = static_cast<const H225::enumeratedParameter*>(
            static_cast<const asn::object*>(data->parameters->elements().first()));
        text += " " + toStd(static_cast<const asn::constrainedString*>(parameter->content->alternative())->value());
      }
      return text;
    }
    case 25:
      return "RIP " +
             std::to_string(static_cast<const H225::requestInProgress*>(AMessage->alternative())->delay.value());
    default:
      return "kind " + std::to_string(AMessage->index());
  }
}

const H225::locationRequest& AsLrq(const H225::rasMessage& AMessage) {
  return *static_cast<const H225::locationRequest*>(AMessage.alternative());
}

// GK2 on 127.0.0.5 and GK3 on 127.0.0.6 serve "2..." through their links;
// alice and bob are local, bob behind the gatekeeper.
struct TRig {
  explicit TRig(const std::string& AExtra = "") {
    Gk.reset(
        new TCoreWithUsers("system { identifier \"GK1\"; address 127.0.0.1; ras port 0; call signal port 0; }\n"
                           "user alice { proxy level none; alias \"1001\"; }\nuser bob { alias \"1003\"; }\n" +
                           AExtra + Section("GK2", Gk2) + Section("GK3", Gk3)));
    Gk->Core.OpenRASSockets();
    Gk->Core.OpenCallSignalSocket();
    Gk->Core.SetStateForTesting(TGatekeeper::gksRunning);
    for (const char* name : {"GK2", "GK3"}) {
      auto* link = new TGatekeeperLink(&Gk->Core, static_cast<TLinkedUser*>(Gk->User(name)));
      link->Run();
      Links.push_back(link);
    }
    R2 = Add("GK2", Gk2);
    R3 = Add("GK3", Gk3);
    Alice = Gk->Register("alice", 2);
    Gk->Register("bob", 3);
  }
  static std::string Section(const char* AName, const TSimulatedEndpoint& AAt) {
    return std::string("gatekeeper ") + AName + " { identifier \"" + AName + "\"; ras address 127.0.0." +
           std::to_string(ntohl(AAt.Address().sin_addr.s_addr) & 0xFF) + ":" +
           std::to_string(ntohs(AAt.Address().sin_port)) + "; proxy level none; alias \"2.*\"; }\n";
  }
  TEndpointRegisterInfo* Add(const char* AUser, TSimulatedEndpoint& AAt, unsigned AVersion = 4) {
    TEndpointRegisterInfo* r = Gk->Register(AUser, ntohl(AAt.Address().sin_addr.s_addr) & 0xFF);
    r->ProtocolVersion = AVersion;
    return r;
  }
  // An LRQ of the requester (identified or not) with the reply address of
  // the sender.
  H225::rasMessage Lrq(TSimulatedEndpoint& AFrom, const char* AAlias, TEndpointRegisterInfo* ARequester,
                       int AHopCount = -1, unsigned ASequence = 77) {
    H225::rasMessage message;
    auto* lrq = static_cast<H225::locationRequest*>(message.select(18));
    lrq->requestSeqNum = ASequence;
    if (ARequester) {
      lrq->endpointIdentifier = new asn::bmpString<1u, 128u, 1>;
      *lrq->endpointIdentifier = ARequester->Identifier();
    }
    H323::makeAliasAddress(*lrq->destinationInfo.appendNew(), AAlias);
    H323::sockaddrToTransport(AFrom.Address(), lrq->replyAddress);
    if (AHopCount > 0) lrq->hopCount = new asn::integer<1u, 255u, 1>(unsigned(AHopCount));
    return message;
  }
  std::unique_ptr<H225::rasMessage> Next(TSimulatedEndpoint& AAt, int APasses = 10, sockaddr_in* AFrom = nullptr) {
    for (int i = 0; i < APasses; ++i) {
      Pump();
      if (auto message = AAt.Receive(milliseconds(5), AFrom)) return message;
    }
    return nullptr;
  }
  std::string Ask(TSimulatedEndpoint& AFrom, const H225::rasMessage& AMessage) {
    EXPECT_TRUE(AFrom.Send(AMessage, Gk->Core.BoundRasAddress()));
    return Describe(Next(AFrom));
  }
  // The neighbour's answer to a forwarded request, to the link's socket.
  void Answer(TSimulatedEndpoint& AAt, int ALink, H225::rasMessage& AAnswer) {
    AAt.Send(AAnswer, Links[size_t(ALink)]->LocalRasAddress());
    Pump();
  }

  TCoreLog Log;
  TSimulatedEndpoint Gk2{5}, Gk3{6}, Stranger{7};
  std::unique_ptr<TCoreWithUsers> Gk;
  std::vector<TGatekeeperLink*> Links;
  TEndpointRegisterInfo *R2 = nullptr, *R3 = nullptr, *Alice = nullptr;
};

H225::rasMessage Lcf(unsigned ASequence, unsigned AHost) {
  H225::rasMessage message;
  auto* lcf = static_cast<H225::locationConfirm*>(message.select(19));
  lcf->requestSeqNum = ASequence;
  H323::sockaddrToTransport(LoopbackAddress(AHost, 1720), lcf->callSignalAddress);
  H323::sockaddrToTransport(LoopbackAddress(AHost, 1719), lcf->rasAddress);
  return message;
}

H225::rasMessage Lrj(unsigned ASequence, int AReason) {
  H225::rasMessage message;
  auto* lrj = static_cast<H225::locationReject*>(message.select(20));
  lrj->requestSeqNum = ASequence;
  lrj->rejectReason.select(AReason);
  return message;
}

H225::rasMessage Rip(unsigned ASequence, unsigned ADelay) {
  H225::rasMessage message;
  auto* rip = static_cast<H225::requestInProgress*>(message.select(25));
  rip->requestSeqNum = ASequence;
  rip->delay = ADelay;
  return message;
}

}  // namespace

// What the gatekeeper answers at once, by requester and callee.
TEST(LocationResolver, LocalAnswersAndRejects) {
  TRig rig;
  const std::string own = Text(rig.Gk->Core.BoundRasAddress()) + " " + Text(rig.Gk->Core.BoundCallSignalAddress());
  enum { gk2, stranger };
  enum { byIdentifier, byAddress, unknownIdentifier };
  const struct {
    const char* Case;
    int From;
    int Requester;
    const char* Alias;
    int HopCount;
    std::string Expected;
  } table[] = {
      {"direct callee: its own addresses", gk2, byIdentifier, "1001", -1, "LCF 127.0.0.2:1719 127.0.0.2:1720"},
      {"requester found by its RAS host", gk2, byAddress, "1001", -1, "LCF 127.0.0.2:1719 127.0.0.2:1720"},
      {"routed callee: the gatekeeper's own", gk2, byIdentifier, "1003", -1, "LCF " + own},
      {"unknown identifier", gk2, unknownIdentifier, "1001", -1, "LRJ 1 Unable to identificate requester."},
      {"unknown host", stranger, byAddress, "1001", -1, "LRJ 1 Unable to identificate requester."},
      {"identifier used from another host", stranger, byIdentifier, "1001", -1, "LRJ 4"},
      {"no route", gk2, byIdentifier, "9999", -1, "LRJ 2"},
      {"only neighbours, hop count 1", gk2, byIdentifier, "2001", 1, "LRJ 10"},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.Case);
    TSimulatedEndpoint& from = row.From == gk2 ? rig.Gk2 : rig.Stranger;
    H225::rasMessage lrq = rig.Lrq(from, row.Alias, row.Requester == byIdentifier ? rig.R2 : nullptr, row.HopCount);
    if (row.Requester == unknownIdentifier) {
      auto* body = static_cast<H225::locationRequest*>(lrq.alternative());
      body->endpointIdentifier = new asn::bmpString<1u, 128u, 1>;
      *body->endpointIdentifier = "ffff";
    }
    EXPECT_EQ(row.Expected, rig.Ask(from, lrq));
  }
  EXPECT_TRUE(rig.Gk->Core.LocationResolvers().Empty());
}

TEST(LocationResolver, TwoRegistrationsOnOneHostIdentifyNoRequester) {
  TRig rig;
  rig.Gk->Register("alice", 5);
  EXPECT_EQ("LRJ 1 Unable to identificate requester.", rig.Ask(rig.Gk2, rig.Lrq(rig.Gk2, "1001", nullptr)));
  EXPECT_NE(std::string::npos, rig.Log.Lines().find("Address collision between: ")) << rig.Log.Lines();
  EXPECT_NE(std::string::npos, rig.Log.Lines().find(". Duplicate RAS address. Location request will not be served."));
}

// Forwarded to the other neighbour only, with the hop count lowered (or 4
// when none came), and its confirm passed on.
TEST(LocationResolver, ForwardsToOtherNeighboursOnly) {
  const struct {
    int Received;
    unsigned Forwarded;
  } table[] = {{-1, 4}, {3, 2}, {255, 254}};
  for (const auto& row : table) {
    SCOPED_TRACE(row.Received);
    TRig rig;
    ASSERT_TRUE(rig.Gk2.Send(rig.Lrq(rig.Gk2, "2001", rig.R2, row.Received), rig.Gk->Core.BoundRasAddress()));
    sockaddr_in from{};
    auto forwarded = rig.Next(rig.Gk3, 10, &from);
    ASSERT_TRUE(forwarded && forwarded->index() == 18) << Describe(forwarded);
    const H225::locationRequest& lrq = AsLrq(*forwarded);
    ASSERT_TRUE(lrq.hopCount);
    EXPECT_EQ(row.Forwarded, lrq.hopCount->value());
    EXPECT_EQ(Text(rig.Links[1]->LocalRasAddress()), Text(lrq.replyAddress));
    EXPECT_EQ(Text(rig.Links[1]->LocalRasAddress()), Text(from));
    ASSERT_EQ(1u, lrq.destinationInfo.elements().count());
    EXPECT_EQ(nullptr, rig.Next(rig.Gk2, 3)) << "nothing back to the asking neighbour";
    H225::rasMessage lcf = Lcf(lrq.requestSeqNum.value(), 8);
    rig.Answer(rig.Gk3, 1, lcf);
    EXPECT_EQ("LCF 127.0.0.8:1719 127.0.0.8:1720", Describe(rig.Next(rig.Gk2)));
  }
}

// Two registrations of one neighbour: two requests on one link, each
// answer to its own; the better waits for its own answer.
TEST(LocationResolver, AnswersGoToTheirOwnRequest) {
  TRig rig;
  TSimulatedEndpoint second(9);
  rig.R3->TimeStamp = orvo::dateTime::now();
  rig.Add("GK3", second)->TimeStamp = rig.R3->TimeStamp + orvo::timeSpan::fromMilliseconds(1000);
  ASSERT_TRUE(rig.Gk3.Send(rig.Lrq(rig.Gk3, "2001", rig.R3), rig.Gk->Core.BoundRasAddress()))
      << "GK3 asks: GK2's link is the only way on";
  auto only = rig.Next(rig.Gk2);
  ASSERT_TRUE(only && only->index() == 18);
  EXPECT_EQ(nullptr, rig.Next(rig.Gk3, 3));
  // GK2 asks now: two candidates, both on GK3's link.
  ASSERT_TRUE(rig.Gk2.Send(rig.Lrq(rig.Gk2, "2001", rig.R2, -1, 78), rig.Gk->Core.BoundRasAddress()));
  auto first = rig.Next(rig.Gk3), later = rig.Next(rig.Gk3);
  ASSERT_TRUE(first && later);
  H225::rasMessage lcf = Lcf(GetRasSequenceNumber(*later), 8);
  rig.Answer(rig.Gk3, 1, lcf);
  EXPECT_EQ("none", Describe(rig.Next(rig.Gk2, 3))) << "the better one has not answered";
  lcf = Lcf(GetRasSequenceNumber(*first), 9);
  rig.Answer(rig.Gk3, 1, lcf);
  EXPECT_EQ("LCF 127.0.0.9:1719 127.0.0.9:1720", Describe(rig.Next(rig.Gk2)));
}

// The master timer: a neighbour asking for more time gets the requester a
// requestInProgress for the rest plus 100 ms (at most 65535, what the field
// holds), then the wait ends in the neighbour's reject reason or, in
// silence, in the route's. The timer clock is held: each answer comes at
// its millisecond, not one before, however slowly the machine runs.
TEST(LocationResolver, MasterTimerAndRequestInProgress) {
  const struct {
    const char* Case;
    unsigned Version;
    int64_t RipAt;  // -1: none
    unsigned NeighbourDelay;
    int NeighbourReject;  // -1: none
    int64_t Progress;     // the requestInProgress's delay; 0: none
  } table[] = {
      {"silence", 4, -1, 0, -1, 0},
      {"reject passed on", 4, -1, 0, 7, 0},
      {"more time: the rest plus 100 ms", 4, 0, 10000, -1, 5600},
      {"more time than a delay holds", 4, 4490, 65535, -1, 65535},
      {"version 1 waits 14.5 s, never more", 1, 0, 20000, -1, 0},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.Case);
    orvo::timerClockHold hold;
    TRig rig;
    rig.R2->ProtocolVersion = row.Version;
    ASSERT_TRUE(rig.Gk2.Send(rig.Lrq(rig.Gk2, "2001", rig.R2), rig.Gk->Core.BoundRasAddress()));
    auto forwarded = rig.Next(rig.Gk3);
    ASSERT_TRUE(forwarded);
    const unsigned sequence = GetRasSequenceNumber(*forwarded);
    if (row.NeighbourReject >= 0) {
      H225::rasMessage lrj = Lrj(sequence, row.NeighbourReject);
      rig.Answer(rig.Gk3, 1, lrj);
      EXPECT_EQ("LRJ " + std::to_string(row.NeighbourReject), Describe(rig.Next(rig.Gk2)));
      continue;
    }
    int64_t now = 0;
    if (row.RipAt >= 0) {
      Advance(row.RipAt);
      now = row.RipAt;
      H225::rasMessage rip = Rip(sequence, row.NeighbourDelay);
      rig.Answer(rig.Gk3, 1, rip);
    }
    const int64_t master = row.Version < 2 ? 14500 : 4500;
    Advance(master - 1 - now);
    EXPECT_EQ("none", Describe(rig.Next(rig.Gk2, 2))) << "1 ms before the master timeout";
    Advance(1);
    std::string heard = Describe(rig.Next(rig.Gk2, 2));
    if (row.Progress) {
      EXPECT_EQ("RIP " + std::to_string(row.Progress), heard);
      const int64_t end = row.RipAt + row.NeighbourDelay;
      Advance(end - 1 - master);
      EXPECT_EQ("none", Describe(rig.Next(rig.Gk2, 2))) << "1 ms before the extended deadline";
      Advance(1);
      heard = Describe(rig.Next(rig.Gk2, 2));
    }
    EXPECT_EQ("LRJ 3", heard);
  }
}

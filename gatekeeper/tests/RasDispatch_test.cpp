// In-process RAS: which requests count as retransmissions of one in hand,
// the dispatch that drops them, and a send that cannot encode.
#include <gatekeeper/Gatekeeper.h>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <cerrno>
#include <stdexcept>
#include <unistd.h>

#include <memory>
#include <sstream>
#include <vector>

#include <orvo/bifurcator.h>
#include <orvo/exception.h>

#include <h323/loop.h>

#include <h323/transportAddress.h>

#include <gatekeeper/LogManipulators.h>
#include <gatekeeper/RasSequenceNumber.h>

#include "SimulatedEndpoint.h"
#include "orvoTesting.h"

namespace {

// A request with the fields the duplicate tests read.
H225::rasMessage Request(int AKind, unsigned ASequence, const char* AIdentifier, unsigned ARasHost = 2,
                         unsigned ASignalHost = 2) {
  H225::rasMessage message;
  asn::object* body = message.select(AKind);
  switch (AKind) {
    case 3: {
      auto* rrq = static_cast<H225::registrationRequest*>(body);
      H323::sockaddrToTransport(LoopbackAddress(ARasHost, 1719), *rrq->rasAddress.appendNew());
      H323::sockaddrToTransport(LoopbackAddress(ASignalHost, 1720), *rrq->callSignalAddress.appendNew());
      break;
    }
    case 9:
      static_cast<H225::admissionRequest*>(body)->endpointIdentifier = AIdentifier;
      break;
    case 12:
      static_cast<H225::bandwidthRequest*>(body)->endpointIdentifier = AIdentifier;
      break;
    case 18:
      if (AIdentifier) {
        auto* lrq = static_cast<H225::locationRequest*>(body);
        lrq->endpointIdentifier = new asn::bmpString<1u, 128u, 1>;
        *lrq->endpointIdentifier = AIdentifier;
      }
      break;
  }
  SetRasSequenceNumber(message, ASequence);
  return message;
}

struct TWaitingResolver : TRasResolver {
  TWaitingResolver(TGatekeeper* ACore, const sockaddr_in& AFrom, const H225::rasMessage& ARequest)
      : TRasResolver(ACore, AFrom, ARequest, &TWaitingResolver::Wait) {}
  TPerformFunctionResult Wait() { return &TWaitingResolver::Wait; }
};

TRasResolver* MakeWaiting(TGatekeeper* ACore, const sockaddr_in& AFrom, const H225::rasMessage& ARequest) {
  return new TWaitingResolver(ACore, AFrom, ARequest);
}

// Waits like MakeWaiting; the request of this number asks the loop to stop.
unsigned StopAtSequence = 0;
TRasResolver* MakeWaitingThenStop(TGatekeeper* ACore, const sockaddr_in& AFrom, const H225::rasMessage& ARequest) {
  if (GetRasSequenceNumber(ARequest) == StopAtSequence) H323::stopLoop();
  return new TWaitingResolver(ACore, AFrom, ARequest);
}

std::vector<unsigned> HeldSequenceNumbers(TGatekeeper& ACore) {
  std::vector<unsigned> numbers;
  ACore.RegistrationResolvers().ForEach([&](TRasResolver* AResolver) {
    numbers.push_back(GetRasSequenceNumber(AResolver->HeldRequest()));
    return false;
  });
  return numbers;
}

// Answers with unknownMessageResponse, one of each number given, to the
// destinations given: a port 0 cannot be sent to.
struct TSends {
  std::vector<std::pair<sockaddr_in, unsigned>> Answers;
};
TSends PlannedSends;
TRasResolver* MakeSending(TGatekeeper* ACore, const sockaddr_in&, const H225::rasMessage&) {
  for (const auto& answer : PlannedSends.Answers) {
    H225::rasMessage xrs;
    static_cast<H225::unknownMessageResponse*>(xrs.select(24))->requestSeqNum = answer.second;
    ACore->RASSend(answer.first, xrs);
  }
  return nullptr;
}

// The sequence numbers of the datagrams that reach the endpoint now.
std::vector<unsigned> Arrived(TSimulatedEndpoint& AEndpoint) {
  std::vector<unsigned> numbers;
  while (auto message = AEndpoint.Receive(std::chrono::milliseconds(50)))
    numbers.push_back(GetRasSequenceNumber(*message));
  return numbers;
}

class TLogCapture {
public:
  TLogCapture() : Log(std::cout) { Log.addManipulator(new TStringBufferManipulator(&Text)); }
  std::string Lines() {
    Log.flushAll();
    return toStd(Text);
  }

private:
  orvo::TBifurcator Log;
  orvo::string Text;
};

}  // namespace

TEST(RasDispatch, RetransmissionsByKind) {
  const struct {
    H225::rasMessage held, fresh;
    bool duplicate;
    const char* why;
  } cases[] = {
      {Request(3, 1, nullptr), Request(3, 1, nullptr), true, "same RRQ"},
      {Request(3, 1, nullptr), Request(3, 2, nullptr), false, "RRQ, other number"},
      {Request(3, 1, nullptr), Request(3, 1, nullptr, 3, 2), false, "RRQ, other RAS address"},
      {Request(3, 1, nullptr), Request(3, 1, nullptr, 2, 3), false, "RRQ, other call-signal address"},
      {Request(9, 7, "a"), Request(9, 7, "a"), true, "same ARQ"},
      {Request(9, 7, "a"), Request(9, 7, "A"), false, "ARQ identifiers compare exactly"},
      {Request(9, 7, "a"), Request(9, 8, "a"), false, "ARQ, other number"},
      {Request(12, 7, "a"), Request(12, 7, "a"), true, "same BRQ"},
      {Request(12, 7, "a"), Request(12, 7, "b"), false, "BRQ, other endpoint"},
      {Request(9, 7, "a"), Request(12, 7, "a"), false, "other kind"},
      {Request(18, 5, nullptr), Request(18, 5, nullptr), true, "LRQ of a neighbour, both without identifier"},
      {Request(18, 5, nullptr), Request(18, 5, "a"), false, "LRQ, one identifier"},
      {Request(18, 5, "a"), Request(18, 5, nullptr), false, "LRQ, the other identifier"},
      {Request(18, 5, "a"), Request(18, 5, "a"), true, "LRQ, same identifier"},
      {Request(18, 5, "a"), Request(18, 6, "a"), false, "LRQ, other number"},
      {Request(6, 5, nullptr), Request(6, 5, nullptr), false, "URQ has no duplicate test"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.duplicate, IsRetransmission(c.held, c.fresh)) << c.why;
}

TEST(RasDispatch, RetransmittedRequestGetsNoSecondResolver) {
  TGatekeeper core;
  ASSERT_TRUE(core.ReloadConfiguration(new std::istringstream("system { address 127.0.0.1; ras port 0; }\n")));
  core.OpenRASSockets();
  core.ResolverFactory = &MakeWaiting;
  ASSERT_NE(0, core.BoundRasAddress().sin_port);
  TSimulatedEndpoint first(2), second(3);
  auto request = first.RegistrationRequest({"alice"});
  auto other = second.RegistrationRequest({"bob"});  // the same number, other addresses
  const struct {
    TSimulatedEndpoint* from;
    H225::rasMessage* message;
    unsigned resolvers;
  } steps[] = {
      {&first, request.get(), 1}, {&first, request.get(), 1}, {&second, request.get(), 1}, {&second, other.get(), 2}};
  for (const auto& s : steps) {
    ASSERT_TRUE(s.from->Send(*s.message, core.BoundRasAddress()));
    orvo::sockEvent::dispatch(2);
    EXPECT_EQ(s.resolvers, core.RegistrationResolvers().Count());
  }
  core.RegistrationResolvers().ForEach([&](TRasResolver* AResolver) {
    EXPECT_EQ(1u, GetRasSequenceNumber(AResolver->HeldRequest()));
    return false;
  });
}

// An answer that does not encode costs one error line, not the caller.
TEST(RasDispatch, SendThatDoesNotEncodeIsLoggedOnce) {
  TLogCapture log;
  TGatekeeper core;
  ASSERT_TRUE(core.ReloadConfiguration(new std::istringstream("system { address 127.0.0.1; ras port 0; }\n")));
  core.OpenRASSockets();
  TSimulatedEndpoint endpoint(2);
  H225::rasMessage rcf;
  static_cast<H225::registrationConfirm*>(rcf.select(4))->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
  SetRasSequenceNumber(rcf, 3);
  // The endpoint identifier stays empty: one character at least is needed.
  EXPECT_NO_THROW(core.RASSend(endpoint.Address(), rcf));
  EXPECT_FALSE(endpoint.Receive(std::chrono::milliseconds(100)));
  const std::string lines = log.Lines();
  EXPECT_EQ(0u, lines.find("RAS message not sent, it does not encode: ")) << lines;
  EXPECT_EQ(1, std::count(lines.begin(), lines.end(), '\n')) << lines;
  static_cast<H225::registrationConfirm*>(rcf.alternative())->endpointIdentifier = "e1";
  core.RASSend(endpoint.Address(), rcf);
  EXPECT_TRUE(endpoint.Receive(std::chrono::milliseconds(2000))) << log.Lines();
  EXPECT_EQ(0, core.RasSocketError());
}

// Datagrams waiting together are handled in arrival order, at most a batch
// in one pass; one that does not decode ends its pass, and a stop asked for
// by one leaves the rest to later passes. Each request waits in hand, so
// the resolvers held count the requests handled.
TEST(RasDispatch, WaitingDatagramsInArrivalOrderAtMostABatchAPass) {
  const unsigned batch = TGatekeeper::RasReceiveBatch;
  const struct {
    unsigned datagrams;
    int garbageAt;  // 1-based place of a datagram that does not decode, or 0
    unsigned stopAt;
    unsigned firstPass;
    const char* why;
  } cases[] = {
      {5, 0, 0, 5, "fewer than a batch: all in one pass"},
      {batch + 8, 0, 0, batch, "more than a batch: the rest in the next pass"},
      {6, 3, 0, 2, "the datagrams after one that does not decode wait"},
      {10, 0, 4, 4, "a stop leaves the rest"},
  };
  for (const auto& c : cases) {
    TGatekeeper core;
    ASSERT_TRUE(core.ReloadConfiguration(new std::istringstream("system { address 127.0.0.1; ras port 0; }\n")));
    core.OpenRASSockets();
    core.ResolverFactory = &MakeWaitingThenStop;
    StopAtSequence = c.stopAt;
    TSimulatedEndpoint endpoint(2);
    auto request = endpoint.RegistrationRequest({"alice"});
    std::vector<unsigned> expected;
    for (unsigned i = 1; i <= c.datagrams; ++i) {
      if (int(i) == c.garbageAt) {
        ASSERT_TRUE(endpoint.SendOctets({0xff}, core.BoundRasAddress()));
        continue;
      }
      SetRasSequenceNumber(*request, i);
      ASSERT_TRUE(endpoint.Send(*request, core.BoundRasAddress()));
      expected.push_back(i);
    }
    bool threw = false;
    try {
      orvo::sockEvent::dispatch(2);
    } catch (orvo::exception* e) {
      orvo::exceptionPtr owned(e);
      threw = true;
    }
    EXPECT_EQ(c.garbageAt != 0, threw) << c.why;
    EXPECT_EQ(c.firstPass, core.RegistrationResolvers().Count()) << c.why;
    H323::clearStop();
    for (int pass = 0; pass < 5 && core.RegistrationResolvers().Count() < expected.size(); ++pass)
      orvo::sockEvent::dispatch(1);
    EXPECT_EQ(expected, HeldSequenceNumbers(core)) << c.why;
  }
  StopAtSequence = 0;
}

// A full batch leaves another socket ready in the same pass its turn.
struct TOtherSocket {
  int Socket = ::socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in Bound = LoopbackAddress(5, 0);
  int Served = 0;
  TOtherSocket() {
    EXPECT_EQ(0, bind(Socket, reinterpret_cast<sockaddr*>(&Bound), sizeof Bound));
    socklen_t length = sizeof Bound;
    getsockname(Socket, reinterpret_cast<sockaddr*>(&Bound), &length);
  }
  ~TOtherSocket() { close(Socket); }
  void OnRead(orvo::sockEvent*) {
    unsigned char octet;
    if (recv(Socket, &octet, 1, MSG_DONTWAIT) == 1) ++Served;
  }
};

TEST(RasDispatch, OtherSocketIsServedBesideAFullBatch) {
  TGatekeeper core;
  ASSERT_TRUE(core.ReloadConfiguration(new std::istringstream("system { address 127.0.0.1; ras port 0; }\n")));
  core.OpenRASSockets();
  core.ResolverFactory = &MakeWaiting;
  TSimulatedEndpoint endpoint(2), other(3);
  TOtherSocket target;
  std::unique_ptr<orvo::sockEvent> watcher(
      new orvo::sockEvent(orvo::sockEvent::READ, target.Socket, &target, &TOtherSocket::OnRead, false, nullptr));
  auto request = endpoint.RegistrationRequest({"alice"});
  const unsigned batch = TGatekeeper::RasReceiveBatch, total = 2 * batch + 3;
  for (unsigned i = 1; i <= total; ++i) {
    SetRasSequenceNumber(*request, i);
    ASSERT_TRUE(endpoint.Send(*request, core.BoundRasAddress()));
  }
  ASSERT_TRUE(other.SendOctets({1}, target.Bound));
  const unsigned handled[] = {batch, 2 * batch, total};
  for (unsigned pass = 0; pass < 3; ++pass) {
    orvo::sockEvent::dispatch(2);
    EXPECT_EQ(handled[pass], core.RegistrationResolvers().Count()) << "pass " << pass;
    EXPECT_EQ(1, target.Served) << "pass " << pass;
  }
  watcher.reset();
}

// The answers of a batch go out in the order sent when it ends, those
// before a datagram that does not decode too.
TEST(RasDispatch, AnswersOfABatchGoOutInOrderWhenItEnds) {
  TGatekeeper core;
  ASSERT_TRUE(core.ReloadConfiguration(new std::istringstream("system { address 127.0.0.1; ras port 0; }\n")));
  core.OpenRASSockets();
  TSimulatedEndpoint endpoint(2);
  H225::rasMessage irq;
  static_cast<H225::infoRequest*>(irq.select(21))->callReferenceValue = 7;
  for (unsigned number : {1u, 2u, 0u, 4u}) {
    if (number == 0) {
      ASSERT_TRUE(endpoint.SendOctets({0xff}, core.BoundRasAddress()));
      continue;
    }
    SetRasSequenceNumber(irq, number);
    ASSERT_TRUE(endpoint.Send(irq, core.BoundRasAddress()));
  }
  EXPECT_THROW(
      try { orvo::sockEvent::dispatch(2); } catch (orvo::exception* e) {
        orvo::exceptionPtr owned(e);
        throw std::runtime_error("did not decode");
      },
      std::runtime_error);
  EXPECT_EQ((std::vector<unsigned>{1, 2}), Arrived(endpoint));
  orvo::sockEvent::dispatch(2);
  EXPECT_EQ((std::vector<unsigned>{4}), Arrived(endpoint));
}

// Answers held back go out as sent one by one would: one that cannot be
// sent costs only itself, and the error kept is that of the last.
TEST(RasDispatch, HeldAnswerRefusedCostsOnlyItself) {
  TGatekeeper core;
  ASSERT_TRUE(core.ReloadConfiguration(new std::istringstream("system { address 127.0.0.1; ras port 0; }\n")));
  core.OpenRASSockets();
  core.ResolverFactory = &MakeSending;
  TSimulatedEndpoint endpoint(2);
  const sockaddr_in nowhere = LoopbackAddress(2, 0), there = endpoint.Address();
  const struct {
    std::vector<std::pair<sockaddr_in, unsigned>> answers;
    std::vector<unsigned> arrived;
    int error;
  } cases[] = {
      {{{there, 1}, {nowhere, 2}, {there, 3}}, {1, 3}, 0},
      {{{there, 1}, {there, 2}, {nowhere, 3}}, {1, 2}, EINVAL},
      {{{nowhere, 1}, {nowhere, 2}, {there, 3}}, {3}, 0},
  };
  auto request = endpoint.RegistrationRequest({"alice"});
  for (const auto& c : cases) {
    PlannedSends.Answers = c.answers;
    ASSERT_TRUE(endpoint.Send(*request, core.BoundRasAddress()));
    orvo::sockEvent::dispatch(2);
    EXPECT_EQ(c.arrived, Arrived(endpoint));
    EXPECT_EQ(c.error, core.RasSocketError());
  }
  PlannedSends.Answers.clear();
}

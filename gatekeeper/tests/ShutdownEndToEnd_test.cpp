// Stopping and restarting the running program with endpoints registered by
// RRQ, a direct call between them and a link registered at a neighbour: who
// is told, what a request during the stop is answered, and how long the stop
// takes with and without answers. tshark reads every datagram of the
// exchange.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <signal.h>

#include <future>
#include <regex>
#include <sstream>

#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <gatekeeper/RasSequenceNumber.h>

#include "GatekeeperUnderTest.h"
#include "RasCapture.h"
#include "RasRequests.h"
#include "SimulatedEndpoint.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;
using TRow = std::vector<std::string>;

// Hosts: 1 the gatekeeper, 2 and 3 the endpoints, 5 the neighbour, 6 the
// endpoint that asks during the stop.
struct TStoppingGatekeeper {
  TStoppingGatekeeper() : a(2, &capture), b(3, &capture), neighbour(5, &capture), late(6, &capture), gk(Setup()) {}
  TGatekeeperSetup Setup() {
    TGatekeeperSetup setup;
    setup.Sections =
        "user alice { login \"alice\"; alias \"1001\"; proxy level none; }\n"
        "user bob { login \"bob\"; alias \"1002\"; proxy level none; }\nuser carol { login \"carol\"; }\n"
        "gatekeeper GK2 { identifier \"GK2\"; ras address 127.0.0.5:" +
        std::to_string(ntohs(neighbour.Address().sin_port)) + "; register alias \"gk1\"; }\n";
    return setup;
  }
  // Started, both endpoints registered, the link confirmed by the neighbour.
  bool Run() {
    if (!gk.Start()) return false;
    if (!Register()) return false;
    auto rrq = neighbour.Receive(milliseconds(3000), &link);
    if (!rrq || rrq->index() != 3) return false;
    H225::rasMessage rcf;
    auto* body = static_cast<H225::registrationConfirm*>(rcf.select(4));
    body->requestSeqNum = GetRasSequenceNumber(*rrq);
    body->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
    H323::sockaddrToTransport(LoopbackAddress(5, 1720), *body->callSignalAddress.appendNew());
    body->endpointIdentifier = "EP-GK1";
    body->timeToLive = new asn::integer<1u, 4294967295u, 1>(600u);
    return neighbour.Send(rcf, link) && gk.WaitForLog("Registered at:\tGK2\n");
  }
  bool Register() {
    for (auto [endpoint, alias] : {std::pair{&a, "alice"}, std::pair{&b, "bob"}}) {
      auto answer = Ask(*endpoint, *endpoint->RegistrationRequest({alias}));
      if (!answer || answer->index() != 4) return false;
      (endpoint == &a ? IdA : IdB) = ConfirmedIdentifier(*answer);
    }
    return true;
  }
  // Alice calls 1002 (bob), both sides admitted, the call direct.
  bool Call() {
    const sockaddr_in aSignal = a.CallSignalAddress();
    for (auto [endpoint, answer] : {std::pair{&a, false}, std::pair{&b, true}}) {
      H225::rasMessage message;
      auto* arq = static_cast<H225::admissionRequest*>(message.select(9));
      arq->requestSeqNum = endpoint->NextSequenceNumber();
      arq->callType.select(0);
      arq->endpointIdentifier = (answer ? IdB : IdA).c_str();
      arq->destinationInfo = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;
      H323::makeAliasAddress(*arq->destinationInfo->appendNew(), "1002");
      H323::makeAliasAddress(*arq->srcInfo.appendNew(), "1001");
      if (answer) {
        arq->srcCallSignalAddress = new H225::transportAddress;
        H323::sockaddrToTransport(aSignal, *arq->srcCallSignalAddress);
      }
      arq->bandWidth = 640;
      arq->callReferenceValue = 1;
      unsigned char conference[16];
      for (unsigned char& octet : conference) octet = 0x11;
      arq->conferenceID.setValue(conference, 16);
      arq->answerCall = answer;
      auto acf = Ask(*endpoint, message);
      if (!acf || acf->index() != 10) return false;
    }
    return true;
  }
  std::unique_ptr<H225::rasMessage> Ask(TSimulatedEndpoint& AEndpoint, const H225::rasMessage& ARequest) {
    if (!AEndpoint.Send(ARequest, gk.RasAddress())) return nullptr;
    return AEndpoint.Receive(milliseconds(2000));
  }
  // Waits for the gatekeeper's request of the kind (URQ 6, DRQ 15) to the
  // endpoint; with AConfirm the endpoint confirms it at once, else later by
  // Confirm.
  bool Unregistered(TSimulatedEndpoint& AEndpoint, bool AConfirm, int AKind = 6) {
    Request = AEndpoint.Receive(milliseconds(2000), &RequestFrom);
    if (!Request || int(Request->index()) != AKind) return false;
    return !AConfirm || Confirm(AEndpoint);
  }
  bool Confirm(TSimulatedEndpoint& AEndpoint) {
    H225::rasMessage confirm;
    confirm.select(Request->index() + 1);
    SetRasSequenceNumber(confirm, GetRasSequenceNumber(*Request));
    return AEndpoint.Send(confirm, RequestFrom);
  }
  // Reads what is left in the sockets, so that the capture holds it.
  void Drain() {
    for (auto* endpoint : {&a, &b, &neighbour})
      while (endpoint->Receive(milliseconds(200))) {
      }
  }
  // tshark's reading of the exchange from the frame AFirst on.
  std::vector<TRow> Frames(size_t AFirst) {
    tshark::result r = capture.Dissect(gk.PathOf("ras.pcap"), {"ip.src", "ip.dst", "h225.RasMessage", "h225.reason",
                                                               "h225.rejectReason", "h225.text"});
    EXPECT_TRUE(r.ran) << r.failure;
    std::vector<TRow> rows;
    for (size_t i = AFirst; i < r.frames.size(); ++i) {
      EXPECT_EQ("", r.frames[i].malformed) << i;
      rows.push_back(r.frames[i].fields);
    }
    return rows;
  }

  TRasCapture capture;
  TSimulatedEndpoint a, b, neighbour, late;
  TGatekeeperUnderTest gk;
  sockaddr_in link{};
  std::string IdA, IdB;
  std::unique_ptr<H225::rasMessage> Request;  // the last one received
  sockaddr_in RequestFrom{};
};

// The service's own lines ("[I] Service stopped."), without their times;
// the log's lines and the report of the undecodable datagram left out.
std::string ServiceLines(const std::string& AConsole) {
  static const std::regex line("^\\d\\d:\\d\\d:\\d\\d (\\[[IW]\\] .*)$");
  std::istringstream in(AConsole);
  std::string result;
  std::smatch match;
  for (std::string text; std::getline(in, text);)
    if (std::regex_match(text, match, line)) result += match[1].str() + "\n";
  return result;
}

const std::string ShuttingDown = "Gatekeeper service shutting down.";
// Registration of alice and bob, the link's registration at the neighbour.
const size_t StartFrames = 6;
const TRow UrqToA = {"127.0.0.1", "127.0.0.2", "6", "4", "", ""}, UrqToB = {"127.0.0.1", "127.0.0.3", "6", "4", "", ""},
           UrqToNeighbour = {"127.0.0.1", "127.0.0.5", "6", "", "", ""};
const TRow UcfFromA = {"127.0.0.2", "127.0.0.1", "7", "", "", ""},
           UcfFromB = {"127.0.0.3", "127.0.0.1", "7", "", "", ""},
           UcfFromNeighbour = {"127.0.0.5", "127.0.0.1", "7", "", "", ""};
const TRow DrqToA = {"127.0.0.1", "127.0.0.2", "15", "", "", ""}, DrqToB = {"127.0.0.1", "127.0.0.3", "15", "", "", ""};
const TRow DcfFromA = {"127.0.0.2", "127.0.0.1", "16", "", "", ""},
           DcfFromB = {"127.0.0.3", "127.0.0.1", "16", "", "", ""};

struct TStopCase {
  const char* Name;
  bool Answer, Call;
  milliseconds MinTook, MaxTook;  // from the signal to the exit
  std::vector<TRow> Tail;         // the frames after the refused requests
};

void PrintTo(const TStopCase& ACase, std::ostream* AOut) { *AOut << ACase.Name; }

class SigtermEndToEnd : public testing::TestWithParam<TStopCase> {};

}  // namespace

// During the stop a discovery and a registration are refused with the text,
// and a datagram that does not decode changes nothing. Answered, the call's
// sides are disengaged, then unregistered, and the stop ends at once; unanswered, after two requests to each, 3 s
// apart, and the 3 s the gatekeeper waits for the answer to the second.
TEST_P(SigtermEndToEnd, TellsEveryEndpointAndTheNeighbour) {
  if (!tshark::toolsAvailable()) GTEST_SKIP();
  const TStopCase& c = GetParam();
  TStoppingGatekeeper run;
  ASSERT_TRUE(run.Run()) << run.gk.Console() << run.gk.Log();
  if (c.Call) {
    ASSERT_TRUE(run.Call()) << run.gk.Log();
  }

  const auto signalled = steady_clock::now();
  std::future<int> status = std::async(std::launch::async, [&] { return run.gk.Stop(std::chrono::seconds(14)); });
  // The call's sides are told first.
  ASSERT_TRUE(run.Unregistered(run.a, false, c.Call ? 15 : 6)) << "the stop has begun";
  TSimulatedEndpoint stranger(7);  // not in the capture: tshark would call it malformed
  stranger.SendOctets({0x5f, 0xff, 0xff, 0x01}, run.gk.RasAddress());
  auto grj = run.Ask(run.late, *DiscoveryRequest(run.late, {"carol"}));
  auto rrj = run.Ask(run.late, *run.late.RegistrationRequest({"carol"}));
  ASSERT_TRUE(grj && rrj);
  if (c.Answer) {
    ASSERT_TRUE(run.Confirm(run.a));
    if (c.Call) {
      ASSERT_TRUE(run.Unregistered(run.b, true, 15));
      ASSERT_TRUE(run.Unregistered(run.a, true));
    }
    ASSERT_TRUE(run.Unregistered(run.b, true));
    ASSERT_TRUE(run.Unregistered(run.neighbour, true));
  }
  EXPECT_EQ(0, status.get()) << run.gk.Console();
  const auto took = steady_clock::now() - signalled;
  EXPECT_GE(took, c.MinTook);
  EXPECT_LE(took, c.MaxTook);
  run.Drain();
  EXPECT_EQ(
      "[I] Service started.\n"
      "[I] Service stopped.\n",
      ServiceLines(run.gk.Console()));

  std::vector<TRow> expected = {
      c.Call ? DrqToA : UrqToA,
      {"127.0.0.6", "127.0.0.1", "0", "", "", ""},
      {"127.0.0.1", "127.0.0.6", "2", "", "0", ShuttingDown},
      {"127.0.0.6", "127.0.0.1", "3", "", "", ""},
      {"127.0.0.1", "127.0.0.6", "5", "", "6", ShuttingDown},
  };
  expected.insert(expected.end(), c.Tail.begin(), c.Tail.end());
  const std::vector<TRow> frames = run.Frames(StartFrames + (c.Call ? 4 : 0));
  ASSERT_EQ(expected.size(), frames.size());
  for (size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(expected[i], frames[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Stop, SigtermEndToEnd,
                         testing::Values(TStopCase{"answered_with_a_call",
                                                   true,
                                                   true,
                                                   milliseconds(0),
                                                   milliseconds(2000),
                                                   {DcfFromA, DrqToB, DcfFromB, UrqToA, UcfFromA, UrqToB, UcfFromB,
                                                    UrqToNeighbour, UcfFromNeighbour}},
                                         TStopCase{"unanswered",
                                                   false,
                                                   false,
                                                   milliseconds(5500),
                                                   milliseconds(8500),
                                                   {UrqToA, UrqToB, UrqToB, UrqToNeighbour, UrqToNeighbour}}),
                         [](const testing::TestParamInfo<TStopCase>& AInfo) { return std::string(AInfo.param.Name); });

// SIGUSR2 ends the core as a stop does and starts a new one from the
// configuration, at which the endpoints register again.
TEST(RestartEndToEnd, UnregistersThenTakesTheEndpointsBack) {
  if (!tshark::toolsAvailable()) GTEST_SKIP();
  TStoppingGatekeeper run;
  ASSERT_TRUE(run.Run()) << run.gk.Console() << run.gk.Log();
  const auto signalled = steady_clock::now();
  run.gk.Signal(SIGUSR2);
  ASSERT_TRUE(run.Unregistered(run.a, true));
  ASSERT_TRUE(run.Unregistered(run.b, true));
  ASSERT_TRUE(run.Unregistered(run.neighbour, true));
  ASSERT_TRUE(run.gk.WaitForConsole("Service started.", milliseconds(3000), 2)) << run.gk.Console();
  EXPECT_LT(steady_clock::now() - signalled, milliseconds(2000)) << "every answer given";
  EXPECT_TRUE(run.Register()) << run.gk.Log();
  // The new core's link is left unconfirmed: its stop sends nothing.
  std::future<int> status = std::async(std::launch::async, [&] { return run.gk.Stop(std::chrono::seconds(5)); });
  EXPECT_TRUE(run.Unregistered(run.a, true));
  EXPECT_TRUE(run.Unregistered(run.b, true));
  EXPECT_EQ(0, status.get());
  EXPECT_EQ(
      "[I] Service started.\n"
      "[I] Restarting service by monitor request.\n"
      "[I] Service stopped.\n"
      "[I] Service started.\n"
      "[I] Service stopped.\n",
      ServiceLines(run.gk.Console()));

  const TRow rrqFromA = {"127.0.0.2", "127.0.0.1", "3", "", "", ""},
             rcfToA = {"127.0.0.1", "127.0.0.2", "4", "", "", ""};
  const TRow rrqFromB = {"127.0.0.3", "127.0.0.1", "3", "", "", ""},
             rcfToB = {"127.0.0.1", "127.0.0.3", "4", "", "", ""};
  const std::vector<TRow> expected = {UrqToA, UcfFromA, UrqToB, UcfFromB, UrqToNeighbour, UcfFromNeighbour, rrqFromA,
                                      rcfToA, rrqFromB, rcfToB, UrqToA,   UcfFromA,       UrqToB,           UcfFromB};
  const std::vector<TRow> frames = run.Frames(StartFrames);
  ASSERT_EQ(expected.size(), frames.size());
  for (size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(expected[i], frames[i]) << i;
}

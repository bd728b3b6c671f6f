// A routed call on the built program among strangers and misbehaving
// endpoints: connections to the call's port that say anything but a Setup,
// a caller that stops reading while the callee floods it, and the address
// the callee sees the call come from.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <chrono>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <h323/transportAddress.h>

#include "CallLeg.h"
#include "GatekeeperUnderTest.h"
#include "ProcessFigures.h"
#include "RasRequests.h"
#include "SanitizerFindings.h"
#include "SimulatedEndpoint.h"
#include "orvoTesting.h"
#include "q931Octets.h"
#include "q931Samples.h"
#include "q931Tshark.h"

using namespace q931Testing;

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

const milliseconds Limit(5000);
const unsigned char Conference = 0x40;

TGatekeeperSetup RoutedSetup(const std::string& AAddress) {
  TGatekeeperSetup setup;
  setup.Address = AAddress;
  setup.LogRules += "connection status yes;\n";
  setup.Sections =
      "user alice { login \"1001\"; alias \"1001\"; }\n"
      "user bob { login \"1002\"; alias \"1002\"; }\n";
  return setup;
}

std::string AddressText(const sockaddr_in& AAddress) {
  char text[INET_ADDRSTRLEN] = "";
  inet_ntop(AF_INET, &AAddress.sin_addr, text, sizeof text);
  return text;
}

// Alice (1001, 127.0.0.2) calls Bob (1002, who takes calls on a listener
// of 127.0.0.3) through the gatekeeper whose RAS port is Ras.
struct TRoutedCall {
  explicit TRoutedCall(const sockaddr_in& ARas) : Ras(ARas) {}
  sockaddr_in Ras;
  TSimulatedEndpoint Alice{2}, Bob{3};
  TCallLeg BobListener, BobLeg, AliceLeg;
  std::string AliceId, BobId;
  sockaddr_in Relay{};

  // Both registered, Alice admitted; Relay is where the confirm sends her.
  bool Admit() {
    if (!BobListener.Bind(3) || !BobListener.Listen()) return false;
    AliceId = RegisterCallee(Alice, Ras, "1001", Alice.CallSignalAddress());
    BobId = RegisterCallee(Bob, Ras, "1002", BobListener.Address());
    if (AliceId.empty() || BobId.empty()) return false;
    H225::rasMessage arq = AdmissionRequest(AliceId, "1001", "1002", 1);
    auto* request = static_cast<H225::admissionRequest*>(arq.alternative());
    request->requestSeqNum = Alice.NextSequenceNumber();
    unsigned char conference[16];
    for (unsigned char& octet : conference) octet = Conference;
    request->conferenceID.setValue(conference, 16);
    if (!Alice.Send(arq, Ras)) return false;
    auto acf = Alice.Receive(Limit);
    if (!acf || acf->index() != 10) return false;
    return H323::transportToSockaddr(
        static_cast<const H225::admissionConfirm*>(acf->alternative())->destCallSignalAddress, Relay);
  }
  // Alice's Setup through the relay to Bob; AReceiveBuffer as in
  // TCallLeg::Bind for her leg.
  bool Setup(int AReceiveBuffer = 0) {
    return AliceLeg.Bind(2, AReceiveBuffer) && AliceLeg.Connect(Relay) &&
           AliceLeg.Send(fromHex(encodeMessage(routedCallMessages()[0].build()))) && BobListener.Accept(BobLeg) &&
           !BobLeg.Receive().empty();
  }
  // The RAS message that comes next to the endpoint; -1 none in time.
  int Next(TSimulatedEndpoint& AEndpoint, const H225::rasMessage& ARequest) {
    if (!AEndpoint.Send(ARequest, Ras)) return -1;
    auto answer = AEndpoint.Receive(Limit);
    return answer ? int(answer->index()) : -1;
  }
  // Alice's own disengage request confirmed, then both unregistered, so that
  // the stop waits for nobody.
  bool Leave() {
    return Next(Alice, *DisengageRequest(Alice, AliceId, Conference)) == 16 &&
           Next(Alice, *UnregistrationRequest(Alice, AliceId)) == 7 &&
           Next(Bob, *UnregistrationRequest(Bob, BobId)) == 7;
  }
};

// The log's lines that hold the text, from the level letter on.
std::vector<std::string> LogLines(const std::string& ALog, const std::string& AText) {
  std::vector<std::string> lines;
  std::istringstream in(ALog);
  for (std::string line; std::getline(in, line);)
    if (line.find(AText) != std::string::npos) lines.push_back(line.substr(line.find('[')));
  return lines;
}

}  // namespace

// Before Alice, strangers reach the call's port: one stays silent, the rest
// send something that is no Setup. Each of those is turned away with a
// warning, the silent one is held until Alice's Setup has come, and her
// call goes through.
TEST(RelayAbuseEndToEnd, StrangersOnTheCallsPortAreTurnedAwayAndTheCallerGetsThrough) {
  TGatekeeperUnderTest gk(RoutedSetup("127.0.0.1"));
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TRoutedCall call(gk.RasAddress());
  ASSERT_TRUE(call.Admit()) << gk.Log();
  octets release = fromHex(encodeMessage(routedCallMessages()[4].build()));
  release.insert(release.begin(), {3, 0, 0, (unsigned char)(release.size() + 4)});
  const struct {
    const char* name;
    octets sent;
  } strangers[] = {
      {"silent", {}},
      {"garbage!", {'g', 'a', 'r', 'b', 'a', 'g', 'e', '!'}},
      {"8 octets that are no TPKT frame", {3, 0, 0, 3, 0x08, 0x02, 0x12, 0x34}},
      {"a Release Complete", release},
  };
  std::vector<std::unique_ptr<TCallLeg>> legs;
  for (const auto& s : strangers) {
    SCOPED_TRACE(s.name);
    legs.emplace_back(new TCallLeg);
    ASSERT_TRUE(legs.back()->Bind(10 + unsigned(legs.size())) && legs.back()->Connect(call.Relay));
    ASSERT_TRUE(s.sent.empty() || legs.back()->SendOctets(s.sent));
    if (!s.sent.empty()) {
      EXPECT_TRUE(legs.back()->ClosedByPeer()) << gk.Log();
    }
  }
  EXPECT_TRUE(legs[0]->Quiet(milliseconds(1000))) << "the silent one is held";
  ASSERT_TRUE(call.Setup()) << "Alice's Setup at Bob\n" << gk.Log();
  EXPECT_TRUE(legs[0]->ClosedByPeer()) << "the caller is known";
  EXPECT_TRUE(gk.WaitForLog("First message must be SETUP.", Limit, 3));
  EXPECT_EQ(LogLines(gk.Log(), "SETUP"), std::vector<std::string>(3, "[W] First message must be SETUP."));
  EXPECT_TRUE(call.Leave()) << gk.Log();
  EXPECT_EQ(0, gk.Stop());
  EXPECT_EQ("", gk.SanitizerFindings());
}

// Alice connects, sends her Setup and reads no more; Bob floods her with
// frames of 65,535 octets. The gatekeeper stops taking the flood, keeps its
// memory, answers RAS meanwhile, and ends the call once Alice has taken
// nothing for its bound (5 s): Bob gets a Release Complete, the
// gatekeeper's disengage request comes to Alice.
TEST(RelayAbuseEndToEnd, ACallerThatStopsReadingUnderAFloodLosesTheCall) {
#ifdef __SANITIZE_ADDRESS__
  // The sanitizer's allocator sets up its pools for the flood's large
  // blocks on the first one, shadow memory included (11 MB in a run).
  const long MarginKiB = 16 * 1024;
#else
  const long MarginKiB = 8 * 1024;  // 2.7 MB in a run
#endif
  const unsigned Frames = 600;  // 39 MB at most
  TGatekeeperUnderTest gk(RoutedSetup("127.0.0.1"));
  TRunOptions options;
  // The sanitizer keeps freed blocks and allocation stacks: a small
  // quarantine and short stacks, as in the hostile run, so that the figures
  // are the program's.
  options.Environment.push_back(AppendedSetting(
      "ASAN_OPTIONS", "quarantine_size_mb=4:allocator_release_to_os_interval_ms=100:malloc_context_size=8"));
  ASSERT_TRUE(gk.Start(options)) << gk.Console();
  TRoutedCall call(gk.RasAddress());
  ASSERT_TRUE(call.Admit()) << gk.Log();
  ASSERT_TRUE(call.Setup(4096)) << gk.Log();
  const long start = ReadProcessFigures(gk.Pid()).ResidentKiB;

  const auto flooded = steady_clock::now();
  const size_t taken = call.BobLeg.Flood(Frames, milliseconds(1000));
  EXPECT_LT(taken, Frames * 65535u) << "the gatekeeper stopped taking the flood";
  long largest = ReadProcessFigures(gk.Pid()).ResidentKiB;
  EXPECT_EQ(4, call.Next(call.Alice, *KeepAliveRequest(call.Alice, call.AliceId))) << "RAS answered meanwhile";
  const octets release = call.BobLeg.Receive();
  EXPECT_FALSE(release.empty()) << gk.Log();
  EXPECT_TRUE(call.BobLeg.ClosedByPeer());
  EXPECT_LT(steady_clock::now() - flooded, milliseconds(5000 + 3000)) << "the call ends within its bound";
  largest = std::max(largest, ReadProcessFigures(gk.Pid()).ResidentKiB);
  EXPECT_LE(largest, start + MarginKiB) << "resident memory (KiB) at the start " << start;

  auto drq = call.Alice.Receive(Limit);
  ASSERT_TRUE(drq && drq->index() == 15) << gk.Log();
  H225::rasMessage dcf;
  static_cast<H225::disengageConfirm*>(dcf.select(16))->requestSeqNum =
      static_cast<const H225::disengageRequest*>(drq->alternative())->requestSeqNum.value();
  ASSERT_TRUE(call.Alice.Send(dcf, call.Ras));
  EXPECT_TRUE(gk.WaitForLog("read call signalling"));
  EXPECT_EQ(LogLines(gk.Log(), "read call signalling"),
            std::vector<std::string>{"[I] Caller does not read call signalling."});
  EXPECT_EQ(7, call.Next(call.Alice, *UnregistrationRequest(call.Alice, call.AliceId)));
  EXPECT_EQ(7, call.Next(call.Bob, *UnregistrationRequest(call.Bob, call.BobId)));
  EXPECT_EQ(0, gk.Stop());
  EXPECT_EQ("", gk.SanitizerFindings());

  if (!tshark::toolsAvailable()) return;
  tshark::result t = dissectCallSignalling({release}, {"q931.message_type", "q931.cause_value"});
  ASSERT_TRUE(t.ran) << t.failure;
  EXPECT_EQ("", t.frames[0].malformed);
  EXPECT_EQ((std::vector<std::string>{"0x5a", "31"}), t.frames[0].fields);
}

// The relay connects to Bob from the configured address of the gatekeeper,
// the one its confirm announces, not from one the system picks.
TEST(RelayAbuseEndToEnd, TheCalleeSeesTheCallFromTheGatekeepersAddress) {
  for (const char* address : {"127.0.0.1", "127.0.0.9"}) {
    SCOPED_TRACE(address);
    TGatekeeperUnderTest gk(RoutedSetup(address));
    ASSERT_TRUE(gk.Start()) << gk.Console();
    sockaddr_in ras = gk.RasAddress();
    ras.sin_addr.s_addr = inet_addr(address);
    TRoutedCall call(ras);
    ASSERT_TRUE(call.Admit()) << gk.Log();
    EXPECT_EQ(address, AddressText(call.Relay));
    ASSERT_TRUE(call.Setup()) << gk.Log();
    EXPECT_EQ(address, AddressText(call.BobLeg.Peer()));
    EXPECT_TRUE(call.Leave()) << gk.Log();
    EXPECT_EQ(0, gk.Stop());
  }
}

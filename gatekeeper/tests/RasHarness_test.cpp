// The end-to-end harness itself: the gatekeeper under test on its own
// configuration and ports, endpoints on their own loopback addresses, and
// the capture that tshark reads.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/stat.h>

#include <fstream>
#include <regex>
#include <set>

#include <orvo/socketAddress.h>

#include <gatekeeper/RejectTextCarrier.h>
#include <gatekeeper/RejectTexts.h>

#include "GatekeeperUnderTest.h"
#include "RasCapture.h"
#include "SimulatedEndpoint.h"

namespace {

using std::chrono::milliseconds;

std::string Dotted(const sockaddr_in& AAddress) {
  char text[INET_ADDRSTRLEN];
  inet_ntop(AF_INET, &AAddress.sin_addr, text, sizeof text);
  return text;
}

bool Exists(const std::string& APath) {
  struct stat st;
  return stat(APath.c_str(), &st) == 0;
}

}  // namespace

TEST(GatekeeperUnderTest, WritesItsConfigurationWithFreePorts) {
  TGatekeeperSetup setup;
  setup.LogRules = "messages dump yes;\n";
  setup.Sections = "zone Loopback { connections 5; }\n";
  TGatekeeperUnderTest gk(setup);
  std::set<unsigned> ports = {gk.RasPort(), gk.CallSignalPort(), gk.MonitorPort()};
  EXPECT_EQ(3u, ports.size());
  for (unsigned port : ports) {
    EXPECT_GE(port, 20000u);
    EXPECT_LE(port, 32000u);
  }
  const std::string expected = "system {\n  identifier \"OrvoTestGK\";\n  address 127.0.0.1;\n  ras port " +
                               std::to_string(gk.RasPort()) + ";\n  call signal port " +
                               std::to_string(gk.CallSignalPort()) + ";\n}\nmonitor {\n  port " +
                               std::to_string(gk.MonitorPort()) +
                               ";\n  password \"test\";\n  address 127.0.0.1 yes;\n}\n"
                               "log {\n  file \"gk.log\";\nmessages dump yes;\n}\nzone Loopback { connections 5; }\n";
  EXPECT_EQ(expected, gk.ConfigurationText());
  std::ifstream in(gk.PathOf("gk.cfg"));
  EXPECT_EQ(expected, std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
  EXPECT_EQ(0, gk.RasAddress().sin_addr.s_addr ^ htonl(INADDR_LOOPBACK));
  EXPECT_EQ(gk.RasPort(), ntohs(gk.RasAddress().sin_port));
}

TEST(GatekeeperUnderTest, RunsTheProgramReadsItsLogAndCleansUp) {
  std::string directory;
  {
    TGatekeeperUnderTest gk;
    directory = gk.Directory();
    ASSERT_TRUE(gk.Start()) << gk.Console();
    EXPECT_NE(std::string::npos, gk.Console().find("[I] Service started.\n")) << gk.Console();
    ASSERT_TRUE(gk.WaitForLog("[I] Service started.\n")) << gk.Log();
    EXPECT_EQ(0, gk.Stop());
    EXPECT_EQ(0, gk.Stop()) << "a second stop only repeats the status";
    const std::regex lines(
        "\\d\\d/\\d\\d/\\d\\d\\d\\d \\d\\d:\\d\\d:\\d\\d \\[I\\] Service started.\n"
        "\\d\\d/\\d\\d/\\d\\d\\d\\d \\d\\d:\\d\\d:\\d\\d \\[I\\] Service stopped.\n");
    EXPECT_TRUE(std::regex_match(gk.Log(), lines)) << gk.Log();
    EXPECT_FALSE(gk.WaitForLog("Service started.", milliseconds(50), 2));
  }
  EXPECT_FALSE(Exists(directory)) << directory;
}

TEST(SimulatedEndpoint, EachBindsItsOwnLoopbackAddress) {
  TSimulatedEndpoint first(2), second(3), third(40);
  const std::vector<std::pair<const TSimulatedEndpoint*, std::string>> cases = {
      {&first, "127.0.0.2"}, {&second, "127.0.0.3"}, {&third, "127.0.0.40"}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.second, Dotted(c.first->Address()));
    EXPECT_NE(0, c.first->Address().sin_port) << c.second;
    EXPECT_EQ(c.second, Dotted(c.first->CallSignalAddress()));
    EXPECT_EQ(1720, ntohs(c.first->CallSignalAddress().sin_port));
  }
}

// Two endpoints talk through our codec; tshark reads what went over the
// loopback, with the addresses each datagram really had.
TEST(SimulatedEndpoint, ExchangeThroughTheCodecIsCaptured) {
  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  TGatekeeperUnderTest scratch;  // for its directory only
  TRasCapture capture;
  TSimulatedEndpoint caller(2, &capture), peer(3, &capture);
  ASSERT_TRUE(caller.Send(*caller.RegistrationRequest({"alice", "100"}), peer.Address()));

  sockaddr_in from{};
  std::unique_ptr<H225::rasMessage> request = peer.Receive(milliseconds(2000), &from);
  ASSERT_TRUE(request);
  EXPECT_TRUE(from == caller.Address());
  ASSERT_EQ(3, request->index());
  auto* rrq = static_cast<H225::registrationRequest*>(request->alternative());
  EXPECT_EQ(1u, rrq->requestSeqNum.value());

  H225::rasMessage answer;
  auto* rrj = static_cast<H225::registrationReject*>(answer.select(5));
  rrj->requestSeqNum = rrq->requestSeqNum.value();
  rrj->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
  rrj->rejectReason.select(8);  // securityDenial
  AttachRejectText(rrj->genericData, RejectText(rtInvalidSecurity));
  ASSERT_TRUE(peer.Send(answer, from));
  std::unique_ptr<H225::rasMessage> reply = caller.Receive(milliseconds(2000));
  ASSERT_TRUE(reply);
  EXPECT_EQ(5, reply->index());

  // Nothing more comes: the wait ends empty after about its limit.
  auto started = std::chrono::steady_clock::now();
  EXPECT_FALSE(caller.Receive(milliseconds(200)));
  auto waited = std::chrono::steady_clock::now() - started;
  EXPECT_GE(waited, milliseconds(190));
  EXPECT_LT(waited, milliseconds(5000));

  ASSERT_EQ(2u, capture.Recorded().size());
  tshark::result r = capture.Dissect(
      scratch.PathOf("exchange.pcap"),
      {"ip.src", "ip.dst", "udp.srcport", "udp.dstport", "h225.RasMessage", "h225.requestSeqNum", "h225.ipV4",
       "h225.ipV4_port", "h225.h323_ID", "h225.rejectReason", "h225.nonStandard", "h225.text"});
  ASSERT_TRUE(r.ran) << r.failure;
  const std::string callerPort = std::to_string(ntohs(caller.Address().sin_port));
  const std::string peerPort = std::to_string(ntohs(peer.Address().sin_port));
  const std::vector<std::vector<std::string>> expected = {
      {"127.0.0.2", "127.0.0.3", callerPort, peerPort, "3", "1", "127.0.0.2|127.0.0.2", "1720|" + callerPort,
       "alice|100", "", "", ""},
      {"127.0.0.3", "127.0.0.2", peerPort, callerPort, "5", "1", "", "", "", "8",
       "5e1f930a-7cd2-48b6-a104-3f88c927e05d", "Invalid H.235 secutity information."},
  };
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ("", r.frames[i].malformed) << i;
    EXPECT_EQ("", r.frames[i].expert) << i;
    EXPECT_EQ(expected[i], r.frames[i].fields) << i;
  }
}

// The running program answers a registration request of an alias no user
// takes with a reject that tshark reads, text included.
TEST(GatekeeperUnderTest, RegistrationRequestToTheRunningProgram) {
  TGatekeeperUnderTest gk;
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TRasCapture capture;
  TSimulatedEndpoint endpoint(2, &capture);
  ASSERT_TRUE(endpoint.Send(*endpoint.RegistrationRequest({"alice"}), gk.RasAddress()));
  std::unique_ptr<H225::rasMessage> answer = endpoint.Receive(milliseconds(3000));
  ASSERT_TRUE(answer);
  EXPECT_EQ(5, answer->index());
  EXPECT_EQ(0, gk.Stop());
  ASSERT_EQ(2u, capture.Recorded().size());
  if (!tshark::toolsAvailable()) return;
  tshark::result r = capture.Dissect(gk.PathOf("ras.pcap"), {"ip.src", "ip.dst", "udp.dstport", "h225.RasMessage",
                                                             "h225.requestSeqNum", "h225.h323_ID", "h225.text"});
  ASSERT_TRUE(r.ran) << r.failure;
  EXPECT_EQ("", r.frames[0].malformed);
  EXPECT_EQ(std::vector<std::string>({"127.0.0.2", "127.0.0.1", std::to_string(gk.RasPort()), "3", "1", "alice", ""}),
            r.frames[0].fields);
  EXPECT_EQ(std::vector<std::string>({"127.0.0.1", "127.0.0.2", std::to_string(ntohs(endpoint.Address().sin_port)), "5",
                                      "1", "", "Unknown login alias."}),
            r.frames[1].fields);
}

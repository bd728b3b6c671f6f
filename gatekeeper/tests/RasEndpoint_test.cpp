// The running gatekeeper's RAS socket, driven like an endpoint would: the
// kinds it does not serve, undecodable datagrams, a taken RAS port, the
// hex dump, and tshark's reading of every answer.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <regex>

#include <orvo/socketAddress.h>

#include <asn/perCodec.h>
#include <h323/transportAddress.h>

#include <gatekeeper/RasSequenceNumber.h>

#include "GatekeeperUnderTest.h"
#include "RasRequests.h"
#include "RasCapture.h"
#include "SimulatedEndpoint.h"

namespace {

using std::chrono::milliseconds;

// Messages of the kinds the gatekeeper takes for stray answers or ignores,
// each with what its mandatory fields need to encode.
std::unique_ptr<H225::rasMessage> Make(int AKind, unsigned ASequence) {
  auto message = std::make_unique<H225::rasMessage>();
  asn::object* body = message->select(AKind);
  sockaddr_in here = LoopbackAddress(2, 1720);
  switch (AKind) {
    case 4: {
      auto* rcf = static_cast<H225::registrationConfirm*>(body);
      rcf->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
      H323::sockaddrToTransport(here, *rcf->callSignalAddress.appendNew());
      rcf->endpointIdentifier = "7f000002:6b8";
      break;
    }
    case 10: {
      auto* acf = static_cast<H225::admissionConfirm*>(body);
      acf->bandWidth = 640;
      acf->callModel.select(0);
      H323::sockaddrToTransport(here, acf->destCallSignalAddress);
      break;
    }
    case 21:
      static_cast<H225::infoRequest*>(body)->callReferenceValue = 5;
      break;
    case 23: {
      auto& data = static_cast<H225::nonStandardMessage*>(body)->nonStandardData;
      *static_cast<asn::oid*>(data.nonStandardIdentifier.select(0)) = asn::oid(1, 3, 6, 1, 4, 1, 99);
      data.data.setValue("hi", 2);
      break;
    }
    case 25:
      static_cast<H225::requestInProgress*>(body)->delay = 100;
      break;
    default:
      break;
  }
  SetRasSequenceNumber(*message, ASequence);
  return message;
}

size_t Count(const std::string& AText, const std::string& AWhat) {
  size_t n = 0;
  for (size_t at = AText.find(AWhat); at != std::string::npos; at = AText.find(AWhat, at + 1)) ++n;
  return n;
}

// Sends, then expects the unknownMessageResponse with ASequence, or none.
void Expect(TSimulatedEndpoint& AEndpoint, const sockaddr_in& AGatekeeper, int AKind, unsigned ASequence,
            bool AAnswered) {
  SCOPED_TRACE(AKind);
  ASSERT_TRUE(AEndpoint.Send(*Make(AKind, ASequence), AGatekeeper));
  sockaddr_in from{};
  std::unique_ptr<H225::rasMessage> answer = AEndpoint.Receive(milliseconds(AAnswered ? 3000 : 300), &from);
  if (!AAnswered) {
    EXPECT_FALSE(answer) << "answered kind " << answer->index();
    return;
  }
  ASSERT_TRUE(answer);
  EXPECT_TRUE(orvo::operator==(from, AGatekeeper)) << "answered from the RAS socket";
  ASSERT_EQ(24, answer->index());
  EXPECT_EQ(ASequence, GetRasSequenceNumber(*answer));
}

}  // namespace

TEST(RasEndpoint, KindsNotServedAreAnsweredByTheTable) {
  TGatekeeperUnderTest gk;
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TRasCapture capture;
  TSimulatedEndpoint endpoint(2, &capture);
  const struct {
    int kind;
    unsigned sequence;
    bool answered;
  } cases[] = {
      {4, 101, true},     // registrationConfirm out of the blue
      {10, 102, true},    // admissionConfirm
      {16, 103, false},   // disengageConfirm: dropped
      {21, 104, true},    // infoRequest
      {25, 105, true},    // requestInProgress
      {23, 65535, true},  // nonStandardMessage
      {24, 107, false},   // unknownMessageResponse: never answered
      {4, 1, true},       // served after the silent ones
  };
  for (const auto& c : cases) Expect(endpoint, gk.RasAddress(), c.kind, c.sequence, c.answered);
  EXPECT_EQ(0, gk.Stop());
  EXPECT_EQ(6u, Count(gk.Log(), "RAS, send message to 127.0.0.2:")) << gk.Log();
  EXPECT_EQ(8u, Count(gk.Log(), "RAS, got message from 127.0.0.2:"));
  EXPECT_EQ(0u, Count(gk.Log(), "hex dump")) << "no dump without messages dump";

  if (!tshark::toolsAvailable()) return;
  tshark::result r = capture.Dissect(gk.PathOf("ras.pcap"), {"ip.src", "h225.RasMessage", "h225.requestSeqNum"});
  ASSERT_TRUE(r.ran) << r.failure;
  const std::vector<std::vector<std::string>> expected = {
      {"127.0.0.2", "4", "101"},    {"127.0.0.1", "24", "101"},   {"127.0.0.2", "10", "102"},
      {"127.0.0.1", "24", "102"},   {"127.0.0.2", "16", "103"},   {"127.0.0.2", "21", "104"},
      {"127.0.0.1", "24", "104"},   {"127.0.0.2", "25", "105"},   {"127.0.0.1", "24", "105"},
      {"127.0.0.2", "23", "65535"}, {"127.0.0.1", "24", "65535"}, {"127.0.0.2", "24", "107"},
      {"127.0.0.2", "4", "1"},      {"127.0.0.1", "24", "1"}};
  ASSERT_EQ(expected.size(), r.frames.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ("", r.frames[i].malformed) << i;
    EXPECT_EQ(expected[i], r.frames[i].fields) << i;
  }
}

// Octets that do not decode: no answer, one exception line each, and the
// next datagram is served.
TEST(RasEndpoint, UndecodableDatagramsAreLoggedOnceAndTheNextIsServed) {
  const std::vector<std::vector<unsigned char>> garbage = {
      {0x0c},                                      // a registrationRequest cut short
      {0xff, 0xff, 0xff, 0xff, 0xff, 0xff},        // an extension of absurd length
      {0x93, 0x41, 0x07, 0x00, 0x1e, 0xd2, 0x11},  // a few arbitrary octets
  };
  for (const auto& octets : garbage) {
    H225::rasMessage probe;
    bool decodes = true;
    try {
      asn::per::codec codec(octets.data(), unsigned(octets.size()));
      probe.decode(codec);
    } catch (orvo::exception* e) {
      delete e;
      decodes = false;
    }
    ASSERT_FALSE(decodes) << "the case must not decode";
  }
  TGatekeeperUnderTest gk;
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TSimulatedEndpoint endpoint(3);
  unsigned sequence = 200;
  for (size_t i = 0; i < garbage.size(); ++i) {
    ASSERT_TRUE(endpoint.SendOctets(garbage[i], gk.RasAddress()));
    EXPECT_TRUE(gk.WaitForLog("Exception: ", milliseconds(3000), int(i + 1))) << gk.Log();
    Expect(endpoint, gk.RasAddress(), 4, ++sequence, true);
  }
  EXPECT_EQ(0, gk.Stop());
  EXPECT_EQ(garbage.size(), Count(gk.Log(), "Exception: "));
  EXPECT_EQ(garbage.size(), Count(gk.Log(), "[E] Exception: "));
}

// The configured RAS port held by other sockets before the start, with or
// without SO_REUSEADDR (a second gatekeeper sets it): a holder of the
// configured address sends the gatekeeper to a port of the system's choice,
// which it names and answers from, without discovery; a holder of the
// wildcard address keeps the discovery socket off the port; a holder of
// another address is no conflict. A gatekeeper on the wildcard address
// shares it between its own two sockets.
TEST(RasEndpoint, TakenPortFallsBackAndAnswersFromThePortChosen) {
  const struct {
    const char* configured;
    std::vector<std::pair<const char*, bool>> holders;  // address, SO_REUSEADDR
    bool fallsBack, discoveryRefused;
  } cases[] = {
      {"127.0.0.1", {{"127.0.0.1", false}}, true, true},
      {"127.0.0.1", {{"127.0.0.1", true}}, true, true},
      {"127.0.0.1", {{"0.0.0.0", true}}, false, true},
      {"127.0.0.1", {{"127.0.0.1", true}, {"0.0.0.0", true}}, true, true},  // another gatekeeper's two sockets
      {"127.0.0.1", {{"127.0.0.2", true}}, false, false},
      {"0.0.0.0", {{"127.0.0.2", true}}, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.configured) + " with " + c.holders[0].first + (c.holders[0].second ? " reused" : "") +
                 " of " + std::to_string(c.holders.size()));
    TGatekeeperSetup setup;
    setup.Address = c.configured;
    TGatekeeperUnderTest gk(setup);
    std::vector<int> holders;
    for (const auto& h : c.holders) {
      const int holder = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
      ASSERT_GE(holder, 0);
      holders.push_back(holder);
      const int reuse = h.second ? 1 : 0;
      ASSERT_EQ(0, setsockopt(holder, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse));
      sockaddr_in held = gk.RasAddress();
      inet_pton(AF_INET, h.first, &held.sin_addr);
      ASSERT_EQ(0, bind(holder, reinterpret_cast<sockaddr*>(&held), sizeof held)) << strerror(errno);
    }
    ASSERT_TRUE(gk.Start()) << gk.Console();
    ASSERT_TRUE(gk.WaitForLog("Service started."));
    const std::string configured = std::to_string(gk.RasPort());
    const std::regex warning("\\[W\\] RAS \\(" + configured +
                             "\\) port occupied\\. Bound on first available \\(([0-9]+)\\) port\\. Gatekeeper services "
                             "available only thru discovery process \\(GatekeeperRequest\\)\\.\n");
    std::smatch found;
    const std::string log = gk.Log();
    unsigned serving = gk.RasPort();
    EXPECT_EQ(c.fallsBack, std::regex_search(log, found, warning)) << log;
    if (c.fallsBack && !found.empty()) serving = unsigned(std::stoul(found[1]));
    EXPECT_EQ(c.fallsBack, serving != gk.RasPort());
    EXPECT_EQ(c.fallsBack ? 1u : 0u, Count(log, "port occupied"));
    EXPECT_EQ(c.discoveryRefused ? 1u : 0u,
              Count(log, std::string("[E] Bind to RAS port failed. ") + std::to_string(EADDRINUSE) + " " +
                             strerror(EADDRINUSE) + " Gatekeeper discovery services unavailable.\n"))
        << log;
    EXPECT_EQ(c.discoveryRefused ? 1u : 0u, Count(log, "[E]")) << log;

    TSimulatedEndpoint endpoint(4);
    Expect(endpoint, LoopbackAddress(1, serving), 10, 77, true);
    for (int holder : holders) close(holder);
    EXPECT_EQ(0, gk.Stop());
  }
}

// Two gatekeepers on one RAS port, started at the same moment, round after
// round (several rounds side by side): exactly one keeps the port and its
// discovery; the other names the port it fell back to, has no discovery, and
// answers there. tshark reads every answer: a GCF from the port asked,
// naming that port. The one that kept the port keeps it over a restart.
TEST(RasEndpoint, OfTwoStartedTogetherOneKeepsThePort) {
  if (!tshark::toolsAvailable()) GTEST_SKIP();
  const unsigned Rounds = 20, SideBySide = 2;
  const std::regex warning(
      "\\[W\\] RAS \\(([0-9]+)\\) port occupied\\. Bound on first available \\(([0-9]+)\\) "
      "port\\. Gatekeeper services available only thru discovery process "
      "\\(GatekeeperRequest\\)\\.\n");
  const std::string noDiscovery = std::string("[E] Bind to RAS port failed. ") + std::to_string(EADDRINUSE) + " " +
                                  strerror(EADDRINUSE) + " Gatekeeper discovery services unavailable.\n";
  TRasCapture capture;
  TSimulatedEndpoint endpoint(2, &capture);
  std::vector<std::string> asked;  // the port of each GRQ, in order
  // Sends a GRQ to the port; true when a GCF comes back.
  auto discover = [&](unsigned APort) {
    asked.push_back(std::to_string(APort));
    if (!endpoint.Send(*DiscoveryRequest(endpoint, {}), LoopbackAddress(1, APort))) return false;
    std::unique_ptr<H225::rasMessage> answer = endpoint.Receive(milliseconds(3000));
    return answer && answer->index() == 1;
  };
  unsigned kept[2] = {0, 0};  // rounds the first or the second started kept the port
  TGatekeeperUnderTest* restarted = nullptr;
  for (unsigned done = 0; done < Rounds; done += SideBySide) {
    std::vector<std::unique_ptr<TGatekeeperUnderTest>> gatekeepers;
    for (unsigned i = 0; i < SideBySide; ++i) {
      gatekeepers.push_back(std::make_unique<TGatekeeperUnderTest>());
      TGatekeeperSetup second;
      second.RasPort = gatekeepers.back()->RasPort();
      gatekeepers.push_back(std::make_unique<TGatekeeperUnderTest>(second));
    }
    for (auto& gk : gatekeepers) gk->Launch();
    for (auto& gk : gatekeepers) ASSERT_TRUE(gk->WaitUntilStarted()) << gk->Console();
    for (unsigned i = 0; i < SideBySide; ++i) {
      SCOPED_TRACE("round " + std::to_string(done + i + 1));
      TGatekeeperUnderTest* pair[2] = {gatekeepers[2 * i].get(), gatekeepers[2 * i + 1].get()};
      const unsigned port = pair[0]->RasPort();
      const std::string logs[2] = {pair[0]->Console(), pair[1]->Console()};
      std::smatch found[2];
      const bool fellBack[2] = {std::regex_search(logs[0], found[0], warning),
                                std::regex_search(logs[1], found[1], warning)};
      if (fellBack[0] == fellBack[1]) {
        ADD_FAILURE() << (fellBack[0] ? "both" : "neither") << " fell back\n" << logs[0] << logs[1];
        continue;
      }
      const unsigned keeper = fellBack[0] ? 1 : 0, other = 1 - keeper;
      ++kept[keeper];
      if (!restarted) restarted = pair[keeper];
      EXPECT_EQ(0u, Count(logs[keeper], "[E]") + Count(logs[keeper], "[W]")) << logs[keeper];
      EXPECT_EQ(std::to_string(port), found[other][1].str());
      EXPECT_EQ(1u, Count(logs[other], noDiscovery)) << logs[other];
      EXPECT_EQ(1u, Count(logs[other], "[E]")) << logs[other];
      const unsigned fallback = unsigned(std::stoul(found[other][2]));
      EXPECT_NE(port, fallback);
      EXPECT_TRUE(discover(port)) << "the port is served";
      EXPECT_TRUE(discover(fallback)) << "the fallback port is served";
      // Each answered one of the two, its own.
      for (TGatekeeperUnderTest* gk : pair)
        EXPECT_EQ(1u, Count(gk->Console(), "RAS, got message from ")) << gk->Console();
    }
    // The keeper of the first round gives its names up when it restarts and
    // takes them again.
    if (done == 0 && restarted) {
      restarted->DiscardOutput();
      restarted->Signal(SIGUSR2);
      EXPECT_TRUE(restarted->WaitForConsole("Service started.")) << restarted->Console();
      EXPECT_EQ(std::string::npos, restarted->Console().find("[W]")) << restarted->Console();
      EXPECT_TRUE(discover(restarted->RasPort())) << "served again after the restart";
    }
    for (auto& gk : gatekeepers) gk->Signal(SIGTERM);
    for (auto& gk : gatekeepers) EXPECT_EQ(0, gk->WaitForExit(std::chrono::seconds(5)));
  }
  std::cout << "Of " << Rounds << " rounds, the gatekeeper started first kept the port in " << kept[0]
            << ", the second in " << kept[1] << "\n";

  tshark::result r = capture.Dissect(::testing::TempDir() + "/twoStartedTogether.pcap",
                                     {"udp.srcport", "h225.RasMessage", "h225.ipV4_port"});
  ASSERT_TRUE(r.ran) << r.failure;
  ASSERT_EQ(2 * asked.size(), r.frames.size());
  for (size_t i = 0; i < asked.size(); ++i) {
    EXPECT_EQ("", r.frames[2 * i + 1].malformed) << i;
    EXPECT_EQ((std::vector<std::string>{asked[i], "1", asked[i]}), r.frames[2 * i + 1].fields) << i;
  }
}

// A RAS port below 1024 that the program may not bind: it falls back as
// from an occupied port, and its discovery line gives the refusal's own
// cause, not "address in use". Run as root, the program goes without the
// privilege; where such ports are open to everyone there is nothing to see.
TEST(RasEndpoint, APortItMayNotBindTurnsDiscoveryOffWithItsOwnError) {
  TGatekeeperSetup setup;
  // Free for a process that may bind it; refused before any look at the
  // holders for one that may not.
  for (unsigned port = 1000; port > 600 && !setup.RasPort; --port) {
    const int probe = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    sockaddr_in wildcard = LoopbackAddress(1, port);
    wildcard.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(probe, reinterpret_cast<sockaddr*>(&wildcard), sizeof wildcard) == 0 || errno == EACCES)
      setup.RasPort = port;
    close(probe);
  }
  ASSERT_NE(0u, setup.RasPort);
  TGatekeeperUnderTest gk(setup);
  TRunOptions options;
  if (geteuid() == 0) {
    const std::string drop = "/usr/bin/setpriv --inh-caps=-net_bind_service --bounding-set=-net_bind_service";
    if (std::system((drop + " /bin/true").c_str()) != 0) GTEST_SKIP() << "the privilege cannot be dropped here";
    options.Program = gk.PathOf("unprivileged");
    std::ofstream(options.Program) << "#!/bin/sh\nexec " << drop << " '" << GatekeeperProgram() << "' \"$@\"\n";
    ASSERT_EQ(0, chmod(options.Program.c_str(), 0700));
  }
  ASSERT_TRUE(gk.Start(options)) << gk.Console();
  ASSERT_TRUE(gk.WaitForLog("Service started."));
  const std::string log = gk.Log();
  if (Count(log, "port occupied") == 0) GTEST_SKIP() << "ports below 1024 are open to everyone here\n" << log;
  EXPECT_EQ(1u, Count(log, std::string("[E] Bind to RAS port failed. ") + std::to_string(EACCES) + " " +
                               strerror(EACCES) + " Gatekeeper discovery services unavailable.\n"))
      << log;
  EXPECT_EQ(1u, Count(log, "[E]")) << log;
  EXPECT_EQ(0, gk.Stop());
}

TEST(RasEndpoint, HexDumpOnlyUnderMessagesDump) {
  const struct {
    const char* rules;
    size_t dumps;
  } cases[] = {{"messages dump yes;\n", 1}, {"messages dump no;\n", 0}, {"ras messages yes;\n", 0}};
  for (const auto& c : cases) {
    TGatekeeperSetup setup;
    setup.LogRules = c.rules;
    TGatekeeperUnderTest gk(setup);
    ASSERT_TRUE(gk.Start()) << gk.Console();
    TSimulatedEndpoint endpoint(5);
    Expect(endpoint, gk.RasAddress(), 24, 9, false);
    Expect(endpoint, gk.RasAddress(), 4, 10, true);
    EXPECT_EQ(0, gk.Stop());
    const std::string log = gk.Log();
    EXPECT_EQ(2 * c.dumps, Count(log, "RAS, message hex dump ")) << c.rules << log;
    if (c.dumps) {
      const std::string port = std::to_string(ntohs(endpoint.Address().sin_port));
      // unknownMessageResponse of sequence number 9: CHOICE 24 of 25 in five
      // bits after the extension bit, the SEQUENCE's extension bit, padding,
      // then 9 - 1 in sixteen bits.
      EXPECT_NE(std::string::npos, log.find("RAS, message hex dump 3 bytes from 127.0.0.5:" + port + "\n")) << log;
      EXPECT_NE(std::string::npos, log.find(" 0000: 60 00 08      ")) << log;
    }
  }
}

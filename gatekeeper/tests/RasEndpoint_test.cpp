// The running gatekeeper's RAS socket, driven like an endpoint would: the
// kinds it does not serve, undecodable datagrams, a taken RAS port, the
// hex dump, and tshark's reading of every answer.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <regex>

#include <orvo/socketAddress.h>

#include <asn/perCodec.h>
#include <h323/transportAddress.h>

#include <gatekeeper/RasSequenceNumber.h>

#include "GatekeeperUnderTest.h"
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
// which it names and answers from; a holder of the wildcard address keeps
// the discovery socket off the port; a holder of another address is no
// conflict.
TEST(RasEndpoint, TakenPortFallsBackAndAnswersFromThePortChosen) {
  const struct {
    std::vector<std::pair<const char*, bool>> holders;  // address, SO_REUSEADDR
    bool fallsBack, discoveryRefused;
  } cases[] = {
      {{{"127.0.0.1", false}}, true, true},  // a plain socket bars the wildcard as well
      {{{"127.0.0.1", true}}, true, false},
      {{{"0.0.0.0", true}}, false, true},
      {{{"127.0.0.1", true}, {"0.0.0.0", true}}, true, true},  // another gatekeeper's two sockets
      {{{"127.0.0.2", true}}, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.holders[0].first) + (c.holders[0].second ? " reused" : "") + " of " +
                 std::to_string(c.holders.size()));
    TGatekeeperUnderTest gk;
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

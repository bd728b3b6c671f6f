// The running gatekeeper's link to a neighbour played by the test on its own
// loopback address: the registration request as tshark reads it, the
// keep-alive the time to live asks for, the resends of silence, the move to
// the alternate the neighbour named, and the unregistration at SIGTERM.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <future>
#include <regex>
#include <sstream>

#include <asn/bmpString.h>
#include <h323/transportAddress.h>

#include <gatekeeper/RasSequenceNumber.h>

#include "GatekeeperUnderTest.h"
#include "RasCapture.h"
#include "SimulatedEndpoint.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

std::unique_ptr<H225::rasMessage> Confirm(unsigned ASequence, int ATimeToLive, const sockaddr_in* AAlternate) {
  auto message = std::make_unique<H225::rasMessage>();
  auto* rcf = static_cast<H225::registrationConfirm*>(message->select(4));
  rcf->requestSeqNum = ASequence;
  rcf->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
  H323::sockaddrToTransport(LoopbackAddress(5, 1720), *rcf->callSignalAddress.appendNew());
  rcf->endpointIdentifier = "EP-GK1";
  if (ATimeToLive > 0) rcf->timeToLive = new asn::integer<1u, 4294967295u, 1>(unsigned(ATimeToLive));
  if (AAlternate) {
    rcf->alternateGatekeeper = new asn::sequenceOf<H225::alternateGK, 0u, 0u, 1>;
    H225::alternateGK* gk = rcf->alternateGatekeeper->appendNew();
    H323::sockaddrToTransport(*AAlternate, gk->rasAddress);
    gk->gatekeeperIdentifier = new asn::bmpString<1u, 128u, 1>;
    *gk->gatekeeperIdentifier = "GK3";
    gk->priority = 1;
  }
  return message;
}

// The next request of the kind within the limit; ATook: the time since
// *ATook's start, which becomes the time of arrival.
std::unique_ptr<H225::rasMessage> Expect(TSimulatedEndpoint& AAt, int AKind, milliseconds ALimit, sockaddr_in* AFrom,
                                         milliseconds* ATook = nullptr, steady_clock::time_point* AStart = nullptr) {
  auto message = AAt.Receive(ALimit, AFrom);
  if (ATook && AStart) {
    const auto now = steady_clock::now();
    *ATook = std::chrono::duration_cast<milliseconds>(now - *AStart);
    *AStart = now;
  }
  EXPECT_TRUE(message) << "nothing of kind " << AKind;
  if (message) {
    EXPECT_EQ(AKind, message->index());
  }
  return message;
}

}  // namespace

TEST(GatekeeperLinkHarness, RegistersKeepsAliveFollowsTheAlternateAndUnregisters) {
  TRasCapture capture;
  TSimulatedEndpoint neighbour(5, &capture), alternate(7, &capture);
  TGatekeeperSetup setup;
  setup.Identifier = "GK1";
  setup.Sections = "gatekeeper GK2 { identifier \"GK2\"; ras address 127.0.0.5:" +
                   std::to_string(ntohs(neighbour.Address().sin_port)) +
                   "; register alias \"gk1\"; link alternate gatekeeper yes; }\n";
  TGatekeeperUnderTest gk(setup);
  ASSERT_TRUE(gk.Start()) << gk.Console();

  sockaddr_in link{};
  auto rrq = Expect(neighbour, 3, milliseconds(3000), &link);
  ASSERT_TRUE(rrq);
  EXPECT_EQ(htonl(INADDR_LOOPBACK), link.sin_addr.s_addr);
  EXPECT_NE(htons(uint16_t(gk.RasPort())), link.sin_port) << "the link's own socket";
  const sockaddr_in alternateAddress = alternate.Address();
  neighbour.Send(*Confirm(GetRasSequenceNumber(*rrq), 10, &alternateAddress), link);
  auto last = steady_clock::now();

  // Time to live 10 s: the next registration 1 s later, then silence.
  milliseconds took{};
  std::unique_ptr<H225::rasMessage> again;
  do {  // a resend of the first that crossed the confirm does not count
    again = Expect(neighbour, 3, milliseconds(2500), nullptr, &took, &last);
    ASSERT_TRUE(again);
  } while (GetRasSequenceNumber(*again) == GetRasSequenceNumber(*rrq));
  EXPECT_GE(took.count(), 800);
  for (int resend = 0; resend < 2; ++resend) {
    Expect(neighbour, 3, milliseconds(3800), nullptr, &took, &last);
    EXPECT_GE(took.count(), 2800) << "resent 3 s apart";
  }
  // Silence after the third send: the alternate, by its own identifier.
  auto moved = Expect(alternate, 3, milliseconds(3800), &link, &took, &last);
  ASSERT_TRUE(moved);
  EXPECT_GE(took.count(), 2800);
  alternate.Send(*Confirm(GetRasSequenceNumber(*moved), 0, nullptr), link);
  EXPECT_TRUE(gk.WaitForLog("Registered at:\tGK2\n", milliseconds(3000), 2)) << "once per target";

  // SIGTERM: the unregistration request, answered, ends the process.
  const auto stopping = steady_clock::now();
  std::future<int> status = std::async(std::launch::async, [&] { return gk.Stop(std::chrono::seconds(8)); });
  auto urq = Expect(alternate, 6, milliseconds(3000), &link);
  ASSERT_TRUE(urq);
  H225::rasMessage ucf;
  static_cast<H225::unregistrationConfirm*>(ucf.select(7))->requestSeqNum = GetRasSequenceNumber(*urq);
  alternate.Send(ucf, link);
  EXPECT_EQ(0, status.get());
  EXPECT_LT(std::chrono::duration_cast<milliseconds>(steady_clock::now() - stopping).count(), 2500)
      << "the answer ends the stop";
  EXPECT_NE(std::string::npos, gk.Log().find("Unregistered at:\tGK2\n")) << gk.Log();

  if (!tshark::toolsAvailable()) return;
  tshark::result r =
      capture.Dissect(gk.PathOf("link.pcap"), {"ip.src", "ip.dst", "h225.RasMessage", "h225.productId",
                                               "h225.versionId", "h225.gatekeeper_element", "h225.gateway_element",
                                               "h225.gatekeeperIdentifier", "h225.h323_ID", "h225.endpointIdentifier"});
  ASSERT_TRUE(r.ran) << r.failure;
  const std::string product = "OrvoGatekeeper", version = "1.22 build 445";
  const std::vector<std::string> rrqToGk2 = {"127.0.0.1", "127.0.0.5", "3",   product, version,
                                             "1",         "1",         "GK2", "gk1",   ""};
  const std::vector<std::vector<std::string>> expected = {
      rrqToGk2,
      {"127.0.0.5", "127.0.0.1", "4", "", "", "", "", "GK3", "", "EP-GK1"},
      rrqToGk2,
      rrqToGk2,
      rrqToGk2,
      {"127.0.0.1", "127.0.0.7", "3", product, version, "1", "1", "GK3", "gk1", ""},
      {"127.0.0.7", "127.0.0.1", "4", "", "", "", "", "", "", "EP-GK1"},
      {"127.0.0.1", "127.0.0.7", "6", "", "", "", "", "", "", "EP-GK1"},
      {"127.0.0.7", "127.0.0.1", "7", "", "", "", "", "", "", ""},
  };
  ASSERT_EQ(expected.size(), r.frames.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ("", r.frames[i].malformed) << i;
    EXPECT_EQ(expected[i], r.frames[i].fields) << i;
  }
}

// Only the neighbour speaks on the link's socket: what any other host sends
// there is dropped before it is decoded or traced, so that it cannot fill
// the log; the neighbour's own datagrams are reported as before.
TEST(GatekeeperLinkHarness, OnlyTheNeighboursDatagramsReachTheLog) {
  TSimulatedEndpoint neighbour(5), stranger(6);
  TGatekeeperSetup setup;
  setup.LogRules = "ras messages yes;\n";
  setup.Sections = "gatekeeper GK2 { identifier \"GK2\"; ras address 127.0.0.5:" +
                   std::to_string(ntohs(neighbour.Address().sin_port)) + "; register alias \"gk1\"; }\n";
  TGatekeeperUnderTest gk(setup);
  ASSERT_TRUE(gk.Start()) << gk.Console();
  sockaddr_in link{};
  ASSERT_TRUE(Expect(neighbour, 3, milliseconds(3000), &link));

  H225::rasMessage unknown;  // of no request of the link's
  static_cast<H225::unknownMessageResponse*>(unknown.select(24))->requestSeqNum = 999;
  const std::vector<unsigned char> garbage = {0x5f, 0xff, 0xff, 0x01};
  for (TSimulatedEndpoint* from : {&stranger, &neighbour}) {
    from->SendOctets(garbage, link);
    from->Send(unknown, link);
  }
  const std::string neighbourTrace =
      "RAS, got message from 127.0.0.5:" + std::to_string(ntohs(neighbour.Address().sin_port));
  // One socket: the stranger's datagrams were handled before this.
  ASSERT_TRUE(gk.WaitForConsole(neighbourTrace)) << gk.Console();
  ASSERT_EQ(0, gk.Stop());
  std::string reported;
  std::istringstream console(gk.Console());
  static const std::regex kept("^\\d\\d:\\d\\d:\\d\\d (.*(Exception|got message from).*)$");
  std::smatch match;
  for (std::string line; std::getline(console, line);)
    if (std::regex_match(line, match, kept)) reported += match[1].str() + "\n";
  EXPECT_EQ("[E] Exception: Decode: number 65536 out of range 1..65535.\n" + neighbourTrace + "\n", reported);
}

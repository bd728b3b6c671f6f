// The gatekeeper process end to end: a restart and a stop each unregister
// the registered endpoints before the core goes; a stop prevails over a
// restart asked before or after it; a shutdown cut short still ends every
// registration with its line and its accounting Stop.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <signal.h>
#include <stdlib.h>

#include <fstream>
#include <regex>

#include <gatekeeper/RasSequenceNumber.h>

#include "GatekeeperUnderTest.h"
#include "ProcessRunner.h"
#include "SimulatedEndpoint.h"
#include "fakeRadiusServer.h"

namespace {

using std::chrono::milliseconds;

// Waits for the unregistration request the gatekeeper sends the endpoint and
// confirms it; the reason's index, -1 when none came.
int ConfirmUnregistration(TSimulatedEndpoint& AEndpoint) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (std::chrono::steady_clock::now() < end) {
    sockaddr_in from{};
    std::unique_ptr<H225::rasMessage> message = AEndpoint.Receive(milliseconds(500), &from);
    if (!message || message->index() != 6) continue;  // only the unregistration matters here
    const auto& urq = *static_cast<H225::unregistrationRequest*>(message->alternative());
    H225::rasMessage ucf;
    ucf.select(7);
    SetRasSequenceNumber(ucf, GetRasSequenceNumber(*message));
    AEndpoint.Send(ucf, from);
    return urq.reason ? int(urq.reason->index()) : -1;
  }
  return -1;
}

}  // namespace

// A neighbour gatekeeper with a static address is registered from the start
// and has a RAS address, so the gatekeeper tells it of a restart and a stop.
TEST(ServiceStop, RestartAndStopUnregisterWithMaintenance) {
  char name[] = "/tmp/orvogk-stop-XXXXXX";
  const std::string directory = mkdtemp(name), path = directory + "/gk.cfg";
  TSimulatedEndpoint neighbour(5);
  unsigned ras, signal, monitor;
  ChooseFreePorts(ras, signal, monitor);
  std::ofstream(path) << "system { address 127.0.0.1; ras port " << ras << "; call signal port " << signal
                      << "; } monitor port " << monitor << ";\ngatekeeper g { static 127.0.0.5; ras address 127.0.0.5:"
                      << ntohs(neighbour.Address().sin_port) << "; }\n";
  TRunningProgram gk({"--configuration=" + path});
  ASSERT_TRUE(gk.WaitForOutput("Service started.")) << gk.Output();

  const struct {
    int Signal;
    const char* Then;  // the console line awaited after the unregistration
  } steps[] = {{SIGUSR2, "Service started."}, {SIGTERM, "Service stopped."}};
  int cycle = 1;
  for (const auto& s : steps) {
    const auto sent = std::chrono::steady_clock::now();
    gk.Signal(s.Signal);
    // A datagram that does not decode, while the core stops, changes nothing.
    sockaddr_in gatekeeper = LoopbackAddress(1, ras);
    neighbour.SendOctets({0x5f, 0xff, 0xff, 0x01}, gatekeeper);
    EXPECT_EQ(4, ConfirmUnregistration(neighbour)) << s.Signal << ": maintenance";
    EXPECT_TRUE(gk.WaitForOutput(s.Then, std::chrono::seconds(5), s.Signal == SIGUSR2 ? ++cycle : 1)) << gk.Output();
    EXPECT_LT(std::chrono::steady_clock::now() - sent, std::chrono::seconds(2)) << s.Signal << ": answered at once";
  }
  EXPECT_EQ(0, gk.WaitForExit(std::chrono::seconds(5)));
  EXPECT_EQ(
      "[I] Service started.\n"
      "[I] Restarting service by monitor request.\n"
      "[I] Service stopped.\n"
      "[I] Service started.\n"
      "[I] Service stopped.\n",
      // The undecodable datagrams are reported on lines of their own.
      std::regex_replace(gk.Output(), std::regex("\\d\\d:\\d\\d:\\d\\d |\\[E\\] Exception: Decode: .*\n"), ""));
  EXPECT_EQ(0, system(("rm -rf '" + directory + "'").c_str()));
}

namespace {

// What an Accounting-Request says of itself: "code 4 status 2 session X"
// (Acct-Status-Type, Acct-Session-Id).
std::string Accounting(const std::vector<unsigned char>& APacket) {
  if (APacket.size() < 20) return "short";
  const octets status = attributeValue(APacket, 40), session = attributeValue(APacket, 44);
  return "code " + std::to_string(APacket[0]) + " status " +
         (status.size() == 4 ? std::to_string(status[3]) : std::string("-")) + " session " +
         std::string(session.begin(), session.end());
}

struct TSignalPair {
  const char* Name;
  int First, Second;
  // Whether the shutdown is still waiting after the second: it resends the
  // unregistration request 3 s after the first, and the answer ends it.
  bool Waits;
  const char* Console;
};

void PrintTo(const TSignalPair& APair, std::ostream* AOut) { *AOut << APair.Name; }

class StopAndRestart : public testing::TestWithParam<TSignalPair> {};

}  // namespace

// Alice (127.0.0.2) registers and is accounted at a RADIUS server on
// 127.0.0.7; she never answers the first unregistration request, so the
// shutdown that a signal starts keeps waiting when the second comes.
TEST_P(StopAndRestart, TheStopPrevailsAndEveryRegistrationEndsAccounted) {
  const TSignalPair& c = GetParam();
  const std::string secret = "acct";
  TSimulatedEndpoint alice(2), radius(7);
  TGatekeeperSetup setup;
  setup.LogRules = "registrations yes;\n";
  setup.Sections = "aaa { address 127.0.0.7; accounting port " + std::to_string(ntohs(radius.Address().sin_port)) +
                   "; authentication port unlimited; password \"" + secret +
                   "\"; }\nuser alice { login \"alice\"; radius accounting call; }\n";
  TGatekeeperUnderTest gk(setup);
  ASSERT_TRUE(gk.Start()) << gk.Console();
  ASSERT_TRUE(alice.Send(*alice.RegistrationRequest({"alice"}), gk.RasAddress()));
  std::unique_ptr<H225::rasMessage> rcf = alice.Receive(milliseconds(2000));
  ASSERT_TRUE(rcf && rcf->index() == 4) << gk.Console();
  std::vector<unsigned char> start, stop;
  sockaddr_in server{};
  ASSERT_TRUE(radius.ReceiveOctets(milliseconds(2000), start, server));
  radius.SendOctets(radiusAnswer(start, 5, {}, secret), server);  // nothing resent

  gk.Signal(c.First);
  sockaddr_in from{};
  std::unique_ptr<H225::rasMessage> urq = alice.Receive(milliseconds(2000), &from);
  ASSERT_TRUE(urq && urq->index() == 6) << gk.Console();
  gk.Signal(c.Second);
  if (c.Waits) {
    urq = alice.Receive(milliseconds(4500), &from);
    ASSERT_TRUE(urq && urq->index() == 6) << "the shutdown goes on: " << gk.Console();
    H225::rasMessage ucf;
    ucf.select(7);
    SetRasSequenceNumber(ucf, GetRasSequenceNumber(*urq));
    alice.Send(ucf, from);
  }
  EXPECT_EQ(0, gk.WaitForExit(std::chrono::seconds(2))) << "ended, no new cycle";
  EXPECT_EQ(c.Console, std::regex_replace(gk.Console(), std::regex("\\d\\d:\\d\\d:\\d\\d "), ""));
  ASSERT_TRUE(radius.ReceiveOctets(milliseconds(1000), stop, server)) << "no accounting Stop";
  // Both of one registration: the same session.
  const std::string started = Accounting(start), session = started.substr(std::min(started.size(), size_t(15)));
  EXPECT_EQ("code 4 status 1" + session, started);
  EXPECT_EQ("code 4 status 2" + session, Accounting(stop));
}

INSTANTIATE_TEST_SUITE_P(Signals, StopAndRestart,
                         testing::Values(TSignalPair{"restart_then_stop", SIGUSR2, SIGTERM, true,
                                                     "[I] Service started.\n"
                                                     "User registered:\talice at 127.0.0.2:1720\n"
                                                     "[I] Restarting service by monitor request.\n"
                                                     "User unregistered:\talice at 127.0.0.2:1720\n"
                                                     "[I] Service stopped.\n"},
                                         TSignalPair{"stop_then_restart", SIGTERM, SIGUSR2, true,
                                                     "[I] Service started.\n"
                                                     "User registered:\talice at 127.0.0.2:1720\n"
                                                     "User unregistered:\talice at 127.0.0.2:1720\n"
                                                     "[I] Service stopped.\n"},
                                         TSignalPair{"second_stop_cuts_short", SIGTERM, SIGINT, false,
                                                     "[I] Service started.\n"
                                                     "User registered:\talice at 127.0.0.2:1720\n"
                                                     "User unregistered:\talice at 127.0.0.2:1720\n"
                                                     "[I] Service stopped.\n"}),
                         [](const testing::TestParamInfo<TSignalPair>& AInfo) {
                           return std::string(AInfo.param.Name);
                         });

// The gatekeeper process end to end: a restart and a stop each unregister
// the registered endpoints before the core goes.
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

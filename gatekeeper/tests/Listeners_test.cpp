// The call-signal and monitor listeners: connections are taken and closed
// and leave nothing behind; taken ports give their lines.
#include <gatekeeper/Gatekeeper.h>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>

#include <orvo/bifurcator.h>

#include <gatekeeper/LogManipulators.h>

#include "GatekeeperUnderTest.h"
#include "SimulatedEndpoint.h"
#include "orvoTesting.h"

namespace {

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

std::string Configuration(unsigned ARas, unsigned ASignal, unsigned AMonitor) {
  return "system { address 127.0.0.1; ras port " + std::to_string(ARas) + "; call signal port " +
         std::to_string(ASignal) + "; }\nmonitor { port " + std::to_string(AMonitor) + "; address 127.0.0.1 yes; }\n";
}

// A TCP client from 127.0.0.<host>, sending AFirst (octets) once
// connected; true when the gatekeeper closed it (end of stream) while the
// dispatcher ran.
bool ClosedByTheGatekeeper(unsigned AHost, unsigned APort, const std::string& AFirst = "") {
  const int client = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in from = LoopbackAddress(AHost, 0);
  sockaddr_in to = LoopbackAddress(1, APort);
  if (bind(client, reinterpret_cast<sockaddr*>(&from), sizeof from) != 0 ||
      connect(client, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0 ||
      write(client, AFirst.data(), AFirst.size()) != ssize_t(AFirst.size())) {
    close(client);
    return false;
  }
  ssize_t got = -1;
  for (int pass = 0; pass < 200 && got != 0; ++pass) {
    orvo::sockEvent::dispatch(10);
    char octet;
    got = recv(client, &octet, 1, MSG_DONTWAIT);
  }
  close(client);
  return got == 0;
}

// Alerting in a TPKT: no call starts with it.
const std::string Alerting("\x03\x00\x00\x09\x08\x02\x12\x34\x01", 9);

}  // namespace

TEST(Listeners, ConnectionsAreTakenClosedAndLeaveNothing) {
  unsigned ras, signal, monitor;
  ChooseFreePorts(ras, signal, monitor);
  TLogCapture log;
  TGatekeeper core;
  ASSERT_TRUE(core.ReloadConfiguration(new std::istringstream(Configuration(ras, signal, monitor))));
  core.OpenCallSignalSocket();
  core.OpenMonitorSocket();
  EXPECT_EQ(signal, ntohs(core.BoundCallSignalAddress().sin_port));
  const struct {
    unsigned host, port;
    std::string first;
    const char* what;
  } cases[] = {{2, signal, Alerting, "call signal"},
               {2, monitor, "", "monitor from an address not allowed"},
               {1, monitor, "", "allowed monitor"},
               {1, signal, Alerting, "call signal again"}};
  for (const auto& c : cases) {
    EXPECT_TRUE(ClosedByTheGatekeeper(c.host, c.port, c.first)) << c.what;
    EXPECT_TRUE(core.SetupResolvers().Empty()) << c.what;
    EXPECT_TRUE(core.Monitors().Empty()) << c.what;
  }
  EXPECT_EQ("First message must be SETUP.\nFirst message must be SETUP.\n", log.Lines());
}

TEST(Listeners, TakenPortsAreReported) {
  unsigned ras, signal, monitor;
  ChooseFreePorts(ras, signal, monitor);
  std::vector<int> holders;
  for (unsigned port : {signal, monitor}) {
    const int holder = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = LoopbackAddress(1, port);
    ASSERT_EQ(0, bind(holder, reinterpret_cast<sockaddr*>(&address), sizeof address)) << strerror(errno);
    ASSERT_EQ(0, listen(holder, 1));
    holders.push_back(holder);
  }
  TLogCapture log;
  TGatekeeper core;
  ASSERT_TRUE(core.ReloadConfiguration(new std::istringstream(Configuration(ras, signal, monitor))));
  core.OpenCallSignalSocket();
  core.OpenMonitorSocket();
  const unsigned chosen = ntohs(core.BoundCallSignalAddress().sin_port);
  EXPECT_NE(signal, chosen);
  EXPECT_FALSE(core.MonitorListening());
  EXPECT_EQ("Call signal (" + std::to_string(signal) + ") port occupied. Bound on first available (" +
                std::to_string(chosen) + ") port. Direct gatekeeper call service partially available.\n" +
                "Bind to Monitor port failed. " + std::to_string(EADDRINUSE) + " " + strerror(EADDRINUSE) +
                " Monitor service unavailable.\n",
            log.Lines());
  EXPECT_TRUE(ClosedByTheGatekeeper(2, chosen, Alerting)) << "calls reach the port chosen";
  for (int holder : holders) close(holder);
}

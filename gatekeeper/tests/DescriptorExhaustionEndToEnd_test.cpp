// The built program with a low descriptor limit and every descriptor taken
// by connections held open: a listener whose accept keeps failing must not
// wake the loop again and again (processor time read from /proc), and once
// the connections close it takes new ones again.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

#include <h323/transportAddress.h>

#include "GatekeeperUnderTest.h"
#include "ProcessFigures.h"
#include "RasRequests.h"
#include "SimulatedEndpoint.h"
#include "orvoTesting.h"

namespace {

using std::chrono::milliseconds;

const unsigned long Limit = 64;  // descriptors of the gatekeeper
// A loop that spins takes a whole processor; an idle one next to nothing,
// even under the sanitizers.
const double MostCpuShare = 0.5;

// Connected (or still connecting) from 127.0.0.1; closed with it.
struct TConnections {
  std::vector<int> Fds;
  ~TConnections() { CloseAll(); }
  // Without waiting for the other side to take them.
  void Open(const sockaddr_in& ATo, size_t ACount) {
    for (size_t i = 0; i < ACount; ++i) {
      int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
      if (fd < 0) break;
      connect(fd, reinterpret_cast<const sockaddr*>(&ATo), sizeof ATo);
      Fds.push_back(fd);
    }
  }
  // One after the other, each given time to be taken: the listen queue is
  // short, and a connection it refuses waits a second or more to try again.
  // Ends after a few that the other side no longer takes.
  void Fill(const sockaddr_in& ATo, size_t ACount) {
    for (size_t i = 0, stalled = 0; i < ACount && stalled < 8; ++i) {
      Open(ATo, 1);
      pollfd p{Fds.back(), POLLOUT, 0};
      stalled = poll(&p, 1, 200) == 1 ? 0 : stalled + 1;
    }
  }
  // The other side closed or reset one of the connections within the limit.
  bool AnyClosedByPeer(milliseconds ALimit) {
    std::vector<pollfd> p;
    for (int fd : Fds) p.push_back(pollfd{fd, POLLIN, 0});
    if (poll(p.data(), p.size(), int(ALimit.count())) <= 0) return false;
    char octet;
    for (const pollfd& ready : p)
      if (ready.revents && recv(ready.fd, &octet, 1, 0) <= 0) return true;
    return false;
  }
  void CloseAll() {
    for (int fd : Fds) close(fd);
    Fds.clear();
  }
};

// Waits until the process holds at least (or, with AAtMost, at most) the
// number of descriptors; the count last seen.
int AwaitDescriptors(pid_t APid, int ACount, bool AAtMost, milliseconds ALimit = milliseconds(5000)) {
  auto end = std::chrono::steady_clock::now() + ALimit;
  int seen = -1;
  do {
    seen = ReadProcessFigures(APid).Descriptors;
    if (AAtMost ? seen <= ACount : seen >= ACount) break;
    std::this_thread::sleep_for(milliseconds(20));
  } while (std::chrono::steady_clock::now() < end);
  return seen;
}

sockaddr_in Loopback(unsigned APort) { return LoopbackAddress(1, APort); }

std::string Register(TSimulatedEndpoint& AEndpoint, const sockaddr_in& AGatekeeper, const char* AAlias) {
  auto rrq = AEndpoint.RegistrationRequest({AAlias});
  if (!AEndpoint.Send(*rrq, AGatekeeper)) return "";
  auto answer = AEndpoint.Receive(std::chrono::seconds(3));
  if (!answer || answer->index() != 4) return "";
  return toStd(static_cast<const H225::registrationConfirm*>(answer->alternative())->endpointIdentifier.toString());
}

// The relay port of a routed call from Alice (1001) to Bob (1002).
unsigned RelayPort(TGatekeeperUnderTest& AGatekeeper, TSimulatedEndpoint& AAlice, TSimulatedEndpoint& ABob) {
  const std::string alice = Register(AAlice, AGatekeeper.RasAddress(), "1001");
  if (alice.empty() || Register(ABob, AGatekeeper.RasAddress(), "1002").empty()) return 0;
  H225::rasMessage message = AdmissionRequest(alice, "1001", "1002", 1);
  auto* arq = static_cast<H225::admissionRequest*>(message.alternative());
  arq->requestSeqNum = 10;
  unsigned char conference[16] = {0x42};
  arq->conferenceID.setValue(conference, 16);
  if (!AAlice.Send(message, AGatekeeper.RasAddress())) return 0;
  auto acf = AAlice.Receive(milliseconds(3000));
  if (!acf || acf->index() != 10) return 0;
  sockaddr_in relay{};
  H323::transportToSockaddr(static_cast<const H225::admissionConfirm*>(acf->alternative())->destCallSignalAddress,
                            relay);
  return ntohs(relay.sin_port);
}

}  // namespace

TEST(DescriptorExhaustionEndToEnd, ListenersRestWhileDescriptorsLastAndAcceptAfterwards) {
  enum TListener { lCallSignal, lMonitor, lRelay };
  const struct {
    const char* name;
    TListener listener;
  } listeners[] = {{"call signal", lCallSignal}, {"monitor", lMonitor}, {"call relay", lRelay}};
  for (const auto& l : listeners) {
    SCOPED_TRACE(l.name);
    TGatekeeperSetup setup;
    setup.LogRules = "registrations yes;\n";
    setup.Sections =
        "user alice { login \"1001\"; alias \"1001\"; }\n"
        "user bob { login \"1002\"; alias \"1002\"; }\n";
    TGatekeeperUnderTest gk(setup);
    TRunOptions options;
    options.DescriptorLimit = Limit;
    ASSERT_TRUE(gk.Start(options)) << gk.Console();
    const pid_t pid = gk.Pid();
    TSimulatedEndpoint alice(2), bob(3);
    unsigned port = l.listener == lCallSignal ? gk.CallSignalPort() : gk.MonitorPort();
    if (l.listener == lRelay) {
      port = RelayPort(gk, alice, bob);
      ASSERT_NE(0u, port) << gk.Log();
    }
    const int idle = ReadProcessFigures(pid).Descriptors;
    // What the gatekeeper does while the table is full it does once before:
    // take connections, and write its log file from the buffer.
    ASSERT_TRUE(gk.WaitForLog("Service started.", milliseconds(10000)));
    {
      TConnections warming;
      warming.Fill(Loopback(gk.CallSignalPort()), 4);
      warming.Open(Loopback(port), 1);
      std::this_thread::sleep_for(milliseconds(300));
    }
    AwaitDescriptors(pid, idle, true);

    // Every descriptor taken through the call-signal port, then more
    // waiting in the queue.
    TConnections held, waiting;
    held.Fill(Loopback(gk.CallSignalPort()), Limit + 8);
    EXPECT_GE(AwaitDescriptors(pid, int(Limit), false), int(Limit) - 1) << "the connections fill the table";
    waiting.Open(Loopback(port), 4);
    std::this_thread::sleep_for(milliseconds(300));
    const double share = CpuShare(pid, 1500);
    EXPECT_LT(share, MostCpuShare) << "the loop spins on a listener it cannot accept from";
    EXPECT_EQ(0, kill(pid, 0)) << gk.Console();

    held.CloseAll();
    if (l.listener == lRelay) {
      // Each connection that waited is taken, to wait for its first message.
      EXPECT_GE(AwaitDescriptors(pid, idle + 4, false, milliseconds(3000)), idle + 4) << "the relay accepts again";
      waiting.CloseAll();
      EXPECT_LE(AwaitDescriptors(pid, idle + 2, true, milliseconds(8000)), idle + 2);
    } else {
      waiting.CloseAll();
      const int settled = AwaitDescriptors(pid, idle + 2, true, milliseconds(8000));
      EXPECT_LE(settled, idle + 2) << "descriptors back after the connections closed";
      // A new connection is taken once the rest is over: the monitor, not
      // serving yet, closes it at once; the call-signal port holds it.
      const int before = ReadProcessFigures(pid).Descriptors;
      TConnections fresh;
      fresh.Open(Loopback(port), 1);
      if (l.listener == lMonitor)
        EXPECT_TRUE(fresh.AnyClosedByPeer(milliseconds(3000))) << "the listener accepts again";
      else
        EXPECT_GT(AwaitDescriptors(pid, before + 1, false, milliseconds(3000)), before) << "the listener accepts again";
    }
    EXPECT_EQ(0, gk.Stop()) << gk.Console();
    EXPECT_EQ("", gk.SanitizerFindings());
  }
}

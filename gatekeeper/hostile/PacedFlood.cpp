#include "PacedFlood.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

#include <h225/h225.h>
#include <h323/transportAddress.h>

#include "LibraryTurn.h"

#include "SimulatedEndpoint.h"

namespace {

const size_t SmallestBurst = 8, LargestBurst = 128;
const int ProbeWait = 500;  // ms

int BoundSocket(unsigned AAddress) {
  int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  sockaddr_in local = LoopbackAddress(AAddress, 0);
  if (fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

TPacedFlood::TPacedFlood(unsigned ANetwork, unsigned ASources, const sockaddr_in& AGatekeeper)
    : Gatekeeper(AGatekeeper) {
  for (unsigned i = 0; i < ASources; ++i) {
    int fd = BoundSocket(ANetwork << 16 | (i / 250) << 8 | (i % 250 + 1));
    if (fd >= 0) Sources.push_back(fd);
  }
  ProbeSocket = BoundSocket(ANetwork << 16 | 0xfffe);
  TLibraryTurn turn;
  // A gatekeeperConfirm nobody asked for, answered by an
  // unknownMessageResponse that carries only the number.
  H225::rasMessage probe;
  auto* gcf = static_cast<H225::gatekeeperConfirm*>(probe.select(1));
  gcf->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
  H323::sockaddrToTransport(Gatekeeper, gcf->rasAddress);
  ProbeTemplate = TRasTemplate(probe);
  H225::rasMessage answer;
  answer.select(24);
  AnswerTemplate = TRasTemplate(answer);
}

TPacedFlood::~TPacedFlood() {
  for (int fd : Sources) close(fd);
  if (ProbeSocket >= 0) close(ProbeSocket);
}

bool TPacedFlood::Probe() {
  const unsigned expected = ProbeNumber;
  ProbeNumber = ProbeNumber >= 65000 ? 60000 : ProbeNumber + 1;
  const octets probe = ProbeTemplate.With(expected);
  sendto(ProbeSocket, probe.data(), probe.size(), 0, reinterpret_cast<const sockaddr*>(&Gatekeeper), sizeof Gatekeeper);
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ProbeWait);
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    pollfd p{ProbeSocket, POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, int(left.count())) != 1) return false;
    octets answer(2048);
    ssize_t got = recv(ProbeSocket, answer.data(), answer.size(), 0);
    if (got <= 0) continue;
    answer.resize(size_t(got));
    // An older probe's answer is passed over.
    if (AnswerTemplate.Matches(answer, expected)) return true;
  }
}

void TPacedFlood::Run(const TMaker& AMake, double ASeconds, unsigned long AMost) {
  if (Sources.empty()) return;
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(ASeconds);
  size_t burst = SmallestBurst, source = 0;
  octets datagram;
  sockaddr_in to{};
  unsigned long sent = 0;
  while (sent < AMost && std::chrono::steady_clock::now() < end) {
    for (size_t i = 0; i < burst && sent < AMost; ++i, ++sent) {
      AMake(datagram, to);
      sendto(Sources[source], datagram.data(), datagram.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
      source = (source + 1) % Sources.size();
    }
    if (Probe()) {
      burst = std::min(LargestBurst, burst * 2);
    } else {
      ++LostProbes;
      burst = std::max(SmallestBurst, burst / 2);
    }
  }
  SentCount += sent;
}

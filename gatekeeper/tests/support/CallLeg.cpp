#include "CallLeg.h"

#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

#include <h323/transportAddress.h>

#include "RasRequests.h"
#include "SimulatedEndpoint.h"

TCallLeg::~TCallLeg() {
  if (Fd != -1) close(Fd);
}

bool TCallLeg::Bind(unsigned AHost, int AReceiveBuffer) {
  Fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (AReceiveBuffer) setsockopt(Fd, SOL_SOCKET, SO_RCVBUF, &AReceiveBuffer, sizeof AReceiveBuffer);
  Bound = LoopbackAddress(AHost, 0);
  socklen_t length = sizeof Bound;
  return bind(Fd, reinterpret_cast<sockaddr*>(&Bound), sizeof Bound) == 0 &&
         getsockname(Fd, reinterpret_cast<sockaddr*>(&Bound), &length) == 0;
}

bool TCallLeg::Listen() { return listen(Fd, 4) == 0; }

bool TCallLeg::Accept(TCallLeg& AConnection) {
  if (!Readable(int(Limit.count()))) return false;
  AConnection.Fd = accept4(Fd, nullptr, nullptr, SOCK_CLOEXEC);
  return AConnection.Fd != -1;
}

bool TCallLeg::Connect(const sockaddr_in& ATo) {
  return connect(Fd, reinterpret_cast<const sockaddr*>(&ATo), sizeof ATo) == 0;
}

sockaddr_in TCallLeg::Peer() const {
  sockaddr_in peer{};
  socklen_t length = sizeof peer;
  getpeername(Fd, reinterpret_cast<sockaddr*>(&peer), &length);
  return peer;
}

TCallLeg::octets TCallLeg::Frame(const octets& AMessage) {
  // Sized first: growing a four-octet vector by insert draws a false
  // -Warray-bounds from g++ 12.
  octets frame(AMessage.size() + 4);
  frame[0] = 3;
  frame[2] = (unsigned char)(frame.size() >> 8);
  frame[3] = (unsigned char)frame.size();
  std::copy(AMessage.begin(), AMessage.end(), frame.begin() + 4);
  return frame;
}

bool TCallLeg::Send(const octets& AMessage) { return SendOctets(Frame(AMessage)); }

bool TCallLeg::SendOctets(const octets& AOctets) {
  return send(Fd, AOctets.data(), AOctets.size(), MSG_NOSIGNAL) == ssize_t(AOctets.size());
}

bool TCallLeg::Readable(int AMilliseconds) const {
  pollfd p{Fd, POLLIN, 0};
  return poll(&p, 1, AMilliseconds) == 1;
}

bool TCallLeg::ReadExactly(unsigned char* AData, size_t ALength) {
  for (size_t done = 0; done < ALength;) {
    if (!Readable(int(Limit.count()))) return false;
    const ssize_t n = recv(Fd, AData + done, ALength - done, 0);
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

TCallLeg::octets TCallLeg::Receive() {
  unsigned char header[4];
  if (!ReadExactly(header, 4) || header[0] != 3) return {};
  octets message(size_t((header[2] << 8 | header[3]) - 4));
  return ReadExactly(message.data(), message.size()) ? message : octets{};
}

bool TCallLeg::ClosedByPeer() {
  const auto end = std::chrono::steady_clock::now() + Limit;
  unsigned char drop[4096];
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    if (left.count() <= 0 || !Readable(int(left.count()))) return false;
    if (recv(Fd, drop, sizeof drop, 0) <= 0) return true;
  }
}

int TCallLeg::EndOfStream() {
  unsigned char octet;
  if (!Readable(int(Limit.count()))) return -1;
  const ssize_t n = recv(Fd, &octet, 1, 0);
  return n == 0 ? 0 : n < 0 ? errno : -1;
}

int TCallLeg::ErrorOnceClosed() {
  for (auto waited = std::chrono::milliseconds(0); waited < Limit; waited += std::chrono::milliseconds(10)) {
    tcp_info info{};
    socklen_t length = sizeof info;
    if (getsockopt(Fd, IPPROTO_TCP, TCP_INFO, &info, &length) == 0 && info.tcpi_state == TCP_CLOSE) {
      int error = -1;
      length = sizeof error;
      getsockopt(Fd, SOL_SOCKET, SO_ERROR, &error, &length);
      return error;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return -1;
}

bool TCallLeg::Quiet(std::chrono::milliseconds AFor) { return !Readable(int(AFor.count())); }

size_t TCallLeg::Flood(unsigned AFrames, std::chrono::milliseconds AStall) {
  octets frame(65535, 0);
  frame[0] = 3;
  frame[2] = frame[3] = 0xFF;
  const size_t total = size_t(AFrames) * frame.size();
  size_t written = 0;
  while (written < total) {
    pollfd p{Fd, POLLOUT, 0};
    if (poll(&p, 1, int(AStall.count())) != 1) break;
    const size_t at = written % frame.size();
    const ssize_t n = send(Fd, frame.data() + at, frame.size() - at, MSG_DONTWAIT | MSG_NOSIGNAL);
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) break;
    if (n > 0) written += size_t(n);
  }
  return written;
}

std::string RegisterCallee(TSimulatedEndpoint& AEndpoint, const sockaddr_in& AGatekeeper, const char* AAlias,
                           const sockaddr_in& ASignal) {
  auto rrq = AEndpoint.RegistrationRequest({AAlias});
  auto* request = static_cast<H225::registrationRequest*>(rrq->alternative());
  request->callSignalAddress.clear();
  H323::sockaddrToTransport(ASignal, *request->callSignalAddress.appendNew());
  if (!AEndpoint.Send(*rrq, AGatekeeper)) return "";
  auto answer = AEndpoint.Receive(std::chrono::seconds(2));
  return answer ? ConfirmedIdentifier(*answer) : "";
}

bool UnregisterOnceCallsEnd(TSimulatedEndpoint& AEndpoint, const sockaddr_in& AGatekeeper,
                            const std::string& AIdentifier, const std::function<void(H225::rasMessage&)>& ASign,
                            std::chrono::milliseconds ALimit) {
  const auto end = std::chrono::steady_clock::now() + ALimit;
  for (;;) {
    auto urq = UnregistrationRequest(AEndpoint, AIdentifier);
    if (ASign) ASign(*urq);
    if (!AEndpoint.Send(*urq, AGatekeeper)) return false;
    auto answer = AEndpoint.Receive(std::chrono::seconds(2));
    if (!answer) return false;
    if (answer->index() == 7) return true;
    const auto* urj = static_cast<const H225::unregistrationReject*>(answer->alternative());
    const int callInProgress = 1;
    if (answer->index() != 8 || urj->rejectReason.index() != callInProgress || std::chrono::steady_clock::now() >= end)
      return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
}

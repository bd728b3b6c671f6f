#include "RadiusAnswerer.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "fakeRadiusServer.h"

namespace {

// RFC 2865 codes: Access-Request 1, -Accept 2, -Reject 3; RFC 2866:
// Accounting-Request 4, -Response 5.
const unsigned AccessRequest = 1, AccessAccept = 2, AccessReject = 3, AccountingRequest = 4, AccountingResponse = 5;

void SendTo(int AFd, const octets& AData, const sockaddr_in& ATo) {
  sendto(AFd, AData.data(), AData.size(), 0, reinterpret_cast<const sockaddr*>(&ATo), sizeof ATo);
}

}  // namespace

TRadiusAnswerer::TPort TRadiusAnswerer::Open() {
  TPort port;
  port.Fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  port.Address.sin_family = AF_INET;
  port.Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof port.Address;
  if (bind(port.Fd, reinterpret_cast<sockaddr*>(&port.Address), sizeof port.Address) != 0 ||
      getsockname(port.Fd, reinterpret_cast<sockaddr*>(&port.Address), &length) != 0)
    port.Address.sin_port = 0;
  return port;
}

TRadiusAnswerer::TRadiusAnswerer(const std::string& ASecret)
    : Secret(ASecret), Authentication(Open()), Accounting(Open()), Elsewhere(Open()) {
  Server = std::thread([this] { Serve(); });
}

TRadiusAnswerer::~TRadiusAnswerer() {
  Stopping = true;
  Server.join();
  for (const TPort* port : {&Authentication, &Accounting, &Elsewhere})
    if (port->Fd >= 0) close(port->Fd);
}

octets TRadiusAnswerer::WithWrongAuthenticator(octets AAnswer) {
  if (AAnswer.size() >= 20) AAnswer[4 + 15] ^= 0x01;
  return AAnswer;
}

void TRadiusAnswerer::Serve() {
  pollfd watch[2] = {{Authentication.Fd, POLLIN, 0}, {Accounting.Fd, POLLIN, 0}};
  const TPort* ports[2] = {&Authentication, &Accounting};
  while (!Stopping) {
    if (poll(watch, 2, 100) <= 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (!(watch[i].revents & POLLIN)) continue;
      octets request(4096);
      sockaddr_in from{};
      socklen_t length = sizeof from;
      ssize_t got = recvfrom(watch[i].fd, request.data(), request.size(), 0, reinterpret_cast<sockaddr*>(&from), &length);
      if (got < 20) continue;
      request.resize(size_t(got));
      ++RequestCount;
      Answer(*ports[i], request, from);
    }
  }
}

void TRadiusAnswerer::Answer(const TPort& AFrom, const octets& ARequest, const sockaddr_in& ATo) {
  unsigned genuine = 0, refusal = 0;
  if (ARequest[0] == AccessRequest) {
    genuine = AccessAccept;
    refusal = AccessReject;
  } else if (ARequest[0] == AccountingRequest) {
    genuine = refusal = AccountingResponse;
  } else {
    return;
  }
  if (Forging) {
    SendTo(AFrom.Fd, WithWrongAuthenticator(radiusAnswer(ARequest, refusal, {}, Secret)), ATo);
    SendTo(Elsewhere.Fd, radiusAnswer(ARequest, refusal, {}, Secret), ATo);
    ForgedCount += 2;
  }
  SendTo(AFrom.Fd, radiusAnswer(ARequest, genuine, {}, Secret), ATo);
}

#include "fakeRadiusServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

#include <openssl/evp.h>

#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

namespace {

// Real time, for the limits of the loops below.
int64_t clockMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The clock of the connection's timers, which tests may move ahead.
int64_t timerMs() { return (orvo::timerClock() - orvo::dateTime(0u, 0)).milliseconds(); }

}  // namespace

octets md5Of(const octets& AData) {
  octets digest(16);
  unsigned length = 16;
  EVP_Digest(AData.data(), AData.size(), digest.data(), &length, EVP_md5(), nullptr);
  return digest;
}

octets attributeValue(const octets& APacket, unsigned AType) {
  for (size_t at = 20; at + 2 <= APacket.size() && APacket[at + 1] >= 2; at += APacket[at + 1]) {
    if (at + APacket[at + 1] > APacket.size()) break;
    if (APacket[at] == AType)
      return octets(APacket.begin() + long(at) + 2, APacket.begin() + long(at + APacket[at + 1]));
  }
  return octets();
}

octets radiusAnswer(const octets& ARequest, unsigned ACode, const octets& AAttributes, const std::string& ASecret) {
  unsigned length = 20 + unsigned(AAttributes.size());
  octets out = {uint8_t(ACode), ARequest.at(1), uint8_t(length >> 8), uint8_t(length)};
  out.insert(out.end(), ARequest.begin() + 4, ARequest.begin() + 20);
  out.insert(out.end(), AAttributes.begin(), AAttributes.end());
  octets signed_ = out;
  signed_.insert(signed_.end(), ASecret.begin(), ASecret.end());
  octets digest = md5Of(signed_);
  std::copy(digest.begin(), digest.end(), out.begin() + 4);
  return out;
}

fakeRadiusServer::fakeRadiusServer() : origin(timerMs()) {
  fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  self = {};
  self.sin_family = AF_INET;
  self.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof self;
  if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&self), sizeof self) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&self), &length) != 0)
    throw std::runtime_error("fake RADIUS server: no loopback socket");
  peer = {};
  new orvo::sockEvent(orvo::sockEvent::READ, fd, this, &fakeRadiusServer::onReadable, false, &watcher);
}

fakeRadiusServer::~fakeRadiusServer() {
  delete watcher;
  ::close(fd);
}

int64_t fakeRadiusServer::now() const { return timerMs() - origin; }

void fakeRadiusServer::onReadable(orvo::sockEvent*) {
  // Every datagram waiting: a client that sends hundreds in one pass would
  // overflow the socket's buffer while the server took one a pass.
  for (;;) {
    unsigned char buffer[8192];
    socklen_t length = sizeof peer;
    ssize_t got = recvfrom(fd, buffer, sizeof buffer, MSG_DONTWAIT, reinterpret_cast<sockaddr*>(&peer), &length);
    if (got < 0) return;
    received.push_back({octets(buffer, buffer + got), now()});
    if (onDatagram) onDatagram(received.back());
  }
}

void fakeRadiusServer::answer(const octets& ARequest, unsigned ACode, const octets& AAttributes,
                              const std::string& ASecret) {
  sendRaw(radiusAnswer(ARequest, ACode, AAttributes, ASecret));
}

void fakeRadiusServer::sendRaw(const octets& ADatagram) {
  sendto(fd, ADatagram.data(), ADatagram.size(), 0, reinterpret_cast<const sockaddr*>(&peer), sizeof peer);
}

bool runUntil(const std::function<bool()>& ADone, int64_t ALimitMs) {
  int64_t end = clockMs() + ALimitMs;
  while (!ADone()) {
    if (clockMs() > end) return false;
    // A zero wait: a pass that waits its full second after the awaited
    // effect would only lengthen the test.
    orvo::sockEvent::dispatch(0);
  }
  return true;
}

void runFor(int64_t AMs) {
  int64_t end = clockMs() + AMs;
  while (clockMs() < end) orvo::sockEvent::dispatch(0);
}

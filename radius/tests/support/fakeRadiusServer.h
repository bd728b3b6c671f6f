// A RADIUS server stand-in on 127.0.0.1 (ephemeral port) that records every
// datagram and answers only when told to, for driving TConnection through
// the event dispatcher.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <netinet/in.h>

namespace orvo {
class sockEvent;
}

typedef std::vector<unsigned char> octets;

class fakeRadiusServer {
public:
  struct datagram {
    octets bytes;
    int64_t at;  // ms on the timer clock since the server was made
  };

  fakeRadiusServer();
  ~fakeRadiusServer();
  fakeRadiusServer(const fakeRadiusServer&) = delete;
  fakeRadiusServer& operator=(const fakeRadiusServer&) = delete;

  const sockaddr_in& address() const { return self; }
  std::vector<datagram> received;
  // Called with each datagram as it arrives.
  std::function<void(const datagram&)> onDatagram;

  // Answers ARequest as RFC 2865/2866 say: code, the request's identifier,
  // AAttributes, and the Response Authenticator MD5(code+id+length+request
  // authenticator+attributes+secret), computed here with libcrypto directly.
  void answer(const octets& ARequest, unsigned ACode, const octets& AAttributes, const std::string& ASecret);
  void sendRaw(const octets& ADatagram);

  int64_t now() const;

private:
  void onReadable(orvo::sockEvent*);

  int fd;
  sockaddr_in self;
  sockaddr_in peer;
  orvo::sockEvent* watcher = nullptr;
  int64_t origin;
};

// Builds the answer octets (exposed for hostile variations).
octets radiusAnswer(const octets& ARequest, unsigned ACode, const octets& AAttributes, const std::string& ASecret);
// MD5 of the concatenation, with libcrypto's one-shot interface.
octets md5Of(const octets& AData);
// The value of the first attribute of the type in a packet; empty when it
// has none (or the attributes run past the end).
octets attributeValue(const octets& APacket, unsigned AType);

// Runs dispatcher passes until ADone holds or ALimitMs pass; false on the latter.
bool runUntil(const std::function<bool()>& ADone, int64_t ALimitMs);
// Runs dispatcher passes for AMs milliseconds.
void runFor(int64_t AMs);

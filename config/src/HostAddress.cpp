#include <config/HostAddress.h>

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <cstring>

#include <orvo/socketAddress.h>

bool ParseHostPort(const orvo::string& AText, sockaddr_in& AOut) {
  // The lookup asks for IPv4 answers only, so an answer always fits the
  // four octets of the address.
  if (orvo::parseAddress(AText, AOut, 0)) return true;
  AOut = orvo::nullAddress;
  return false;
}

bool ResolveHostAddress(const orvo::string& AText, uint32_t& AAddress) {
  const in_addr_t dotted = inet_addr(AText.buffer());
  if (dotted != INADDR_NONE) {
    AAddress = dotted;
    return true;
  }
  addrinfo hints;
  std::memset(&hints, 0, sizeof hints);
  hints.ai_family = AF_INET;
  addrinfo* answer = nullptr;
  if (getaddrinfo(AText.buffer(), nullptr, &hints, &answer) != 0 || !answer) return false;
  bool found = false;
  if (answer->ai_family == AF_INET && answer->ai_addrlen >= sizeof(sockaddr_in)) {
    AAddress = reinterpret_cast<const sockaddr_in*>(answer->ai_addr)->sin_addr.s_addr;
    found = true;
  }
  freeaddrinfo(answer);
  return found;
}

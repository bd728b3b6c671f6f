#include <orvo/socketAddress.h>

#include <arpa/inet.h>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

namespace orvo {

// Both values read the same in either byte order, so they are constant
// initialised and usable from any other static initialiser.
const sockaddr_in defaultAddress = {AF_INET, 0, {0x00000000u}, {0, 0, 0, 0, 0, 0, 0, 0}};
const sockaddr_in noAddress = {AF_INET, 0, {0xFFFFFFFFu}, {0, 0, 0, 0, 0, 0, 0, 0}};
const sockaddr_in& nullAddress = noAddress;

bool operator==(const sockaddr_in& a, const sockaddr_in& b) {
  return a.sin_family == b.sin_family && a.sin_port == b.sin_port && a.sin_addr.s_addr == b.sin_addr.s_addr;
}

bool operator!=(const sockaddr_in& a, const sockaddr_in& b) { return !(a == b); }

static int orderOf(const sockaddr_in& a, const sockaddr_in& b) {
  if (a.sin_family != b.sin_family) return a.sin_family < b.sin_family ? -1 : 1;
  uint32_t addressA = ntohl(a.sin_addr.s_addr), addressB = ntohl(b.sin_addr.s_addr);
  if (addressA != addressB) return addressA < addressB ? -1 : 1;
  uint16_t portA = ntohs(a.sin_port), portB = ntohs(b.sin_port);
  if (portA != portB) return portA < portB ? -1 : 1;
  return 0;
}

bool operator<(const sockaddr_in& a, const sockaddr_in& b) { return orderOf(a, b) < 0; }
bool operator>(const sockaddr_in& a, const sockaddr_in& b) { return orderOf(a, b) > 0; }

string toText(const sockaddr_in& address) {
  char dotted[INET_ADDRSTRLEN];
  if (!inet_ntop(AF_INET, &address.sin_addr, dotted, sizeof dotted)) dotted[0] = 0;
  string text;
  text.format("%s:%d", dotted, (int)ntohs(address.sin_port));
  return text;
}

// strtoul as a 32-bit platform computes it: out-of-range magnitudes saturate
// at 0xFFFFFFFF and a leading minus negates in 32 bits. Returns false unless
// the conversion ends exactly at the end of the text.
static bool portNumber(const char* text, uint32_t& value) {
  const char* p = text;
  while (isspace((unsigned char)*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  if (!isdigit((unsigned char)*p)) {
    value = 0;
    return *text == 0;  // no conversion: the end pointer stays at the start
  }
  uint64_t magnitude = 0;
  bool saturated = false;
  while (isdigit((unsigned char)*p)) {
    magnitude = magnitude * 10 + (uint64_t)(*p++ - '0');
    if (magnitude > 0xFFFFFFFFu) saturated = true, magnitude = 0xFFFFFFFFu;
  }
  if (saturated)
    value = 0xFFFFFFFFu;
  else
    value = negative ? (uint32_t)(0u - (uint32_t)magnitude) : (uint32_t)magnitude;
  return *p == 0;
}

static bool resolveHost(const char* host, in_addr& out) {
  in_addr_t dotted = inet_addr(host);
  if (dotted != INADDR_NONE) {
    out.s_addr = dotted;
    return true;
  }
  addrinfo hints;
  memset(&hints, 0, sizeof hints);
  hints.ai_family = AF_INET;
  addrinfo* answer = nullptr;
  if (getaddrinfo(host, nullptr, &hints, &answer) != 0 || !answer) return false;
  out = reinterpret_cast<const sockaddr_in*>(answer->ai_addr)->sin_addr;
  freeaddrinfo(answer);
  return true;
}

bool parseAddress(const string& text, sockaddr_in& out, unsigned short defaultPort) {
  out = defaultAddress;
  string host = text;
  uint32_t port = defaultPort;
  int colon = text.findChar(':');
  if (colon >= 0) {
    host = text.left((unsigned)colon);
    if (!portNumber(text.buffer() + colon + 1, port)) return false;
  }
  out.sin_port = htons((uint16_t)(port & 0xFFFF));
  return resolveHost(host.buffer(), out.sin_addr);
}

bool localAddress(in_addr& out) {
  char name[256];
  if (gethostname(name, 255) == 0) {
    name[255] = 0;
    addrinfo hints;
    memset(&hints, 0, sizeof hints);
    hints.ai_family = AF_INET;
    addrinfo* answer = nullptr;
    if (getaddrinfo(name, nullptr, &hints, &answer) == 0 && answer) {
      out = reinterpret_cast<const sockaddr_in*>(answer->ai_addr)->sin_addr;
      freeaddrinfo(answer);
      return true;
    }
  }
  out.s_addr = htonl(INADDR_LOOPBACK);
  return false;
}

string xresolvehost::what() const {
  string text;
  if (host.length() == 0)
    text = "Bad host name or ip address.";
  else
    text.format("Bad host name '%s' or ip address.", host.buffer());
  return text;
}

}  // namespace orvo

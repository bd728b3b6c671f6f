// IPv4 socket addresses: comparison, text form, parsing, the local address.
#pragma once

#include <netinet/in.h>

#include <orvo/exception.h>
#include <orvo/string.h>

namespace orvo {

// 0.0.0.0 port 0: the starting value of every address the system fills in.
extern const sockaddr_in defaultAddress;
// 255.255.255.255 port 0: marks an address that is not set.
extern const sockaddr_in noAddress;
extern const sockaddr_in& nullAddress;

// Equal when family, port and address are equal; padding is ignored.
bool operator==(const sockaddr_in& a, const sockaddr_in& b);
bool operator!=(const sockaddr_in& a, const sockaddr_in& b);
// Ordered by family, then address, then port (both in host order).
bool operator<(const sockaddr_in& a, const sockaddr_in& b);
bool operator>(const sockaddr_in& a, const sockaddr_in& b);

// "10.0.0.1:1720"
string toText(const sockaddr_in& address);

// "host" or "host:port"; the host is a dotted address or a name to resolve.
bool parseAddress(const string& text, sockaddr_in& out, unsigned short defaultPort);

// The first address of this host's name; 127.0.0.1 and false when it has none.
bool localAddress(in_addr& out);

// For callers that must give up on a host name.
class xresolvehost : public exception {
public:
  xresolvehost() {}
  explicit xresolvehost(const string& host) : host(host) {}

  string host;

protected:
  string what() const override;
};

}  // namespace orvo

// sockaddr_in lives in the global namespace, where argument-dependent lookup
// would never find the operators above.
using orvo::operator==;
using orvo::operator!=;
using orvo::operator<;
using orvo::operator>;

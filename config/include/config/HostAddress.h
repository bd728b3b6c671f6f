// Host names and dotted addresses of the configuration, as IPv4 addresses.
#pragma once

#include <netinet/in.h>

#include <cstdint>

#include <orvo/string.h>

// "host" or "host:port"; the host a dotted address or a name resolved to its
// first IPv4 address. The port (0 when not given) and the address are stored
// in network byte order. False, with the null address, when the port is no
// number or the host does not resolve.
bool ParseHostPort(const orvo::string& AText, sockaddr_in& AOut);

// A dotted address, else a host name's first IPv4 address (network byte
// order). False when neither gives one.
bool ResolveHostAddress(const orvo::string& AText, uint32_t& AAddress);

// Whether a request that names a registration may act on it. Without H.235
// a request is tied to a registration only by its endpoint identifier,
// which anyone can work out, or by addresses the message itself gives; so
// the datagram must come from the host the endpoint registered from.
#pragma once

#include <netinet/in.h>

class TEndpointRegisterInfo;

// With H.235 in force for the registration's user the tokens decide (true
// here). Otherwise the sender's IPv4 must be the registration's RAS IPv4
// (ports are not compared); a static user, who never sent a RAS address,
// is judged by the user's address rules.
bool RequestSourceAllowed(const TEndpointRegisterInfo& ARegistration, const sockaddr_in& ASender);

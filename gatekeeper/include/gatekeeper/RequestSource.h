// Without H.235 a request names its registration only by an identifier
// anyone can guess: it is honoured only from the registration's own host.
#pragma once

#include <netinet/in.h>

class TEndpointRegisterInfo;

// True with H.235 in force for the registration's user; else the source's
// IPv4 must be the registered RAS IPv4 (ports not compared), for a static
// user one its address rules allow.
bool IsFromRegisteredHost(const TEndpointRegisterInfo& ARegistration, const sockaddr_in& ASource);

// IPv4 transport addresses of H.225.0 and H.245 to and from sockaddr_in.
#pragma once

#include <netinet/in.h>

#include <h225/h225.h>
#include <h245/h245.h>

namespace H323 {

// Only an ipAddress converts: AOut is zeroed, then family, port and address
// are set; true. Any other alternative leaves AOut untouched: false.
bool transportToSockaddr(const H225::transportAddress& AAddress, sockaddr_in& AOut);
// Selects ipAddress with the address and port of AAddress; returns AOut.
H225::transportAddress& sockaddrToTransport(const sockaddr_in& AAddress, H225::transportAddress& AOut);

// Only unicastAddress with iPAddress converts, as above.
bool h245TransportToSockaddr(const H245::transportAddress& AAddress, sockaddr_in& AOut);
H245::transportAddress& sockaddrToH245Transport(const sockaddr_in& AAddress, H245::transportAddress& AOut);

}  // namespace H323

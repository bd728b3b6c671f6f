#include <h323/transportAddress.h>

#include <cstring>

namespace H323 {

namespace {

// The four address octets and the host-order port; false for a locally
// built value of another size.
bool fillSockaddr(const asn::octetStringBase& ANetwork, uint32_t APort, sockaddr_in& AOut) {
  if (ANetwork.length() != 4) return false;
  std::memset(&AOut, 0, sizeof AOut);
  AOut.sin_family = AF_INET;
  AOut.sin_port = htons(static_cast<uint16_t>(APort));
  std::memcpy(&AOut.sin_addr, ANetwork.data(), 4);
  return true;
}

}  // namespace

bool transportToSockaddr(const H225::transportAddress& AAddress, sockaddr_in& AOut) {
  if (AAddress.index() != 0 || !AAddress.alternative()) return false;
  const auto& ip = *static_cast<const H225::transportAddress::ipAddress_sequence*>(AAddress.alternative());
  return fillSockaddr(ip.ip, ip.port.value(), AOut);
}

H225::transportAddress& sockaddrToTransport(const sockaddr_in& AAddress, H225::transportAddress& AOut) {
  auto* ip = static_cast<H225::transportAddress::ipAddress_sequence*>(AOut.select(0));
  ip->ip.setValue(&AAddress.sin_addr, 4);
  ip->port = ntohs(AAddress.sin_port);
  return AOut;
}

bool h245TransportToSockaddr(const H245::transportAddress& AAddress, sockaddr_in& AOut) {
  if (AAddress.index() != 0 || !AAddress.alternative()) return false;
  const auto& unicast = *static_cast<const H245::unicastAddress*>(AAddress.alternative());
  if (unicast.index() != 0 || !unicast.alternative()) return false;
  const auto& ip = *static_cast<const H245::unicastAddress::iPAddress_sequence*>(unicast.alternative());
  return fillSockaddr(ip.network, ip.tsapIdentifier.value(), AOut);
}

H245::transportAddress& sockaddrToH245Transport(const sockaddr_in& AAddress, H245::transportAddress& AOut) {
  auto* unicast = static_cast<H245::unicastAddress*>(AOut.select(0));
  auto* ip = static_cast<H245::unicastAddress::iPAddress_sequence*>(unicast->select(0));
  ip->network.setValue(&AAddress.sin_addr, 4);
  ip->tsapIdentifier = ntohs(AAddress.sin_port);
  return AOut;
}

}  // namespace H323

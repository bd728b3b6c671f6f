// An attribute carrying an IPv4 address.
#pragma once

#include <cstdint>

#include <radius/Attribute.h>

namespace RADIUS {

class TAddressAttribute : public TAttribute {
public:
  // ANetworkAddress is in network byte order, as in sockaddr_in.
  explicit TAddressAttribute(unsigned AType = 0, uint32_t ANetworkAddress = 0)
      : TAttribute(AType), FAddress(ANetworkAddress) {}

  bool Decode(const unsigned char* AAttribute) override;
  void Encode(unsigned char* AOut) const override;
  std::ostream& Print(std::ostream& AStream) const override;
  unsigned Length() const override { return 6; }

  uint32_t Address() const { return FAddress; }
  void SetAddress(uint32_t ANetworkAddress) { FAddress = ANetworkAddress; }

private:
  uint32_t FAddress;  // network byte order
};

}  // namespace RADIUS

#include <radius/AddressAttribute.h>

#include <cstring>
#include <ostream>

namespace RADIUS {

bool TAddressAttribute::Decode(const unsigned char* AAttribute) {
  if (AAttribute[1] != 6) return false;
  FType = AAttribute[0];
  std::memcpy(&FAddress, AAttribute + 2, 4);
  return true;
}

void TAddressAttribute::Encode(unsigned char* AOut) const {
  AOut[0] = static_cast<unsigned char>(FType);
  AOut[1] = 6;
  std::memcpy(AOut + 2, &FAddress, 4);
}

std::ostream& TAddressAttribute::Print(std::ostream& AStream) const {
  unsigned char octets[4];
  std::memcpy(octets, &FAddress, 4);
  TAttribute::Print(AStream) << ": ";
  return AStream << unsigned(octets[0]) << '.' << unsigned(octets[1]) << '.' << unsigned(octets[2]) << '.'
                 << unsigned(octets[3]);
}

}  // namespace RADIUS

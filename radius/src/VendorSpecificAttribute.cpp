#include <radius/VendorSpecificAttribute.h>

#include <cstring>
#include <ostream>

#include <orvo/escapedText.h>

#include "WireHelpers.h"

namespace RADIUS {

TVendorSpecificAttribute::TVendorSpecificAttribute(uint32_t AVendorId, uint8_t AVendorType, const orvo::string& AData)
    : TAttribute(atVendorSpecific), FVendorId(AVendorId), FVendorType(AVendorType) {
  SetData(AData);
}

void TVendorSpecificAttribute::SetData(const orvo::string& AData) {
  // Two length octets (attribute and vendor) bound the data; longer would wrap.
  FData = AData.length() > MaxVendorDataLength ? AData.left(MaxVendorDataLength) : AData;
}

// Layout: type, length, vendor id (4), vendor type, vendor length, data.
bool TVendorSpecificAttribute::Decode(const unsigned char* AAttribute) {
  unsigned length = AAttribute[1];
  if (length < 9 || AAttribute[7] != length - 6) return false;
  FType = AAttribute[0];
  FVendorId = wire::readUInt32(AAttribute + 2);
  FVendorType = AAttribute[6];
  FData.assign(AAttribute + 8, length - 8);
  return true;
}

void TVendorSpecificAttribute::Encode(unsigned char* AOut) const {
  AOut[0] = static_cast<unsigned char>(FType);
  AOut[1] = static_cast<unsigned char>(Length());
  wire::writeUInt32(AOut + 2, FVendorId);
  AOut[6] = FVendorType;
  AOut[7] = static_cast<unsigned char>(FData.length() + 2);
  std::memcpy(AOut + 8, FData.buffer(), FData.length());
}

unsigned TVendorSpecificAttribute::Length() const { return FData.length() + 8; }

std::ostream& TVendorSpecificAttribute::Print(std::ostream& AStream) const {
  TAttribute::Print(AStream) << ' ' << FVendorId;
  if (const char* vendor = VendorName(FVendorId)) AStream << ' ' << vendor;
  AStream << ": " << unsigned(FVendorType) << ' ';
  if (wire::isPrintable(FData)) {
    AStream << '"' << orvo::escaped(FData) << '"';
  } else {
    AStream << '[';
    wire::printHex(AStream, FData);
    AStream << ']';
  }
  return AStream;
}

TCiscoAttribute::~TCiscoAttribute() {}

}  // namespace RADIUS

#include <radius/IntegerAttribute.h>

#include <ostream>

#include <radius/Dictionary.h>

#include "WireHelpers.h"

namespace RADIUS {

bool TIntegerAttribute::Decode(const unsigned char* AAttribute) {
  if (AAttribute[1] != 6) return false;
  FType = AAttribute[0];
  FValue = wire::readUInt32(AAttribute + 2);
  return true;
}

void TIntegerAttribute::Encode(unsigned char* AOut) const {
  AOut[0] = static_cast<unsigned char>(FType);
  AOut[1] = 6;
  wire::writeUInt32(AOut + 2, FValue);
}

std::ostream& TIntegerAttribute::Print(std::ostream& AStream) const {
  TAttribute::Print(AStream) << ": ";
  const char* name = IntegerValueName(FType, FValue);
  if (name)
    AStream << name;
  else if (FType != atServiceType && FType != atAcctStatusType)
    AStream << FValue;  // an unnamed Service-Type or Acct-Status-Type value prints nothing
  return AStream;
}

}  // namespace RADIUS

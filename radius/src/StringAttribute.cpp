#include <radius/StringAttribute.h>

#include <cstring>
#include <ostream>

#include <radius/Dictionary.h>

#include <orvo/escapedText.h>

#include "WireHelpers.h"

namespace RADIUS {

TStringAttribute::TStringAttribute(unsigned AType, const orvo::string& AValue) : TAttribute(AType) { SetValue(AValue); }

void TStringAttribute::SetValue(const orvo::string& AValue) {
  // One length octet: a longer value would wrap and corrupt the packet.
  FValue = AValue.length() > MaxStringLength ? AValue.left(MaxStringLength) : AValue;
}

bool TStringAttribute::Decode(const unsigned char* AAttribute) {
  unsigned length = AAttribute[1];
  if (length <= 2) return false;
  FType = AAttribute[0];
  FValue.assign(AAttribute + 2, length - 2);
  return true;
}

void TStringAttribute::Encode(unsigned char* AOut) const {
  AOut[0] = static_cast<unsigned char>(FType);
  AOut[1] = static_cast<unsigned char>(Length());
  std::memcpy(AOut + 2, FValue.buffer(), FValue.length());
}

unsigned TStringAttribute::Length() const { return FValue.length() + 2; }

std::ostream& TStringAttribute::Print(std::ostream& AStream) const {
  TAttribute::Print(AStream) << ": ";
  if (wire::isPrintable(FValue))
    AStream << '"' << orvo::escaped(FValue) << '"';
  else
    wire::printHex(AStream, FValue);
  return AStream;
}

}  // namespace RADIUS

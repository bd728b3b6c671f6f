// An attribute whose value is a run of octets (text or binary).
#pragma once

#include <orvo/string.h>
#include <radius/Attribute.h>

namespace RADIUS {

class TStringAttribute : public TAttribute {
public:
  explicit TStringAttribute(unsigned AType = 0) : TAttribute(AType) {}
  // The value is cut to the 253 octets that one attribute can carry.
  TStringAttribute(unsigned AType, const orvo::string& AValue);

  bool Decode(const unsigned char* AAttribute) override;
  void Encode(unsigned char* AOut) const override;
  std::ostream& Print(std::ostream& AStream) const override;
  unsigned Length() const override;

  const orvo::string& Value() const { return FValue; }
  void SetValue(const orvo::string& AValue);

private:
  orvo::string FValue;
};

}  // namespace RADIUS

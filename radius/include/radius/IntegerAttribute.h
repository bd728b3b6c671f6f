// An attribute carrying a 32-bit unsigned integer.
#pragma once

#include <cstdint>

#include <radius/Attribute.h>

namespace RADIUS {

class TIntegerAttribute : public TAttribute {
public:
  explicit TIntegerAttribute(unsigned AType = 0, uint32_t AValue = 0) : TAttribute(AType), FValue(AValue) {}

  bool Decode(const unsigned char* AAttribute) override;
  void Encode(unsigned char* AOut) const override;
  std::ostream& Print(std::ostream& AStream) const override;
  unsigned Length() const override { return 6; }

  uint32_t Value() const { return FValue; }
  void SetValue(uint32_t AValue) { FValue = AValue; }

private:
  uint32_t FValue;  // host order
};

}  // namespace RADIUS

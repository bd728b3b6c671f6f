// Vendor-Specific (26) with exactly one vendor sub-attribute, and the Cisco
// form that carries the "h323-..." texts.
#pragma once

#include <cstdint>

#include <orvo/string.h>
#include <radius/Attribute.h>
#include <radius/Dictionary.h>

namespace RADIUS {

class TVendorSpecificAttribute : public TAttribute {
public:
  TVendorSpecificAttribute() : TAttribute(atVendorSpecific), FVendorId(0), FVendorType(0) {}
  // The data is cut to the 247 octets that one attribute can carry.
  TVendorSpecificAttribute(uint32_t AVendorId, uint8_t AVendorType, const orvo::string& AData);

  bool Decode(const unsigned char* AAttribute) override;
  void Encode(unsigned char* AOut) const override;
  std::ostream& Print(std::ostream& AStream) const override;
  unsigned Length() const override;

  uint32_t VendorId() const { return FVendorId; }
  void SetVendorId(uint32_t AVendorId) { FVendorId = AVendorId; }
  uint8_t VendorType() const { return FVendorType; }
  void SetVendorType(uint8_t AVendorType) { FVendorType = AVendorType; }
  const orvo::string& Data() const { return FData; }
  void SetData(const orvo::string& AData);

private:
  uint32_t FVendorId;  // host order
  uint8_t FVendorType;
  orvo::string FData;
};

const uint32_t CiscoVendorId = 9;

class TCiscoAttribute : public TVendorSpecificAttribute {
public:
  TCiscoAttribute() : TVendorSpecificAttribute(CiscoVendorId, 0, orvo::string()) {}
  TCiscoAttribute(uint8_t AVendorType, const orvo::string& AData)
      : TVendorSpecificAttribute(CiscoVendorId, AVendorType, AData) {}
  ~TCiscoAttribute() override;
};

}  // namespace RADIUS

// Elements that name a network: Network-specific facilities and Transit
// network selection.
#pragma once

#include <orvo/string.h>

#include <h323/q931/element.h>

namespace Q931 {

class networkFacilities : public element {
public:
  networkFacilities() : element(0x20) {}
  // An identification longer than the content is cut short of the last
  // octet, which stays the facility.
  void decode(orvo::byteStream& in) override;
  // The length octet of the identification follows the identification held.
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned networkIdLength = 0;  // 0: no identification
  unsigned networkIdType = 0;    // 3 bits
  unsigned networkIdPlan = 0;    // 4 bits
  orvo::string networkId;
  unsigned char facility = 0;
};

class transitNetworkSelection : public element {
public:
  transitNetworkSelection() : element(0x78) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned typeOfNetworkId = 0;  // 3 bits
  unsigned networkIdPlan = 0;    // 4 bits
  orvo::string networkId;
};

}  // namespace Q931

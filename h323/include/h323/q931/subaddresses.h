// The Calling and Called party subaddress elements.
#pragma once

#include <orvo/string.h>

#include <h323/q931/element.h>

namespace Q931 {

class subaddressElement : public element {
public:
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;

  unsigned typeOfSubaddress = 2;  // 3 bits: 0 NSAP, 2 user specified
  unsigned oddEven = 0;           // 1 bit
  orvo::string information;

protected:
  explicit subaddressElement(int id) : element(id) {}
};

class callingPartySubAddress : public subaddressElement {
public:
  callingPartySubAddress() : subaddressElement(0x6D) {}
  void print(std::ostream& out) const override;
};

class calledPartySubAddress : public subaddressElement {
public:
  calledPartySubAddress() : subaddressElement(0x71) {}
  void print(std::ostream& out) const override;
};

}  // namespace Q931

// Any element without a class of its own, kept as its octets so that it
// is passed on unchanged.
#pragma once

#include <h323/q931/element.h>

namespace Q931 {

class notSupportedElement : public element {
public:
  static constexpr int unread = 0xFFFF;

  notSupportedElement() : element(unread) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  octets content;
};

// An element of a known identifier whose content its class refuses (a date
// that does not exist): passed on as its octets, and left out of what
// message::findElement finds, as though it were absent.
class invalidElement : public notSupportedElement {};

}  // namespace Q931

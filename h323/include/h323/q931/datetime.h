// The Date/time element: a local date and time to the second.
#pragma once

#include <orvo/dateTime.h>

#include <h323/q931/element.h>

namespace Q931 {

class datetime : public element {
public:
  datetime() : element(0x29) {}
  explicit datetime(const orvo::dateTime& value) : element(0x29), value(value) {}
  // A length outside 3..6, or a date or time that does not exist, throws
  // orvo::exception.
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  orvo::dateTime value;
  // Content octets held, 3 to 6: an element that leaves out the hour, the
  // minute or the second reads them as 0 and leaves them out again.
  unsigned length = 6;
};

}  // namespace Q931

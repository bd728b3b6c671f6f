// The Cause element: why a call is cleared or a request refused. Beyond
// octet 3 only the ITU-T coding is read, and diagnostics are not: a decoded
// element keeps the content its fields do not give back, to write it back.
#pragma once

#include <h323/q931/element.h>

namespace Q931 {

class cause : public element {
public:
  explicit cause(unsigned causeValue = 0) : element(0x08), causeValue(causeValue) {}
  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned codingStandard = 0;  // 2 bits
  unsigned location = 0;        // 4 bits
  unsigned recommendation = 0;  // 7 bits; 0 leaves octet 3a out
  unsigned causeValue;          // 7 bits
  receivedContent received;

private:
  void readFields(const octets& c);
  octets content() const;
};

}  // namespace Q931

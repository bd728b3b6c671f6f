// The Bearer capability element: what the call carries. Absent octets read
// as 255 and are left out again when written. Only the ITU-T coding is
// read, up to the layer 1 octet; an element of another coding standard, or
// with octets its fields do not hold (octets 5a to 7), keeps its content to
// be written back as it came.
#pragma once

#include <h323/q931/element.h>

namespace Q931 {

class bearerCapability : public element {
public:
  static constexpr unsigned absent = 255;
  static constexpr unsigned multirate = 24;

  bearerCapability() : element(0x04) {}
  bearerCapability(unsigned capability, unsigned mode, unsigned rate, unsigned layer1Protocol)
      : element(0x04),
        transferCapability(capability),
        transferMode(mode),
        transferRate(rate),
        layer1Protocol(layer1Protocol) {}
  bearerCapability(unsigned capability, unsigned mode, unsigned rate, unsigned multiplier, unsigned layer1Protocol)
      : element(0x04),
        transferCapability(capability),
        transferMode(mode),
        transferRate(rate),
        rateMultiplier(multiplier),
        layer1Protocol(layer1Protocol) {}

  void decode(orvo::byteStream& in) override;
  void encode(orvo::byteStream& out) const override;
  void print(std::ostream& out) const override;

  unsigned transferCapability = absent;  // 5 bits
  unsigned transferMode = absent;        // 2 bits
  unsigned transferRate = absent;        // 5 bits
  unsigned rateMultiplier = 0;           // 7 bits
  unsigned layer1Protocol = absent;      // 5 bits
  receivedContent received;

private:
  void readFields(const octets& c);
  octets content() const;
};

}  // namespace Q931

// Time-based 16-octet globally unique identifiers.
#pragma once

#include <orvo/string.h>

namespace orvo {

// Octets 0..7 hold the 100 ns clock counted from 15 October 1582 (UTC),
// least significant octet first, with version 1 in the high nibble of
// octet 7; octets 8..9 the clock sequence; 10..15 random values.
class guid {
public:
  // No octets.
  guid() = default;

  static guid generate();

  // Takes exactly 16 octets, or 17 whose last is 0; false otherwise,
  // leaving the value unchanged.
  bool assign(const string& octets);
  // "{00010203-0405-0607-0809-0a0b0c0d0e0f}", the octets in stored order.
  string toString() const;
  // Parses the braced form (upper- or lower-case digits); false, leaving the
  // value unchanged, on anything else.
  bool fromString(const string& text);
  // 32 upper-case hexadecimal digits.
  string toHex() const;

  const string& octets() const { return value; }

private:
  string value;
};

}  // namespace orvo

// A text received from a peer, as a log or trace line may carry it: a line
// the gatekeeper writes must never hold a control character that someone
// else chose (a line end forging a line of its own, a NUL that makes tools
// take the file for binary, a C1 octet that a console reads as CSI).
#pragma once

#include <cstddef>
#include <ostream>

#include <orvo/string.h>

namespace orvo {

// Octets below 0x20, 0x7F and 0x80 to 0x9F as "\xHH" (two upper-case
// hexadecimal digits); a backslash doubled, so that "\x0A" in a line is
// always an escape; every other octet, Latin-1 included, as it is.
class escaped {
public:
  escaped(const char* AData, size_t ALength) : data(AData), length(ALength) {}
  explicit escaped(const string& AText) : data(AText.buffer()), length(AText.length()) {}

  friend std::ostream& operator<<(std::ostream& AOut, const escaped& AText);

private:
  const char* data;
  size_t length;
};

}  // namespace orvo

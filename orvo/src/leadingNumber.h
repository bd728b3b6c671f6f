// Reads a decimal number the way atoi does, bounded by the end of the text.
#pragma once

#include <cctype>
#include <cstdint>

namespace orvo {
namespace detail {

// Skips white space, takes one sign and the digits after it; stops at the
// first other character. Values beyond the int range are clamped there.
// *stop receives the position after the last character taken.
inline std::int32_t leadingNumber(const char* p, const char* end, const char** stop = nullptr) {
  while (p < end && std::isspace(static_cast<unsigned char>(*p))) ++p;
  bool negative = false;
  if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
  std::int64_t value = 0;
  for (; p < end && *p >= '0' && *p <= '9'; ++p) {
    if (value <= 2147483648LL) value = value * 10 + (*p - '0');
  }
  if (negative) value = -value;
  if (value > 2147483647LL) value = 2147483647LL;
  if (value < -2147483648LL) value = -2147483648LL;
  if (stop) *stop = p;
  return static_cast<std::int32_t>(value);
}

}  // namespace detail
}  // namespace orvo

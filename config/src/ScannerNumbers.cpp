// Exact decimal conversions: binary floating point would make 0.57M 5699.
#include "ScannerNumbers.h"

#include <cctype>
#include <string>

namespace {

const uint32_t saturated = 0xFFFFFFFFu;

// floor(digits x 10^shift), saturating; digits may carry leading zeros.
uint32_t ScaledValue(const std::string& ADigits, long AShift) {
  std::string::size_type first = ADigits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  const std::string significant = ADigits.substr(first);
  const long integerDigits = static_cast<long>(significant.size()) + AShift;
  if (integerDigits <= 0) return 0;
  if (integerDigits > 10) return saturated;
  uint64_t value = 0;
  for (long i = 0; i < integerDigits; ++i) {
    const unsigned digit = i < static_cast<long>(significant.size()) ? significant[i] - '0' : 0;
    value = value * 10 + digit;
  }
  return value > saturated ? saturated : static_cast<uint32_t>(value);
}

}  // namespace

uint32_t DecimalValue(const char* AText, unsigned ALength) { return ScaledValue(std::string(AText, ALength), 0); }

uint32_t DayOfWeek(const char* AText) {
  static const char* const days[] = {"mon", "tue", "wed", "thu", "fri", "sat", "sun"};
  char lower[3];
  for (int i = 0; i < 3; ++i) lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(AText[i])));
  for (uint32_t day = 0; day < 7; ++day)
    if (lower[0] == days[day][0] && lower[1] == days[day][1] && lower[2] == days[day][2]) return day + 1;
  return 0;
}

bool BandwidthValue(const char* AText, unsigned ALength, uint32_t& AValue) {
  // Units of 100 bit/s: a plain number is divided by 100, K x 10, M x 10^4, G x 10^7.
  long shift = -2;
  unsigned length = ALength;
  if (length > 0) {
    switch (std::tolower(static_cast<unsigned char>(AText[length - 1]))) {
      case 'k':
        shift = 1;
        --length;
        break;
      case 'm':
        shift = 4;
        --length;
        break;
      case 'g':
        shift = 7;
        --length;
        break;
      default:
        break;
    }
  }
  // A decimal number: digits, an optional fraction, an optional exponent.
  std::string digits;
  unsigned i = 0;
  while (i < length && std::isdigit(static_cast<unsigned char>(AText[i]))) digits += AText[i++];
  if (digits.empty()) return false;
  if (i < length && AText[i] == '.') {
    ++i;
    while (i < length && std::isdigit(static_cast<unsigned char>(AText[i]))) {
      digits += AText[i++];
      --shift;
    }
  }
  if (i < length && (AText[i] == 'e' || AText[i] == 'E')) {
    ++i;
    bool negative = false;
    if (i < length && (AText[i] == '+' || AText[i] == '-')) negative = AText[i++] == '-';
    if (i == length || !std::isdigit(static_cast<unsigned char>(AText[i]))) return false;
    long exponent = 0;
    while (i < length && std::isdigit(static_cast<unsigned char>(AText[i]))) {
      if (exponent < 100000) exponent = exponent * 10 + (AText[i] - '0');
      ++i;
    }
    shift += negative ? -exponent : exponent;
  }
  if (i != length) return false;
  AValue = ScaledValue(digits, shift);
  return true;
}

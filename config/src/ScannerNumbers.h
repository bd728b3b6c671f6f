// Number conversions of the configuration scanner, in exact decimal
// arithmetic, saturating at 4294967295.
#pragma once

#include <cstdint>

// Decimal digits; a value beyond 32 bits gives 4294967295.
uint32_t DecimalValue(const char* AText, unsigned ALength);

// "MON" .. "SUN" in any case: 1 .. 7.
uint32_t DayOfWeek(const char* AText);

// A bandwidth in units of 100 bit/s: a plain number of bit/s, or a decimal
// number followed by K, M or G. False when the text (without its unit) is no
// decimal number: the scanner then reads it again as ordinary text.
bool BandwidthValue(const char* AText, unsigned ALength, uint32_t& AValue);

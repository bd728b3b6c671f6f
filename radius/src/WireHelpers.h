// Octet and text helpers shared by the attribute and packet codecs.
#pragma once

#include <cstdint>
#include <ostream>

#include <orvo/hexDump.h>
#include <orvo/string.h>

namespace RADIUS {
namespace wire {

inline uint32_t readUInt32(const unsigned char* AData) {
  return (uint32_t(AData[0]) << 24) | (uint32_t(AData[1]) << 16) | (uint32_t(AData[2]) << 8) | uint32_t(AData[3]);
}

inline void writeUInt32(unsigned char* AOut, uint32_t AValue) {
  AOut[0] = uint8_t(AValue >> 24);
  AOut[1] = uint8_t(AValue >> 16);
  AOut[2] = uint8_t(AValue >> 8);
  AOut[3] = uint8_t(AValue);
}

// Printable in the C locale, which the system never changes.
inline bool isPrintable(const orvo::string& AText) {
  for (unsigned i = 0; i < AText.length(); ++i) {
    unsigned char c = static_cast<unsigned char>(AText.buffer()[i]);
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

// The octets of a text as orvo::printHex writes them.
inline void printHex(std::ostream& AStream, const orvo::string& AText) {
  orvo::printHex(AStream, reinterpret_cast<const unsigned char*>(AText.buffer()), AText.length());
}

}  // namespace wire
}  // namespace RADIUS

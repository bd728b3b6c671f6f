// The call reference of a Q.931 message: up to 15 octets and the flag that
// tells from which side of the call the message comes.
#pragma once

#include <cstdint>
#include <ostream>

#include <orvo/byteStream.h>

namespace Q931 {

class callReference {
public:
  // The longest value the 4-bit length on the wire can announce.
  static constexpr unsigned maximumLength = 15;

  // The dummy call reference: no octets, originating side.
  callReference() = default;
  // A copy of the octets; more than 15 throws orvo::exception.
  callReference(const unsigned char* octets, unsigned length, bool flag);
  // Two octets, high first.
  callReference(uint16_t value, bool flag);
  callReference(const callReference& other);
  callReference& operator=(const callReference& other);
  ~callReference();

  void swap(callReference& other);

  bool operator==(const callReference& other) const;
  bool operator!=(const callReference& other) const { return !(*this == other); }

  // 0 without octets, the octet itself for one, else the first two octets.
  unsigned value() const;
  unsigned length() const { return length_; }
  const unsigned char* octets() const { return octets_; }
  // True: sent by the side that chose the call reference.
  bool flag() const { return flag_; }
  void setFlag(bool flag) { flag_ = flag; }

  void encode(orvo::byteStream& out) const;
  // A length 0 keeps the flag as it was.
  void decode(orvo::byteStream& in);
  void print(std::ostream& out) const;

private:
  unsigned char* octets_ = nullptr;
  unsigned length_ = 0;
  bool flag_ = true;
};

}  // namespace Q931

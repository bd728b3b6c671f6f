// BIT STRING: the value base and the template of the sized instances.
#pragma once

#include <cstdint>

#include <orvo/string.h>

#include <asn/constrained.h>

namespace asn {

// Bit i is in octet i / 8 under the mask 0x80 >> (i % 8).
class bitStringBase : public constrained {
public:
  unsigned length() const { return bits_; }
  const orvo::string& octets() const { return octets_; }
  // 0 or 1; throws "bitString out of bounds" at or beyond the length.
  int bit(unsigned i) const;
  void setBit(unsigned i);
  void clearBit(unsigned i);
  void toggleBit(unsigned i);
  void clear();
  // n bits, storage of (n + 7) / 8 octets; new bits are 0.
  void setLength(unsigned n);
  // n bits copied from (n + 7) / 8 octets.
  void setBits(const void* octets, unsigned n);

  void encode(codec& c) const override;
  void decode(codec& c) override;
  void assign(const object& other) override;
  bool isEqual(const object& other) const override;

protected:
  explicit bitStringBase(const typeInfo* record) : constrained(record) {}
  bitStringBase(const bitStringBase&) = default;
  bitStringBase& operator=(const bitStringBase&) = default;

private:
  unsigned char* writableOctet(unsigned i);
  orvo::string octets_;
  uint32_t bits_ = 0;
};

// BIT STRING (SIZE (lb..ub)); 0..0 any size.
template <uint32_t lb, uint32_t ub, uint32_t k>
class bitString : public bitStringBase {
public:
  static constexpr typeInfo info = typeInfo::constrained(3, k, lb, ub);
  bitString() : bitStringBase(&info) {}
  bitString(const bitString&) = default;
  bitString& operator=(const bitString&) = default;
  static object* create() { return new bitString; }
};

}  // namespace asn

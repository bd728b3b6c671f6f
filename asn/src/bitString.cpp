#include <asn/bitString.h>

#include <cstring>

#include <orvo/exception.h>

#include <asn/codec.h>

namespace asn {

int bitStringBase::bit(unsigned i) const {
  if (i >= bits_) throw new orvo::exception("bitString out of bounds");
  return (static_cast<unsigned char>(octets_.buffer()[i / 8]) & (0x80u >> (i % 8))) ? 1 : 0;
}

unsigned char* bitStringBase::writableOctet(unsigned i) {
  if (i >= bits_) throw new orvo::exception("bitString out of bounds");
  return reinterpret_cast<unsigned char*>(octets_.charRef(i / 8));
}

void bitStringBase::setBit(unsigned i) { *writableOctet(i) |= (0x80u >> (i % 8)); }
void bitStringBase::clearBit(unsigned i) { *writableOctet(i) &= ~(0x80u >> (i % 8)); }
void bitStringBase::toggleBit(unsigned i) { *writableOctet(i) ^= (0x80u >> (i % 8)); }

void bitStringBase::clear() {
  octets_.clear();
  bits_ = 0;
}

void bitStringBase::setLength(unsigned n) {
  unsigned oldOctets = octets_.length();
  unsigned newOctets = unsigned((uint64_t(n) + 7) / 8);
  octets_.setLength(newOctets);
  if (newOctets > oldOctets) std::memset(octets_.charRef(oldOctets), 0, newOctets - oldOctets);
  // Bits past the end of a shortened string are cleared so that a later
  // lengthening shows 0 there.
  if (n % 8 != 0 && newOctets > 0) *octets_.charRef(newOctets - 1) &= static_cast<char>(0xFF00u >> (n % 8));
  bits_ = n;
}

void bitStringBase::setBits(const void* octets, unsigned n) {
  octets_.assign(octets, unsigned((uint64_t(n) + 7) / 8));
  bits_ = n;
}

void bitStringBase::encode(codec& c) const { c.encodeBitString(*this); }
void bitStringBase::decode(codec& c) { c.decodeBitString(*this); }

void bitStringBase::assign(const object& other) {
  requireSameType(other);
  const bitStringBase& o = static_cast<const bitStringBase&>(other);
  octets_ = o.octets_;
  bits_ = o.bits_;
}

bool bitStringBase::isEqual(const object& other) const {
  requireSameType(other);
  const bitStringBase& o = static_cast<const bitStringBase&>(other);
  if (bits_ != o.bits_) return false;
  unsigned whole = bits_ / 8;
  if (std::memcmp(octets_.buffer(), o.octets_.buffer(), whole) != 0) return false;
  unsigned rest = bits_ % 8;
  if (rest == 0) return true;
  unsigned mask = 0xFF00u >> rest & 0xFF;
  return (static_cast<unsigned char>(octets_.buffer()[whole]) & mask) ==
         (static_cast<unsigned char>(o.octets_.buffer()[whole]) & mask);
}

}  // namespace asn

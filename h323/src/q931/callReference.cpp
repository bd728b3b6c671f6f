#include <h323/q931/callReference.h>

#include <cstring>
#include <ios>
#include <utility>

namespace Q931 {

namespace {

unsigned char* copyOf(const unsigned char* octets, unsigned length) {
  if (length == 0) return nullptr;
  unsigned char* copy = new unsigned char[length];
  std::memcpy(copy, octets, length);
  return copy;
}

}  // namespace

callReference::callReference(const unsigned char* octets, unsigned length, bool flag) : flag_(flag) {
  if (length > maximumLength) throw new orvo::exception("Q.931: call reference of %u octets, at most 15 fit.", length);
  octets_ = copyOf(octets, length);
  length_ = length;
}

callReference::callReference(uint16_t value, bool flag) : length_(2), flag_(flag) {
  octets_ = new unsigned char[2]{(unsigned char)(value >> 8), (unsigned char)value};
}

callReference::callReference(const callReference& other)
    : octets_(copyOf(other.octets_, other.length_)), length_(other.length_), flag_(other.flag_) {}

callReference& callReference::operator=(const callReference& other) {
  callReference copy(other);
  swap(copy);
  return *this;
}

callReference::~callReference() { delete[] octets_; }

void callReference::swap(callReference& other) {
  std::swap(octets_, other.octets_);
  std::swap(length_, other.length_);
  std::swap(flag_, other.flag_);
}

bool callReference::operator==(const callReference& other) const {
  return length_ == other.length_ && flag_ == other.flag_ &&
         (length_ == 0 || std::memcmp(octets_, other.octets_, length_) == 0);
}

unsigned callReference::value() const {
  if (length_ == 0) return 0;
  if (length_ == 1) return octets_[0];
  return unsigned(octets_[0]) << 8 | octets_[1];
}

void callReference::encode(orvo::byteStream& out) const {
  unsigned char octets[1 + maximumLength];
  octets[0] = (unsigned char)length_;
  if (length_ != 0) {
    std::memcpy(octets + 1, octets_, length_);
    // Bit 8 of the first octet is the flag alone: a value that has it set
    // would otherwise claim the other side's direction.
    octets[1] = (unsigned char)((octets[1] & 0x7F) | (flag_ ? 0x00 : 0x80));
  }
  out.write(octets, 1 + length_);
}

void callReference::decode(orvo::byteStream& in) {
  unsigned char lengthOctet;
  in.read(&lengthOctet, 1);
  unsigned length = lengthOctet & 0x0F;
  unsigned char octets[maximumLength];
  in.read(octets, length);
  callReference fresh(octets, length, flag_);
  if (length != 0) {
    fresh.flag_ = (octets[0] & 0x80) == 0;
    fresh.octets_[0] &= 0x7F;
  }
  swap(fresh);
}

void callReference::print(std::ostream& out) const {
  out << "length (in octets): " << std::dec << length_;
  if (length_ != 0) {
    char fill = out.fill('0');
    out << ", value (in hex): " << std::hex << std::uppercase;
    for (unsigned i = 0; i < length_; ++i) {
      out.width(2);
      out << unsigned(octets_[i]) << ' ';
    }
    out << std::dec;
    out.fill(fill);
    out.unsetf(std::ios::uppercase);
  }
  out << ", flag: " << (flag_ ? "0 - origination side" : "1 - destination side");
}

}  // namespace Q931

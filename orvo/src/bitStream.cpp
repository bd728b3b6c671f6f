#include <orvo/bitStream.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#include <orvo/blockCache.h>

namespace orvo {

namespace {

unsigned roundedGrowth(unsigned growth) {
  if (growth == 0) return 4;  // a zero step would never grow
  const std::uint64_t rounded = (std::uint64_t(growth) + 3) / 4 * 4;
  return rounded > std::numeric_limits<unsigned>::max() ? 0xFFFFFFFCu : unsigned(rounded);
}

// A decoder's copy of one datagram, or an encoder's first buffer, is a block
// of a few hundred octets made and dropped with every message: those come
// from the thread's block cache instead of the heap. Only the octets from
// `from` on are zeroed; those before are about to be overwritten.
unsigned char* newBlock(std::uint64_t size, std::uint64_t from = 0) {
  if (size > std::numeric_limits<unsigned>::max()) throw std::bad_alloc();
  if (size <= blockCache::largest) {
    unsigned char* block = static_cast<unsigned char*>(blockCache::allocate(std::size_t(size)));
    std::memset(block + from, 0, std::size_t(size - from));
    return block;
  }
  void* block = std::calloc(std::size_t(size), 1);
  if (!block) throw std::bad_alloc();
  return static_cast<unsigned char*>(block);
}

void dropBlock(unsigned char* block, unsigned size) {
  if (size <= blockCache::largest)
    blockCache::release(block, size);
  else
    std::free(block);
}

inline unsigned lowBits(unsigned count) { return (1u << count) - 1; }  // count 0..8

}  // namespace

string bitStream::outOfBounds::what() const { return string("Bit stream index out of bounds."); }

bitStream::bitStream(unsigned growth) : growth_(roundedGrowth(growth)) {}

bitStream::bitStream(const void* data, unsigned length, unsigned growth) : growth_(roundedGrowth(growth)) {
  if (length == 0) return;
  const std::uint64_t size = (std::uint64_t(length) + growth_ - 1) / growth_ * growth_;
  buffer_ = newBlock(size, length);
  held_ = unsigned(size);
  std::memcpy(buffer_, data, length);
  size_ = length;
  writeByte_ = length;
}

bitStream::bitStream(const void* data, unsigned length, unsigned growth, borrowing)
    : growth_(roundedGrowth(growth)), owned_(false) {
  if (length == 0) return;
  buffer_ = static_cast<unsigned char*>(const_cast<void*>(data));
  size_ = length;
  writeByte_ = length;
}

bitStream::~bitStream() {
  if (owned_ && buffer_) dropBlock(buffer_, held_);
}

unsigned bitStream::octetLength() const { return writeByte_ + (writeBit_ != 0 ? 1 : 0); }

unsigned bitStream::bitLength() const { return writeByte_ * 8 + writeBit_; }

const unsigned char* bitStream::data() const {
  if ((readAt_ >> 3) >= size_) throw new outOfBounds();
  return buffer_ + (readAt_ >> 3);
}

void bitStream::writeFewBits(unsigned value, unsigned count) {
  reserve((count + 7) / 8);
  unsigned remaining = count;
  while (remaining > 0) {
    const unsigned take = remaining < 8 - writeBit_ ? remaining : 8 - writeBit_;
    const unsigned bits = (value >> (remaining - take)) & lowBits(take);
    buffer_[writeByte_] |= static_cast<unsigned char>(bits << (8 - take - writeBit_));
    writeBit_ += take;
    if (writeBit_ == 8) {
      writeBit_ = 0;
      ++writeByte_;
    }
    remaining -= take;
  }
}

void bitStream::writeBitsStepwise(unsigned value, unsigned count) {
  // Wider fields are the value zero-extended on the left.
  while (count > 32) {
    const unsigned zeros = count - 32 < 32 ? count - 32 : 32;
    writeFewBits(0, zeros);
    count -= zeros;
  }
  writeFewBits(value, count);
}

unsigned bitStream::readBitsStepwise(unsigned count) {
  unsigned result = 0;
  unsigned remaining = count;
  while (remaining > 0) {
    const std::uint64_t at = readAt_ >> 3;
    const unsigned bit = unsigned(readAt_ & 7);
    const unsigned take = remaining < 8 - bit ? remaining : 8 - bit;
    if (at >= size_) throw new outOfBounds();
    const unsigned bits = (buffer_[at] >> (8 - bit - take)) & lowBits(take);
    result = (result << take) | bits;  // wider reads keep the low 32 bits
    readAt_ += take;
    remaining -= take;
  }
  return result;
}

void bitStream::writeBitsArray(const unsigned* words, unsigned count) {
  for (; count > 0; ++words) {
    const unsigned chunk = count < 32 ? count : 32;
    writeBits(*words, chunk);
    count -= chunk;
  }
}

void bitStream::readBitsArray(unsigned* words, unsigned count) {
  for (; count > 0; ++words) {
    const unsigned chunk = count < 32 ? count : 32;
    *words = readBits(chunk);
    count -= chunk;
  }
}

void bitStream::writeOctet(unsigned value) {
  alignWrite();
  reserve(1);
  buffer_[writeByte_++] = static_cast<unsigned char>(value);
}

unsigned bitStream::readOctet() {
  alignRead();
  const std::uint64_t at = readAt_ >> 3;
  if (at >= size_) throw new outOfBounds();
  readAt_ += 8;
  return buffer_[at];
}

void bitStream::writeOctets(const void* data, unsigned length) {
  alignWrite();
  reserve(length);
  if (length > 0) std::memcpy(buffer_ + writeByte_, data, length);
  writeByte_ += length;
}

void bitStream::readOctets(void* out, unsigned length) {
  alignRead();
  const std::uint64_t at = readAt_ >> 3;
  if (at + length > size_) throw new outOfBounds();
  if (length > 0) std::memcpy(out, buffer_ + at, length);
  readAt_ += std::uint64_t(length) * 8;
}

unsigned char* bitStream::writeRun(unsigned length) {
  alignWrite();
  if (length == 0) return buffer_ ? buffer_ + writeByte_ : nullptr;
  reserve(length);
  unsigned char* run = buffer_ + writeByte_;
  writeByte_ += length;
  return run;
}

unsigned bitStream::reserve(unsigned octets) {
  // Growth at >= keeps one spare octet beyond the request, so a bit field
  // that starts inside an octet and spans one more still fits.
  if (!buffer_) {
    const std::uint64_t size = (std::uint64_t(growth_) + octets) / growth_ * growth_;
    buffer_ = newBlock(size);
    size_ = unsigned(size);
    held_ = size_;
    owned_ = true;
    writeByte_ = 0;
    readAt_ = 0;
  } else if (!owned_ || std::uint64_t(writeByte_) + octets >= size_) {
    // Borrowed bytes are copied before the first write, grown or not.
    const std::uint64_t needed = std::uint64_t(writeByte_) + octets;
    const std::uint64_t size = needed >= size_ ? (needed + growth_) / growth_ * growth_ : size_;
    unsigned char* grown = newBlock(size, size_);
    std::memcpy(grown, buffer_, size_);
    if (owned_) dropBlock(buffer_, held_);
    buffer_ = grown;
    size_ = unsigned(size);
    held_ = size_;
    owned_ = true;
  }
  return size_;
}

}  // namespace orvo

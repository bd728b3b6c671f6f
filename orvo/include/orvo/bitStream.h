// Bit-addressed buffer under the aligned PER codec.
#pragma once

#include <cstdint>
#include <cstring>

#include <orvo/exception.h>
#include <orvo/string.h>

namespace orvo {

// Bits run most significant first: bit position 0 of an octet is 0x80.
// Read and write positions are independent; unwritten bits are 0.
class bitStream {
public:
  class exception : public orvo::exception {};
  class outOfBounds : public bitStream::exception {
  protected:
    orvo::string what() const override;
  };

  // An empty stream for writing; the allocation grows in steps of growth
  // (rounded up to a multiple of 4).
  explicit bitStream(unsigned growth);
  // A stream for reading over a copy of the bytes.
  bitStream(const void* data, unsigned length, unsigned growth);
  // A stream for reading over the bytes themselves, which must stay alive
  // and unchanged while it is in use; a write first copies them.
  enum borrowing { borrowed };
  bitStream(const void* data, unsigned length, unsigned growth, borrowing);
  ~bitStream();

  bitStream(const bitStream&) = delete;
  bitStream& operator=(const bitStream&) = delete;

  // Length of the encoding: a started octet counts whole.
  unsigned octetLength() const;
  unsigned bitLength() const;
  // The octet at the read position (for a stream just written, the start of
  // the encoding); throws outOfBounds when there is none.
  const unsigned char* data() const;

  void alignWrite() {
    if (writeBit_ == 0) return;
    reserve(1);
    writeBit_ = 0;
    ++writeByte_;
  }
  void alignRead() { readAt_ = (readAt_ + 7) & ~std::uint64_t(7); }

  inline void writeBits(unsigned value, unsigned count);
  inline unsigned readBits(unsigned count);
  void writeBitsArray(const unsigned* words, unsigned count);
  void readBitsArray(unsigned* words, unsigned count);

  void writeOctet(unsigned value);
  unsigned readOctet();
  void writeOctets(const void* data, unsigned length);
  void readOctets(void* out, unsigned length);
  // Whole octets in place: the next `length` octets after aligning, for
  // the caller to fill (counted as written) or to read (counted as read).
  // A run past the end throws outOfBounds and reads nothing.
  unsigned char* writeRun(unsigned length);
  const unsigned char* readRun(unsigned length) {
    alignRead();
    const std::uint64_t at = readAt_ >> 3;
    if (at + length > size_) throw new outOfBounds();
    if (length == 0) return buffer_;
    readAt_ += std::uint64_t(length) * 8;
    return buffer_ + at;
  }
  // Octets from the read position to the end of the stream.
  unsigned unreadOctets() const {
    const std::uint64_t at = readAt_ >> 3;
    return at < size_ ? unsigned(size_ - at) : 0;
  }

  // Reading confined to the next `length` octets after aligning, as if they
  // were a stream of their own: nothing beyond them can be read, and reading
  // resumes after them, read or not, once leaveRun is given the result.
  // A run past the end throws outOfBounds and confines nothing.
  unsigned enterRun(unsigned length) {
    alignRead();
    const std::uint64_t at = readAt_ >> 3;
    if (at + length > size_) throw new outOfBounds();
    const unsigned outer = size_;
    size_ = unsigned(at) + length;
    return outer;
  }
  void leaveRun(unsigned outer) {
    readAt_ = std::uint64_t(size_) * 8;
    size_ = outer;
  }

  // Ensures room for n octets (plus one spare) behind the write position;
  // returns the size.
  unsigned reserve(unsigned octets);

private:
  unsigned char* buffer_ = nullptr;
  unsigned size_ = 0;
  std::uint64_t readAt_ = 0;  // in bits
  unsigned writeByte_ = 0;
  unsigned writeBit_ = 0;
  unsigned growth_;
  bool owned_ = true;
  unsigned held_ = 0;  // octets of the owned allocation

  void writeFewBits(unsigned value, unsigned count);
  void writeBitsStepwise(unsigned value, unsigned count);
  unsigned readBitsStepwise(unsigned count);

  // One load or store and a byte swap; at -O2 the compiler does not find
  // that in an octet loop by itself.
  static std::uint64_t loadBigEndian(const unsigned char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, 8);
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    v = __builtin_bswap64(v);
#endif
    return v;
  }
  static void storeBigEndian(unsigned char* p, std::uint64_t v) {
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    v = __builtin_bswap64(v);
#endif
    std::memcpy(p, &v, 8);
  }
};

// Fields of up to 32 bits go through one 64-bit window when eight octets
// lie ahead; near the end, or wider, octet by octet.
inline void bitStream::writeBits(unsigned value, unsigned count) {
  // Growth keeps a spare octet, so a window that reserve would not grow for
  // is one whose eight octets lie inside the allocation.
  if (count - 1 < 32 && std::uint64_t(writeByte_) + 8 < size_) {
    const std::uint64_t field = std::uint64_t(value) & ((std::uint64_t(1) << count) - 1);
    unsigned char* p = buffer_ + writeByte_;
    storeBigEndian(p, loadBigEndian(p) | field << (64 - writeBit_ - count));
    const unsigned end = writeBit_ + count;
    writeByte_ += end >> 3;
    writeBit_ = end & 7;
    return;
  }
  writeBitsStepwise(value, count);
}

inline unsigned bitStream::readBits(unsigned count) {
  const std::uint64_t at = readAt_;
  if (count - 1 < 32 && (at >> 3) + 8 <= size_) {
    readAt_ = at + count;
    return unsigned((loadBigEndian(buffer_ + (at >> 3)) << (at & 7)) >> (64 - count));
  }
  return readBitsStepwise(count);
}

}  // namespace orvo

// Bit-addressed buffer under the aligned PER codec.
#pragma once

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
  ~bitStream();

  bitStream(const bitStream&) = delete;
  bitStream& operator=(const bitStream&) = delete;

  // Length of the encoding: a started octet counts whole.
  unsigned octetLength() const;
  unsigned bitLength() const;
  // The octet at the read position (for a stream just written, the start of
  // the encoding); throws outOfBounds when there is none.
  const unsigned char* data() const;

  void alignWrite();
  void alignRead();

  void writeBits(unsigned value, unsigned count);
  unsigned readBits(unsigned count);
  void writeBitsArray(const unsigned* words, unsigned count);
  void readBitsArray(unsigned* words, unsigned count);

  void writeOctet(unsigned value);
  unsigned readOctet();
  void writeOctets(const void* data, unsigned length);
  void readOctets(void* out, unsigned length);

  // Ensures room for n octets (plus one spare) behind the write position;
  // returns the size.
  unsigned reserve(unsigned octets);

private:
  unsigned char* buffer_ = nullptr;
  unsigned size_ = 0;
  unsigned readByte_ = 0;
  unsigned readBit_ = 0;
  unsigned writeByte_ = 0;
  unsigned writeBit_ = 0;
  unsigned growth_;

  void writeFewBits(unsigned value, unsigned count);
};

}  // namespace orvo

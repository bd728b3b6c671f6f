// Growable byte buffer with a write end and a read cursor; carries encoded
// messages between the codecs and the transports.
#pragma once

#include <ostream>

#include <orvo/exception.h>
#include <orvo/hexDump.h>

namespace orvo {

class byteStream {
public:
  class exception : public orvo::exception {};
  class outOfBounds : public byteStream::exception {
  protected:
    string what() const override;
  };

  // Empty; allocations are multiples of growth.
  explicit byteStream(unsigned growth);
  // A copy of the bytes, growth 128.
  byteStream(const void* data, unsigned length);
  // Deep copies; the read position starts at the beginning.
  byteStream(const byteStream& other);
  byteStream& operator=(const byteStream& other);
  ~byteStream();

  // Frees the buffer; the growth step is kept.
  void clear();
  // Room for count more bytes at the write end; returns the allocated size.
  unsigned reserve(unsigned count);
  void write(const void* data, unsigned length);
  // Throw outOfBounds, changing nothing, without a buffer or when the
  // bytes are not there.
  void read(void* out, unsigned length);
  void skip(int count);
  // Moves the bytes not yet read to the start of the buffer: the room of
  // those read is used again by the next writes. The allocation stays.
  void discardRead();

  // Room for length bytes at the write end, which stays until commitWrite.
  unsigned char* prepareWrite(unsigned length);
  // Advances the write end by length, or by the prepared length for -1;
  // a length beyond the allocation throws outOfBounds.
  bool commitWrite(int length = -1);
  bool cancelWrite();

  // Replaces the file through a temporary beside it (mode 0600), so a
  // failed write keeps the old file; false on any failure.
  bool saveToFile(const char* path) const;
  // Appends the whole regular file; false, with the content unchanged, on
  // any failure or for files of 4 GiB or more.
  bool loadFromFile(const char* path);

  // Framed hex dump of every byte in use.
  void dump(std::ostream& out) const;

  unsigned char* buffer() { return buffer_; }
  const unsigned char* buffer() const { return buffer_; }
  const unsigned char* writeEnd() const { return writeEnd_; }
  const unsigned char* readPosition() const { return readPosition_; }
  unsigned length() const { return unsigned(writeEnd_ - buffer_); }
  unsigned remaining() const { return unsigned(writeEnd_ - readPosition_); }
  bool exhausted() const { return !buffer_ || readPosition_ == writeEnd_; }
  unsigned allocatedSize() const { return allocated_; }
  unsigned growth() const { return growth_; }

private:
  unsigned char* buffer_ = nullptr;
  unsigned char* writeEnd_ = nullptr;
  unsigned char* readPosition_ = nullptr;
  unsigned pending_ = 0;
  unsigned allocated_ = 0;
  unsigned growth_;

  void copyFrom(const byteStream& other);
};

}  // namespace orvo

#include <orvo/byteStream.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace orvo {

namespace {

// Writes every byte, retrying interrupted and partial writes.
bool writeAll(int fd, const unsigned char* data, std::size_t length) {
  while (length > 0) {
    const ssize_t n = ::write(fd, data, length);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    length -= std::size_t(n);
  }
  return true;
}

// Reads up to length bytes, retrying interrupted and partial reads; the count read.
std::size_t readAll(int fd, unsigned char* data, std::size_t length) {
  std::size_t got = 0;
  while (got < length) {
    const ssize_t n = ::read(fd, data + got, length - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += std::size_t(n);
  }
  return got;
}

}  // namespace

string byteStream::outOfBounds::what() const { return string("Byte stream index out of bounds."); }

byteStream::byteStream(unsigned growth) : growth_(growth == 0 ? 1 : growth) {}

byteStream::byteStream(const void* data, unsigned length) : growth_(128) {
  unsigned char* room = prepareWrite(length);
  if (length != 0) std::memcpy(room, data, length);
  commitWrite(-1);
}

byteStream::byteStream(const byteStream& other) : growth_(other.growth_) { copyFrom(other); }

byteStream& byteStream::operator=(const byteStream& other) {
  if (this == &other) return *this;  // freeing first would lose the bytes
  clear();
  copyFrom(other);
  return *this;
}

byteStream::~byteStream() { std::free(buffer_); }

void byteStream::copyFrom(const byteStream& other) {
  growth_ = other.growth_;
  pending_ = 0;
  if (other.allocated_ == 0) return;
  buffer_ = static_cast<unsigned char*>(std::malloc(other.allocated_));
  if (!buffer_) throw std::bad_alloc();
  std::memcpy(buffer_, other.buffer_, other.allocated_);
  allocated_ = other.allocated_;
  writeEnd_ = buffer_ + other.length();
  readPosition_ = buffer_;
}

void byteStream::clear() {
  std::free(buffer_);
  buffer_ = writeEnd_ = readPosition_ = nullptr;
  allocated_ = 0;
  pending_ = 0;
}

unsigned byteStream::reserve(unsigned count) {
  if (count == 0) return allocated_;
  const std::uint64_t used = length();
  if (buffer_ && used + count <= allocated_) return allocated_;
  const std::uint64_t size = (used + count + growth_ - 1) / growth_ * growth_;
  if (size > 0xFFFFFFFFu) throw std::bad_alloc();
  void* moved = std::realloc(buffer_, std::size_t(size));
  if (!moved) throw std::bad_alloc();
  const std::size_t readOffset = std::size_t(readPosition_ - buffer_);
  buffer_ = static_cast<unsigned char*>(moved);
  writeEnd_ = buffer_ + used;
  readPosition_ = buffer_ + readOffset;
  allocated_ = unsigned(size);
  return allocated_;
}

void byteStream::write(const void* data, unsigned length) {
  if (length == 0) return;
  reserve(length);
  std::memcpy(writeEnd_, data, length);
  writeEnd_ += length;
}

void byteStream::read(void* out, unsigned length) {
  if (!buffer_ || remaining() < length) throw new outOfBounds();
  if (length != 0) std::memcpy(out, readPosition_, length);
  readPosition_ += length;
}

void byteStream::skip(int count) {
  if (!buffer_) throw new outOfBounds();
  const std::int64_t position = std::int64_t(readPosition_ - buffer_) + count;
  if (position < 0 || position > std::int64_t(length())) throw new outOfBounds();
  readPosition_ = buffer_ + position;
}

void byteStream::discardRead() {
  if (!buffer_ || readPosition_ == buffer_) return;
  const unsigned rest = remaining();
  std::memmove(buffer_, readPosition_, rest);
  writeEnd_ = buffer_ + rest;
  readPosition_ = buffer_;
}

unsigned char* byteStream::prepareWrite(unsigned length) {
  reserve(length);
  pending_ = length;
  return writeEnd_;
}

bool byteStream::commitWrite(int length) {
  const std::int64_t advance = length == -1 ? std::int64_t(pending_) : std::int64_t(length);
  if (advance < 0 || std::int64_t(this->length()) + advance > std::int64_t(allocated_)) throw new outOfBounds();
  writeEnd_ += advance;
  pending_ = 0;
  return true;
}

bool byteStream::cancelWrite() {
  pending_ = 0;
  return true;
}

bool byteStream::saveToFile(const char* path) const {
  if (!path || !*path) return false;
  std::string temporary = std::string(path) + ".XXXXXX";
  const int fd = mkostemp(&temporary[0], O_CLOEXEC);  // mode 0600
  if (fd < 0) return false;
  bool written = writeAll(fd, buffer_, length()) && fsync(fd) == 0;
  if (close(fd) != 0) written = false;
  if (written && std::rename(temporary.c_str(), path) == 0) return true;
  unlink(temporary.c_str());
  return false;
}

bool byteStream::loadFromFile(const char* path) {
  if (!path) return false;
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool loaded = false;
  struct stat status;
  if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size >= 0 &&
      std::uint64_t(status.st_size) + length() <= 0xFFFFFFFFu) {
    const unsigned size = unsigned(status.st_size);
    try {
      unsigned char* room = prepareWrite(size);
      if (readAll(fd, room, size) == size) {
        commitWrite(-1);
        loaded = true;
      } else {
        cancelWrite();
      }
    } catch (const std::bad_alloc&) {
      loaded = false;
    }
  }
  close(fd);
  return loaded;
}

void byteStream::dump(std::ostream& out) const {
  const unsigned n = length();
  const std::string dashes(75, '-');
  out << "Buffer: " << static_cast<const void*>(buffer_) << ", " << std::dec << n << " octets (hex output)"
      << std::endl;
  out << dashes << std::endl;
  hexDump(out, buffer_, int(n), "");
  out << dashes << std::endl;
}

}  // namespace orvo

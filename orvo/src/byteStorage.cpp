#include <orvo/byteStorage.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

namespace orvo {

namespace {

unsigned atLeastOne(unsigned blockSize) { return blockSize == 0 ? 1 : blockSize; }

}  // namespace

string byteStorage::outOfBounds::what() const { return string("Byte storage index out of bounds."); }

string byteStorage::outOfMemory::what() const { return string("Byte storage out of memory."); }

byteStorageContainer::byteStorageContainer(unsigned minimumSize, unsigned blockSize)
    : minimumSize(minimumSize), blockSize(atLeastOne(blockSize)) {
  resize(0);
}

byteStorageContainer::~byteStorageContainer() {
  if (allocated != 0) std::free(data);
}

void byteStorageContainer::resize(unsigned newLength) {
  std::uint64_t size = (std::uint64_t(blockSize) + newLength - 1) / blockSize * blockSize;
  if (size < minimumSize) size = minimumSize;
  if (size > 0xFFFFFFFFu) throw new byteStorage::outOfMemory();
  if (size != allocated) {
    if (allocated != 0 && size == 0) {
      std::free(data);
      data = nullptr;
      allocated = 0;
    } else {
      void* moved = std::realloc(allocated != 0 ? data : nullptr, std::size_t(size));
      if (!moved) throw new byteStorage::outOfMemory();
      data = static_cast<unsigned char*>(moved);
      allocated = unsigned(size);
    }
  }
  length = newLength;
}

unsigned char* byteStorageContainer::insertGap(unsigned index, unsigned count) {
  if (index > length) throw new byteStorage::outOfBounds();
  if (std::uint64_t(length) + count > 0xFFFFFFFFu) throw new byteStorage::outOfMemory();
  const unsigned tail = length - index;
  resize(length + count);
  if (count != 0 && tail != 0) std::memmove(data + index + count, data + index, tail);
  return allocated != 0 ? data + index : nullptr;
}

void byteStorageContainer::erase(unsigned index, unsigned count) {
  if (std::uint64_t(index) + count > length) throw new byteStorage::outOfBounds();
  const unsigned tail = length - index - count;
  if (count != 0 && tail != 0) std::memmove(data + index, data + index + count, tail);
  resize(length - count);
}

void byteStorageContainer::setSizes(unsigned newMinimumSize, unsigned newBlockSize) {
  minimumSize = newMinimumSize;
  blockSize = atLeastOne(newBlockSize);
  resize(length);
}

unsigned char* byteStorageContainer::at(unsigned index) const { return index < length ? data + index : nullptr; }

byteStorage::byteStorage() : minimumSize(0), blockSize(1) {}

byteStorage::byteStorage(unsigned minimumSize, unsigned blockSize)
    : minimumSize(minimumSize), blockSize(atLeastOne(blockSize)) {}

byteStorage::byteStorage(const void* data, unsigned length, unsigned minimumSize, unsigned blockSize)
    : minimumSize(minimumSize), blockSize(atLeastOne(blockSize)) {
  insert(0, data, length);
}

byteStorage::byteStorage(const byteStorage& other)
    : sharedContainer(), minimumSize(other.minimumSize), blockSize(other.blockSize) {
  attach(other.rep);
}

byteStorage& byteStorage::operator=(const byteStorage& other) {
  minimumSize = other.minimumSize;
  blockSize = other.blockSize;
  attach(other.rep);  // raises the new count before dropping the old one
  return *this;
}

byteStorage::~byteStorage() = default;

byteStorageContainer* byteStorage::createContainer() const { return new byteStorageContainer(minimumSize, blockSize); }

void byteStorage::makeUnique() {
  if (!rep) {
    attach(createContainer());
    return;
  }
  if (rep->referenceCount == 1) return;
  const byteStorageContainer* old = content();
  std::unique_ptr<byteStorageContainer> copy(createContainer());
  copy->resize(old->allocated);
  if (old->length != 0) std::memcpy(copy->data, old->data, old->length);
  copy->length = old->length;
  attach(copy.release());
}

void byteStorage::assign(const void* data, unsigned length) {
  // The bytes may belong to the container about to be dropped.
  const byteStorage keep(*this);
  release();
  insert(0, data, length);
}

void byteStorage::insert(unsigned index, const void* data, unsigned length) {
  // Bytes from inside this storage would move or vanish with the resize.
  std::vector<unsigned char> own;
  const byteStorageContainer* c = content();
  if (c && c->allocated != 0 && length != 0) {
    const std::less<const unsigned char*> before;
    const auto* from = static_cast<const unsigned char*>(data);
    if (!before(from, c->data) && before(from, c->data + c->allocated)) {
      own.assign(from, from + length);
      data = own.data();
    }
  }
  makeUnique();
  unsigned char* gap = content()->insertGap(index, length);
  if (length != 0) std::memmove(gap, data, length);
}

void byteStorage::append(const void* data, unsigned length) { insert(this->length(), data, length); }

void byteStorage::setSizes(unsigned newMinimumSize, unsigned newBlockSize) {
  minimumSize = newMinimumSize;
  blockSize = atLeastOne(newBlockSize);
  if (!rep) return;
  makeUnique();
  content()->setSizes(minimumSize, blockSize);
}

int byteStorage::writeTo(int fd) const {
  if (!rep || content()->length == 0) return 0;
  const unsigned char* next = content()->data;
  unsigned left = content()->length;
  unsigned written = 0;
  while (left > 0) {
    const ssize_t n = ::write(fd, next, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return written != 0 ? int(written) : -1;
    }
    if (n == 0) break;
    next += n;
    left -= unsigned(n);
    written += unsigned(n);
  }
  return int(written);
}

int byteStorage::readFrom(int fd, unsigned count) {
  if (!rep || rep->referenceCount != 1) attach(createContainer());
  byteStorageContainer* c = content();
  c->resize(count);
  ssize_t n;
  do {
    n = count != 0 ? ::read(fd, c->data, count) : 0;
  } while (n < 0 && errno == EINTR);
  if (n != ssize_t(count)) c->resize(n < 0 ? 0 : unsigned(n));
  return int(n);
}

}  // namespace orvo

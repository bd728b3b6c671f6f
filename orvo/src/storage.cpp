#include <orvo/storage.h>

#include <cstdlib>
#include <cstring>

namespace orvo {

storageContainer::storageContainer(unsigned elementSize, unsigned minimumCapacity, unsigned blockSize)
    : elementSize(elementSize), minimumCapacity(minimumCapacity), blockSize(blockSize) {}

storageContainer::~storageContainer() {
  std::free(data);
  data = nullptr;
}

void storageContainer::freeAll() {
  for (unsigned i = 0; i < count; ++i) destroyElement(data + size_t(i) * elementSize);
  std::free(data);
  data = nullptr;
  count = capacity = 0;
}

void storageContainer::resize(unsigned newCount) {
  unsigned long long wanted = minimumCapacity;
  if (blockSize > 0) {
    wanted = (static_cast<unsigned long long>(newCount) + blockSize - 1) / blockSize * blockSize;
    if (wanted < minimumCapacity) wanted = minimumCapacity;
  }
  if (wanted > 0xFFFFFFFFull || wanted * elementSize > size_t(-1) / 2) throw new outOfMemory();
  if (wanted != capacity) {
    if (wanted == 0) {
      std::free(data);
      data = nullptr;
    } else {
      void* p =
          capacity == 0 ? std::malloc(size_t(wanted) * elementSize) : std::realloc(data, size_t(wanted) * elementSize);
      if (!p) throw new outOfMemory();
      data = static_cast<char*>(p);
    }
    capacity = unsigned(wanted);
  }
  count = newCount;
}

void* storageContainer::insert(unsigned index, unsigned n) {
  if (index > count || n > 0xFFFFFFFFu - count) throw new outOfBounds();
  unsigned old = count;
  unsigned newCount = count + n;
  if (newCount > capacity)
    resize(newCount);
  else
    count = newCount;
  char* at = data + size_t(index) * elementSize;
  std::memmove(at + size_t(n) * elementSize, at, size_t(old - index) * elementSize);
  return at;
}

void* storageContainer::insertFrom(unsigned index, const void* source, unsigned n) {
  void* gap = insert(index, n);
  std::memcpy(gap, source, size_t(n) * elementSize);
  return gap;
}

void storageContainer::remove(unsigned index, unsigned n) {
  if (index > count || n > count - index) throw new outOfBounds();
  char* at = data + size_t(index) * elementSize;
  for (unsigned i = 0; i < n; ++i) destroyElement(at + size_t(i) * elementSize);
  std::memmove(at, at + size_t(n) * elementSize, size_t(count - index - n) * elementSize);
  // Unsigned on purpose: removing from a full array wraps and always resizes.
  unsigned slack = capacity - count - n;
  if (slack >= blockSize)
    resize(count - n);
  else
    count -= n;
}

void* storageContainer::at(unsigned index) const {
  return index < count ? data + size_t(index) * elementSize : nullptr;
}

void storageContainer::copyElements(const void* source, unsigned n) {
  if (n) std::memcpy(data, source, size_t(n) * elementSize);
}

storage::storage(unsigned elementSize, unsigned minimumCapacity, unsigned blockSize)
    : elementSize(elementSize), minimumCapacity(minimumCapacity), blockSize(blockSize) {}

storage::storage(const void* source, unsigned n, unsigned elementSize, unsigned minimumCapacity, unsigned blockSize)
    : elementSize(elementSize), minimumCapacity(minimumCapacity), blockSize(blockSize) {
  storageContainer* c = new storageContainer(elementSize, minimumCapacity, blockSize);
  try {
    c->resize(0);
    c->insertFrom(0, source, n);
  } catch (...) {
    delete c;
    throw;
  }
  attach(c);
}

storage::storage(const storage& other)
    : sharedContainer(),
      elementSize(other.elementSize),
      minimumCapacity(other.minimumCapacity),
      blockSize(other.blockSize) {
  attach(other.rep);
}

storage& storage::operator=(const storage& other) {
  elementSize = other.elementSize;
  minimumCapacity = other.minimumCapacity;
  blockSize = other.blockSize;
  attach(other.rep);
  return *this;
}

storageContainer* storage::newContainer() const {
  storageContainer* c = new storageContainer(elementSize, minimumCapacity, blockSize);
  try {
    c->resize(0);
  } catch (...) {
    delete c;
    throw;
  }
  return c;
}

void storage::unshare() {
  storageContainer* old = container();
  if (old && old->referenceCount == 1) return;
  storageContainer* fresh = newContainer();
  if (old) {
    try {
      fresh->resize(old->capacity);
      fresh->count = 0;
      fresh->copyElements(old->data, old->count);
      fresh->count = old->count;
    } catch (...) {
      delete fresh;
      throw;
    }
  }
  attach(fresh);
}

void storage::setCapacityPolicy(unsigned minimum, unsigned block) {
  minimumCapacity = minimum;
  blockSize = block;
  if (!rep) return;
  unshare();
  container()->minimumCapacity = minimum;
  container()->blockSize = block;
  container()->resize(container()->count);
}

}  // namespace orvo

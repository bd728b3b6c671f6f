// Copy-on-write byte array: copies share the bytes until one of them changes.
#pragma once

#include <orvo/exception.h>
#include <orvo/sharedContainer.h>

namespace orvo {

// The shared representation. Allocations are multiples of the block size,
// never below the minimum size.
class byteStorageContainer : public sharedContainer::container {
public:
  byteStorageContainer(unsigned minimumSize, unsigned blockSize);
  ~byteStorageContainer() override;
  byteStorageContainer(const byteStorageContainer&) = delete;
  byteStorageContainer& operator=(const byteStorageContainer&) = delete;

  // Throws byteStorage::outOfMemory, keeping data, length and allocation.
  void resize(unsigned newLength);
  // Opens count bytes at index (index == length appends); returns the gap.
  unsigned char* insertGap(unsigned index, unsigned count);
  void erase(unsigned index, unsigned count);
  void setSizes(unsigned minimumSize, unsigned blockSize);
  // Null when index >= length.
  unsigned char* at(unsigned index) const;

  unsigned char* data = nullptr;
  unsigned length = 0;
  unsigned allocated = 0;
  unsigned minimumSize;
  unsigned blockSize;
};

class byteStorage : private sharedContainer {
public:
  class exception : public orvo::exception {};
  class outOfBounds : public byteStorage::exception {
  protected:
    string what() const override;
  };
  class outOfMemory : public byteStorage::exception {
  protected:
    string what() const override;
  };

  // No container is made until the first change.
  byteStorage();
  byteStorage(unsigned minimumSize, unsigned blockSize);
  byteStorage(const void* data, unsigned length, unsigned minimumSize, unsigned blockSize);
  byteStorage(const byteStorage& other);
  byteStorage& operator=(const byteStorage& other);
  ~byteStorage() override;

  // Replaces the content with the bytes, in a fresh container.
  void assign(const void* data, unsigned length);
  // The bytes may lie inside this storage.
  void insert(unsigned index, const void* data, unsigned length);
  void append(const void* data, unsigned length);
  void setSizes(unsigned minimumSize, unsigned blockSize);
  using sharedContainer::release;
  using sharedContainer::shared;

  // Writes every byte in use, retrying interrupted and partial writes; the
  // count written, or -1 when nothing could be written. 0 without content.
  int writeTo(int fd) const;
  // Replaces the content with at most count bytes read from fd; the result
  // of read, after which the storage holds exactly the bytes read.
  int readFrom(int fd, unsigned count);

  unsigned length() const { return rep ? content()->length : 0; }
  unsigned allocatedSize() const { return rep ? content()->allocated : 0; }
  // Null when index >= length.
  const void* at(unsigned index) const { return rep ? content()->at(index) : nullptr; }

protected:
  virtual byteStorageContainer* createContainer() const;

private:
  byteStorageContainer* content() const { return static_cast<byteStorageContainer*>(rep); }
  void makeUnique();

  unsigned minimumSize;
  unsigned blockSize;
};

}  // namespace orvo

// Copy-on-write contiguous arrays with a capacity policy: the capacity grows
// in whole blocks and shrinks only when a removal leaves a block of slack.
#pragma once

#include <new>

#include <orvo/exception.h>
#include <orvo/sharedContainer.h>

namespace orvo {

class storageContainer : public sharedContainer::container {
public:
  class exception : public orvo::exception {};
  class outOfBounds : public exception {
  protected:
    string what() const override { return string("Storage container index out of bounds."); }
  };
  class outOfMemory : public exception {
  protected:
    string what() const override { return string("Storage container out of memory."); }
  };

  storageContainer(unsigned elementSize, unsigned minimumCapacity, unsigned blockSize);
  ~storageContainer() override;

  void* insert(unsigned index, unsigned n);
  void* insertFrom(unsigned index, const void* source, unsigned n);
  void remove(unsigned index, unsigned n);
  void* at(unsigned index) const;
  void resize(unsigned newCount);
  void freeAll();

  virtual void copyElements(const void* source, unsigned n);
  virtual void destroyElement(void*) {}

  char* data = nullptr;
  unsigned elementSize;
  unsigned count = 0;
  unsigned capacity = 0;
  unsigned minimumCapacity;
  unsigned blockSize;
};

class storage : public sharedContainer {
public:
  storage(unsigned elementSize, unsigned minimumCapacity, unsigned blockSize);
  storage(const void* data, unsigned count, unsigned elementSize, unsigned minimumCapacity, unsigned blockSize);
  storage(const storage& other);
  storage& operator=(const storage& other);

  virtual storageContainer* newContainer() const;

  void unshare();
  void setCapacityPolicy(unsigned minimumCapacity, unsigned blockSize);

  storageContainer* container() const { return static_cast<storageContainer*>(rep); }
  unsigned count() const { return rep ? container()->count : 0; }
  unsigned capacity() const { return rep ? container()->capacity : 0; }

protected:
  unsigned elementSize;
  unsigned minimumCapacity;
  unsigned blockSize;
};

template <class T>
class arrayContainer : public storageContainer {
public:
  arrayContainer(unsigned minimumCapacity, unsigned blockSize)
      : storageContainer(sizeof(T), minimumCapacity, blockSize) {}
  ~arrayContainer() override { freeAll(); }

  void copyElements(const void* source, unsigned n) override {
    const T* from = static_cast<const T*>(source);
    T* to = reinterpret_cast<T*>(data);
    for (unsigned i = 0; i < n; ++i) new (to + i) T(from[i]);
  }
  void destroyElement(void* element) override { static_cast<T*>(element)->~T(); }
};

// Elements must tolerate being moved as raw bytes (the storage moves them
// with memmove when it opens or closes a gap).
template <class T>
class vector : public storage {
public:
  vector(unsigned minimumCapacity, unsigned blockSize) : storage(sizeof(T), minimumCapacity, blockSize) {}

  storageContainer* newContainer() const override {
    auto* c = new arrayContainer<T>(minimumCapacity, blockSize);
    c->resize(0);
    return c;
  }

  T* at(unsigned index) const { return rep ? static_cast<T*>(container()->at(index)) : nullptr; }
  void insert(unsigned index, const T& value) {
    T copy(value);  // the value may live in this array, which may move
    unshare();
    new (container()->insert(index, 1)) T(copy);
  }
  void append(const T& value) { insert(count(), value); }
  void remove(unsigned index, unsigned n = 1) {
    unshare();
    container()->remove(index, n);
  }
};

}  // namespace orvo

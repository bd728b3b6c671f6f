// Shared-object reference counting and the single-owner auto pointer.
#pragma once

#include <orvo/assertion.h>

namespace orvo {

class refCount {
public:
  refCount() = default;
  refCount(const refCount&) = delete;
  refCount& operator=(const refCount&) = delete;
  virtual ~refCount() { ORVO_ASSERT(crefs == 0); }

  void addRef() { ++crefs; }
  // The holder that brings the count to 0 deletes the object.
  void releaseRef() {
    if (--crefs == 0) delete this;
  }
  unsigned references() const { return crefs; }

protected:
  unsigned crefs = 0;
};

template <class T>
class aptr {
public:
  explicit aptr(T* object = nullptr) : object(object) {}
  aptr(const aptr&) = delete;
  aptr& operator=(const aptr&) = delete;
  aptr(aptr&& other) noexcept : object(other.release()) {}
  aptr& operator=(aptr&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~aptr() { delete object; }

  T* get() const { return object; }
  T* operator->() const { return object; }
  T& operator*() const { return *object; }
  explicit operator bool() const { return object != nullptr; }

  T* release() {
    T* o = object;
    object = nullptr;
    return o;
  }
  void reset(T* fresh = nullptr) {
    if (fresh == object) return;
    T* old = object;
    object = fresh;
    delete old;
  }

private:
  T* object;
};

}  // namespace orvo

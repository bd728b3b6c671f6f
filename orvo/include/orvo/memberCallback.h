// A member function bound to its object: the one callback type of the
// dispatcher, the timers, the tasks and the RADIUS completions. It copies
// like a pointer, allocates nothing, and calls a virtual member through the
// object's class.
#pragma once

#include <cstring>
#include <type_traits>

namespace orvo {

template <class... Arguments>
class memberCallback {
public:
  memberCallback() = default;

  // Unset when either the object or the method is null.
  template <class T, class C>
  memberCallback(T* object, void (C::*method)(Arguments...)) {
    static_assert(std::is_convertible<T*, C*>::value, "the method must belong to the object's class");
    static_assert(sizeof method <= sizeof storage, "member pointer too large");
    if (!object || !method) return;
    target = static_cast<void*>(static_cast<C*>(object));
    std::memcpy(storage, &method, sizeof method);
    invoker = &invoke<C>;
  }

  explicit operator bool() const { return invoker != nullptr; }
  // The bound object, for identity (cancelling what it still has pending).
  void* object() const { return target; }

  // Does nothing when unset.
  void operator()(Arguments... arguments) const {
    if (invoker) invoker(target, storage, arguments...);
  }

  friend bool operator==(const memberCallback& a, const memberCallback& b) {
    return a.target == b.target && a.invoker == b.invoker && std::memcmp(a.storage, b.storage, sizeof a.storage) == 0;
  }
  friend bool operator!=(const memberCallback& a, const memberCallback& b) { return !(a == b); }

private:
  struct anyClass {};
  template <class C>
  static void invoke(void* object, const unsigned char* stored, Arguments... arguments) {
    void (C::*method)(Arguments...);
    std::memcpy(&method, stored, sizeof method);
    (static_cast<C*>(object)->*method)(arguments...);
  }

  void* target = nullptr;
  // A member pointer is two words whatever the class (pointer and adjustment).
  unsigned char storage[2 * sizeof(void(anyClass::*)())] = {};
  void (*invoker)(void*, const unsigned char*, Arguments...) = nullptr;
};

}  // namespace orvo

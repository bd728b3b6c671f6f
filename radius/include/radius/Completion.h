// How a request tells its requester the outcome: the requester's identity
// (so that it can cancel what it still has pending) and the handler.
#pragma once

#include <functional>

namespace RADIUS {

class TPacket;

struct TCompletion {
  using THandler = std::function<void(int AResult, TPacket* AAnswer)>;

  TCompletion() = default;
  TCompletion(void* ARequester, THandler AHandler) : Requester(ARequester), Handler(std::move(AHandler)) {}

  template <class T>
  static TCompletion Bind(T* ARequester, void (T::*AHandler)(int, TPacket*)) {
    return TCompletion(ARequester, [ARequester, AHandler](int AResult, TPacket* AAnswer) {
      (ARequester->*AHandler)(AResult, AAnswer);
    });
  }

  explicit operator bool() const { return static_cast<bool>(Handler); }

  void* Requester = nullptr;
  THandler Handler;
};

}  // namespace RADIUS

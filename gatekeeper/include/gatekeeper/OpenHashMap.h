// A map of 64-bit keys kept in one array (open addressing, linear probing),
// so that a lookup among a hundred thousand keys costs one cache miss where
// a map of linked nodes costs three: for the index of the lookup every
// request makes. Erasing shifts the later entries of a run back, so no
// marks of erased entries are left to slow lookups down.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

template <class TValue>
class TOpenHashMap {
public:
  TOpenHashMap() = default;

  size_t Size() const { return Count; }
  bool Empty() const { return Count == 0; }

  // Null when the key is not there.
  TValue* Find(uint64_t AKey) {
    if (Count == 0) return nullptr;
    for (size_t i = Home(AKey);; i = (i + 1) & Mask) {
      TSlot& slot = Slots[i];
      if (!slot.Used) return nullptr;
      if (slot.Key == AKey) return &slot.Value;
    }
  }
  const TValue* Find(uint64_t AKey) const { return const_cast<TOpenHashMap*>(this)->Find(AKey); }

  // The value of the key, made (value-initialised) when it is not there.
  // Other entries' values may move.
  TValue& operator[](uint64_t AKey) {
    if (TValue* found = Find(AKey)) return *found;
    // At most three quarters full, so that runs stay short.
    if ((Count + 1) * 4 > Slots.size() * 3) Grow();
    size_t i = Home(AKey);
    while (Slots[i].Used) i = (i + 1) & Mask;
    Slots[i].Used = true;
    Slots[i].Key = AKey;
    Slots[i].Value = TValue();
    ++Count;
    return Slots[i].Value;
  }

  // False when the key is not there. Other entries' values may move.
  bool Erase(uint64_t AKey) {
    if (Count == 0) return false;
    size_t hole = Home(AKey);
    for (;; hole = (hole + 1) & Mask) {
      if (!Slots[hole].Used) return false;
      if (Slots[hole].Key == AKey) break;
    }
    // An entry after the hole moves into it unless its home lies
    // (cyclically) after the hole and up to the entry itself.
    for (size_t next = (hole + 1) & Mask; Slots[next].Used; next = (next + 1) & Mask) {
      const size_t home = Home(Slots[next].Key);
      const bool stays = hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
      if (stays) continue;
      Slots[hole].Key = Slots[next].Key;
      Slots[hole].Value = std::move(Slots[next].Value);
      hole = next;
    }
    Slots[hole].Used = false;
    Slots[hole].Value = TValue();
    --Count;
    return true;
  }

  // Every entry, in no particular order: the visitor takes key and value.
  template <class TVisitor>
  void ForEach(TVisitor AVisit) const {
    for (const TSlot& slot : Slots)
      if (slot.Used) AVisit(slot.Key, slot.Value);
  }

private:
  struct TSlot {
    uint64_t Key = 0;
    bool Used = false;
    TValue Value{};
  };

  // Keys may be addresses or small numbers: they are mixed first, and the
  // high bits of the product chosen.
  size_t Home(uint64_t AKey) const { return size_t((AKey * 0x9E3779B97F4A7C15ull) >> Shift) & Mask; }

  void Grow() {
    std::vector<TSlot> old;
    old.swap(Slots);
    const size_t capacity = old.empty() ? 16 : old.size() * 2;
    Slots.resize(capacity);
    Mask = capacity - 1;
    Shift = 64;
    for (size_t c = capacity; c > 1; c >>= 1) --Shift;
    for (TSlot& slot : old) {
      if (!slot.Used) continue;
      size_t i = Home(slot.Key);
      while (Slots[i].Used) i = (i + 1) & Mask;
      Slots[i].Used = true;
      Slots[i].Key = slot.Key;
      Slots[i].Value = std::move(slot.Value);
    }
  }

  std::vector<TSlot> Slots;
  size_t Count = 0;
  size_t Mask = 0;
  unsigned Shift = 64;
};

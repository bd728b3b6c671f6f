// The core's list of live objects of one kind (procedures, registrations,
// links, calls, monitor clients). Objects attach and detach themselves; a
// walk hands each attached object to a visitor that may detach and delete it,
// detach and delete any other, attach new ones or start a nested walk of the
// same registry, and the walk still visits every object that was attached
// when it began and is attached when its turn comes, once, in attach order.
// What is still attached when the registry goes is deleted with it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

template <class T>
class TRegistry {
public:
  TRegistry() = default;
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;
  ~TRegistry() { Clear(); }

  // Takes the object; attaching one twice keeps one entry.
  void Attach(T* AObject) {
    if (!AObject || Contains(AObject)) return;
    Slots.emplace_back(AObject);
    ++Live;
  }

  // Gives the object back without deleting it; false when it was not attached.
  bool Detach(T* AObject) {
    if (!AObject) return false;
    auto slot = Find(AObject);
    if (slot == Slots.end()) return false;
    slot->release();
    --Live;
    // While a walk runs, positions must not move: the hole goes when the
    // outermost walk ends.
    if (Walks == 0)
      Slots.erase(slot);
    else
      HasHoles = true;
    return true;
  }

  bool Contains(const T* AObject) const { return AObject && Find(AObject) != Slots.end(); }
  size_t Count() const { return Live; }
  bool Empty() const { return Live == 0; }

  // Visits the objects in attach order until the visitor answers true; the
  // answer of the walk. Objects attached during the walk wait for the next.
  template <class TVisitor>
  bool ForEach(TVisitor AVisit) {
    TWalk walk(*this);
    const size_t end = Slots.size();
    for (size_t i = 0; i < end; ++i) {
      // Read afresh at each turn: an earlier visitor may have detached it.
      T* object = Slots[i].get();
      if (object && AVisit(object)) return true;
    }
    return false;
  }

  // Deletes every attached object, in attach order. A destructor may detach
  // others (and then delete them) and attach new ones, which go too.
  void Clear() {
    TWalk walk(*this);
    for (size_t i = 0; i < Slots.size(); ++i) {
      // Out of its slot before it dies, so that it no longer counts.
      std::unique_ptr<T> object = std::move(Slots[i]);
      if (object) {
        HasHoles = true;
        --Live;
      }
    }
  }

private:
  typedef std::vector<std::unique_ptr<T>> TSlots;

  // Counts the walks under way and closes the holes after the last one.
  class TWalk {
  public:
    explicit TWalk(TRegistry& ARegistry) : Registry(ARegistry) { ++Registry.Walks; }
    TWalk(const TWalk&) = delete;
    TWalk& operator=(const TWalk&) = delete;
    ~TWalk() {
      if (--Registry.Walks == 0 && Registry.HasHoles) Registry.Compact();
    }

  private:
    TRegistry& Registry;
  };

  typename TSlots::iterator Find(const T* AObject) {
    return std::find_if(Slots.begin(), Slots.end(), [AObject](const std::unique_ptr<T>& s) { return s.get() == AObject; });
  }
  typename TSlots::const_iterator Find(const T* AObject) const {
    return std::find_if(Slots.begin(), Slots.end(), [AObject](const std::unique_ptr<T>& s) { return s.get() == AObject; });
  }

  void Compact() {
    Slots.erase(std::remove(Slots.begin(), Slots.end(), nullptr), Slots.end());
    HasHoles = false;
  }

  TSlots Slots;
  size_t Live = 0;
  unsigned Walks = 0;
  bool HasHoles = false;
};

// The core's list of live objects of one kind (procedures, registrations,
// links, calls, monitor clients). Objects attach and detach themselves; a
// walk hands each attached object to a visitor that may detach and delete it,
// detach and delete any other, attach new ones or start a nested walk of the
// same registry, and the walk still visits every object that was attached
// when it began and is attached when its turn comes, once, in attach order.
// What is still attached when the registry goes is deleted with it.
#pragma once

#include <cstddef>
#include <memory>
#include <unordered_map>
#include <vector>

template <class T>
class TRegistry {
public:
  // Told of every attach and detach (a detach before the object is deleted),
  // so that indexes over the objects follow the list.
  class TObserver {
  public:
    virtual void Attached(T* AObject) = 0;
    virtual void Detached(T* AObject) = 0;

  protected:
    ~TObserver() = default;
  };


  TRegistry() = default;
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;
  ~TRegistry() { Clear(); }

  // Takes the object; attaching one twice keeps one entry.
  void Attach(T* AObject) {
    if (!AObject || Positions.count(AObject)) return;
    // Room first, so that once it is indexed the slot cannot fail to hold it.
    if (Slots.size() == Slots.capacity()) Slots.reserve(2 * Slots.capacity() + 4);
    Positions.emplace(AObject, Slots.size());
    Slots.emplace_back(AObject);
    if (Observer) Observer->Attached(AObject);
  }

  void SetObserver(TObserver* AObserver) { Observer = AObserver; }

  // Gives the object back without deleting it; false when it was not attached.
  bool Detach(T* AObject) {
    const auto found = Positions.find(AObject);
    if (found == Positions.end()) return false;
    // The slot stays as a hole: a walk under way keeps its positions.
    Slots[found->second].release();
    Positions.erase(found);
    ++Holes;
    if (Observer) Observer->Detached(AObject);
    if (Walks == 0) CloseHoles(false);
    return true;
  }

  bool Contains(const T* AObject) const { return Positions.count(AObject) != 0; }
  size_t Count() const { return Positions.size(); }
  bool Empty() const { return Positions.empty(); }

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
    {
      TWalk walk(*this);
      for (size_t i = 0; i < Slots.size(); ++i) {
        // Out of its slot and no longer counted before it dies.
        std::unique_ptr<T> object = std::move(Slots[i]);
        if (object) {
          Positions.erase(object.get());
          ++Holes;
          if (Observer) Observer->Detached(object.get());
        }
      }
    }
    CloseHoles(true);
  }

private:
  typedef std::vector<std::unique_ptr<T>> TSlots;

  // Counts the walks under way; the holes are closed after the last one.
  class TWalk {
  public:
    explicit TWalk(TRegistry& ARegistry) : Registry(ARegistry) { ++Registry.Walks; }
    TWalk(const TWalk&) = delete;
    TWalk& operator=(const TWalk&) = delete;
    ~TWalk() {
      if (--Registry.Walks == 0) Registry.CloseHoles(false);
    }

  private:
    TRegistry& Registry;
  };

  // Moves the objects together, keeping their order, once holes are at least
  // half the slots (or always when asked): a detach costs constant time on
  // average, a walk at most twice the objects attached.
  void CloseHoles(bool AAlways) {
    if (Walks != 0 || Holes == 0 || (!AAlways && Holes * 2 < Slots.size())) return;
    size_t kept = 0;
    for (size_t i = 0; i < Slots.size(); ++i) {
      if (!Slots[i]) continue;
      if (i != kept) {
        Positions[Slots[i].get()] = kept;
        Slots[kept] = std::move(Slots[i]);
      }
      ++kept;
    }
    Slots.resize(kept);
    Holes = 0;
  }

  TSlots Slots;
  std::unordered_map<const T*, size_t> Positions;
  size_t Holes = 0;
  unsigned Walks = 0;
  TObserver* Observer = nullptr;
};

// Per-thread shelves of freed small blocks, so that the many short-lived
// objects of a decoded message (values, string representations, list
// nodes) are recycled instead of going back to the heap one by one.
//
// Every block is an ordinary allocation of the global operator new, rounded
// up to a multiple of 16 octets; a shelf only keeps it for the next request
// of the same size. A block may therefore be released by any thread (it
// lands on that thread's shelf), and a thread's shelves go back to the heap
// when the thread ends. A thread keeps at most `limit` octets on its shelves;
// blocks beyond that, and blocks larger than `largest`, go straight to the
// heap.
#pragma once

#include <cstddef>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define ORVO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVO_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef ORVO_ADDRESS_SANITIZER
#define ORVO_ADDRESS_SANITIZER 0
#endif
#if ORVO_ADDRESS_SANITIZER
#include <sanitizer/asan_interface.h>
#endif

namespace orvo {

class blockCache {
public:
  static constexpr std::size_t granule = 16;
  static constexpr std::size_t largest = 1024;
  static constexpr std::size_t shelves = largest / granule;
  static constexpr std::size_t limit = 256 * 1024;

  // A block of at least `size` octets; throws std::bad_alloc.
  static void* allocate(std::size_t size) {
    std::size_t s = shelfOf(size);
    if (s < shelves) {
      if (void* p = take(s)) return p;
    }
    return refill(size);
  }
  // Gives back a block of `allocate(size)`; size must be the same.
  static void release(void* p, std::size_t size) noexcept {
    if (!p) return;
    std::size_t s = shelfOf(size);
    if (s < shelves && keep(p, s)) return;
    ::operator delete(p);
  }

  // Gives every block on the calling thread's shelves back to the heap.
  static void emptyShelves() noexcept;
  // Octets and blocks kept on the calling thread's shelves (the blocks are
  // counted when asked: the shelves are not kept counting them).
  static std::size_t keptOctets();
  static std::size_t keptBlocks();
  // Blocks this thread took from the heap through the cache (refills).
  static unsigned long refills();

private:
  struct freeBlock {
    freeBlock* next;
  };
  // Plain data: thread storage without construction, readable until the
  // thread ends (and after its shelves were emptied).
  struct state {
    freeBlock* heads[shelves];
    std::size_t kept;
    unsigned long refills;
    int phase;  // 0 not yet used, 1 in use, 2 ended: no more shelving
  };
  static __thread state local;

  static std::size_t shelfOf(std::size_t size) { return size == 0 ? 0 : (size - 1) / granule; }
  static void* take(std::size_t s) {
    freeBlock* b = local.heads[s];
    if (!b) return nullptr;
    unpoison(b, (s + 1) * granule);
    local.heads[s] = b->next;
    local.kept -= (s + 1) * granule;
    return b;
  }
  static bool keep(void* p, std::size_t s) {
    std::size_t octets = (s + 1) * granule;
    if (local.phase != 1 || local.kept + octets > limit) return keepSlowly(p, s);
    freeBlock* b = static_cast<freeBlock*>(p);
    b->next = local.heads[s];
    local.heads[s] = b;
    local.kept += octets;
    // The link stays readable: the leak checker follows no pointer kept in
    // poisoned memory, and would report every block behind the first.
    poison(reinterpret_cast<char*>(b) + sizeof(freeBlock), octets - sizeof(freeBlock));
    return true;
  }
  static bool keepSlowly(void* p, std::size_t s);
  static void* refill(std::size_t size);
  // Under AddressSanitizer a shelved block is unreadable, so that a use
  // after release is still reported.
#if ORVO_ADDRESS_SANITIZER
  static void poison(void* p, std::size_t octets) { __asan_poison_memory_region(p, octets); }
  static void unpoison(void* p, std::size_t octets) { __asan_unpoison_memory_region(p, octets); }
#else
  static void poison(void*, std::size_t) {}
  static void unpoison(void*, std::size_t) {}
#endif
  friend class blockCacheDrain;
};

// Class-level operators of a type whose objects come from the cache. Every
// deletion must reach the dynamic type (a virtual destructor) so that the
// size given back is the one taken.
#define ORVO_CACHED_BLOCKS                                                                                     \
  static void* operator new(std::size_t size) { return ::orvo::blockCache::allocate(size); }                 \
  static void operator delete(void* p, std::size_t size) noexcept { ::orvo::blockCache::release(p, size); }

}  // namespace orvo

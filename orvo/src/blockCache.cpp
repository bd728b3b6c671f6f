#include <orvo/blockCache.h>

namespace orvo {

__thread blockCache::state blockCache::local;

// Empties the shelves of a thread that ends. Blocks released afterwards (by
// the destructors of statics, or of thread storage destroyed later) go
// straight to the heap.
class blockCacheDrain {
public:
  void arm() {}
  ~blockCacheDrain() {
    blockCache::local.phase = 2;
    blockCache::emptyShelves();
  }
};

namespace {
thread_local blockCacheDrain drain;
}

bool blockCache::keepSlowly(void* p, std::size_t s) {
  // Only a thread that took blocks through the cache, and so will empty its
  // shelves when it ends, keeps them: a first release may come from the
  // destructors of statics, after the thread's own storage was destroyed.
  if (local.phase != 1) return false;
  std::size_t octets = (s + 1) * granule;
  if (local.kept + octets > limit) return false;
  return keep(p, s);
}

void* blockCache::refill(std::size_t size) {
  std::size_t s = shelfOf(size);
  if (s >= shelves) return ::operator new(size);
  if (local.phase == 0) {
    // The first block a thread takes arranges for its shelves to be
    // emptied when it ends.
    drain.arm();
    local.phase = 1;
  }
  ++local.refills;
  return ::operator new((s + 1) * granule);
}

void blockCache::emptyShelves() noexcept {
  for (std::size_t i = 0; i < shelves; ++i) {
    while (freeBlock* b = local.heads[i]) {
      unpoison(b, (i + 1) * granule);
      local.heads[i] = b->next;
      ::operator delete(b);
    }
  }
  local.kept = 0;
}

std::size_t blockCache::keptOctets() { return local.kept; }

std::size_t blockCache::keptBlocks() {
  std::size_t blocks = 0;
  for (std::size_t i = 0; i < shelves; ++i)
    for (const freeBlock* b = local.heads[i]; b; b = b->next) ++blocks;
  return blocks;
}

unsigned long blockCache::refills() { return local.refills; }

}  // namespace orvo

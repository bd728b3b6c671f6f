#include <orvo/blockCache.h>

#include <gtest/gtest.h>

#if ORVO_ADDRESS_SANITIZER
#include <sanitizer/lsan_interface.h>
#endif

#include <thread>
#include <vector>

using orvo::blockCache;

TEST(BlockCache, ReleasedBlocksAreKeptByTheirRoundedSize) {
  const struct {
    std::size_t size;
    std::size_t kept;  // octets added to the shelves by its release
  } rows[] = {
      {0, 16}, {1, 16}, {16, 16}, {17, 32}, {100, 112}, {513, 528}, {1024, 1024}, {1025, 0}, {4096, 0},
  };
  for (const auto& row : rows) {
    void* p = blockCache::allocate(row.size);
    std::size_t held = blockCache::keptOctets();
    blockCache::release(p, row.size);
    EXPECT_EQ(held + row.kept, blockCache::keptOctets()) << row.size;
    blockCache::release(blockCache::allocate(row.size), row.size);
  }
}

TEST(BlockCache, ABlockReturnsOnlyForASizeOfItsShelf) {
  const struct {
    std::size_t released, asked;
    bool same;
  } rows[] = {
      {1, 16, true}, {16, 1, true}, {17, 32, true}, {16, 17, false}, {33, 32, false}, {500, 497, true},
  };
  for (const auto& row : rows) {
    void* p = blockCache::allocate(row.released);
    blockCache::release(p, row.released);
    void* q = blockCache::allocate(row.asked);
    EXPECT_EQ(row.same, p == q) << row.released << " then " << row.asked;
    blockCache::release(q, row.asked);
  }
}

TEST(BlockCache, AThreadKeepsNoMoreThanTheLimit) {
  std::vector<void*> blocks(blockCache::limit / 1024 + 8);
  for (void*& p : blocks) p = blockCache::allocate(1024);
  for (void* p : blocks) blockCache::release(p, 1024);
  EXPECT_LE(blockCache::keptOctets(), blockCache::limit);
  EXPECT_GE(blockCache::keptOctets(), blockCache::limit - 1024);
  // Asking again takes the kept ones first.
  unsigned long refills = blockCache::refills();
  for (void*& p : blocks) p = blockCache::allocate(1024);
  EXPECT_LT(blockCache::refills() - refills, blocks.size() / 4);
  for (void* p : blocks) blockCache::release(p, 1024);
}

TEST(BlockCache, BlocksMayBeReleasedByAnotherThread) {
  // Taken here, released there, and the other way round: each block lands
  // on the shelves of the thread that releases it, and a thread that ends
  // gives its shelves back to the heap (a leak would show under the
  // sanitizer build).
  blockCache::emptyShelves();
  std::vector<void*> mine(40);
  for (void*& p : mine) p = blockCache::allocate(48);
  std::size_t keptHere = blockCache::keptOctets();
  std::size_t keptThere = 0;
  std::vector<void*> theirs(40);
  std::size_t keptByANewcomer = 1;
  std::thread worker([&] {
    // A thread that never took a block keeps none.
    blockCache::release(blockCache::allocate(1024 + 1), 1024 + 1);
    blockCache::release(mine.back(), 48);
    mine.pop_back();
    keptByANewcomer = blockCache::keptOctets();
    void* first = blockCache::allocate(48);
    for (void* p : mine) blockCache::release(p, 48);
    keptThere = blockCache::keptOctets();
    for (void*& p : theirs) p = blockCache::allocate(48);
    blockCache::release(first, 48);
  });
  worker.join();
  EXPECT_EQ(0u, keptByANewcomer);
  EXPECT_EQ(39u * 48, keptThere);
  EXPECT_EQ(keptHere, blockCache::keptOctets());
  for (void* p : theirs) blockCache::release(p, 48);
  EXPECT_EQ(keptHere + 40 * 48, blockCache::keptOctets());
}

#if ORVO_ADDRESS_SANITIZER
TEST(BlockCache, AShelvedBlockIsPoisoned) {
  void* p = blockCache::allocate(64);
  EXPECT_FALSE(__asan_address_is_poisoned(static_cast<char*>(p) + 8));
  blockCache::release(p, 64);
  EXPECT_TRUE(__asan_address_is_poisoned(static_cast<char*>(p) + 8));
  EXPECT_EQ(p, blockCache::allocate(64));
  EXPECT_FALSE(__asan_address_is_poisoned(static_cast<char*>(p) + 8));
  blockCache::release(p, 64);
}

TEST(BlockCache, ShelvedBlocksAreNoLeak) {
  // Only the first block of a shelf is reached from thread storage; the
  // others only through the links of the blocks before them.
  std::vector<void*> taken;
  for (int i = 0; i < 8; ++i) taken.push_back(blockCache::allocate(80));
  for (void* p : taken) blockCache::release(p, 80);
  taken.clear();
  taken.shrink_to_fit();
  EXPECT_EQ(0, __lsan_do_recoverable_leak_check());
}
#endif

// A copy that fails part way (allocation refused) leaves nothing behind: the
// members built so far and the base are destroyed and the failure reaches
// the caller. This program counts every allocation made with new.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>

#include <orvo/blockCache.h>

#include <h225/h225.h>
#include <h235/h235.h>

#include "valueFiller.h"

namespace {
long liveAllocations = 0;
long allocationsBeforeFailure = -1;  // -1: never fail
}  // namespace

void* operator new(std::size_t size) {
  if (allocationsBeforeFailure == 0) throw std::bad_alloc();
  if (allocationsBeforeFailure > 0) --allocationsBeforeFailure;
  void* p = std::malloc(size ? size : 1);
  if (!p) throw std::bad_alloc();
  ++liveAllocations;
  return p;
}

void operator delete(void* p) noexcept {
  if (!p) return;
  --liveAllocations;
  std::free(p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

// Blocks in use: those the heap gave out, less those kept for reuse.
long inUse() { return liveAllocations - long(orvo::blockCache::keptBlocks()); }

// Copies `source` with the n-th allocation refused, for every n until a copy
// succeeds; each failed copy must leave the allocation count as it was.
template <class T>
void expectEveryFailedCopyToCleanUp(const T& source) {
  for (long n = 0;; ++n) {
    // Every block of the copy then comes from the heap, where it can fail.
    orvo::blockCache::emptyShelves();
    long before = inUse();
    bool failed = false;
    allocationsBeforeFailure = n;
    try {
      T copy(source);
      allocationsBeforeFailure = -1;
      EXPECT_TRUE(copy.isEqual(source));
    } catch (const std::bad_alloc&) {
      failed = true;
    }
    allocationsBeforeFailure = -1;
    ASSERT_EQ(inUse(), before) << "copy failing at allocation " << n;
    if (!failed) {
      EXPECT_GT(n, 3) << "the value should need several allocations";
      return;
    }
  }
}

}  // namespace

TEST(copyFailure, endpointDescriptionCopyReleasesWhatItBuilt) {
  H225::endpointType endpoint;
  valueFiller(0).fill(endpoint);
  expectEveryFailedCopyToCleanUp(endpoint);
}

TEST(copyFailure, signedTokenCopyReleasesWhatItBuilt) {
  H235::signed_t<asn::anytype<H235::clearToken>> token;
  valueFiller(1).fill(token);
  expectEveryFailedCopyToCleanUp(token);
}

TEST(copyFailure, featureSetCopyReleasesWhatItBuilt) {
  H225::featureSet features;
  valueFiller(2).fill(features);
  expectEveryFailedCopyToCleanUp(features);
}

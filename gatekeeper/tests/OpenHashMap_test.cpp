// The open-addressed map against std::map: long runs of inserts and erases
// over few keys, so that runs of neighbours wrap the array's end, are
// erased from the middle and grow.
#include <gatekeeper/OpenHashMap.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

struct TCounted {
  int Value = 0;
};

// Every key of the range is looked up in both maps.
void ExpectSame(const TOpenHashMap<TCounted>& AMap, const std::map<uint64_t, int>& AReference,
                const std::vector<uint64_t>& AKeys, const std::string& AWhere) {
  ASSERT_EQ(AReference.size(), AMap.Size()) << AWhere;
  for (uint64_t key : AKeys) {
    const TCounted* found = AMap.Find(key);
    const auto expected = AReference.find(key);
    ASSERT_EQ(expected != AReference.end(), found != nullptr) << AWhere << ", key " << key;
    if (found) {
      ASSERT_EQ(expected->second, found->Value) << AWhere << ", key " << key;
    }
  }
  size_t visited = 0;
  AMap.ForEach([&](uint64_t AKey, const TCounted& AValue) {
    ++visited;
    EXPECT_EQ(AReference.at(AKey), AValue.Value) << AWhere;
  });
  EXPECT_EQ(AReference.size(), visited) << AWhere;
}

}  // namespace

// Keys of few values in several spacings (consecutive, addresses a page
// apart, high bits only, the mixing constant itself): the map must agree
// with the reference after every operation while it fills and empties.
TEST(OpenHashMap, AgreesWithAReferenceMap) {
  const struct {
    uint64_t spacing;
    unsigned keys;
  } cases[] = {{1, 40}, {4096, 40}, {uint64_t(1) << 40, 300}, {0x9E3779B97F4A7C15ull, 40}};
  for (const auto& c : cases) {
    std::vector<uint64_t> keys;
    for (unsigned k = 0; k < c.keys; ++k) keys.push_back(k * c.spacing);
    TOpenHashMap<TCounted> map;
    std::map<uint64_t, int> reference;
    unsigned seed = 12345;
    for (int operation = 0; operation < 4000; ++operation) {
      seed = seed * 1103515245 + 12345;
      const uint64_t key = keys[(seed >> 8) % keys.size()];
      // Inserts outweigh erases in the first half, erases in the second.
      const bool insert = ((seed >> 20) % 4 != 0) == (operation < 2000);
      if (insert) {
        map[key].Value = operation;
        reference[key] = operation;
      } else {
        EXPECT_EQ(reference.erase(key) == 1, map.Erase(key));
      }
      ExpectSame(map, reference, keys,
                 "spacing " + std::to_string(c.spacing) + ", operation " + std::to_string(operation));
      if (HasFatalFailure()) return;
    }
  }
}

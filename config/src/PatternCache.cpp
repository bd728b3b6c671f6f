#include <config/PatternCache.h>

#include <string>
#include <unordered_map>

#include <config/AnchoredRegexp.h>

namespace {

struct TPatternCache {
  std::unordered_map<std::string, std::weak_ptr<orvo::regexp>> Patterns;
  // Entries whose pattern nobody holds are swept when the table has doubled
  // since the last sweep: the table stays within twice the patterns held.
  size_t SweepAt = 64;

  void Sweep() {
    for (auto i = Patterns.begin(); i != Patterns.end();) i = i->second.expired() ? Patterns.erase(i) : std::next(i);
    SweepAt = 2 * Patterns.size() + 64;
  }
};

TPatternCache& Cache() {
  static TPatternCache* cache = new TPatternCache;  // outlives every holder
  return *cache;
}

}  // namespace

std::shared_ptr<orvo::regexp> SharedAnchoredRegexp(const orvo::string& APattern) {
  TPatternCache& cache = Cache();
  std::weak_ptr<orvo::regexp>& entry =
      cache.Patterns[std::string(APattern.buffer() ? APattern.buffer() : "", APattern.length())];
  std::shared_ptr<orvo::regexp> pattern = entry.lock();
  if (pattern) return pattern;
  pattern = std::make_shared<orvo::regexp>(AnchoredRegexp(APattern));
  entry = pattern;
  if (cache.Patterns.size() >= cache.SweepAt) cache.Sweep();
  return pattern;
}

size_t SharedAnchoredRegexpCount() {
  size_t held = 0;
  for (const auto& entry : Cache().Patterns) held += entry.second.expired() ? 0 : 1;
  return held;
}

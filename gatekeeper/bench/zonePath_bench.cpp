// The zone path's search where a walk that remembers nothing explodes: the
// caller's zone in a group of N zones, each pair joined by a link (a zone of
// its own, as the configuration makes it), the callee's zone joined to
// nothing, so that the whole group is walked before the search gives up.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include <config/Zone.h>

#include <gatekeeper/ZoneSearch.h>

namespace {

struct TFullyLinked {
  explicit TFullyLinked(size_t ACount) {
    for (size_t i = 0; i <= ACount; ++i) Zones.emplace_back(new TZone(orvo::string(("z" + std::to_string(i)).c_str())));
    for (size_t a = 0; a < ACount; ++a)
      for (size_t b = a + 1; b < ACount; ++b) {
        Links.emplace_back(new TZone("link"));
        TZone* link = Links.back().get();
        Zones[a]->AddLinkedZone(link);
        link->AddLinkedZone(Zones[a].get());
        Zones[b]->AddLinkedZone(link);
        link->AddLinkedZone(Zones[b].get());
      }
  }
  std::vector<std::unique_ptr<TZone>> Zones;  // the last one is the callee's, alone
  std::vector<std::unique_ptr<TZone>> Links;
};

void BM_ZonePathThroughFullyLinkedGroup(benchmark::State& AState) {
  const size_t count = size_t(AState.range(0));
  TFullyLinked zones(count);
  size_t descents = 0;
  for (auto _ : AState)
    benchmark::DoNotOptimize(ZonesBetween(zones.Zones[0].get(), zones.Zones[count].get(), &descents));
  AState.counters["zones_entered"] = double(descents);
  AState.counters["links"] = double(zones.Links.size());
}
BENCHMARK(BM_ZonePathThroughFullyLinkedGroup)->Arg(10)->Arg(12)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace

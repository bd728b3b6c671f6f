// Loading a configuration of many user sections: the time must grow with
// the number of sections, not with its square.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include <config/Configuration.h>

namespace {

std::string Users(int AUsers) {
  std::string text = "system ras port 1719, call signal port 1720;\nzone office;\n";
  for (int i = 0; i < AUsers; ++i) {
    const std::string n = std::to_string(i);
    text += "user u" + n + " {\n  login \"u" + n + "\" set UserDisplay to \"User " + n + "\";\n" + "  alias \"" + n +
            "(.*)\" cost 10 at MON ././. 8:00 - FRI ././. 17:30;\n" +
            "  address 10.0.0.1 - 200; location office; static 10.1.2.3:1720;\n}\n";
  }
  return text;
}

void BM_LoadUsers(benchmark::State& AState) {
  const std::string text = Users(static_cast<int>(AState.range(0)));
  for (auto _ : AState) {
    std::istringstream input(text);
    TConfiguration configuration;
    if (configuration.Load(input).length() != 0) {
      AState.SkipWithError("the configuration did not load");
      break;
    }
  }
  AState.SetItemsProcessed(AState.iterations() * AState.range(0));
  AState.SetBytesProcessed(AState.iterations() * static_cast<int64_t>(text.size()));
}

}  // namespace

BENCHMARK(BM_LoadUsers)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

namespace {

// Each group names the one before it and the user names the last: the merge
// must grow with the number of groups, and take no stack per group.
std::string NestedGroups(int AGroups) {
  std::string text = "group g0 { alias \"0\"; }\n";
  for (int i = 1; i < AGroups; ++i)
    text += "group g" + std::to_string(i) + " { group member g" + std::to_string(i - 1) + "; }\n";
  return text + "user u { group member g" + std::to_string(AGroups - 1) + "; }\n";
}

void BM_LoadNestedGroups(benchmark::State& AState) {
  const std::string text = NestedGroups(static_cast<int>(AState.range(0)));
  for (auto _ : AState) {
    std::istringstream input(text);
    TConfiguration configuration;
    if (configuration.Load(input).length() != 0) {
      AState.SkipWithError("the configuration did not load");
      break;
    }
  }
  AState.SetItemsProcessed(AState.iterations() * AState.range(0));
}

}  // namespace

BENCHMARK(BM_LoadNestedGroups)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

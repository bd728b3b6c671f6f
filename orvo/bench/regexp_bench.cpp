// Cost of the patterns the configuration uses: compiling an anchored alias
// pattern, matching aliases against it, the mail-style date pattern, and the
// bound on a pathological pattern (the step budget).
#include <benchmark/benchmark.h>

#include <string>

#include <orvo/regexp.h>

namespace {

const char* const datePattern =
    "\\s*(\\w{3})\\s*,\\s*(\\d{1,2})\\s+(\\w{3})\\s+(\\d{2,4})\\s+(\\d{2}):(\\d{2}):(\\d{2})\\s+"
    "(([\\-+])\\s*(\\d{2})(\\d{2})|\\w{2,3})\\s*$";

void BM_CompileAliasPattern(benchmark::State& state) {
  for (auto _ : state) {
    orvo::regexp re("(49|0049)(\\d{3,5})[\\- ]?(\\d+)$", orvo::regexp::anchored);
    benchmark::DoNotOptimize(re.status());
  }
}
BENCHMARK(BM_CompileAliasPattern);

void BM_MatchAlias(benchmark::State& state) {
  orvo::regexp re("(49|0049)(\\d{3,5})[\\- ]?(\\d+)$", orvo::regexp::anchored);
  const orvo::string alias("004930-1234567");
  for (auto _ : state) benchmark::DoNotOptimize(re.match(alias));
}
BENCHMARK(BM_MatchAlias);

void BM_RejectAliasByFirstCharacter(benchmark::State& state) {
  orvo::regexp re("49(\\d+)$", orvo::regexp::anchored);
  const orvo::string alias("3012345678");
  for (auto _ : state) benchmark::DoNotOptimize(re.match(alias));
}
BENCHMARK(BM_RejectAliasByFirstCharacter);

void BM_MatchDate(benchmark::State& state) {
  orvo::regexp re(datePattern, orvo::regexp::anchored);
  const orvo::string date("Sun, 06 Nov 1994 08:49:37 +0200");
  for (auto _ : state) benchmark::DoNotOptimize(re.match(date));
}
BENCHMARK(BM_MatchDate);

void BM_SearchLongSubject(benchmark::State& state) {
  orvo::regexp re("x(\\d+)", 0);
  orvo::string subject('a', unsigned(state.range(0)));
  subject.append("x42");
  for (auto _ : state) benchmark::DoNotOptimize(re.match(subject));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SearchLongSubject)->Arg(256)->Arg(10000);

// The hostile patterns of the guard tests: each search runs until the step
// budget stops it, so this is the longest a configured pattern can take.
std::string hostilePattern(int index) {
  static const char* const fixed[] = {"(\\w+)*x", "(a|aa)*b", "((a*)*)*c", "(.*)*(.*)*(.*)*#", "(a*){x}"};
  if (index < 5) return fixed[index];
  std::string looks;
  for (int i = 0; i < 300; ++i) looks += "(a*)?=";
  return looks + "b";
}

void BM_PathologicalPatternHitsBudget(benchmark::State& state) {
  orvo::regexp re(hostilePattern(int(state.range(0))).c_str(), 0);
  const orvo::string subject('a', 10000);
  for (auto _ : state) benchmark::DoNotOptimize(re.match(subject));
  if (!re.gaveUp()) state.SkipWithError("the search ended before the step budget");
}
BENCHMARK(BM_PathologicalPatternHitsBudget)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

}  // namespace

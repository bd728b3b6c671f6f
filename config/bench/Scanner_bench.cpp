// Scanner throughput over a large configuration text.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include <config/Scanner.h>

namespace {

std::string SampleText(int AUsers) {
  std::string text = "system { ras port 1719, call signal port 1720; address 127.0.0.1; }\n";
  for (int i = 0; i < AUsers; ++i) {
    const std::string n = std::to_string(i);
    text += "user u" + n + " {\n  login \"u" + n + "\" set display to \"User " + n + "\";\n" + "  alias \"" + n +
            "(.*)\" cost 10 at MON ././. 8:00 - FRI ././. 17:30; // office\n" +
            "  address 10.0.0.1 - 10.0.0.200; bandwidth 1.5M; static 10.1.2.3:1720;\n}\n";
  }
  return text;
}

void BM_ScanConfiguration(benchmark::State& AState) {
  const std::string text = SampleText(static_cast<int>(AState.range(0)));
  for (auto _ : AState) {
    std::istringstream input(text);
    TScanner scanner;
    scanner.Reset(input);
    TTokenValue value{};
    int tokens = 0;
    while (scanner.Next(value) != TToken::tokEnd) ++tokens;
    benchmark::DoNotOptimize(tokens);
  }
  AState.SetBytesProcessed(static_cast<int64_t>(AState.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ScanConfiguration)->Arg(100)->Arg(5000);

}  // namespace

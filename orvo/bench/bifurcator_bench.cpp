// Cost of one log line through a bifurcator: the filter cache, the chunk
// copy and the line cutting per sink.
#include <benchmark/benchmark.h>

#include <sstream>

#include <orvo/bifurcator.h>
#include <orvo/ostreamManipulator.h>

namespace {

// Counts lines instead of writing them, so the sink costs what the library
// costs.
class countingSink : public orvo::TFormatStreamManipulator {
public:
  countingSink(orvo::TPrintOptions& AOptions) : TFormatStreamManipulator(AOptions, orvo::levelPrefixFormat) {}
  long lines = 0;

protected:
  int putLine(orvo::string&) override {
    ++lines;
    return 0;
  }
};

void lineThroughSinks(benchmark::State& state, bool pushed) {
  std::ostringstream target;
  orvo::TBifurcator* bifurcator = new orvo::TBifurcator(target);
  bifurcator->printOptions().setState(orvo::stateDefault, 0xFFFFFFFFu);
  bifurcator->printOptions().setState(orvo::stateError, 0xFFFFFFFFu);
  bifurcator->printOptions().setState(orvo::stateWarning, 0xFFFFFFFFu);
  bifurcator->printOptions().setState(orvo::stateInformation, 0xFFFFFFFFu);
  for (int i = 1; i < state.range(0); ++i) bifurcator->addManipulator(new countingSink(bifurcator->printOptions()));
  countingSink* first = new countingSink(bifurcator->printOptions());
  bifurcator->addManipulator(first);
  for (auto _ : state) {
    if (pushed)
      target << orvo::lineState(orvo::stateInformation) << "RAS, got message from 127.0.0.1:1719" << std::endl;
    else
      target << "RAS, got message from 127.0.0.1:1719" << std::endl;
  }
  if (first->lines != static_cast<long>(state.iterations())) state.SkipWithError("lines did not reach the sinks");
  state.SetItemsProcessed(state.iterations());
  delete bifurcator;
}

void BM_lineUnderSetState(benchmark::State& state) { lineThroughSinks(state, false); }
void BM_lineUnderLineState(benchmark::State& state) { lineThroughSinks(state, true); }

// A line every sink's filter refuses: only the cached decision is paid.
void BM_filteredLine(benchmark::State& state) {
  std::ostringstream target;
  orvo::TBifurcator* bifurcator = new orvo::TBifurcator(target);
  bifurcator->printOptions().setState(orvo::stateError, 0xFFFFFFFFu);
  for (int i = 0; i < 4; ++i) bifurcator->addManipulator(new countingSink(bifurcator->printOptions()));
  target << orvo::setState(orvo::stateDebug);
  for (auto _ : state) target << "debug detail" << std::endl;
  state.SetItemsProcessed(state.iterations());
  delete bifurcator;
}

}  // namespace

BENCHMARK(BM_lineUnderSetState)->Arg(1)->Arg(4);
BENCHMARK(BM_lineUnderLineState)->Arg(1)->Arg(4);
BENCHMARK(BM_filteredLine);

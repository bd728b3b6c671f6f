// Encode, decode, copy and print a registration-request-shaped value, in
// nanoseconds and heap allocations per operation (every operator new is
// counted, also the refills of the recycled blocks).
#include <atomic>
#include <cstdlib>
#include <new>
#include <sstream>
#include <string>

#include <benchmark/benchmark.h>

#include "../tests/support/registrationFixture.h"

namespace {

std::atomic<unsigned long> allocations{0};

}  // namespace

// g++ cannot see that the replaced operator new is malloc underneath and
// warns about the frees.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

// Allocations per iteration, averaged over all of them.
class allocationCounter {
public:
  explicit allocationCounter(benchmark::State& state) : state(state), before(allocations.load()) {}
  ~allocationCounter() {
    state.counters["allocations"] =
        benchmark::Counter(double(allocations.load() - before), benchmark::Counter::kAvgIterations);
  }

private:
  benchmark::State& state;
  unsigned long before;
};

std::string encoded(const asn::object& value) {
  asn::per::codec encoder;
  value.encode(encoder);
  return std::string(reinterpret_cast<const char*>(encoder.stream().data()), encoder.stream().octetLength());
}

void encodeRegistration(benchmark::State& state) {
  ras::registration r;
  ras::fillRegistration(r);
  size_t octets = 0;
  allocationCounter counter(state);
  for (auto _ : state) {
    asn::per::codec encoder;
    r.encode(encoder);
    octets = encoder.stream().octetLength();
    benchmark::DoNotOptimize(octets);
  }
  state.counters["octets"] = double(octets);
}
BENCHMARK(encodeRegistration);

void decodeRegistration(benchmark::State& state) {
  ras::registration source;
  ras::fillRegistration(source);
  std::string octets = encoded(source);
  allocationCounter counter(state);
  for (auto _ : state) {
    ras::registration r;
    asn::per::codec decoder(octets.data(), unsigned(octets.size()));
    r.decode(decoder);
    benchmark::DoNotOptimize(r.requestSeqNum.value());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(octets.size()));
}
BENCHMARK(decodeRegistration);

void copyAndCompareRegistration(benchmark::State& state) {
  ras::registration source;
  ras::fillRegistration(source);
  allocationCounter counter(state);
  for (auto _ : state) {
    ras::registration copy(source);
    benchmark::DoNotOptimize(copy.isEqual(source));
  }
}
BENCHMARK(copyAndCompareRegistration);

void printRegistration(benchmark::State& state) {
  ras::registration source;
  ras::fillRegistration(source);
  allocationCounter counter(state);
  for (auto _ : state) {
    std::ostringstream out;
    out << source;
    benchmark::DoNotOptimize(out.str().size());
  }
}
BENCHMARK(printRegistration);

}  // namespace

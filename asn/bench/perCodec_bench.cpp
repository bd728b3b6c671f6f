// Encode, decode, copy and print a registration-request-shaped value.
#include <sstream>
#include <string>

#include <benchmark/benchmark.h>

#include "../tests/support/registrationFixture.h"

namespace {

std::string encoded(const asn::object& value) {
  asn::per::codec encoder;
  value.encode(encoder);
  return std::string(reinterpret_cast<const char*>(encoder.stream().data()), encoder.stream().octetLength());
}

void encodeRegistration(benchmark::State& state) {
  ras::registration r;
  ras::fillRegistration(r);
  size_t octets = 0;
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
  for (auto _ : state) {
    ras::registration copy(source);
    benchmark::DoNotOptimize(copy.isEqual(source));
  }
}
BENCHMARK(copyAndCompareRegistration);

void printRegistration(benchmark::State& state) {
  ras::registration source;
  ras::fillRegistration(source);
  for (auto _ : state) {
    std::ostringstream out;
    out << source;
    benchmark::DoNotOptimize(out.str().size());
  }
}
BENCHMARK(printRegistration);

}  // namespace

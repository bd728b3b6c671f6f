// Cost of encoding and decoding a message-sized run of PER-like fields:
// short bit fields, aligned octets and octet strings, growth step 128.
#include <benchmark/benchmark.h>

#include <orvo/bitStream.h>

namespace {

const unsigned char payload[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

void writeMessage(orvo::bitStream& s) {
  for (unsigned i = 0; i < 12; ++i) {
    s.writeBits(1, 1);
    s.writeBits(i, 5);
    s.writeBits(0x1234 + i, 16);
    s.writeOctet(i);
    s.writeOctets(payload, sizeof payload);
  }
}

void BM_EncodeMessage(benchmark::State& state) {
  for (auto _ : state) {
    orvo::bitStream s(128);
    writeMessage(s);
    benchmark::DoNotOptimize(s.data());
  }
  state.SetBytesProcessed(state.iterations() * 12 * 20);
}
BENCHMARK(BM_EncodeMessage);

void BM_DecodeMessage(benchmark::State& state) {
  orvo::bitStream encoded(128);
  writeMessage(encoded);
  unsigned char out[sizeof payload];
  for (auto _ : state) {
    orvo::bitStream s(encoded.data(), encoded.octetLength(), 128);
    unsigned sum = 0;
    for (unsigned i = 0; i < 12; ++i) {
      sum += s.readBits(1);
      sum += s.readBits(5);
      sum += s.readBits(16);
      sum += s.readOctet();
      s.readOctets(out, sizeof out);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(state.iterations() * encoded.octetLength());
}
BENCHMARK(BM_DecodeMessage);

}  // namespace

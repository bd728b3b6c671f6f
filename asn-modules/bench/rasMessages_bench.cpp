// Decoding and encoding real RAS and call-signalling messages of the shared
// corpus, in nanoseconds and heap allocations per operation: a full
// registration request, a registration confirm, an admission request and
// confirm, a Setup's user-user information with fast start.
//
// Allocations are every call of operator new, averaged over all iterations.
// Values, string representations and list nodes recycle their blocks per
// thread (orvo::blockCache): the refills of those shelves come from the same
// operator new and are counted, so a steady run shows what one more message
// costs the heap.
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <new>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include <asn/perCodec.h>
#include <h225/h225.h>

namespace {

std::atomic<unsigned long> allocations{0};

}  // namespace

// Every allocation is counted. g++ cannot see that the replaced operator new
// is malloc underneath and warns about the frees.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using octets = std::vector<unsigned char>;

// Line `line` (from 1) of a corpus hex file; empty when absent.
octets corpusLine(const char* capture, const char* file, unsigned line) {
  std::ifstream in(std::string(ORVO_SHARED_DIR) + "/corpus/h323/" + capture + "/" + file);
  std::string text;
  for (unsigned i = 0; i < line && std::getline(in, text); ++i) {
  }
  if (!in) return {};
  octets out;
  for (size_t i = 0; i + 1 < text.size(); i += 2)
    out.push_back((unsigned char)std::stoul(text.substr(i, 2), nullptr, 16));
  return out;
}

// The user-user information of a Q.931 message, after its discriminator.
octets userUser(const octets& q931) {
  if (q931.size() < 3) return {};
  size_t i = 3 + (q931[1] & 0x0f);
  while (i + 1 < q931.size()) {
    if (q931[i] & 0x80) {
      ++i;
    } else if (q931[i] == 0x7e) {
      if (i + 3 > q931.size()) return {};
      size_t length = (size_t(q931[i + 1]) << 8) | q931[i + 2];
      if (length < 1 || i + 3 + length > q931.size()) return {};
      return octets(q931.begin() + long(i + 4), q931.begin() + long(i + 3 + length));
    } else {
      i += 2 + q931[i + 1];
    }
  }
  return {};
}

template <class T>
void decodeInto(T& value, const octets& data) {
  asn::per::codec decoder(data.data(), unsigned(data.size()));
  value.decode(decoder);
}

template <class T>
void decodeBench(benchmark::State& state, const octets& data) {
  if (data.empty()) {
    state.SkipWithError("the shared H.323 corpus is absent");
    return;
  }
  unsigned long before = allocations.load();
  for (auto _ : state) {
    T value;
    decodeInto(value, data);
    benchmark::DoNotOptimize(&value);
  }
  state.counters["allocations"] =
      benchmark::Counter(double(allocations.load() - before), benchmark::Counter::kAvgIterations);
  state.counters["octets"] = double(data.size());
}

template <class T>
void encodeBench(benchmark::State& state, const octets& data) {
  if (data.empty()) {
    state.SkipWithError("the shared H.323 corpus is absent");
    return;
  }
  T value;
  decodeInto(value, data);
  unsigned long before = allocations.load();
  size_t length = 0;
  for (auto _ : state) {
    asn::per::codec encoder;
    value.encode(encoder);
    length = encoder.stream().octetLength();
    benchmark::DoNotOptimize(length);
  }
  state.counters["allocations"] =
      benchmark::Counter(double(allocations.load() - before), benchmark::Counter::kAvgIterations);
  state.counters["octets"] = double(length);
}

// A version 6 terminal's full registration: aliases, vendor, addresses,
// time to live, feature set.
void decodeFullRegistrationRequest(benchmark::State& state) {
  decodeBench<H225::rasMessage>(state, corpusLine("ndpi-h323", "ras.hex", 11));
}
BENCHMARK(decodeFullRegistrationRequest);

// A version 4 soft phone's full registration.
void decodeFullRegistrationRequestVersion4(benchmark::State& state) {
  decodeBench<H225::rasMessage>(state, corpusLine("SIP_CALL_RTP_G711", "ras.hex", 1));
}
BENCHMARK(decodeFullRegistrationRequestVersion4);

void encodeRegistrationConfirm(benchmark::State& state) {
  encodeBench<H225::rasMessage>(state, corpusLine("ndpi-h323", "ras.hex", 12));
}
BENCHMARK(encodeRegistrationConfirm);

void decodeAdmissionRequest(benchmark::State& state) {
  decodeBench<H225::rasMessage>(state, corpusLine("ndpi-h323", "ras.hex", 5));
}
BENCHMARK(decodeAdmissionRequest);

void encodeAdmissionConfirm(benchmark::State& state) {
  encodeBench<H225::rasMessage>(state, corpusLine("ndpi-h323", "ras.hex", 6));
}
BENCHMARK(encodeAdmissionConfirm);

// A gateway's Setup with fast start: five logical channels offered.
void decodeSetupWithFastStart(benchmark::State& state) {
  decodeBench<H225::h323_UserInformation>(state, userUser(corpusLine("tel2", "q931.hex", 2)));
}
BENCHMARK(decodeSetupWithFastStart);

}  // namespace

// Hostile octets into the Q.931 message decoder, as a TPKT on the
// call-signalling port would bring them. The committed seeds are the test
// messages; the real messages of the shared corpus are extra seeds.
#include <cstdio>
#include <cstdlib>

#include "../../asn-modules/fuzz/sharedSeeds.h"
#include "q931RoundTrip.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzzing::addSharedSeeds(argc, argv, "q931.hex");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string finding = fuzzing::q931RoundTrip(data, size);
  if (!finding.empty()) {
    std::fprintf(stderr, "finding: %s\n", finding.c_str());
    std::abort();
  }
  return 0;
}

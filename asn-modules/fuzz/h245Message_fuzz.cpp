// Hostile octets into the decoder of H.245 messages, as a separate H.245
// channel or a tunnelled h245Control element would bring them. The real
// PDUs of the shared corpus, separate and tunnelled, are extra seeds.
#include <h245/h245.h>

#include "roundTrip.h"
#include "sharedSeeds.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzzing::addSharedSeeds(argc, argv, {"h245.hex", "h245_tunnelled.hex"});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzing::roundTrip<H245::multimediaSystemControlMessage>(data, size);
  return 0;
}

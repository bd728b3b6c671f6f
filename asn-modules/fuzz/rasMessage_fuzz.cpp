// Hostile octets into the decoder of RAS messages, as one UDP datagram
// would bring them. The real datagrams of the shared corpus are extra seeds.
#include <h225/h225.h>

#include "roundTrip.h"
#include "sharedSeeds.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzzing::addSharedSeeds(argc, argv, "ras.hex");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzing::roundTrip<H225::rasMessage>(data, size);
  return 0;
}

// Hostile octets into the decoder of H.450.1 APDUs, as the octet string of
// a call-signalling message would bring them.
#include <h4501/h4501.h>

#include "roundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzing::roundTrip<H4501::supplementaryService>(data, size);
  return 0;
}

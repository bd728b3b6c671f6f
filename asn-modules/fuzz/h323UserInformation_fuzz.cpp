// Hostile octets into the decoder of call-signalling user information, as
// the user-user element of a Q.931 message would bring them. The user-user
// elements of the real Q.931 messages of the shared corpus are extra seeds.
#include <h225/h225.h>

#include "roundTrip.h"
#include "sharedSeeds.h"

namespace {

// The contents of the user-user element (0x7e, two length octets), without
// its protocol discriminator octet; empty when the message has none.
fuzzing::octets userUserContents(const fuzzing::octets& message) {
  size_t i = 2 + (message.size() > 1 ? (message[1] & 0x0f) : 0) + 1;  // discriminator, reference, type
  while (i < message.size()) {
    unsigned char id = message[i];
    if (id & 0x80) {  // single-octet element
      ++i;
      continue;
    }
    if (id == 0x7e) {
      if (i + 3 > message.size()) break;
      size_t length = size_t(message[i + 1]) << 8 | message[i + 2];
      if (length < 2 || i + 3 + length > message.size()) break;
      return fuzzing::octets(message.begin() + long(i + 4), message.begin() + long(i + 3 + length));
    }
    if (i + 2 > message.size()) break;
    i += 2 + message[i + 1];
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzzing::addSharedSeeds(argc, argv, "q931.hex", userUserContents);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzing::roundTrip<H225::h323_UserInformation>(data, size);
  return 0;
}

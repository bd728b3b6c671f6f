// Hostile octets into the PER decoder, as a RAS datagram would arrive: the
// first octet picks the root type, the rest is decoded. A decoded value is
// then copied, compared, printed and encoded again; any failure must be an
// orvo::exception.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "../tests/support/registrationFixture.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

template <class T>
void exercise(const uint8_t* data, size_t size) {
  T value;
  try {
    asn::per::codec decoder(data, unsigned(size));
    value.decode(decoder);
  } catch (orvo::exception* e) {
    delete e;
    return;
  }
  T copy(value);
  check(copy.isEqual(value));
  std::ostringstream trace;
  trace << value;
  try {
    asn::per::codec encoder;
    value.encode(encoder);
    unsigned n = encoder.stream().octetLength();
    if (n == 0) return;
    // What was encoded once decodes again to the same value, unknown
    // additions aside (they are not written again).
    T again;
    asn::per::codec decoder(encoder.stream().data(), n);
    again.decode(decoder);
    asn::per::codec reencoder;
    again.encode(reencoder);
    check(reencoder.stream().octetLength() == n);
  } catch (orvo::exception* e) {
    delete e;
  }
}

typedef asn::sequenceOf<ras::token, 0u, 0u, 1> tokenList;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 8192) return 0;
  switch (data[0] % 4) {
    case 0:
      exercise<ras::registration>(data + 1, size - 1);
      break;
    case 1:
      exercise<ras::alias>(data + 1, size - 1);
      break;
    case 2:
      exercise<tokenList>(data + 1, size - 1);
      break;
    default:
      exercise<ras::address>(data + 1, size - 1);
      break;
  }
  return 0;
}

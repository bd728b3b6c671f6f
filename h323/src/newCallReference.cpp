#include <h323/newCallReference.h>

namespace H323 {

namespace {

uint16_t counter = 1;

}  // namespace

Q931::callReference NewCallReference() {
  Q931::callReference reference(counter, true);
  counter = counter >= 0x7FFF ? 1 : uint16_t(counter + 1);
  return reference;
}

}  // namespace H323

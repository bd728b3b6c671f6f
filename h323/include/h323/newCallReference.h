// Call references for the calls this system originates.
#pragma once

#include <h323/q931/callReference.h>

namespace H323 {

// A two-octet call reference of the originating side with the counter's
// value, 1 to 32767 in turn: 0 is the global call reference, and the top
// bit is the flag's on the wire.
Q931::callReference NewCallReference();

}  // namespace H323

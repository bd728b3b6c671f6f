// Fresh globally unique identifiers for conferences, connections and calls.
#pragma once

#include <asn/octetString.h>
#include <h225/h225.h>
#include <orvo/string.h>

namespace H323 {

using guidOctets = asn::octetString<16u, 16u, 1>;

// 16 time-based octets.
guidOctets newGuid();
// A call identifier holding a copy of the GUID; the caller owns it.
H225::callIdentifier* newCallIdentifier(const guidOctets& AGuid);
// The GUID in braces, as traces name a call by it.
orvo::string guidText(const guidOctets& AGuid);

}  // namespace H323

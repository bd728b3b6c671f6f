// The protocol identifiers the gatekeeper sends and the version a peer's
// identifier announces.
#pragma once

#include <asn/oid.h>

namespace H323 {

// H.225.0 version 4: what every message the system builds carries.
extern const asn::oid h225ProtocolIdentifier;
extern const asn::oid h245ProtocolIdentifier;

// For comparison only.
extern const asn::oid h225ProtocolIdentifierV1;
extern const asn::oid h245ProtocolIdentifierV1;
extern const asn::oid h225ProtocolIdentifierV2;
extern const asn::oid h245ProtocolIdentifierV2;
extern const asn::oid h225ProtocolIdentifierV3;
extern const asn::oid h245ProtocolIdentifierV3;
extern const asn::oid h225ProtocolIdentifierV4;
extern const asn::oid h245ProtocolIdentifierV4;

}  // namespace H323

// The H.225.0 version index of a peer's protocol identifier by the order of
// identifiers (first differing arc, else the arc count): 3 at or above
// version 4's, 2 at or above version 3's, 1 at or above version 2's, 0 at or
// above version 1's, 4 below version 1's. Later versions give 3.
int ProtocolVersionOf(const asn::oid& AReceived);

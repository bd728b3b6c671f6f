#include <h323/protocolIdentifiers.h>

namespace H323 {

const asn::oid h225ProtocolIdentifier(0, 0, 8, 2250, 0, 4);
const asn::oid h245ProtocolIdentifier(0, 0, 8, 245, 0, 7);
const asn::oid h225ProtocolIdentifierV1(0, 0, 8, 2250, 0, 1);
const asn::oid h245ProtocolIdentifierV1(0, 0, 8, 245, 0, 2);
const asn::oid h225ProtocolIdentifierV2(0, 0, 8, 2250, 0, 2);
const asn::oid h245ProtocolIdentifierV2(0, 0, 8, 245, 0, 3);
const asn::oid h225ProtocolIdentifierV3(0, 0, 8, 2250, 0, 3);
const asn::oid h245ProtocolIdentifierV3(0, 0, 8, 245, 0, 5);
const asn::oid h225ProtocolIdentifierV4(0, 0, 8, 2250, 0, 4);
const asn::oid h245ProtocolIdentifierV4(0, 0, 8, 245, 0, 7);

}  // namespace H323

int ProtocolVersionOf(const asn::oid& AReceived) {
  if (AReceived.compare(H323::h225ProtocolIdentifierV4) >= 0) return 3;
  if (AReceived.compare(H323::h225ProtocolIdentifierV3) >= 0) return 2;
  if (AReceived.compare(H323::h225ProtocolIdentifierV2) >= 0) return 1;
  if (AReceived.compare(H323::h225ProtocolIdentifierV1) >= 0) return 0;
  return 4;
}

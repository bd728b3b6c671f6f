// Reading RAS messages by alternative: requests, and the two token fields
// that every alternative carries.
#pragma once

#include <asn/sequenceOf.h>
#include <h225/h225.h>
#include <h235/h235.h>

namespace H323 {

using clearTokenList = asn::sequenceOf<H235::clearToken, 0u, 0u, 1>;
using cryptoTokenList = asn::sequenceOf<H225::cryptoH323Token, 0u, 0u, 1>;

// gatekeeperRequest, registrationRequest, unregistrationRequest,
// admissionRequest, bandwidthRequest, disengageRequest, locationRequest and
// infoRequest.
bool isRasRequest(const H225::rasMessage& AMessage);

// The address of the selected alternative's tokens (cryptoTokens) member,
// whose value is null while the field is absent; null when no known
// alternative is selected.
clearTokenList** rasTokensField(H225::rasMessage& AMessage);
cryptoTokenList** rasCryptoTokensField(H225::rasMessage& AMessage);
// Deletes both lists when present and leaves the fields absent.
void clearRasTokens(H225::rasMessage& AMessage);

}  // namespace H323

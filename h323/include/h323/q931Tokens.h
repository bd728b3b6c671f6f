// The two token fields of the H.225.0 body that a call-signalling message
// carries in its User-user element.
#pragma once

#include <h323/q931/message.h>
#include <h323/rasMessage.h>

namespace H323 {

// The address of the body's tokens (cryptoTokens) member, whose value is
// null while the field is absent. Null when the message type carries no
// tokens (Connect Acknowledge, Release, ...), when there is no user
// information, or when the body is not the alternative of the type.
clearTokenList** UuieTokensField(const Q931::message& AMessage);
cryptoTokenList** UuieCryptoTokensField(const Q931::message& AMessage);
// Deletes both lists when present and leaves the fields absent.
void ClearQ931Tokens(Q931::message& AMessage);

}  // namespace H323

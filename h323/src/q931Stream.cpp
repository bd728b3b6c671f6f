#include <h323/q931Stream.h>

namespace H323 {

void q931Stream::encode(const Q931::message& message, orvo::byteStream& payload) { message.encode(payload); }

void q931Stream::decode(orvo::byteStream& payload, Q931::message& message) { message.decode(payload); }

}  // namespace H323

#include <h323/h245Stream.h>

namespace H323 {

void h245Stream::encode(const h245Message& message, orvo::byteStream& payload) {
  if (message.octets.length()) payload.write(message.octets.buffer(), message.octets.length());
}

// The octets between the read position and the end, as a PER decode of the
// message would take them.
void h245Stream::decode(orvo::byteStream& payload, h245Message& message) {
  if (payload.remaining()) message.octets.write(payload.readPosition(), payload.remaining());
  payload.skip((int)payload.remaining());
}

}  // namespace H323

#include <h323/h245Stream.h>

#include <asn/perCodec.h>

namespace H323 {

void h245Stream::encode(const h245Message& message, orvo::byteStream& payload) {
  asn::per::codec encoder;
  message.encode(encoder);
  payload.write(encoder.stream().data(), encoder.stream().octetLength());
}

// A packet holds exactly one message: the PER decode takes what remains.
void h245Stream::decode(orvo::byteStream& payload, h245Message& message) {
  asn::per::codec decoder(payload.readPosition(), payload.remaining());
  message.decode(decoder);
  payload.skip((int)payload.remaining());
}

}  // namespace H323

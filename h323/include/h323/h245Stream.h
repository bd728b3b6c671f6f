// A separate H.245 connection: one MultimediaSystemControlMessage per TPKT
// packet.
#pragma once

#include <orvo/byteStream.h>

#include <h323/messageStream.h>

namespace H323 {

// The message as it travels: its aligned PER octets, not decoded. It stands
// in for the generated H.245 message type until that exists; swapping it in
// changes this alias and the two codec functions of h245Stream only.
struct h245Octets {
  orvo::byteStream octets{128};
};
using h245Message = h245Octets;

class h245Stream : public messageStream<h245Message> {
public:
  using messageStream::messageStream;

protected:
  void encode(const h245Message& message, orvo::byteStream& payload) override;
  void decode(orvo::byteStream& payload, h245Message& message) override;
};

}  // namespace H323

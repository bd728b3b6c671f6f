// A call-signalling connection: one Q.931 message per TPKT packet.
#pragma once

#include <h323/messageStream.h>
#include <h323/q931/message.h>

namespace H323 {

class q931Stream : public messageStream<Q931::message> {
public:
  using messageStream::messageStream;

protected:
  void encode(const Q931::message& message, orvo::byteStream& payload) override;
  void decode(orvo::byteStream& payload, Q931::message& message) override;
};

}  // namespace H323

// A separate H.245 connection: one MultimediaSystemControlMessage per TPKT
// packet.
#pragma once

#include <h245/h245.h>

#include <h323/messageStream.h>

namespace H323 {

using h245Message = H245::multimediaSystemControlMessage;

class h245Stream : public messageStream<h245Message> {
public:
  using messageStream::messageStream;

protected:
  void encode(const h245Message& message, orvo::byteStream& payload) override;
  void decode(orvo::byteStream& payload, h245Message& message) override;
};

}  // namespace H323

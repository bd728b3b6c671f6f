// A TPKT connection carried as whole signalling messages: each packet
// received is decoded into one message for the handler, each message sent
// is encoded into one packet.
#pragma once

#include <orvo/byteStream.h>
#include <orvo/memberCallback.h>
#include <orvo/tpktStream.h>

namespace H323 {

template <class Message>
class messageStream : public orvo::tpktStream {
public:
  // No events yet: the owner sets the callbacks, then enables reading. The
  // socket stays the owner's.
  explicit messageStream(orvo::socket* connection) : tpktStream(connection) {}

  // Each may delete the stream. The message lives only during the call: a
  // handler that keeps it copies it.
  orvo::memberCallback<Message&> messageCallback;
  orvo::memberCallback<> closedCallback;

  // Queues the message as one packet; nothing once closed. A message too
  // long for one packet throws orvo::tpktStream::payloadTooLong and queues
  // nothing; the encoder's exceptions pass through as well.
  void send(const Message& message) {
    if (closed) return;
    orvo::byteStream payload(128);
    encode(message, payload);
    tpktStream::send(payload);
  }

  // Stops reading and sends what is queued, blocking for at most the time
  // given; the rest is dropped with the write event. Only the first call
  // acts. The flush counts whole seconds: a part of one is waited in full.
  void close(unsigned flushMilliseconds) {
    if (closed) return;
    closed = true;
    enableRead(false);
    flush(flushMilliseconds / 1000 + (flushMilliseconds % 1000 != 0));
    enableWrite(false);
  }

  bool isClosed() const { return closed; }

  // Without a handler the packet is dropped undecoded. A decoding failure
  // leaves by its exception without calling the handler.
  void onPacket(orvo::byteStream& payload) override {
    if (!messageCallback) return;
    Message message;
    decode(payload, message);
    messageCallback(message);
  }

  void onClosed() override { closedCallback(); }

protected:
  virtual void encode(const Message& message, orvo::byteStream& payload) = 0;
  // The payload's read position is at its start.
  virtual void decode(orvo::byteStream& payload, Message& message) = 0;

private:
  bool closed = false;
};

}  // namespace H323

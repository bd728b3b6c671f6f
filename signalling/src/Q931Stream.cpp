#include <signalling/Q931Stream.h>

#include <memory>

void TQ931Stream::SendOctets(const orvo::byteStream& APayload) {
  if (isClosed()) return;
  tpktStream::send(APayload);
}

void TQ931Stream::onPacket(orvo::byteStream& APayload) {
  if (!RawMessageCallback) {
    q931Stream::onPacket(APayload);
    return;
  }
  Q931::message message;
  try {
    decode(APayload, message);
  } catch (orvo::exception* failure) {
    std::unique_ptr<orvo::exception> owned(failure);
    MalformedCallback(*failure->message(), APayload);
    return;
  }
  RawMessageCallback(message, APayload);
}

void TQ931Stream::onInvalidHeader() {
  if (!MalformedCallback) {
    q931Stream::onInvalidHeader();
    return;
  }
  MalformedCallback(orvo::string("Invalid TPKT header received."), orvo::byteStream(1));
}

void TQ931Stream::onSent() { SentCallback(); }

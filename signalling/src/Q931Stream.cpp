#include <signalling/Q931Stream.h>

#include <memory>

#include <config/Log.h>
#include <signalling/RelayTracer.h>

bool TQ931Stream::SendOctets(const orvo::byteStream& APayload) {
  if (isClosed()) return true;
  if (APayload.length() > maximumPayload) return false;
  tpktStream::send(APayload);
  if (Tracer) Tracer->Trace(Side, TLog::ldSent, Peer, APayload);
  return true;
}

bool TQ931Stream::send(const Q931::message& AMessage) {
  if (isClosed()) return true;
  orvo::byteStream payload(128);
  try {
    encode(AMessage, payload);
  } catch (orvo::exception* failure) {
    delete failure;
    return false;
  }
  return SendOctets(payload);
}

void TQ931Stream::SetTracer(std::shared_ptr<const TRelayTracer> ATracer, int ASide) {
  Tracer = std::move(ATracer);
  Side = ASide;
  if (Tracer) Peer = peerAddress();
}

void TQ931Stream::DetachTracer() {
  if (Tracer) Tracer = Tracer->Detached();
}

void TQ931Stream::TraceReceived(const orvo::byteStream& APayload) const {
  if (Tracer) Tracer->Trace(Side, TLog::ldReceived, Peer, APayload);
}

void TQ931Stream::TakeUnsent(orvo::byteStream& AOut) {
  enableWrite(false);
  if (outputQueue.remaining()) AOut.write(outputQueue.readPosition(), outputQueue.remaining());
  outputQueue.clear();
}

void TQ931Stream::onPacket(orvo::byteStream& APayload) {
  if (!RawMessageCallback) {
    q931Stream::onPacket(APayload);
    return;
  }
  // Before the callbacks, which may delete the stream.
  TraceReceived(APayload);
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

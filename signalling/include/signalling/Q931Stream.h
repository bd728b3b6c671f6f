// A call-signalling leg of a routed call: each message arrives decoded and
// with the octets it came in, so that a relay forwards what it does not
// change exactly as received; a packet that does not decode is reported
// instead of leaving through the event loop.
#pragma once

#include <netinet/in.h>

#include <memory>

#include <h323/q931Stream.h>
#include <orvo/memberCallback.h>
#include <orvo/string.h>

class TRelayTracer;

class TQ931Stream : public H323::q931Stream {
public:
  using q931Stream::q931Stream;

  // The decoded message and the whole payload it came from. May delete the
  // stream.
  orvo::memberCallback<Q931::message&, const orvo::byteStream&> RawMessageCallback;
  // The decoder's text and the payload it refused. May delete the stream.
  orvo::memberCallback<const orvo::string&, const orvo::byteStream&> MalformedCallback;
  // Some of the queue went out; queued() tells what is left.
  orvo::memberCallback<> SentCallback;

  // Queues the octets as one packet, unchanged; nothing once closed. False,
  // with nothing queued, when they do not fit one packet: the caller
  // decides what becomes of its call, not the event loop.
  bool SendOctets(const orvo::byteStream& APayload);
  // In place of the base's, so that what the stream makes goes out, and is
  // traced, as the octets it forwards do. False, with nothing queued, when
  // the message cannot be encoded or does not fit one packet.
  bool send(const Q931::message& AMessage);

  // Every packet received and sent from now on is traced as the leg of
  // side ASide, whose peer is read now. Null: none.
  void SetTracer(std::shared_ptr<const TRelayTracer> ATracer, int ASide);
  // The tracer goes on without the call: the leg outlives it.
  void DetachTracer();
  // Traces the packet as received on this leg.
  void TraceReceived(const orvo::byteStream& APayload) const;
  // Moves what is queued and not yet sent (TPKT frames) to AOut and stops
  // writing: a new owner of the leg sends it.
  void TakeUnsent(orvo::byteStream& AOut);
  // Reads and writes on another socket object holding the same descriptor,
  // one that has taken the leg over.
  void Rebind(orvo::socket* AConnection) { connection = AConnection; }

  void onPacket(orvo::byteStream& APayload) override;
  // Reported as a packet that does not decode, with no octets: a peer that
  // does not speak TPKT must not reach the event loop as an exception.
  void onInvalidHeader() override;
  void onSent() override;

private:
  std::shared_ptr<const TRelayTracer> Tracer;
  int Side = 0;
  sockaddr_in Peer{};
};

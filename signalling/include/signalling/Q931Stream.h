// A call-signalling leg of a routed call: each message arrives decoded and
// with the octets it came in, so that a relay forwards what it does not
// change exactly as received; a packet that does not decode is reported
// instead of leaving through the event loop.
#pragma once

#include <h323/q931Stream.h>
#include <orvo/memberCallback.h>
#include <orvo/string.h>

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

  // Queues the octets as one packet, unchanged; nothing once closed.
  void SendOctets(const orvo::byteStream& APayload);

  void onPacket(orvo::byteStream& APayload) override;
  // Reported as a packet that does not decode, with no octets: a peer that
  // does not speak TPKT must not reach the event loop as an exception.
  void onInvalidHeader() override;
  void onSent() override;
};

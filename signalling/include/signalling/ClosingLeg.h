// A call-signalling leg that its call has let go, ended in order: what is
// still queued for the peer is sent, the sending side is shut down, and
// what the peer still sends is read and dropped until it closes its side
// or the bound passes; only then does the descriptor close. A descriptor
// closed at once answers a peer that is still clearing the call (its own
// Release Complete, its last H.245) with a reset. A peer that closes its
// side first only sends no more: it still gets what is queued for it
// within the bound. No step waits: each runs from the event loop, and the
// leg deletes itself when it is done.
#pragma once

#include <cstdint>
#include <memory>

#include <orvo/byteStream.h>
#include <orvo/sockEvent.h>
#include <orvo/socket.h>
#include <orvo/string.h>
#include <orvo/timer.h>

#include <signalling/Q931Stream.h>

class TClosingLeg {
public:
  // Milliseconds a closing leg lives at most.
  static constexpr int64_t Bound = 2000;

  // Takes the connection and its stream over (both are left empty); the
  // stream's callbacks are replaced. A leg without a stream (not connected
  // yet) just closes.
  static void Close(orvo::socket& AConnection, std::unique_ptr<TQ931Stream>& AStream, int64_t ABound = Bound);
  // Legs still closing.
  static int Count();

  TClosingLeg(const TClosingLeg&) = delete;
  TClosingLeg& operator=(const TClosingLeg&) = delete;

private:
  TClosingLeg(orvo::socket& AConnection, std::unique_ptr<TQ931Stream>& AStream, int64_t ABound);
  ~TClosingLeg();

  void OnWritable(orvo::sockEvent* AEvent);
  void OnMessage(Q931::message& AMessage, const orvo::byteStream& AOctets);
  void OnMalformed(const orvo::string& AText, const orvo::byteStream& AOctets);
  void OnTimeout(TTimer* ATimer);
  void OnPeerClosed();
  void ShutDown();
  void Finish();

  orvo::socket Connection;
  std::unique_ptr<TQ931Stream> Stream;
  orvo::byteStream Unsent{128};
  orvo::sockEvent* WriteEvent = nullptr;
  TTimer Timer;
  // The peer closed its side in order: once all is sent, nothing is left.
  bool PeerDone = false;
  // The legs still closing, linked through their own fields: a plain
  // pointer keeps them reachable to the end of the process.
  TClosingLeg* Previous = nullptr;
  TClosingLeg* Next = nullptr;
  static TClosingLeg* First;
  static int Open;
};

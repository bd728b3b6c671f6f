// A connection to a routed call's own port that has not said anything yet.
// Anybody who reaches the port may connect, so the relay keeps a few of
// them side by side and takes as its caller the first whose first message
// is a Setup.
#pragma once

#include <memory>

#include <h323/q931/message.h>
#include <orvo/byteStream.h>
#include <orvo/memberCallback.h>
#include <orvo/socket.h>
#include <orvo/string.h>

#include <signalling/Q931Stream.h>

class TPendingCaller {
public:
  // Takes the accepted descriptor over and switches it to non-blocking.
  explicit TPendingCaller(int ADescriptor);
  // The connection closes unless it was handed over.
  ~TPendingCaller();
  TPendingCaller(const TPendingCaller&) = delete;
  TPendingCaller& operator=(const TPendingCaller&) = delete;

  // Starts reading; callbacks set first.
  void Start();
  // The descriptor, no longer read nor closed here. Nothing beyond the
  // Setup has been read from it.
  int HandOver();

  // (itself, the Setup, the octets it came in). The owner may hand the
  // connection over or delete the object.
  orvo::memberCallback<TPendingCaller*, Q931::message&, const orvo::byteStream&> SetupCallback;
  // (itself, true when the first message was no Setup or did not decode,
  // false when the peer left without one). No more is read; the owner
  // deletes the object, which closes the connection.
  orvo::memberCallback<TPendingCaller*, bool> FailedCallback;

private:
  void OnMessage(Q931::message& AMessage, const orvo::byteStream& AOctets);
  void OnMalformed(const orvo::string& AText, const orvo::byteStream& AOctets);
  void OnClosed();
  void Fail(bool ARefused);

  orvo::socket Connection;
  std::unique_ptr<TQ931Stream> Stream;
};

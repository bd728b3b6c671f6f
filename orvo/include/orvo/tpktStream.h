// A connected TCP socket's byte stream cut into TPKT packets (RFC 1006
// header: version 3, reserved, 16-bit big-endian length of the whole packet).
#pragma once

#include <netinet/in.h>

#include <orvo/byteStream.h>
#include <orvo/exception.h>
#include <orvo/sockEvent.h>
#include <orvo/socket.h>

namespace orvo {

class tpktStream {
public:
  class exception : public orvo::exception {};
  // "Invalid TPKT header received."
  class invalidHeader : public tpktStream::exception {
  protected:
    string what() const override;
  };
  // A payload the 16-bit length cannot carry: "TPKT payload too long."
  class payloadTooLong : public tpktStream::exception {
  protected:
    string what() const override;
  };

  // The largest body one packet carries.
  static const unsigned maximumPayload = 65531;

  // Switches keep-alive on; reading and writing stay off until enabled. The
  // socket is not owned and never closed here.
  explicit tpktStream(socket* connection);
  // Unsent octets are lost.
  virtual ~tpktStream();

  tpktStream(const tpktStream&) = delete;
  tpktStream& operator=(const tpktStream&) = delete;

  // One complete body, read position at its start. May delete the stream.
  virtual void onPacket(byteStream& body) = 0;
  // The connection ended (socket lastError 0) or failed (its errno). May
  // delete the stream.
  virtual void onClosed() {}
  // Four octets that are no TPKT header arrived; the stream reads no more
  // of the connection. Throws invalidHeader unless a subclass reports it
  // otherwise; may delete the stream.
  virtual void onInvalidHeader();
  // Some of the queue went out (queued() tells what is left). May delete
  // the stream.
  virtual void onSent() {}

  void enableRead(bool on);
  void enableWrite(bool on);

  // Queues one packet of the payload's bytes in use and enables writing;
  // throws payloadTooLong, queueing nothing, beyond maximumPayload.
  void send(const byteStream& payload);
  // Octets queued and not yet taken by the connection.
  unsigned queued() const { return outputQueue.remaining(); }
  // Drops the queue unsent and stops writing.
  void discardOutput();
  // Blocks until the queue is sent, an error other than EAGAIN occurs, or
  // timeoutSeconds have passed.
  void flush(unsigned timeoutSeconds);

  sockaddr_in peerAddress();

  // Blocking transfer of one whole packet; false when it does not go through.
  static bool readPacket(socket* connection, byteStream& out);
  static bool writePacket(socket* connection, const byteStream& payload);

protected:
  // A subclass may delete the write event itself (and null the field).
  sockEvent* readEvent;
  sockEvent* writeEvent;
  socket* connection;
  int receiveState;  // 0 awaiting a header, 1 awaiting a body
  int headerCount;
  unsigned char header[4];
  byteStream* partialPacket;
  byteStream outputQueue;

private:
  void receive(sockEvent* registration);
  void transmit(sockEvent* registration);
  unsigned bodyLength() const { return ((unsigned)header[2] << 8 | header[3]) - 4; }
};

}  // namespace orvo

#include <orvo/tpktStream.h>

#include <cerrno>
#include <sys/socket.h>

#include <orvo/timerClock.h>
#include <orvo/utility.h>

namespace orvo {

// Readiness that came to nothing this time: the connection is fine and the
// next event tries again.
static bool nothingYet(int error) { return error == EAGAIN || error == EWOULDBLOCK || error == EINTR; }

string tpktStream::invalidHeader::what() const { return string("Invalid TPKT header received."); }
string tpktStream::payloadTooLong::what() const { return string("TPKT payload too long."); }

tpktStream::tpktStream(socket* connection)
    : readEvent(nullptr),
      writeEvent(nullptr),
      connection(connection),
      receiveState(0),
      headerCount(0),
      header{0, 0, 0, 0},
      partialPacket(nullptr),
      outputQueue(128) {
  connection->setKeepAlive(true);
}

tpktStream::~tpktStream() {
  enableRead(false);
  enableWrite(false);
  delete partialPacket;
}

void tpktStream::enableRead(bool on) {
  if (on && !readEvent) {
    new sockEvent(sockEvent::READ, connection->fd, this, &tpktStream::receive, false, &readEvent);
  } else if (!on && readEvent) {
    sockEvent* registration = readEvent;
    readEvent = nullptr;
    delete registration;
  }
}

void tpktStream::enableWrite(bool on) {
  if (on && !writeEvent) {
    new sockEvent(sockEvent::WRITE, connection->fd, this, &tpktStream::transmit, false, &writeEvent);
  } else if (!on && writeEvent) {
    sockEvent* registration = writeEvent;
    writeEvent = nullptr;
    delete registration;
  }
}

void tpktStream::send(const byteStream& payload) {
  unsigned length = payload.length();
  if (length > maximumPayload) throw new payloadTooLong;
  unsigned total = length + 4;
  const unsigned char frame[4] = {3, 0, (unsigned char)(total >> 8), (unsigned char)total};
  // A queue that never quite empties would otherwise keep every octet it
  // ever sent: once half of it is sent, that half makes room.
  if (outputQueue.remaining() <= outputQueue.length() - outputQueue.remaining()) outputQueue.discardRead();
  outputQueue.write(frame, 4);
  if (length) outputQueue.write(payload.buffer(), length);
  enableWrite(true);
}

void tpktStream::discardOutput() {
  enableWrite(false);
  outputQueue.clear();
}

void tpktStream::onInvalidHeader() { throw new invalidHeader; }

void tpktStream::receive(sockEvent*) {
  if (receiveState == 0) {
    ssize_t n = recv(connection->fd, header + headerCount, (size_t)(4 - headerCount), 0);
    connection->lastError = n == -1 ? errno : 0;
    if (n == -1 && nothingYet(errno)) return;
    if (n <= 0) {
      onClosed();
      return;
    }
    headerCount += (int)n;
    if (headerCount < 4) return;
    if (header[0] != 3 || ((unsigned)header[2] << 8 | header[3]) < 4) {
      onInvalidHeader();
      return;
    }
    headerCount = 0;
    if (bodyLength() == 0) return;  // an empty packet carries nothing
    receiveState = 1;
    partialPacket = new byteStream(1);
    partialPacket->prepareWrite(bodyLength());
    return;
  }

  unsigned missing = bodyLength() - partialPacket->length();
  ssize_t n = recv(connection->fd, partialPacket->prepareWrite(missing), missing, 0);
  connection->lastError = n == -1 ? errno : 0;
  if (n == -1 && nothingYet(errno)) {
    partialPacket->cancelWrite();
    return;
  }
  if (n <= 0) {
    partialPacket->cancelWrite();
    receiveState = 0;
    delete partialPacket;
    partialPacket = nullptr;
    onClosed();
    return;
  }
  partialPacket->commitWrite((int)n);
  if (partialPacket->length() < bodyLength()) return;

  // Settled before the call, which may delete the stream.
  byteStream* packet = partialPacket;
  partialPacket = nullptr;
  receiveState = 0;
  try {
    onPacket(*packet);
  } catch (...) {
    delete packet;
    throw;
  }
  delete packet;
}

void tpktStream::transmit(sockEvent*) {
  if (outputQueue.remaining() == 0) {
    // Drained by flush, or dropped after a reset.
    enableWrite(false);
    outputQueue.clear();
    return;
  }
  ssize_t n = ::send(connection->fd, outputQueue.readPosition(), outputQueue.remaining(), MSG_NOSIGNAL);
  connection->lastError = n == -1 ? errno : 0;
  if (n == -1) {
    if (nothingYet(errno)) return;
    if (errno == ECONNRESET) outputQueue.clear();
    onClosed();
    return;
  }
  outputQueue.skip((int)n);
  if (outputQueue.remaining() == 0) {
    enableWrite(false);
    outputQueue.clear();
  }
  onSent();
}

void tpktStream::flush(unsigned timeoutSeconds) {
  const dateTime deadline = timerClock() + timeSpan(0, (std::int64_t)timeoutSeconds);
  while (outputQueue.remaining() > 0) {
    if (timerClock().compare(deadline) >= 0) return;
    ssize_t n = ::send(connection->fd, outputQueue.readPosition(), outputQueue.remaining(), MSG_NOSIGNAL);
    connection->lastError = n == -1 ? errno : 0;
    if (n >= 0)
      outputQueue.skip((int)n);
    else if (errno == EAGAIN || errno == EWOULDBLOCK)
      sleep(500);
    else if (errno != EINTR)
      return;
  }
}

sockaddr_in tpktStream::peerAddress() {
  sockaddr_in address = defaultAddress;
  socklen_t length = sizeof address;
  connection->lastError = getpeername(connection->fd, reinterpret_cast<sockaddr*>(&address), &length) == -1 ? errno : 0;
  if (connection->lastError) address = defaultAddress;
  return address;
}

bool tpktStream::readPacket(socket* connection, byteStream& out) {
  unsigned char head[4];
  if (connection->readExactly(reinterpret_cast<char*>(head), 4) != 4 || head[0] != 3) return false;
  unsigned length = (unsigned)head[2] << 8 | head[3];
  if (length < 4) return false;
  unsigned body = length - 4;
  if (body == 0) return true;
  unsigned char* room = out.prepareWrite(body);
  if (connection->readExactly(reinterpret_cast<char*>(room), (int)body) != (int)body) {
    out.cancelWrite();
    return false;
  }
  out.commitWrite((int)body);
  return true;
}

bool tpktStream::writePacket(socket* connection, const byteStream& payload) {
  unsigned length = payload.length();
  if (length > maximumPayload) return false;
  unsigned total = length + 4;
  const char head[4] = {3, 0, (char)(total >> 8), (char)total};
  if (connection->writeAll(head, 4) != 4) return false;
  if (length == 0) return true;
  return connection->writeAll(reinterpret_cast<const char*>(payload.buffer()), (int)length) == (int)length;
}

}  // namespace orvo

// Arbitrary octets from a peer through the TPKT receive state machine: every
// packet delivered must lie within what was sent, and nothing may crash.
#include <orvo/tpktStream.h>

#include <cstdint>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace {

struct countingStream : orvo::tpktStream {
  explicit countingStream(orvo::socket* s) : tpktStream(s) {}
  void onPacket(orvo::byteStream& body) override {
    delivered += body.remaining() + 4;
    if (body.remaining() == 0 || body.remaining() > maximumPayload) abort();
  }
  void onClosed() override { closed = true; }
  size_t delivered = 0;
  bool closed = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 60000) return 0;  // fits the socket buffer in one write
  int fd[2];
  if (socketpair(AF_UNIX, SOCK_STREAM, 0, fd) != 0) return 0;
  int room = 1 << 17;
  setsockopt(fd[1], SOL_SOCKET, SO_SNDBUF, &room, sizeof room);
  setsockopt(fd[0], SOL_SOCKET, SO_RCVBUF, &room, sizeof room);
  if (size && write(fd[1], data, size) != (ssize_t)size) abort();
  shutdown(fd[1], SHUT_WR);
  orvo::socket local;
  local.attach(fd[0]);
  local.setNonBlocking(true);
  {
    countingStream stream(&local);
    stream.enableRead(true);
    try {
      for (size_t i = 0; i < 2 * size + 4 && !stream.closed; ++i) orvo::sockEvent::dispatch(0);
    } catch (orvo::exception* e) {
      delete e;
    }
    if (stream.delivered > size) abort();
  }
  close(fd[1]);
  return 0;
}

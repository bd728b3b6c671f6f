#include <signalling/CallSockets.h>

#include <cerrno>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace {

bool fail(orvo::socket& ASocket) {
  int error = errno;
  ASocket.close();
  ASocket.lastError = error;
  return false;
}

}  // namespace

bool SetCallSignallingTos(orvo::socket& ASocket) {
  int tos = CallSignallingTos;
  bool done = setsockopt(ASocket.fd, IPPROTO_IP, IP_TOS, &tos, sizeof tos) == 0;
  ASocket.lastError = done ? 0 : errno;
  return done;
}

bool SetNoDelay(orvo::socket& ASocket) {
  int on = 1;
  bool done = setsockopt(ASocket.fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on) == 0;
  ASocket.lastError = done ? 0 : errno;
  return done;
}

bool OpenCallListener(const sockaddr_in& ALocal, orvo::socket& AListener, sockaddr_in& ABound) {
  AListener = orvo::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (AListener.fd == -1) return false;
  sockaddr_in local = ALocal;
  local.sin_family = AF_INET;
  local.sin_port = 0;
  if (bind(AListener.fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) == -1) return fail(AListener);
  if (listen(AListener.fd, 5) == -1) return fail(AListener);
  socklen_t length = sizeof ABound;
  if (getsockname(AListener.fd, reinterpret_cast<sockaddr*>(&ABound), &length) == -1) return fail(AListener);
  if (!AListener.setNonBlocking(true)) return fail(AListener);
  AListener.lastError = 0;
  return true;
}

int StartCallConnection(const sockaddr_in& APeer, const sockaddr_in& ALocal, orvo::socket& AConnection) {
  AConnection = orvo::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (AConnection.fd == -1) return AConnection.lastError;
  if (!AConnection.setNonBlocking(true)) {
    fail(AConnection);
    return AConnection.lastError;
  }
  // A refused type of service or delay does not stop the call.
  SetCallSignallingTos(AConnection);
  // The callee sees the call come from the address the gatekeeper
  // announces, not from one the system picks on a host with several.
  sockaddr_in local = ALocal;
  local.sin_family = AF_INET;
  local.sin_port = 0;
  if (bind(AConnection.fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) == -1) {
    fail(AConnection);
    return AConnection.lastError;
  }
  SetNoDelay(AConnection);
  if (connect(AConnection.fd, reinterpret_cast<const sockaddr*>(&APeer), sizeof APeer) == 0) return 0;
  if (errno == EINPROGRESS) return EINPROGRESS;
  fail(AConnection);
  return AConnection.lastError;
}

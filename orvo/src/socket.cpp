#include <orvo/socket.h>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace orvo {

socket::socket() : fd(-1), owns(1), lastError(EBADF) {}

socket::socket(int domain, int type, int protocol) : fd(-1), owns(1), lastError(0) {
  fd = ::socket(domain, type, protocol);
  lastError = fd == -1 ? errno : 0;
}

socket::socket(const socket& other) : fd(other.fd), owns(0), lastError(other.lastError) {}

socket::socket(socket&& other) noexcept : fd(other.fd), owns(other.owns), lastError(other.lastError) {
  other.fd = -1;
  other.owns = 1;
  other.lastError = EBADF;
}

socket::~socket() { close(); }

socket& socket::operator=(const socket& other) {
  if (this == &other) return *this;
  int descriptor = other.fd, error = other.lastError;
  close();
  fd = descriptor;
  owns = 0;
  lastError = error;
  return *this;
}

socket& socket::operator=(socket&& other) noexcept {
  if (this == &other) return *this;
  close();
  fd = other.fd;
  owns = other.owns;
  lastError = other.lastError;
  other.fd = -1;
  other.owns = 1;
  other.lastError = EBADF;
  return *this;
}

int socket::accept(sockaddr* address, socklen_t* length) {
  int descriptor = ::accept(fd, address, length);
  lastError = descriptor == -1 ? errno : 0;
  return descriptor;
}

int socket::accept(sockaddr_in& peer) {
  socklen_t length = sizeof peer;
  return accept(reinterpret_cast<sockaddr*>(&peer), &length);
}

int socket::accept() { return accept(nullptr, nullptr); }

bool socket::setKeepAlive(bool on) {
  int32_t value = on ? 1 : 0;
  lastError = setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &value, sizeof value) == -1 ? errno : 0;
  return lastError == 0;
}

bool socket::setNonBlocking(bool on) {
  int flags = fcntl(fd, F_GETFL);
  if (flags != -1) flags = fcntl(fd, F_SETFL, on ? flags | O_NONBLOCK : flags & ~O_NONBLOCK);
  lastError = flags == -1 ? errno : 0;
  return lastError == 0;
}

int socket::readExactly(char* buffer, int length) {
  int received = 0;
  while (received < length) {
    ssize_t n = recv(fd, buffer + received, (size_t)(length - received), 0);
    if (n == -1 && errno == EINTR) continue;
    lastError = n == -1 ? errno : 0;
    if (n <= 0) break;
    received += (int)n;
  }
  return received;
}

int socket::writeAll(const char* buffer, int length) {
  int sent = 0;
  while (sent < length) {
    ssize_t n = send(fd, buffer + sent, (size_t)(length - sent), MSG_NOSIGNAL);
    if (n == -1 && errno == EINTR) continue;
    lastError = n == -1 ? errno : 0;
    if (n == -1) break;
    sent += (int)n;
  }
  return sent;
}

bool socket::close() {
  if (fd == -1) {
    lastError = EBADF;
    return false;
  }
  if (owns) lastError = ::close(fd) == -1 ? errno : 0;
  fd = -1;
  return lastError == 0;
}

void socket::attach(int descriptor) {
  if (descriptor == fd) {
    owns = 1;
    return;
  }
  close();
  fd = descriptor;
  owns = 1;
  lastError = descriptor == -1 ? EBADF : 0;
}

int socket::release() {
  owns = 0;
  return fd;
}

}  // namespace orvo

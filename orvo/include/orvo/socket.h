// A socket descriptor with an ownership flag and the errno of its last call.
#pragma once

#include <cstdint>
#include <netinet/in.h>
#include <sys/socket.h>

#include <orvo/socketAddress.h>

namespace orvo {

// Failures are reported by the result and kept in lastError; nothing throws.
class socket {
public:
  // No descriptor yet (fd -1, lastError EBADF).
  socket();
  socket(int domain, int type, int protocol);
  // Borrows: the copy never closes the descriptor.
  socket(const socket& other);
  // Takes the descriptor and its ownership; the source is left empty.
  socket(socket&& other) noexcept;
  ~socket();

  // Closes what this object holds, then borrows the other's descriptor.
  socket& operator=(const socket& other);
  // Closes what this object holds, then takes the other's descriptor over.
  socket& operator=(socket&& other) noexcept;

  // Each returns the new descriptor, bare, or -1.
  int accept(sockaddr* address, socklen_t* length);
  int accept(sockaddr_in& peer);
  int accept();

  bool setKeepAlive(bool on);
  bool setNonBlocking(bool on);

  // Blocking loops over recv/send; each returns the octets transferred.
  int readExactly(char* buffer, int length);
  int writeAll(const char* buffer, int length);

  bool close();

  // Closes what this object holds and takes ownership of descriptor.
  void attach(int descriptor);
  // Hands the descriptor to another owner: this object keeps it only as a
  // borrowed view, so it no longer closes it. Returns the descriptor.
  int release();

  int32_t fd;
  int32_t owns;
  int32_t lastError;
};

}  // namespace orvo

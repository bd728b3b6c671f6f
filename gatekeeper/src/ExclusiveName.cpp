#include <gatekeeper/ExclusiveName.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

// A Unix socket bound to a name in the abstract namespace (a path that
// begins with a zero octet): the bind is refused with EADDRINUSE while
// another socket has the name, and the name goes with the last descriptor
// of the socket. Close-on-exec, so that a program started from this
// process never keeps it.

TExclusiveName::~TExclusiveName() { Release(); }

bool TExclusiveName::Take(const std::string& AName) {
  Release();
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (AName.size() > 100) {
    Error = ENAMETOOLONG;
    return false;
  }
  std::memcpy(address.sun_path + 1, AName.data(), AName.size());
  const int holder = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (holder == -1) {
    Error = errno;
    return false;
  }
  const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + AName.size());
  if (bind(holder, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
    Error = errno;
    close(holder);
    return false;
  }
  Descriptor = holder;
  Name = AName;
  Error = 0;
  return true;
}

void TExclusiveName::Release() {
  if (Descriptor == -1) return;
  close(Descriptor);
  Descriptor = -1;
  Name.clear();
}

bool TExclusiveName::Holds(const std::string& AName) const { return Descriptor != -1 && Name == AName; }

// The TCP sockets of a running process (the test's own or a program it
// started) as the test reads them: the process's descriptor is copied into
// the test (pidfd_getfd), which reads the options that the process set on
// that very socket with getsockopt. Capture or socket statistics cannot
// show options such as TCP_NODELAY.
#pragma once

#include <dirent.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace processSockets {

// A copy of the descriptor of APid's socket connected to APeer; -1 when it
// has none or may not be read. The caller closes it.
inline int connectedTo(pid_t APid, const sockaddr_in& APeer) {
  const int process = int(syscall(SYS_pidfd_open, APid, 0));
  if (process == -1) return -1;
  const std::string folder = "/proc/" + std::to_string(APid) + "/fd";
  int found = -1;
  if (DIR* d = opendir(folder.c_str())) {
    while (dirent* entry = readdir(d)) {
      char* end = nullptr;
      const long number = strtol(entry->d_name, &end, 10);
      if (end == entry->d_name || *end) continue;
      char target[32];
      const ssize_t n = readlink((folder + "/" + entry->d_name).c_str(), target, sizeof target);
      if (n < 7 || std::string(target, 7) != "socket:") continue;
      const int copy = int(syscall(SYS_pidfd_getfd, process, int(number), 0));
      if (copy == -1) continue;
      sockaddr_in peer{};
      socklen_t length = sizeof peer;
      if (getpeername(copy, reinterpret_cast<sockaddr*>(&peer), &length) == 0 && peer.sin_family == AF_INET &&
          peer.sin_addr.s_addr == APeer.sin_addr.s_addr && peer.sin_port == APeer.sin_port) {
        found = copy;
        break;
      }
      close(copy);
    }
    closedir(d);
  }
  close(process);
  return found;
}

// TCP_NODELAY of APid's socket connected to APeer: 1 set, 0 not, -1 no such
// socket.
inline int noDelay(pid_t APid, const sockaddr_in& APeer) {
  const int copy = connectedTo(APid, APeer);
  if (copy == -1) return -1;
  int value = -1;
  socklen_t length = sizeof value;
  if (getsockopt(copy, IPPROTO_TCP, TCP_NODELAY, &value, &length) != 0) value = -1;
  close(copy);
  return value < 0 ? -1 : value != 0;
}

}  // namespace processSockets

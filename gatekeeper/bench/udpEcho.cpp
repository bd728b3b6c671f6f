// The limit the RAS load is measured against: one thread that receives a
// datagram on 127.0.0.1 and sends it back as it came, nothing decoded.
//   udpEcho PORT
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: udpEcho PORT\n");
    return 2;
  }
  int s = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(uint16_t(std::atoi(argv[1])));
  if (s < 0 || bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    std::fprintf(stderr, "udpEcho: %s\n", std::strerror(errno));
    return 1;
  }
  std::printf("Echo ready.\n");
  std::fflush(stdout);
  // A read buffer of the gatekeeper's size.
  static unsigned char buffer[8192];
  for (;;) {
    sockaddr_in from{};
    socklen_t length = sizeof from;
    ssize_t got = recvfrom(s, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length);
    if (got < 0) {
      if (errno == EINTR || errno == ECONNREFUSED) continue;
      std::fprintf(stderr, "udpEcho: %s\n", std::strerror(errno));
      return 1;
    }
    sendto(s, buffer, size_t(got), 0, reinterpret_cast<const sockaddr*>(&from), length);
  }
}

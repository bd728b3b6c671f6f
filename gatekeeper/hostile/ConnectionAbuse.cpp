#include "ConnectionAbuse.h"

#include <fcntl.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "CallLeg.h"
#include "SimulatedEndpoint.h"

namespace {

const int AnswerLimit = 5000;  // ms

void SendAll(int AFd, const unsigned char* AData, size_t ALength) {
  while (ALength) {
    ssize_t n = send(AFd, AData, ALength, MSG_NOSIGNAL);
    if (n <= 0) return;
    AData += n;
    ALength -= size_t(n);
  }
}

bool ReadExactly(int AFd, unsigned char* AData, size_t ALength) {
  for (size_t done = 0; done < ALength;) {
    pollfd p{AFd, POLLIN, 0};
    if (poll(&p, 1, AnswerLimit) != 1) return false;
    ssize_t n = recv(AFd, AData + done, ALength - done, 0);
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

}  // namespace

octets TpktFrame(const octets& AMessage) { return TCallLeg::Frame(AMessage); }

TConnectionAbuse::TConnectionAbuse(unsigned ANetwork) : Network(ANetwork) {}

TConnectionAbuse::~TConnectionAbuse() { CloseAll(); }

int TConnectionAbuse::Connect(const sockaddr_in& ATo, bool ABlocking) {
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | (ABlocking ? 0 : SOCK_NONBLOCK), 0);
  if (fd < 0) return -1;
  NextSource = (NextSource + 1) % 2000;
  sockaddr_in local = LoopbackAddress(Network << 16 | (NextSource / 250) << 8 | (NextSource % 250 + 1), 0);
  int result = bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local);
  if (result == 0) result = connect(fd, reinterpret_cast<const sockaddr*>(&ATo), sizeof ATo);
  if (result != 0 && (ABlocking || errno != EINPROGRESS)) {
    close(fd);
    return -1;
  }
  ++OpenedCount;
  return fd;
}

void TConnectionAbuse::Garbage(const sockaddr_in& ATo, unsigned ACount, std::mt19937& ARandom) {
  for (unsigned i = 0; i < ACount; ++i) {
    int fd = Connect(ATo, true);
    if (fd < 0) continue;
    octets garbage(1 + ARandom() % 4096);
    for (unsigned char& octet : garbage) octet = (unsigned char)ARandom();
    // Now and then garbage that starts like a frame.
    if (i % 3 == 0 && garbage.size() >= 4) garbage[0] = 3, garbage[1] = 0;
    SendAll(fd, garbage.data(), garbage.size());
    close(fd);
  }
}

void TConnectionAbuse::AnnounceAndFallSilent(const sockaddr_in& ATo, unsigned ACount) {
  const unsigned char header[4] = {3, 0, 0xff, 0xff};
  for (unsigned i = 0; i < ACount; ++i) {
    int fd = Connect(ATo, true);
    if (fd < 0) continue;
    SendAll(fd, header, sizeof header);
    HeldFds.push_back(fd);
  }
}

void TConnectionAbuse::Idle(const sockaddr_in& ATo, unsigned ACount) {
  for (unsigned i = 0; i < ACount; ++i) {
    int fd = Connect(ATo, false);
    if (fd >= 0) HeldFds.push_back(fd);
  }
}

void TConnectionAbuse::ResetMidFrame(const sockaddr_in& ATo, unsigned ACount, const octets& AFrame) {
  for (unsigned i = 0; i < ACount; ++i) {
    int fd = Connect(ATo, true);
    if (fd < 0) continue;
    SendAll(fd, AFrame.data(), AFrame.size() / 2);
    const linger abort{1, 0};
    setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    close(fd);
  }
}

int TConnectionAbuse::SendFrame(const sockaddr_in& ATo, const octets& AFrame, bool AOctetByOctet) {
  int fd = Connect(ATo, true);
  if (fd < 0) return -2;
  if (AOctetByOctet) {
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    for (unsigned char octet : AFrame) {
      SendAll(fd, &octet, 1);
      std::this_thread::sleep_for(std::chrono::microseconds(300));
    }
  } else {
    SendAll(fd, AFrame.data(), AFrame.size());
  }
  int type = -2;
  unsigned char header[4];
  pollfd p{fd, POLLIN, 0};
  if (poll(&p, 1, AnswerLimit) == 1) {
    type = -1;
    if (ReadExactly(fd, header, 4) && header[0] == 3) {
      octets message(size_t((header[2] << 8 | header[3])) - 4);
      if (message.size() >= 3 && ReadExactly(fd, message.data(), message.size())) {
        const size_t at = 2 + (message[1] & 0x0f);
        type = at < message.size() ? message[at] : -1;
      }
    }
  }
  close(fd);
  return type;
}

unsigned TConnectionAbuse::Fill(const sockaddr_in& ATo, unsigned AMost) {
  unsigned taken = 0;
  for (unsigned i = 0, stalled = 0; i < AMost && stalled < 8; ++i) {
    int fd = Connect(ATo, false);
    if (fd < 0) break;
    HeldFds.push_back(fd);
    pollfd p{fd, POLLOUT, 0};
    if (poll(&p, 1, 200) == 1) {
      stalled = 0;
      ++taken;
    } else {
      ++stalled;
    }
  }
  return taken;
}

void TConnectionAbuse::CloseAll() {
  for (int fd : HeldFds) close(fd);
  HeldFds.clear();
}

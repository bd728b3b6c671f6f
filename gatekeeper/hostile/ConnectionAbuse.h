// TCP connections that no endpoint would open: garbage, a TPKT header that
// announces more than ever comes, a Setup dribbled one octet at a time,
// connections that only sit there, connections reset in the middle of a
// frame, and as many connections as the other side takes. Sources are
// spread over 127.<network>.x.y; the held ones close with the object.
#pragma once

#include <netinet/in.h>

#include <random>
#include <vector>

#include "DatagramMutator.h"

// The message behind a TPKT header (RFC 1006: version 3, length of all).
octets TpktFrame(const octets& AMessage);

class TConnectionAbuse {
public:
  explicit TConnectionAbuse(unsigned ANetwork);
  ~TConnectionAbuse();
  TConnectionAbuse(const TConnectionAbuse&) = delete;
  TConnectionAbuse& operator=(const TConnectionAbuse&) = delete;

  void Garbage(const sockaddr_in& ATo, unsigned ACount, std::mt19937& ARandom);
  // Header of a 65,535-octet TPKT frame, then nothing; held open.
  void AnnounceAndFallSilent(const sockaddr_in& ATo, unsigned ACount);
  // Connected and held open without a word.
  void Idle(const sockaddr_in& ATo, unsigned ACount);
  // The first half of the frame, then a reset (SO_LINGER 0).
  void ResetMidFrame(const sockaddr_in& ATo, unsigned ACount, const octets& AFrame);
  // The frame in one write or octet by octet; the Q.931 message type of
  // the first frame that comes back, -1 when the other side only closed,
  // -2 when nothing came within the limit.
  int SendFrame(const sockaddr_in& ATo, const octets& AFrame, bool AOctetByOctet);
  // Connections one after the other, each given time to be taken, until
  // AMost or until the other side stops taking them; held open. How many.
  unsigned Fill(const sockaddr_in& ATo, unsigned AMost);

  void CloseAll();
  unsigned long Opened() const { return OpenedCount; }
  size_t Held() const { return HeldFds.size(); }

private:
  // Connected (or connecting when ABlocking is false), -1 on failure.
  int Connect(const sockaddr_in& ATo, bool ABlocking);

  unsigned Network;
  unsigned NextSource = 0;
  unsigned long OpenedCount = 0;
  std::vector<int> HeldFds;
};

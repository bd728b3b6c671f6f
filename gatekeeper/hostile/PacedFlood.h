// Datagrams from many loopback sources as fast as the gatekeeper's loop
// takes them: after each burst a probe that the gatekeeper answers (a
// gatekeeperConfirm nobody asked for draws an unknownMessageResponse) is
// waited for, and the burst grows while probes come back and shrinks when
// one is lost. A flood beyond that rate would only fill the socket's queue
// and lose everybody's datagrams in the kernel, the well-behaved ones too.
#pragma once

#include <netinet/in.h>

#include <functional>
#include <vector>

#include "DatagramMutator.h"
#include "RasTemplate.h"

class TPacedFlood {
public:
  // Sources on 127.<ANetwork>.x.y, ASources of them; the probe goes to the
  // gatekeeper's RAS address.
  TPacedFlood(unsigned ANetwork, unsigned ASources, const sockaddr_in& AGatekeeper);
  ~TPacedFlood();
  TPacedFlood(const TPacedFlood&) = delete;
  TPacedFlood& operator=(const TPacedFlood&) = delete;

  // AMake fills in a datagram and where it goes; until ASeconds have passed
  // or AMost datagrams have gone. AMake runs without the library's turn.
  typedef std::function<void(octets& ADatagram, sockaddr_in& ATo)> TMaker;
  void Run(const TMaker& AMake, double ASeconds, unsigned long AMost);

  unsigned long Sent() const { return SentCount; }
  unsigned long ProbesLost() const { return LostProbes; }

private:
  bool Probe();

  TRasTemplate ProbeTemplate, AnswerTemplate;
  std::vector<int> Sources;
  int ProbeSocket = -1;
  sockaddr_in Gatekeeper;
  unsigned ProbeNumber = 60000;
  unsigned long SentCount = 0, LostProbes = 0;
};

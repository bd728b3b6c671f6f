// A neighbour gatekeeper played on 127.0.0.5 for the hostile-traffic run:
// it confirms whatever the gatekeeper's link asks (registration, location,
// admission, disengage, unregistration) with its own addresses, so that a
// call through the neighbour admitted with any other address shows that a
// forged answer was believed.
#pragma once

#include <netinet/in.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "SimulatedEndpoint.h"

class TNeighbourGatekeeper {
public:
  // Where the neighbour's callee takes calls: what a genuine admission names.
  static sockaddr_in CalleeAddress();

  TNeighbourGatekeeper();
  ~TNeighbourGatekeeper();
  TNeighbourGatekeeper(const TNeighbourGatekeeper&) = delete;
  TNeighbourGatekeeper& operator=(const TNeighbourGatekeeper&) = delete;

  const sockaddr_in& Address() const { return Endpoint.Address(); }
  // The link's own socket, known once it has spoken; port 0 before.
  sockaddr_in LinkAddress() const;
  bool WaitForLink(int AMilliseconds) const;
  // Registers here as the gatekeeper's user "gk2": calls go through the
  // link only to a neighbour that is registered.
  bool RegisterAt(const sockaddr_in& AGatekeeper);
  // The requestSeqNum of the link's latest request.
  unsigned LastSequenceNumber() const { return LastSequence; }
  unsigned long Answered() const { return AnswerCount; }

private:
  void Serve();
  void Answer(const H225::rasMessage& ARequest, const sockaddr_in& AFrom);

  TSimulatedEndpoint Endpoint;
  mutable std::mutex Lock;
  sockaddr_in Link{};
  std::atomic<unsigned> LastSequence{0};
  std::atomic<unsigned long> AnswerCount{0};
  std::atomic<bool> Stopping{false};
  std::atomic<bool> Registered{false};
  std::thread Server;
};

// The endpoints that only ever behave: they register, call directly,
// through the relay and through the neighbour gatekeeper, and unregister,
// over and over, retransmitting a request that stays unanswered as a real
// endpoint does. A request counts as lost only when every transmission of
// it went unanswered; an answer of the wrong kind or with the wrong content
// counts as wrong. Two of them hold a call from Begin to End.
#pragma once

#include <netinet/in.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "SimulatedEndpoint.h"

struct TWellBehavedFigures {
  unsigned long Cycles = 0;
  unsigned long Requests = 0;
  unsigned long Retransmissions = 0;
  unsigned long Lost = 0;
  unsigned long Wrong = 0;
  std::vector<std::string> Complaints;  // the first ones
};

class TWellBehavedTraffic {
public:
  static const int Transmissions = 8;
  static constexpr std::chrono::milliseconds RetransmitInterval{1000};

  explicit TWellBehavedTraffic(const sockaddr_in& AGatekeeper);
  ~TWellBehavedTraffic();
  TWellBehavedTraffic(const TWellBehavedTraffic&) = delete;
  TWellBehavedTraffic& operator=(const TWellBehavedTraffic&) = delete;

  // Registers the endpoints that stay and admits their long call.
  bool Begin();
  // One round of every kind of request, in the caller's thread; false when
  // one of them was lost or wrongly answered.
  bool Cycle();
  // Rounds in a thread of their own until StopCycling, which waits for the
  // round under way.
  void StartCycling();
  void StopCycling();
  // The registrations of Begin keep their identifiers and the long call
  // still exists.
  bool Undisturbed();
  // The long call disengaged, everybody unregistered.
  bool End();

  TWellBehavedFigures Figures() const;
  // The requestSeqNum of the gatekeeper's latest own request to us.
  unsigned LastGatekeeperSequence() const { return GatekeeperSequence; }

private:
  // Sends and retransmits until an answer with the request's number comes;
  // null when none did or it was not of the kind AConfirm.
  std::unique_ptr<H225::rasMessage> Transact(TSimulatedEndpoint& AEndpoint, H225::rasMessage& ARequest,
                                             int AConfirm, const std::string& AWhat);
  bool HandleGatekeeperRequest(TSimulatedEndpoint& AEndpoint, const H225::rasMessage& AMessage,
                               const sockaddr_in& AFrom);
  void Complain(const std::string& AText, bool ALost);
  std::string Register(TSimulatedEndpoint& AEndpoint, const char* AAlias, const sockaddr_in& ASignal);
  bool KeepAlive(TSimulatedEndpoint& AEndpoint, const std::string& AIdentifier, const char* AName);
  bool Unregister(TSimulatedEndpoint& AEndpoint, const std::string& AIdentifier, const char* AName);
  bool ReportLongCall();
  bool DirectCall();
  bool NeighbourCall();
  bool RoutedCall();
  bool Comings();

  sockaddr_in Gatekeeper;
  TSimulatedEndpoint Alice, Bob, Carol, Dave, Cycler, Radius;
  int DaveListener = -1;
  sockaddr_in DaveSignal{};
  std::string AliceId, BobId, CarolId, DaveId;
  unsigned CallNumber = 0;
  std::chrono::steady_clock::time_point RoutedCallEnded{};

  mutable std::mutex Lock;
  TWellBehavedFigures Counts;
  std::atomic<unsigned> GatekeeperSequence{0};
  std::atomic<bool> Cycling{false};
  std::thread Rounds;
};

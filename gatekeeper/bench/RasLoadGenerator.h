// The load generator: threads on cores of their own, each with its share of
// UDP sockets on loopback addresses, keep a window of requests outstanding
// towards one server, check every answer, retransmit what is not answered
// in time and count what stays lost. Endpoint N is always served by socket
// N % sockets, so that its registration's RAS address stays the same from
// one phase to the next.
#pragma once

#include <netinet/in.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "RasLoadTemplates.h"

namespace rasload {

enum TWork {
  wkRegister,   // full registrations of endpoints First .. First + Count - 1
  wkKeepAlive,  // keep-alives cycling over endpoints 0 .. Population - 1
  wkCalls,      // ARQ, then DRQ once HeldCalls newer calls are open; the calls
                // of the last wkHoldCalls count as open from the start
  wkHoldCalls,  // ARQ of MaximumRequests calls, none ended
  wkEndCalls,   // DRQ of the calls the last wkHoldCalls opened
};

// One phase of the load. An echo phase sends the datagrams of its work to a
// server that returns them as they are.
struct TPhase {
  std::string Name;
  TWork Work = wkRegister;
  bool Echo = false;
  unsigned First = 0, Count = 0;
  unsigned Population = 0;
  unsigned HeldCalls = 0;
  uint64_t MaximumRequests = 0;  // keep-alives and calls: the count bound
  double Seconds = 10;           // the time bound of issuing requests
  unsigned Window = 0;           // requests outstanding over all threads; 0: the run's
};

struct TLatency {
  double P50 = 0, P99 = 0, Maximum = 0;  // microseconds
};

struct TPhaseResult {
  std::string Name;
  uint64_t Requests = 0;  // the phase's main requests (RRQ, keep-alive, ARQ) answered right
  uint64_t Disengages = 0;
  uint64_t Wrong = 0;  // answered, but not as expected
  uint64_t Lost = 0;   // unanswered after every retransmission
  uint64_t Retransmissions = 0;
  uint64_t Stray = 0;  // answers to nothing outstanding (late duplicates)
  double Seconds = 0;  // from the first request to the last main answer
  bool TimeLimited = false;
  // Registrations: every endpoint below this one was registered.
  unsigned RegisteredEnd = 0;
  TLatency Latency;  // of the main requests
  std::string FirstWrong;
  double Rate() const { return Seconds > 0 ? double(Requests) / Seconds : 0; }
  bool Sound() const { return Wrong == 0 && Lost == 0; }
};

struct TGeneratorSetup {
  unsigned Threads = 3;
  std::vector<int> Cores;      // one per thread; empty: not pinned
  unsigned Sockets = 192;      // a multiple of Threads
  bool SpreadSources = false;  // bind over 127.0.0.0/8 rather than 127.0.1.x
  double RetransmitSeconds = 2.0;
  unsigned Retransmissions = 3;
};

class TLoadGenerator {
public:
  // Opens and binds the sockets; throws std::runtime_error on failure.
  TLoadGenerator(const TGeneratorSetup& ASetup, const TRasTemplates& ATemplates);
  ~TLoadGenerator();
  TLoadGenerator(const TLoadGenerator&) = delete;
  TLoadGenerator& operator=(const TLoadGenerator&) = delete;

  TPhaseResult Run(const TPhase& APhase, const sockaddr_in& AServer);

  // The endpoint as the gatekeeper sees it (its socket's address).
  TEndpointValues Endpoint(unsigned AEndpoint) const;
  unsigned Threads() const { return FSetup.Threads; }

private:
  friend class TGeneratorThread;
  TGeneratorSetup FSetup;
  const TRasTemplates& FTemplates;
  std::vector<int> FSockets;
  std::vector<sockaddr_in> FBound;
  // Calls opened by the last wkHoldCalls, per thread: call and caller.
  std::vector<std::vector<std::pair<uint64_t, unsigned>>> FHeld;
  uint64_t FNextCall = 1;
  // The last requestSeqNum each thread used.
  std::vector<unsigned> FNextSequence;
};

}  // namespace rasload

// One gatekeeper under hostile traffic: the program (the sanitizer build
// when there is one), the neighbour it links to, the RADIUS server it asks,
// the well-behaved endpoints, the phases of abuse, and after each phase the
// checks: the process lives, nothing of the well-behaved traffic was lost
// or wrongly answered, its registrations and its call are as they were,
// memory and descriptors are back near where they started, and the
// sanitizers said nothing.
#pragma once

#include <sys/types.h>

#include <iosfwd>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "CallLeg.h"
#include "DatagramMutator.h"
#include "GatekeeperUnderTest.h"
#include "NeighbourGatekeeper.h"
#include "ProcessFigures.h"
#include "RadiusAnswerer.h"
#include "RasTemplate.h"
#include "WellBehavedTraffic.h"

struct THostileFigures {
  unsigned long Datagrams = 0;    // mutated, to the RAS port and the link
  unsigned long Forgeries = 0;    // forged RAS answers and requests
  unsigned long Connections = 0;  // TCP connections opened
  unsigned long ProbesLost = 0;   // pacing probes the gatekeeper never answered
  unsigned long long Flooded = 0;  // octets a relay call's callee got to send to a caller that reads nothing
  unsigned Phases = 0;
  TProcessFigures Start, Baseline, Last, Largest;
};

class THostileRun {
public:
  // The gatekeeper's descriptor limit: low enough that a phase can take
  // every descriptor, high enough for the idle connections of another.
  static const unsigned long DescriptorLimit = 512;
  // Margins after a phase: resident memory (the sanitizer's quarantine and
  // the allocator's caches settle at some level) and descriptors.
  static const long MemoryMarginKiB = 24 * 1024;
  static const int DescriptorMargin = 2;
  static constexpr double WarmingSeconds = 2;
  // How much resident memory a relay call under a flood may add, and how
  // long after the flood began its end may come (the relay's bound of 5 s
  // and some time for the flood to fill the kernel's buffers).
  static constexpr long FloodMarginKiB = 8 * 1024;
  static constexpr int FloodEndMilliseconds = 5000 + 3000;

  // The program to run and why it was chosen.
  static std::string Program(std::string& AWhy);

  explicit THostileRun(std::uint32_t ASeed);
  ~THostileRun();

  // The gatekeeper started, its link up, the well-behaved endpoints
  // registered, a warming round done, and the figures to come back to taken.
  bool Start();

  void MutatedDatagrams(double ASeconds);
  void ForgedAnswers(double ASeconds);
  void AbusiveConnections();
  void DescriptorExhaustion();
  // A routed call whose caller sends its Setup and reads no more while its
  // callee floods it with frames of 65,535 octets.
  void StalledRelayCall();

  // The checks after a phase (test failures naming the phase); the
  // well-behaved rounds stop during the checks and go on afterwards.
  void CheckAfter(const std::string& APhase);
  // The long call ended, everybody unregistered, the gatekeeper stopped,
  // and what the sanitizers wrote read.
  void Finish();

  // Forgets the console output and log so far (long runs).
  void DiscardOutput() { Gatekeeper->DiscardOutput(); }
  void Print(std::ostream& AOut) const;
  const THostileFigures& Figures() const { return Counts; }

private:
  std::string SanitizerReports() const;
  bool WaitForFigures(const std::string& APhase);
  std::vector<octets> OwnMessages();
  // A routed call's relay port for the hostile endpoints; 0 when none.
  unsigned RelayPort();
  void EndRelayCalls();

  std::uint32_t Seed;
  std::mt19937 Random;
  std::string ProgramPath, ProgramWhy;
  TRadiusAnswerer Radius;
  TNeighbourGatekeeper Neighbour;
  std::unique_ptr<TGatekeeperUnderTest> Gatekeeper;
  std::unique_ptr<TWellBehavedTraffic> Traffic;
  std::unique_ptr<TSimulatedEndpoint> Mallory, Trent;
  // Where Trent takes the calls that Mallory makes through the relay.
  TCallLeg TrentListener;
  std::string MalloryId, TrentId;
  unsigned RelayCalls = 0;
  // What the last relay call that was not admitted got instead.
  std::string RelayRefusal;
  std::vector<unsigned> OpenRelayCalls;
  pid_t Pid = -1;
  THostileFigures Counts;
};

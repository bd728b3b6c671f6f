// The gatekeeper core: one per run cycle of the service. It owns what lives
// while the gatekeeper runs: the configuration, the sockets, the lists of
// live procedures, registrations, links, calls and monitor clients.
#pragma once

#include <cstdint>
#include <iosfwd>

#include <orvo/dateTime.h>
#include <orvo/list.h>
#include <orvo/string.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/Monitor.h>
#include <gatekeeper/Processor.h>
#include <gatekeeper/RADIUSConnection.h>
#include <gatekeeper/StorageProvider.h>
#include <gatekeeper/Thread.h>

class TConfiguration;

class TGatekeeper {
public:
  enum TState { gksCreated = 0, gksRunning = 1, gksShuttingDown = 2, gksStopped = 3 };

  explicit TGatekeeper(TBasicStorageProvider* AProvider = nullptr);
  TGatekeeper(const TGatekeeper&) = delete;
  TGatekeeper& operator=(const TGatekeeper&) = delete;
  ~TGatekeeper();

  // Takes the stream. The first load of a cycle runs at once; false when the
  // configuration does not load (the reason is logged).
  bool ReloadConfiguration(std::istream* AStream);
  void StartServices();
  // The event loop, then the orderly shutdown; returns when stopped.
  void RunGatekeeper();
  void StopLoop();

  // The core whose run was last entered.
  static TGatekeeper* Running() { return RunningCore; }

  TConfiguration* Configuration() const { return CurrentConfiguration; }
  TBasicStorageProvider* StorageProvider() const { return Provider; }
  int State() const { return CurrentState; }

  // Called with a wait hint in milliseconds during start-up and shutdown.
  void (*StatusReporter)(unsigned AWaitHint) = nullptr;
  // An endpoint that never answers must not keep a stopping process alive.
  int64_t ShutdownLimit = 30000;

  orvo::string VersionText;
  orvo::list<TThread> Threads{1};
  orvo::list<TEndpointRegisterInfo> Registrations{1};
  orvo::list<TGatekeeperLink> Links{1};
  orvo::list<TConnection> Connections{1};
  orvo::list<TMonitor> Monitors{1};
  orvo::list<TProcessor> RASProcedures{1};
  orvo::list<TProcessor> RegistrationResolvers{1};
  orvo::list<TProcessor> AdmissionResolvers{1};
  orvo::list<TProcessor> BandwidthResolvers{1};
  orvo::list<TProcessor> SetupResolvers{1};
  orvo::list<TProcessor> LocationResolvers{1};
  unsigned NextRequestSequenceNumber = 1;
  // Authentication first, so that accounting goes first when the core does.
  TRADIUSConnection AuthenticationRADIUS{this};
  TRADIUSConnection AccountingRADIUS{this};

private:
  static void PollThreads();
  static void ShutdownComplete();
  // Runs one phase's loop, logging what escapes and resuming the same phase.
  bool RunPhase(void (*AIdle)());

  static TGatekeeper* RunningCore;

  TBasicStorageProvider* Provider;
  int CurrentState = gksCreated;
  TConfiguration* CurrentConfiguration = nullptr;
  orvo::dateTime ShutdownStarted;
};

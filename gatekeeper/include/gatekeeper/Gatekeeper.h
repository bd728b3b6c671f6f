// The gatekeeper core: one per run cycle of the service. It owns what lives
// while the gatekeeper runs: the configuration, the sockets, the lists of
// live procedures, registrations, links, calls and monitor clients.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>

#include <orvo/dateTime.h>
#include <orvo/string.h>

#include <config/ConfigurationHolder.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/Monitor.h>
#include <gatekeeper/Processor.h>
#include <gatekeeper/RADIUSConnection.h>
#include <gatekeeper/Registry.h>
#include <gatekeeper/StorageProvider.h>
#include <gatekeeper/Thread.h>

class TGatekeeper {
public:
  enum TState { gksCreated = 0, gksRunning = 1, gksShuttingDown = 2, gksStopped = 3 };

  // Takes the provider; without one the core has nothing to open.
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

  // Offers an event to the live objects, list by list in a fixed order, each
  // list only when its kind wants the code; true when a pending RAS
  // procedure took it. Handlers may delete themselves or others, or
  // broadcast again.
  bool BroadcastEvent(int ACode, void* ASender, uint32_t AFirst = 0, uint32_t ASecond = 0);

  // The core whose run was last entered.
  static TGatekeeper* Running() { return RunningCore; }

  TConfiguration* Configuration() const { return CurrentConfiguration.get(); }
  TBasicStorageProvider* StorageProvider() const { return Provider.get(); }
  int State() const { return CurrentState; }

  // The live objects by kind. Procedures attach themselves when they first
  // wait and detach before they delete themselves; walks survive both.
  TRegistry<TThread>& Threads() { return FThreads; }
  TRegistry<TEndpointRegisterInfo>& Registrations() { return FRegistrations; }
  TRegistry<TGatekeeperLink>& Links() { return FLinks; }
  TRegistry<TConnection>& Connections() { return FConnections; }
  TRegistry<TMonitor>& Monitors() { return FMonitors; }
  TRegistry<TProcessor>& RASProcedures() { return FRASProcedures; }
  TRegistry<TProcessor>& RegistrationResolvers() { return FRegistrationResolvers; }
  TRegistry<TProcessor>& AdmissionResolvers() { return FAdmissionResolvers; }
  TRegistry<TProcessor>& BandwidthResolvers() { return FBandwidthResolvers; }
  TRegistry<TProcessor>& SetupResolvers() { return FSetupResolvers; }
  TRegistry<TProcessor>& LocationResolvers() { return FLocationResolvers; }

  // Called with a wait hint in milliseconds during start-up and shutdown.
  void (*StatusReporter)(unsigned AWaitHint) = nullptr;
  // An endpoint that never answers must not keep a stopping process alive.
  int64_t ShutdownLimit = 30000;

  orvo::string VersionText;
  unsigned NextRequestSequenceNumber = 1;
  // Authentication first, so that accounting goes first when the core does.
  TRADIUSConnection AuthenticationRADIUS{this};
  TRADIUSConnection AccountingRADIUS{this};

private:
  // The idle steps of the two phases of the run.
  void PollThreads();
  void ShutdownComplete();
  // Runs one phase's loop, logging what escapes and resuming the same phase.
  bool RunPhase(void (*AIdle)(void*));

  static TGatekeeper* RunningCore;

  // Emptied by the destructor, procedures first.
  TRegistry<TThread> FThreads;
  TRegistry<TEndpointRegisterInfo> FRegistrations;
  TRegistry<TGatekeeperLink> FLinks;
  TRegistry<TConnection> FConnections;
  TRegistry<TMonitor> FMonitors;
  TRegistry<TProcessor> FRASProcedures;
  TRegistry<TProcessor> FRegistrationResolvers;
  TRegistry<TProcessor> FAdmissionResolvers;
  TRegistry<TProcessor> FBandwidthResolvers;
  TRegistry<TProcessor> FSetupResolvers;
  TRegistry<TProcessor> FLocationResolvers;
  // Declared before the configuration, so that it goes after it.
  std::unique_ptr<TBasicStorageProvider> Provider;
  int CurrentState = gksCreated;
  TConfigurationHolder CurrentConfiguration;
  orvo::dateTime ShutdownStarted;
};

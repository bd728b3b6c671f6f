// The gatekeeper core: one per run cycle of the service. It owns what lives
// while the gatekeeper runs: the configuration, the sockets, the lists of
// live procedures, registrations, links, calls and monitor clients.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/uio.h>

#include <orvo/acceptWatch.h>
#include <orvo/dateTime.h>
#include <orvo/sockEvent.h>
#include <orvo/socket.h>
#include <orvo/string.h>

#include <h225/h225.h>
#include <h245/h245.h>
#include <h323/identifiers.h>

#include <config/ConfigurationHolder.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/ConnectionIndex.h>
#include <gatekeeper/ExclusiveName.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/Monitor.h>
#include <gatekeeper/Processor.h>
#include <gatekeeper/RADIUSConnection.h>
#include <gatekeeper/RasProcedureIndex.h>
#include <gatekeeper/RasResolver.h>
#include <gatekeeper/RegistrationIndex.h>
#include <gatekeeper/Registry.h>
#include <gatekeeper/StorageProvider.h>
#include <gatekeeper/Thread.h>

class TCompetitorInfo;
class TCompetitorsInfo;
class TZone;

class TGatekeeper {
public:
  enum TState { gksCreated = 0, gksRunning = 1, gksShuttingDown = 2, gksStopped = 3 };
  // The most datagrams one readiness of a RAS socket takes.
  static constexpr unsigned RasReceiveBatch = 32;
  // The most answers held back while a batch is handled.
  static constexpr unsigned RasSendBatch = 64;

  // Takes the provider; without one the core has nothing to open.
  explicit TGatekeeper(TBasicStorageProvider* AProvider = nullptr);
  TGatekeeper(const TGatekeeper&) = delete;
  TGatekeeper& operator=(const TGatekeeper&) = delete;
  ~TGatekeeper();

  // Takes the stream. The first load of a cycle runs at once; false when the
  // configuration does not load (the reason is logged). A core that holds a
  // configuration parses the new one in a thread and applies it from the
  // thread's completion, in the event loop's idle pass; a text that does not
  // load changes nothing.
  bool ReloadConfiguration(std::istream* AStream);
  void StartServices();
  // Users with a static address, registered from the start; after a reload
  // those with no registration of a user of their name.
  void RegisterStaticUsers();
  // One link per gatekeeper section, each run at once.
  void StartLinks();
  // The event loop, then the orderly shutdown; returns when stopped.
  void RunGatekeeper();
  void StopLoop();

  // Offers an event to the live objects, list by list in a fixed order, each
  // list only when its kind wants the code; true when a pending RAS
  // procedure took it. Handlers may delete themselves or others, or
  // broadcast again.
  bool BroadcastEvent(int ACode, void* ASender, uint32_t AFirst = 0, uint32_t ASecond = 0);
  // A decoded RAS message from the sender: offered to the pending
  // procedures, else dispatched by its kind.
  void HandleRasMessage(const sockaddr_in& AFrom, H225::rasMessage& AMessage);

  // RAS: the unicast socket on the configured address and port (a port the
  // system chooses when that one is taken) from which every answer goes,
  // and the wildcard socket on the configured port for discovery.
  void OpenRASSockets();
  // Never throws: a message that does not encode is logged and not sent.
  // While a batch of received datagrams is handled, what is sent waits for
  // its end and then goes out in order with the rest.
  void RASSend(const sockaddr_in& ADestination, H225::rasMessage& AMessage);
  const sockaddr_in& BoundRasAddress() const { return FBoundRasAddress; }
  int RasSocketError() const { return RasSocket.lastError; }
  // The sender of the RAS datagram being handled.
  const sockaddr_in& CurrentRasSender() const { return FCurrentRasSender; }

  // Lookups over the registrations, calls and links, in list order.
  TEndpointRegisterInfo* FindEndpointByAlias(const H225::aliasAddress& AAlias);
  TEndpointRegisterInfo* FindEndpointByIdentifier(const asn::bmpStringBase& AIdentifier);
  TEndpointRegisterInfo* FindEndpointByCallSignalAddress(const sockaddr_in& AAddress);
  TEndpointRegisterInfo* FindEndpointByCallSignalAddress(const H245::transportAddress& AAddress);
  // The caller's zone, the zones between, the callee's zone; not owned.
  std::vector<TZone*> ZonePath(const TEndpointRegisterInfo* ACaller, const TEndpointRegisterInfo* ACallee) const;
  // Units of 100 bit/s; 4294967295 when nothing limits.
  uint32_t AvailableBandwidth(const TEndpointRegisterInfo* ACaller, const TEndpointRegisterInfo* ACallee) const;
  TConnection* FindConnectionByIdentifier(const H323::guidOctets& AIdentifier);
  // A call found by conference identifier for a request that carries a call
  // identifier the call lacks sets ANeedsAttach: the caller attaches the
  // identifier (TConnection::AttachCallIdentifier) only once it accepts the
  // request, so that a refused request changes nothing.
  TConnection* FindConnection(const H323::guidOctets& AConferenceID, const H225::callIdentifier* ACallIdentifier,
                              const TEndpointRegisterInfo* ARegistration, int ASide, bool AAnyParticipant,
                              bool* ANeedsAttach = nullptr);
  TConnection* FindParticipantConnection(const H323::guidOctets& AConferenceID,
                                         const H225::callIdentifier* ACallIdentifier,
                                         const TEndpointRegisterInfo* ARegistration, int* ASide = nullptr);
  TConnection* FindConnectionByCalleeUser(const H323::guidOctets& AConferenceID,
                                          const H225::callIdentifier* ACallIdentifier, const TUser* AUser);
  TGatekeeperLink* FindRegisteredLink(const TEndpointRegisterInfo* ARegistration);
  // The registrations that may take a call to the aliases, best first; false
  // when there is none, AResult then telling why (0 none, 1 no route, 2
  // aliases inconsistent, 3 bandwidth, 4 call capacity, 5 not permitted;
  // the last refused candidate's reason).
  bool ResolveCall(const TStringList& AAliases, TEndpointRegisterInfo* ACaller, uint32_t ABandwidth,
                   TCompetitorsInfo& ACompetitors, int& AResult);
  // For a neighbour's location request: the best local endpoint (null when
  // none), and in the list only the linked gatekeepers that would be better.
  TEndpointRegisterInfo* ResolveCallForLRQ(const TStringList& AAliases, TEndpointRegisterInfo* ARequester,
                                           TCompetitorsInfo& ACompetitors, int& AResult);
  // 1 to 65535, then 1 again.
  unsigned NextRequestSeqNum();
  // Calls whose removal is scheduled are over and do not count.
  bool HasConnection(const TEndpointRegisterInfo* ARegistration);
  void RemoveEndpoint(const asn::bmpStringBase& AIdentifier);

  // The TCP listeners: direct call signalling (each connection a setup
  // resolver) and the monitor (each allowed connection a monitor client).
  void OpenCallSignalSocket();
  void OpenMonitorSocket();
  const sockaddr_in& BoundCallSignalAddress() const { return FBoundCallSignalAddress; }
  bool MonitorListening() const { return MonitorSocket.fd >= 0; }
  // The resolvers waiting for something, by the CHOICE index of the request
  // kind they answer (3, 9, 12, 18); null for other kinds.
  TRegistry<TRasResolver>* ResolversOf(int AKind);
  // Makes the resolver of a request that is no retransmission; null when
  // the kind is not served (yet).
  TRasResolver* (*ResolverFactory)(TGatekeeper* ACore, const sockaddr_in& AFrom,
                                   const H225::rasMessage& ARequest) = nullptr;

  // The core whose run was last entered.
  static TGatekeeper* Running() { return RunningCore; }

  TConfiguration* Configuration() const { return CurrentConfiguration.get(); }
  TBasicStorageProvider* StorageProvider() const { return Provider.get(); }
  int State() const { return CurrentState; }
  // Tests that drive the core without its run loop say it runs.
  void SetStateForTesting(int AState) { CurrentState = AState; }

  // The live objects by kind. Procedures attach themselves when they first
  // wait and detach before they delete themselves; walks survive both.
  TRegistry<TThread>& Threads() { return FThreads; }
  TRegistry<TEndpointRegisterInfo>& Registrations() { return FRegistrations; }
  // Follows the list of registrations; a record tells it of its changes.
  TRegistrationIndex& RegistrationIndex() { return FRegistrationIndex; }
  // Follows the list of RAS procedures; a procedure names the number of
  // the request whose answer it waits for.
  TRasProcedureIndex& RasProcedureIndex() { return FRasProcedureIndex; }
  TRegistry<TGatekeeperLink>& Links() { return FLinks; }
  TRegistry<TConnection>& Connections() { return FConnections; }
  // Follows the list of calls (and keeps the calls' counts).
  TConnectionIndex& ConnectionIndex() { return FConnectionIndex; }
  TRegistry<TMonitor>& Monitors() { return FMonitors; }
  TRegistry<TProcessor>& RASProcedures() { return FRASProcedures; }
  TRegistry<TRasResolver>& RegistrationResolvers() { return FRegistrationResolvers; }
  TRegistry<TRasResolver>& AdmissionResolvers() { return FAdmissionResolvers; }
  TRegistry<TRasResolver>& BandwidthResolvers() { return FBandwidthResolvers; }
  TRegistry<TProcessor>& SetupResolvers() { return FSetupResolvers; }
  TRegistry<TRasResolver>& LocationResolvers() { return FLocationResolvers; }

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
  // The idle steps of the two phases of the run, and of the wait for the
  // accounting requests after the shutdown.
  void PollThreads();
  void ShutdownComplete();
  void RemainingAccountingSent();
  // The shutdown's step for the links, after the registrations'.
  void StopLinks();
  // The shutdown's last steps: the registrations still there end now, and
  // the accounting requests that wait for an identifier get the rest of the
  // bound to leave (AWait), or are counted as never sent.
  void EndRemainingRegistrations();
  void SendRemainingAccounting(bool AWait);
  bool ShutdownBoundPassed() const;
  // Runs one phase's loop, logging what escapes and resuming the same phase.
  bool RunPhase(void (*AIdle)(void*));

  static TGatekeeper* RunningCore;

  // Configuration reload (GatekeeperReload.cpp).
  void ApplyConfiguration(TThread* AParser);
  void AnnounceZones(const TConfiguration& AOld, const TConfiguration& ANew);
  void ReopenRADIUS(const TConfiguration& AOld, const TConfiguration& ANew);
  // Ends the calls that report to the accounting server: it goes or changes.
  void EndAccountedCalls();
  // Registrations of users that remain follow them; the others must register again.
  void ReattachRegistrations();
  // Calls book their bandwidth on the new zones; those that do not fit end.
  void RebookConnections();
  // Links stopped, updated or created after the gatekeeper sections.
  void ReloadLinks();

  // The read callback of both RAS sockets: the datagrams waiting, in
  // arrival order, at most RasReceiveBatch, so that the other sockets and
  // the timers keep their turn under load.
  void RASReceive(orvo::sockEvent* AEvent);
  // Reads and handles one datagram; false when none was waiting or the
  // read failed.
  bool ReceiveRasDatagram(int ASocket);
  void AcceptCallSignal(orvo::sockEvent* AEvent);
  void AcceptMonitor(orvo::sockEvent* AEvent);
  void Dispatch(const sockaddr_in& AFrom, H225::rasMessage& AMessage);
  void AnswerUnknownMessage(const sockaddr_in& AFrom, const H225::rasMessage& AMessage);
  // Duplicate test, then a resolver.
  void StartResolver(const sockaddr_in& AFrom, const H225::rasMessage& ARequest);
  // The requests answered at once; their answers come with later services.
  void OnGatekeeperRequest(const sockaddr_in& AFrom, H225::rasMessage& ARequest);
  void OnUnregistrationRequest(const sockaddr_in& AFrom, H225::rasMessage& ARequest);
  void OnDisengageRequest(const sockaddr_in& AFrom, H225::rasMessage& ARequest);
  void OnInfoRequestResponse(const sockaddr_in& AFrom, H225::rasMessage& ARequest);

  // Before the lists it follows, so that it outlives them.
  TRegistrationIndex FRegistrationIndex;
  TRasProcedureIndex FRasProcedureIndex;
  TConnectionIndex FConnectionIndex;
  // Emptied by the destructor, procedures first.
  TRegistry<TThread> FThreads;
  TRegistry<TEndpointRegisterInfo> FRegistrations;
  TRegistry<TGatekeeperLink> FLinks;
  TRegistry<TConnection> FConnections;
  TRegistry<TMonitor> FMonitors;
  TRegistry<TProcessor> FRASProcedures;
  TRegistry<TRasResolver> FRegistrationResolvers;
  TRegistry<TRasResolver> FAdmissionResolvers;
  TRegistry<TRasResolver> FBandwidthResolvers;
  TRegistry<TProcessor> FSetupResolvers;
  TRegistry<TRasResolver> FLocationResolvers;
  // Declared before the configuration, so that it goes after it.
  std::unique_ptr<TBasicStorageProvider> Provider;
  int CurrentState = gksCreated;
  TConfigurationHolder CurrentConfiguration;
  orvo::dateTime ShutdownStarted;

  // The names of the RAS addresses held (see OpenRASSockets) before the
  // sockets, so that a name is given up only once its socket is closed.
  TExclusiveName RasPortName;
  TExclusiveName RasBroadcastPortName;
  // Sockets before their watchers: a watcher goes first.
  orvo::socket RasSocket;
  orvo::socket RasBroadcastSocket;
  std::unique_ptr<orvo::sockEvent> RasWatcher;
  std::unique_ptr<orvo::sockEvent> RasBroadcastWatcher;
  sockaddr_in FBoundRasAddress{};
  sockaddr_in FCurrentRasSender{};
  // Reused by every datagram: one readiness may bring many.
  std::vector<unsigned char> FRasReceiveBuffer;
  // The answers held back while a batch is handled, in the order sent.
  class TRasSendHold;
  struct TRasOutgoing {
    sockaddr_in To;
    size_t Offset, Length;  // in FRasOutgoingOctets
  };
  bool FRasSendsHeld = false;
  std::vector<TRasOutgoing> FRasOutgoing;
  std::vector<unsigned char> FRasOutgoingOctets;
  std::vector<mmsghdr> FRasMessageHeaders;
  std::vector<iovec> FRasVectors;
  void FlushRasSends();
  orvo::socket CallSignalSocket;
  orvo::socket MonitorSocket;
  orvo::acceptWatch CallSignalWatcher;
  orvo::acceptWatch MonitorWatcher;
  sockaddr_in FBoundCallSignalAddress{};

  // The zones between two zones of the current configuration, found once:
  // the links between zones change only with the configuration.
  typedef std::map<std::pair<const TZone*, const TZone*>, std::vector<TZone*>> TZonePaths;
  mutable TZonePaths FZonePaths;
  mutable const TConfiguration* FZonePathsOf = nullptr;
  void ForgetZonePaths() const {
    FZonePaths.clear();
    FZonePathsOf = nullptr;
  }
};

#include <gatekeeper/Gatekeeper.h>

#include <istream>

#include <orvo/timerClock.h>
#include <orvo/utility.h>
#include <orvo/versionInfo.h>

#include <config/AAA.h>
#include <config/Configuration.h>
#include <h323/loop.h>

#include <gatekeeper/Log.h>

TGatekeeper* TGatekeeper::RunningCore = nullptr;

TGatekeeper::TGatekeeper(TBasicStorageProvider* AProvider)
    : VersionText(orvo::versionInfo().productVersion()),
      Provider(AProvider ? AProvider : new TBasicStorageProvider) {}

TGatekeeper::~TGatekeeper() {
  // Procedures first: their destructors still cancel requests on the links,
  // registrations and RADIUS connections that go after them.
  RASProcedures.clear(1);
  LocationResolvers.clear(1);
  SetupResolvers.clear(1);
  BandwidthResolvers.clear(1);
  AdmissionResolvers.clear(1);
  RegistrationResolvers.clear(1);
  Threads.clear(1);
  Monitors.clear(1);
  Connections.clear(1);
  Links.clear(1);
  Registrations.clear(1);
  TConfiguration::Release(CurrentConfiguration);
  delete Provider;
  if (RunningCore == this) RunningCore = nullptr;
}

bool TGatekeeper::ReloadConfiguration(std::istream* AStream) {
  TConfiguration* fresh = new TConfiguration;
  orvo::string error;
  try {
    error = fresh->Load(*AStream);
  } catch (...) {
    delete AStream;
    TConfiguration::Release(fresh);
    throw;
  }
  delete AStream;
  if (!error.empty()) {
    std::cout << orvo::pushState(orvo::stateError) << error << std::endl << orvo::popState;
    TConfiguration::Release(fresh);
    return false;
  }
  TConfiguration::Release(CurrentConfiguration);
  CurrentConfiguration = fresh;
  return true;
}

void TGatekeeper::StartServices() {
  // RAS sockets, listeners, static registrations and links join here as
  // they are built.
  const TAAA& aaa = CurrentConfiguration->AAA();
  if (aaa.HasAuthenticationServer()) {
    AuthenticationRADIUS.SetSecret(aaa.SharedSecret());
    AuthenticationRADIUS.OpenBound(CurrentConfiguration->LocalAddress(), aaa.AuthenticationServer());
  }
  if (aaa.HasAccountingServer()) {
    AccountingRADIUS.SetSecret(aaa.SharedSecret());
    AccountingRADIUS.OpenBound(CurrentConfiguration->LocalAddress(), aaa.AccountingServer());
  }
}

void TGatekeeper::StopLoop() { H323::stopLoop(); }

bool TGatekeeper::RunPhase(void (*AIdle)()) {
  for (;;) {
    try {
      return H323::runLoop(1, AIdle) || H323::isLoopStopped();
    } catch (...) {
      LogCaughtException();
    }
    // A stop requested in the pass that threw still ends the phase.
    if (H323::isLoopStopped()) return true;
  }
}

void TGatekeeper::RunGatekeeper() {
  RunningCore = this;
  CurrentState = gksRunning;
  H323::clearStop();
  if (!RunPhase(&TGatekeeper::PollThreads)) {
    CurrentState = gksStopped;
    LogLine(orvo::stateError, orvo::string("Socket error: ") + orvo::lastErrorText());
    return;
  }

  CurrentState = gksShuttingDown;
  ShutdownStarted = orvo::timerClock();
  H323::clearStop();
  RunPhase(&TGatekeeper::ShutdownComplete);
  CurrentState = gksStopped;
}

void TGatekeeper::PollThreads() {
  TGatekeeper* core = RunningCore;
  if (!core) return;
  for (orvo::listNode* n = core->Threads.head(); n;) {
    TThread* thread = orvo::list<TThread>::element(n);
    n = n->next;
    if (thread->Finished()) thread->Run();
  }
}

void TGatekeeper::ShutdownComplete() {
  TGatekeeper* core = RunningCore;
  if (!core) return;
  if (core->Registrations.empty() && core->Links.empty() && core->Threads.empty()) {
    core->StopLoop();
    return;
  }
  if ((orvo::timerClock() - core->ShutdownStarted).milliseconds() >= core->ShutdownLimit) {
    LogLine(orvo::stateWarning, "Shutdown not complete in time, stopping anyway.");
    core->StopLoop();
    return;
  }
  if (core->StatusReporter) core->StatusReporter(1500);
}

#include <gatekeeper/Gatekeeper.h>

#include <istream>

#include <orvo/timerClock.h>
#include <orvo/utility.h>
#include <orvo/versionInfo.h>

#include <config/AAA.h>
#include <config/Configuration.h>
#include <config/LinkedUser.h>
#include <config/User.h>
#include <h323/loop.h>

#include <gatekeeper/Log.h>
#include <gatekeeper/RasResolverFactory.h>

TGatekeeper* TGatekeeper::RunningCore = nullptr;

TGatekeeper::TGatekeeper(TBasicStorageProvider* AProvider)
    : ResolverFactory(&MakeRasResolver),
      VersionText(orvo::versionInfo().productVersion()),
      Provider(AProvider ? AProvider : new TBasicStorageProvider) {
  FRegistrations.SetObserver(&FRegistrationIndex);
  FConnections.SetObserver(&FConnectionIndex);
  FRASProcedures.SetObserver(&FRasProcedureIndex);
}

TGatekeeper::~TGatekeeper() {
  // Procedures first: their destructors still cancel requests on the links,
  // registrations and RADIUS connections that go after them.
  FRASProcedures.Clear();
  FLocationResolvers.Clear();
  FSetupResolvers.Clear();
  FBandwidthResolvers.Clear();
  FAdmissionResolvers.Clear();
  FRegistrationResolvers.Clear();
  FThreads.Clear();
  FMonitors.Clear();
  FConnections.Clear();
  FLinks.Clear();
  FRegistrations.Clear();
  // The configuration goes before the provider (declaration order).
  if (RunningCore == this) RunningCore = nullptr;
}

void TGatekeeper::StartServices() {
  OpenRASSockets();
  OpenCallSignalSocket();
  OpenMonitorSocket();
  const TAAA& aaa = CurrentConfiguration->AAA();
  if (aaa.HasAuthenticationServer()) {
    AuthenticationRADIUS.SetSecret(aaa.SharedSecret());
    AuthenticationRADIUS.OpenBound(CurrentConfiguration->LocalAddress(), aaa.AuthenticationServer());
  }
  if (aaa.HasAccountingServer()) {
    AccountingRADIUS.SetSecret(aaa.SharedSecret());
    AccountingRADIUS.OpenBound(CurrentConfiguration->LocalAddress(), aaa.AccountingServer());
  }
  RegisterStaticUsers();
  StartLinks();
}

void TGatekeeper::StartLinks() {
  for (TUser* user : CurrentConfiguration->Users()) {
    if (!user->IsGatekeeper()) continue;
    if (StatusReporter) StatusReporter(5000);
    (new TGatekeeperLink(this, static_cast<TLinkedUser*>(user)))->Run();
  }
}

void TGatekeeper::RegisterStaticUsers() {
  for (TUser* user : CurrentConfiguration->Users()) {
    if (!user->HasStaticAddress()) continue;
    // After a reload, a user that kept its static registration keeps it.
    if (FRegistrations.ForEach([&](TEndpointRegisterInfo* ARegistration) {
          return ARegistration->User() && ARegistration->User()->Identifier() == user->Identifier();
        }))
      continue;
    auto* registration = new TEndpointRegisterInfo(this);
    registration->SetUser(user);
    registration->ApplyAliasMakeRules();
    registration->CallSignalAddress = user->StaticAddress();
    if (user->IsGatekeeper()) {
      registration->EndpointType = TEndpointRegisterInfo::etGatekeeper;
      registration->RasAddress = static_cast<TLinkedUser*>(user)->RasAddress();
    } else {
      registration->EndpointType = TEndpointRegisterInfo::etTerminal;
    }
    registration->SetState(TEndpointRegisterInfo::esRegistered);
  }
}

void TGatekeeper::StopLoop() { H323::stopLoop(); }

bool TGatekeeper::RunPhase(void (*AIdle)(void*)) {
  for (;;) {
    try {
      return H323::runLoop(1, AIdle, this) || H323::isLoopStopped();
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
  if (!RunPhase(&H323::idleMember<TGatekeeper, &TGatekeeper::PollThreads>)) {
    CurrentState = gksStopped;
    LogLine(orvo::stateError, orvo::string("Socket error: ") + orvo::lastErrorText());
    return;
  }

  CurrentState = gksShuttingDown;
  // No new monitor clients; those connected go on.
  MonitorWatcher.stop();
  MonitorSocket.close();
  // An unregistration waits for the endpoint's calls, and nothing else would
  // end them now: a long call would keep the process alive to the bound.
  // A call whose endpoints are clearing it is not waited for either.
  FConnections.ForEach([](TConnection* AConnection) {
    if (AConnection->SideRegistration(TConnection::cnsCaller) ||
        AConnection->SideRegistration(TConnection::cnsCallee))
      AConnection->Disengage();
    return false;
  });
  // Every endpoint is told; static ones, without a RAS address, go at once.
  H225::unregRequestReason maintenance;
  maintenance.select(4);
  FRegistrations.ForEach([&](TEndpointRegisterInfo* ARegistration) {
    ARegistration->Unregister(&maintenance);
    return false;
  });
  StopLinks();
  ShutdownStarted = orvo::timerClock();
  H323::clearStop();
  RunPhase(&H323::idleMember<TGatekeeper, &TGatekeeper::ShutdownComplete>);
  // Where nothing but accounting requests was left, the phase was their
  // wait already: a stop that ended it must not start another.
  const bool accountingWaited = FRegistrations.Empty() && FLinks.Empty() && FThreads.Empty();
  EndRemainingRegistrations();
  SendRemainingAccounting(!accountingWaited);
  CurrentState = gksStopped;
}

void TGatekeeper::EndRemainingRegistrations() {
  // Cut short by a further stop or by the bound, the shutdown leaves those
  // that did not answer: they end here as an answered one does, with their
  // line and their accounting Stop, whose answer nobody waits for.
  FRegistrations.ForEach([](TEndpointRegisterInfo* ARegistration) {
    ARegistration->SetState(TEndpointRegisterInfo::esUnregistered);
    return false;
  });
}

void TGatekeeper::SendRemainingAccounting(bool AWait) {
  // A shutdown cut short leaves requests waiting for an identifier, among
  // them the Stops just queued; once the core goes they never leave. The
  // answers and time-outs that free identifiers come through the loop, and
  // a further stop ends the wait as it ends the shutdown.
  if (AWait && AccountingRADIUS.UnsentCount() != 0 && !ShutdownBoundPassed()) {
    H323::clearStop();
    RunPhase(&H323::idleMember<TGatekeeper, &TGatekeeper::RemainingAccountingSent>);
  }
  if (const unsigned unsent = AccountingRADIUS.UnsentCount()) {
    orvo::string text;
    text.format("Shutdown: %u accounting requests not sent.", unsent);
    LogLine(orvo::stateWarning, text);
  }
}

void TGatekeeper::RemainingAccountingSent() {
  // Sent is enough: nobody would read the answers.
  if (AccountingRADIUS.UnsentCount() == 0 || ShutdownBoundPassed()) {
    StopLoop();
    return;
  }
  if (StatusReporter) StatusReporter(1500);
}

bool TGatekeeper::ShutdownBoundPassed() const {
  return (orvo::timerClock() - ShutdownStarted).milliseconds() >= ShutdownLimit;
}

void TGatekeeper::StopLinks() {
  // Each link unregisters at its neighbour and leaves the links list when
  // done; the shutdown waits for the list to empty.
  FLinks.ForEach([](TGatekeeperLink* ALink) {
    ALink->Stop();
    return false;
  });
}

void TGatekeeper::PollThreads() {
  FThreads.ForEach([](TThread* AThread) {
    // Running a finished thread completes and deletes it.
    if (AThread->Finished()) AThread->Run();
    return false;
  });
}

void TGatekeeper::ShutdownComplete() {
  // A thread whose work ended just before the stop must still complete, or
  // the shutdown would wait for it in vain.
  PollThreads();
  // The accounting Stops of registrations that ended wait for a free RADIUS
  // identifier when many went at once: they leave before the core goes.
  if (FRegistrations.Empty() && FLinks.Empty() && FThreads.Empty() && AccountingRADIUS.UnsentCount() == 0) {
    StopLoop();
    return;
  }
  if (ShutdownBoundPassed()) {
    LogLine(orvo::stateWarning, "Shutdown not complete in time, stopping anyway.");
    StopLoop();
    return;
  }
  if (StatusReporter) StatusReporter(1500);
}

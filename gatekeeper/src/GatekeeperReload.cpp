// Loading a configuration into the core, first at start-up and then again
// while it runs, and applying a new one to what lives in the core.
#include <gatekeeper/Gatekeeper.h>

#include <netinet/in.h>

#include <istream>

#include <config/AAA.h>
#include <config/Configuration.h>
#include <config/LinkedUser.h>
#include <config/User.h>

#include <gatekeeper/ConfigurationParser.h>
#include <gatekeeper/Events.h>
#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/Log.h>

namespace {

void LogError(const orvo::string& AText) {
  std::cout << orvo::pushState(orvo::stateError) << AText << std::endl << orvo::popState;
}

bool SameServer(const sockaddr_in& A, const sockaddr_in& B) {
  return A.sin_addr.s_addr == B.sin_addr.s_addr && A.sin_port == B.sin_port;
}

}  // namespace

bool TGatekeeper::ReloadConfiguration(std::istream* AStream) {
  std::unique_ptr<std::istream> stream(AStream);
  if (CurrentConfiguration) {
    LogLine(orvo::stateInformation, "Configuration reload initiated.");
    (new TConfigurationParser(this, this, &TGatekeeper::ApplyConfiguration, std::move(stream)))->Run();
    return true;
  }
  TConfigurationHolder fresh(new TConfiguration);
  const orvo::string error = fresh->Load(*stream);
  if (!error.empty()) {
    LogError(error);
    return false;
  }
  CurrentConfiguration = std::move(fresh);
  ForgetZonePaths();
  return true;
}

void TGatekeeper::ApplyConfiguration(TThread* AParser) {
  auto* parser = static_cast<TConfigurationParser*>(AParser);
  if (!parser->ErrorText().empty()) {
    LogError(parser->ErrorText());
    LogLine(orvo::stateInformation, "Configuration load failed.");
    return;
  }
  // A stopping core would register the new static users and links again
  // after it has told them goodbye, and then wait for them in vain; the
  // next start loads the configuration anew.
  if (CurrentState == gksShuttingDown) return;
  TConfigurationHolder old = std::move(CurrentConfiguration);
  CurrentConfiguration = parser->TakeConfiguration();
  ForgetZonePaths();
  if (!old) return;
  const TConfiguration& fresh = *CurrentConfiguration;
  LogLine(orvo::stateInformation, "Applying new configuration.");

  // The old zones get back what the calls booked on them; the calls book
  // again on the new zones once the registrations follow the new users.
  FConnections.ForEach([](TConnection* AConnection) {
    AConnection->ReleaseZones();
    return false;
  });
  AnnounceZones(*old, fresh);
  ReopenRADIUS(*old, fresh);
  // Records registered under the old configuration keep their own reference.
  old.reset();

  ReattachRegistrations();
  RebookConnections();
  RegisterStaticUsers();
  ReloadLinks();
  LogLine(orvo::stateInformation, "Configuration reloaded successfully.");
}

void TGatekeeper::AnnounceZones(const TConfiguration& AOld, const TConfiguration& ANew) {
  // Every zone goes and comes back, changed or not: a monitor rebuilds its
  // view from these alone.
  for (TZone* zone : AOld.Zones()) BroadcastEvent(evZoneRemoved, zone);
  for (TZone* zone : ANew.Zones()) BroadcastEvent(evZoneAdded, zone);
}

void TGatekeeper::ReopenRADIUS(const TConfiguration& AOld, const TConfiguration& ANew) {
  const TAAA& was = AOld.AAA();
  const TAAA& now = ANew.AAA();
  // Unlike at start-up, the sockets are not bound to the local address.
  if (!now.HasAuthenticationServer()) {
    AuthenticationRADIUS.Close();
  } else {
    AuthenticationRADIUS.SetSecret(now.SharedSecret());
    AuthenticationRADIUS.Open(now.AuthenticationServer());
  }

  if (!now.HasAccountingServer()) {
    if (!was.HasAccountingServer()) return;
    EndAccountedCalls();
    AccountingRADIUS.Close();
    return;
  }
  // A call's stop record must reach the server that has its start record.
  if (!was.HasAccountingServer() || AccountingRADIUS.Secret() != now.SharedSecret() ||
      !SameServer(AccountingRADIUS.Server(), now.AccountingServer()))
    EndAccountedCalls();
  AccountingRADIUS.SetSecret(now.SharedSecret());
  AccountingRADIUS.Open(now.AccountingServer());
}

void TGatekeeper::EndAccountedCalls() {
  FConnections.ForEach([](TConnection* AConnection) {
    if (AConnection->Stopping()) return false;
    for (int side : {TConnection::cnsCaller, TConnection::cnsCallee}) {
      const TEndpointRegisterInfo* registration = AConnection->SideRegistration(side);
      if (registration && registration->User() && registration->User()->NeedsRadiusAccounting(side)) {
        AConnection->Disengage();
        break;
      }
    }
    return false;
  });
}

void TGatekeeper::ReattachRegistrations() {
  H225::unregRequestReason reregister;
  reregister.select(0);  // reregistrationRequired
  TConfiguration* fresh = CurrentConfiguration.get();
  FRegistrations.ForEach([&](TEndpointRegisterInfo* ARegistration) {
    // Users are the same user when their names are.
    TUser* user = ARegistration->User() ? fresh->FindUser(ARegistration->User()->Identifier()) : nullptr;
    if (user)
      ARegistration->Reattach(fresh, user);
    else
      ARegistration->Unregister(&reregister);
    return false;
  });
}

void TGatekeeper::RebookConnections() {
  TConfiguration* fresh = CurrentConfiguration.get();
  FConnections.ForEach([&](TConnection* AConnection) {
    if (AConnection->Stopping()) return false;
    // A side whose user is gone still has the old configuration's zone,
    // which must not be booked: the call would hold it past its end.
    for (int side : {TConnection::cnsCaller, TConnection::cnsCallee}) {
      const TEndpointRegisterInfo* registration = AConnection->SideRegistration(side);
      if (registration && registration->Configuration() != fresh) {
        AConnection->Disengage();
        return false;
      }
    }
    uint32_t granted = 0;
    // A call that the new zones cannot carry must not run on unbooked.
    if (!AConnection->SetBandwidth(AConnection->Bandwidth(), false, granted)) AConnection->Disengage();
    return false;
  });
}

void TGatekeeper::ReloadLinks() {
  // The links to neighbour gatekeepers follow their gatekeeper sections.
  TConfiguration* configuration = CurrentConfiguration.get();
  FLinks.ForEach([&](TGatekeeperLink* ALink) {
    // A link that is ending (its section went in an earlier reload) goes on
    // ending at its old neighbour; a section that came back gets a new one.
    if (ALink->Stopping()) return false;
    TUser* user = ALink->User ? configuration->FindUser(ALink->User->Identifier()) : nullptr;
    if (!user || !user->IsGatekeeper())
      ALink->Stop();
    else
      ALink->UpdateUser(configuration, static_cast<TLinkedUser*>(user));
    return false;
  });
  for (TUser* user : configuration->Users()) {
    if (!user->IsGatekeeper()) continue;
    bool linked = FLinks.ForEach([&](TGatekeeperLink* ALink) {
      return !ALink->Stopping() && ALink->User && ALink->User->Identifier() == user->Identifier();
    });
    if (!linked) (new TGatekeeperLink(this, static_cast<TLinkedUser*>(user)))->Run();
  }
}

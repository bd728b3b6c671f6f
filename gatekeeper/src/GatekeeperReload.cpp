// Loading a configuration into the core, first at start-up and then again
// while it runs, and applying a new one to what lives in the core.
#include <gatekeeper/Gatekeeper.h>

#include <netinet/in.h>

#include <istream>

#include <config/AAA.h>
#include <config/Configuration.h>

#include <gatekeeper/ConfigurationParser.h>
#include <gatekeeper/Events.h>
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
  return true;
}

void TGatekeeper::ApplyConfiguration(TThread* AParser) {
  auto* parser = static_cast<TConfigurationParser*>(AParser);
  if (!parser->ErrorText().empty()) {
    LogError(parser->ErrorText());
    LogLine(orvo::stateInformation, "Configuration load failed.");
    return;
  }
  TConfigurationHolder old = std::move(CurrentConfiguration);
  CurrentConfiguration = parser->TakeConfiguration();
  if (!old) return;
  const TConfiguration& fresh = *CurrentConfiguration;
  LogLine(orvo::stateInformation, "Applying new configuration.");

  // Calls give their bandwidth and their slots back to the zones they
  // occupy here, once call records book zones.
  AnnounceZones(*old, fresh);
  ReopenRADIUS(*old, fresh);
  // Records registered under the old configuration keep their own reference.
  old.reset();

  // Still to come, in this order, with the records they need: registrations
  // of vanished users unregistered, the others re-attached; calls booked
  // again on the new zones; new static users registered; links stopped,
  // updated or created.
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
  // Each call that is not already stopping and whose caller's user (side 0)
  // or callee's user (side 1) wants RADIUS accounting is disengaged here,
  // once call records know their users.
}

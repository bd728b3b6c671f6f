#include <gatekeeper/Connection.h>

#include <algorithm>

#include <config/Configuration.h>
#include <config/User.h>
#include <config/Zone.h>

#include <gatekeeper/DisengageProcedure.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Gatekeeper.h>

namespace {

const int64_t RemovalDelay = 1000;

}  // namespace

TConnection::TConnection(TGatekeeper* AOwner, const TEndpointHandle& ACaller, const TEndpointHandle& ACallee,
                         unsigned ACallReference, const H323::guidOctets& AConferenceID,
                         const H225::callIdentifier* ACallIdentifier)
    : Owner(AOwner),
      FCallReference(ACallReference),
      FConnectionIdentifier(H323::newGuid()),
      FConferenceID(AConferenceID) {
  Sides[cnsCaller].Handle = ACaller;
  Sides[cnsCallee].Handle = ACallee;
  if (ACallIdentifier) FCallIdentifier.reset(new H225::callIdentifier(*ACallIdentifier));
  Owner->Connections().Attach(this);
  Owner->BroadcastEvent(evConnectionCreated, this);
}

TConnection::~TConnection() {
  Owner->BroadcastEvent(evConnectionDestroyed, this);
  GiveBack();
}

bool TConnection::OnEvent(int ACode, void* ASender, uint32_t, uint32_t) {
  if (ACode != evEndpointUnregistered) return false;
  for (TCallSide& side : Sides) {
    if (side.Handle.Registration() != ASender) continue;
    side.Handle.SetRegistration(nullptr);
    side.Admitted = false;
    side.IrrTimer.reset();
  }
  return false;
}

bool TConnection::Start(const sockaddr_in& ACalleeAddress, bool ARouted) {
  // Routed calls need the call-signalling relay, which is not there yet.
  if (ARouted) return false;
  ProxyLevel = 0;
  FCalleeAddress = ACalleeAddress;
  FStarted = true;
  Owner->BroadcastEvent(evConnectionStarted, this);
  return true;
}

void TConnection::GiveBack() {
  std::vector<TZone*> zones;
  zones.swap(FZones);
  for (TZone* zone : zones) {
    if (zone->AvailableConnections() != TZone::Unlimited)
      zone->SetAvailableConnections(std::min(zone->AvailableConnections() + 1, zone->ConnectionLimit()));
    if (zone->AvailableBandwidth() != TZone::Unlimited)
      zone->SetAvailableBandwidth(
          uint32_t(std::min<uint64_t>(uint64_t(zone->AvailableBandwidth()) + FBandwidth, zone->BandwidthLimit())));
  }
  TConfiguration::Release(FZonesConfiguration);
  FZonesConfiguration = nullptr;
  for (TZone* zone : zones) Owner->BroadcastEvent(evZoneBandwidthChanged, zone);
}

bool TConnection::SetBandwidth(uint32_t ABandwidth, bool AAcceptLess, uint32_t& AGranted) {
  const std::vector<TZone*> path = Owner->ZonePath(SideRegistration(cnsCaller), SideRegistration(cnsCallee));
  TConfiguration* configuration = Owner->Configuration();
  // What each zone could give: its free part and what this call holds there.
  uint64_t available = TZone::Unlimited;
  for (TZone* zone : path) {
    const bool held = FZonesConfiguration == configuration && std::count(FZones.begin(), FZones.end(), zone);
    if (zone->AvailableConnections() == 0 && !held) {
      available = 0;
      break;
    }
    if (zone->AvailableBandwidth() != TZone::Unlimited)
      available = std::min<uint64_t>(available, uint64_t(zone->AvailableBandwidth()) + (held ? FBandwidth : 0));
  }
  if (ABandwidth > available) {
    AGranted = uint32_t(available);
    if (!AAcceptLess || available == 0) return false;
    ABandwidth = uint32_t(available);
  }
  GiveBack();
  for (TZone* zone : path) {
    if (zone->AvailableConnections() != TZone::Unlimited)
      zone->SetAvailableConnections(zone->AvailableConnections() - 1);
    if (zone->AvailableBandwidth() != TZone::Unlimited) zone->SetAvailableBandwidth(zone->AvailableBandwidth() - ABandwidth);
  }
  FZones = path;
  if (configuration) configuration->AddReference();
  FZonesConfiguration = configuration;
  FBandwidth = ABandwidth;
  AGranted = ABandwidth;
  for (TZone* zone : path) Owner->BroadcastEvent(evZoneBandwidthChanged, zone);
  if (FStarted) Owner->BroadcastEvent(evConnectionChanged, this);
  return true;
}

void TConnection::ReleaseZones() { GiveBack(); }

void TConnection::SetSideAliases(int ASide, const TStringList& AAliases) {
  Sides[ASide].Aliases = AAliases;
  if (FStarted) Owner->BroadcastEvent(evConnectionChanged, this);
}

void TConnection::AddSideVariables(int ASide, const TVariables& AVariables) {
  for (const TVariable* variable : AVariables) Sides[ASide].Handle.WritableScope().SetVariable(*variable);
}

bool TConnection::AddAlternative(TConnectionAlternative* AAlternative) {
  std::unique_ptr<TConnectionAlternative> alternative(AAlternative);
  if (!FReterminationPossible) return false;
  FAlternatives.push_back(std::move(alternative));
  return true;
}

void TConnection::DisableRetermination(const char*) {
  if (!FReterminationPossible) return;
  FReterminationPossible = false;
  Owner->BroadcastEvent(evReterminationImpossible, this);
}

bool TConnection::Reterminate() {
  if (!FReterminationPossible || FAlternatives.empty()) return false;
  std::unique_ptr<TConnectionAlternative> next = std::move(FAlternatives.front());
  FAlternatives.erase(FAlternatives.begin());
  TCallSide& callee = Sides[cnsCallee];
  callee.Handle = next->Endpoint;
  callee.Admitted = false;
  callee.IrrTimer.reset();
  callee.CreditTime = next->CreditTime;
  Link = next->Link;
  FCalleeAddress = next->CallSignalAddress;
  return true;
}

int64_t TConnection::SupervisionTimeout(int ASide) const {
  const TEndpointRegisterInfo* registration = SideRegistration(ASide);
  int64_t seconds = 60;
  if (registration && registration->User()) seconds = registration->User()->ConnectionValidity();
  if (seconds < 0) return TTimer::NoTimeout;
  // An endpoint told to report less often must not be cut off before it may.
  if (FInfoRequestInterval > 0) seconds = std::max<int64_t>(seconds, 2 * int64_t(FInfoRequestInterval));
  return seconds * 1000;
}

void TConnection::Admit(int ASide, int ACreditTime) {
  TCallSide& side = Sides[ASide];
  side.Admitted = true;
  side.CreditTime = ACreditTime;
  if (!side.IrrTimer) side.IrrTimer.reset(new TTimer(this, &TConnection::OnIrrTimeout));
  RestartIrrTimer(ASide);
}

void TConnection::RestartIrrTimer(int ASide) {
  TTimer* timer = Sides[ASide].IrrTimer.get();
  if (!timer) return;
  timer->Stop();
  timer->SetTimeout(SupervisionTimeout(ASide));
  timer->Start();
}

void TConnection::SetInfoRequestInterval(int ASeconds, bool AWillRespond, int) {
  FInfoRequestInterval = AWillRespond && ASeconds > 0 ? ASeconds : -1;
  for (int side : {cnsCaller, cnsCallee})
    if (Sides[side].Admitted) RestartIrrTimer(side);
}

void TConnection::OnIrrTimeout(TTimer*) {
  // The endpoint stopped reporting: its call must not hold bandwidth.
  Disengage();
}

void TConnection::Disengage() {
  if (FDisengaged) return;
  FDisengaged = true;
  FStopping = true;
  DisableRetermination("connection is stopping");
  for (int side : {cnsCaller, cnsCallee}) {
    Sides[side].IrrTimer.reset();
    if (Sides[side].Admitted && SideRegistration(side))
      (new TDisengageProcedure(Owner, this, side))->Run();
  }
  if (FStarted) Owner->BroadcastEvent(evConnectionStopped, this);
  ScheduleRemoval();
}

void TConnection::ScheduleRemoval() {
  if (FRemovalTimer) return;
  FRemovalTimer.reset(new TTimer(RemovalDelay, this, &TConnection::OnRemovalTimeout));
  FRemovalTimer->Start();
}

void TConnection::OnRemovalTimeout(TTimer*) {
  if (Owner->Connections().Detach(this)) delete this;
}

void TConnection::AttachCallIdentifier(const H225::callIdentifier& AIdentifier) {
  if (!FCallIdentifier) FCallIdentifier.reset(new H225::callIdentifier(AIdentifier));
}

#include <gatekeeper/Connection.h>

#include <algorithm>
#include <cstring>

#include <orvo/socketAddress.h>

#include <config/Configuration.h>
#include <config/DatePattern.h>
#include <config/User.h>
#include <config/Zone.h>

#include <signalling/CallSignallingRelay.h>
#include <signalling/RelayTracer.h>
#include <signalling/ReleaseComplete.h>
#include <signalling/SetupReceiver.h>

#include <gatekeeper/CompetitorInfo.h>
#include <gatekeeper/DisengageProcedure.h>
#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/Log.h>

namespace {

const int64_t RemovalDelay = 1000;
// After a Release Complete that the relay passed on, the endpoints are
// clearing the call and disengage themselves, at once as a rule; the bound
// also covers a disengage request of theirs lost and sent again a few
// seconds later. Only then does the gatekeeper send its own, which would
// cross theirs.
const int64_t DisengageWait = 4000;

// The core that has said that media is not relayed: once is enough.
const TGatekeeper* MediaRelayWarned = nullptr;

unsigned UserProxyLevel(const TEndpointRegisterInfo* ARegistration) {
  if (!ARegistration || !ARegistration->User()) return 0;
  return ARegistration->User()->ProxyLevel().ActiveAt(TClock::Now()).Level;
}

// The gatekeeper's address for a relay's sockets; the system picks the port.
sockaddr_in LocalAddress(const TGatekeeper* AOwner) {
  const TConfiguration* configuration = AOwner->Configuration();
  sockaddr_in local = configuration ? configuration->LocalAddress() : orvo::defaultAddress;
  local.sin_family = AF_INET;
  local.sin_port = 0;
  return local;
}

// Null: the relay of a call is quietly gone.
void DeleteRelay(std::unique_ptr<TCallSignallingRelay>& ARelay) {
  std::unique_ptr<TCallSignallingRelay> relay(std::move(ARelay));
}

// The relay's traces name the call by its connection identifier and ask
// the log section in force at each message.
std::shared_ptr<TRelayTracer> NewRelayTracer(const TConnection& AConnection, const TGatekeeper* AOwner) {
  return std::make_shared<TRelayTracer>(
      H323::guidText(AConnection.ConnectionIdentifier()), &AConnection.SideAliases(TConnection::cnsCaller),
      &AConnection.SideAliases(TConnection::cnsCallee), [AOwner]() { return AOwner->Configuration(); });
}

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
  ReleaseRelay(rcrUndefinedReason, causeNormalUnspecified);
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
  Recount();
  return false;
}

void TConnection::Recount() {
  if (FCounted[cnsCaller]) --FCounted[cnsCaller]->FCallsAs[cnsCaller];
  if (FCounted[cnsCallee]) --FCounted[cnsCallee]->FCallsAs[cnsCallee];
  // A call with one registration on both sides counts once in its total.
  if (FCounted[cnsCaller]) --FCounted[cnsCaller]->FCalls;
  if (FCounted[cnsCallee] && FCounted[cnsCallee] != FCounted[cnsCaller]) --FCounted[cnsCallee]->FCalls;
  FCounted[cnsCaller] = FCounted[cnsCallee] = nullptr;
  if (RemovalScheduled() || !Owner->Connections().Contains(this)) return;
  for (int side : {cnsCaller, cnsCallee})
    if ((FCounted[side] = SideRegistration(side))) ++FCounted[side]->FCallsAs[side];
  if (FCounted[cnsCaller]) ++FCounted[cnsCaller]->FCalls;
  if (FCounted[cnsCallee] && FCounted[cnsCallee] != FCounted[cnsCaller]) ++FCounted[cnsCallee]->FCalls;
}

void TConnection::Forget(const TEndpointRegisterInfo* ARegistration) {
  for (TEndpointRegisterInfo*& counted : FCounted)
    if (counted == ARegistration) counted = nullptr;
}

bool TConnection::Start(const sockaddr_in& ACalleeAddress, bool ARouted) {
  FCalleeAddress = ACalleeAddress;
  // A second start (after retermination) replaces the relay of the first.
  DeleteRelay(FRelay);
  if (!ARouted) {
    ProxyLevel = 0;
    FStarted = true;
    Owner->BroadcastEvent(evConnectionStarted, this);
    return true;
  }
  std::unique_ptr<TCallSignallingRelay> relay = NewRelay(ACalleeAddress);
  if (!relay->Listen(LocalAddress(Owner))) {
    orvo::string text;
    text.format("Listen for the caller of a routed call failed. %d %s", relay->LastError(),
                strerror(relay->LastError()));
    LogLine(orvo::stateError, text);
    return false;
  }
  FRelay = std::move(relay);
  return true;
}

bool TConnection::StartWithCaller(const sockaddr_in& ACalleeAddress, TSetupReceiver& ACaller) {
  FCalleeAddress = ACalleeAddress;
  DeleteRelay(FRelay);
  FRelay = NewRelay(ACalleeAddress);
  orvo::socket connection;
  std::unique_ptr<TQ931Stream> stream;
  ACaller.HandOver(connection, stream);
  FCallerTaken = true;
  // Last: the relay may end the call, and go, before it returns.
  FRelay->TakeCaller(LocalAddress(Owner), connection, stream, ACaller.SetupOctets(), ACaller.Following());
  return true;
}

std::unique_ptr<TCallSignallingRelay> TConnection::NewRelay(const sockaddr_in& ACalleeAddress) {
  ProxyLevel = int(std::max(UserProxyLevel(SideRegistration(cnsCaller)), UserProxyLevel(SideRegistration(cnsCallee))));
  std::unique_ptr<TCallSignallingRelay> relay(new TCallSignallingRelay(ACalleeAddress, ProxyLevel >= 2));
  relay->TranslateAlias = {this, &TConnection::TranslateSetupAlias};
  relay->Tracer = NewRelayTracer(*this, Owner);
  relay->StartedCallback = {this, &TConnection::OnRelayStarted};
  relay->ChangedCallback = {this, &TConnection::OnRelayChanged};
  relay->StoppingCallback = {this, &TConnection::OnRelayStopping};
  relay->EndedCallback = {this, &TConnection::OnRelayEnded};
  relay->WarningCallback = {this, &TConnection::OnRelayWarning};
  if (relay->MediaRelayRequested() && MediaRelayWarned != Owner) {
    MediaRelayWarned = Owner;
    LogLine(orvo::stateWarning, TCallSignallingRelay::MediaRelayUnavailable);
  }
  return relay;
}

void TConnection::TranslateSetupAlias(int ASide, const orvo::string& AAlias, orvo::string& AResult) {
  // The Setup goes from the caller to the callee.
  AResult = TranslateAlias(AAlias, ASide, Sides[cnsCaller].Handle, Sides[cnsCallee].Handle);
}

void TConnection::OnRelayStarted() {
  FStarted = true;
  if (const TConfiguration* configuration = Owner->Configuration())
    if (configuration->Log().ConnectionStatus())
      LogLine(orvo::stateInformation,
              orvo::string("Call signalling relayed to ").append(orvo::toText(FCalleeAddress)).append("."));
  Owner->BroadcastEvent(evConnectionStarted, this);
}

void TConnection::OnRelayChanged(int) { Owner->BroadcastEvent(evConnectionChanged, this); }

void TConnection::OnRelayStopping() { FStopping = true; }

void TConnection::OnRelayEnded(int AEnd, const orvo::string& AText) {
  // The relay's last word: it may go now.
  DeleteRelay(FRelay);
  if (const TConfiguration* configuration = Owner->Configuration())
    if (configuration->Log().ConnectionStatus()) LogLine(orvo::stateInformation, AText);
  if (AEnd == TCallSignallingRelay::enReleasedByCaller || AEnd == TCallSignallingRelay::enReleasedByCallee)
    AwaitDisengage();
  else
    Disengage();
}

void TConnection::AwaitDisengage() {
  if (FDisengaged || RemovalScheduled() || FDisengageTimer) return;
  FStopping = true;
  DisableRetermination("connection is stopping");
  AnnounceStop();
  FDisengageTimer.reset(new TTimer(DisengageWait, this, &TConnection::OnDisengageTimeout));
  FDisengageTimer->Start();
}

void TConnection::OnDisengageTimeout(TTimer*) { Disengage(); }

void TConnection::AnnounceStop() {
  if (!FStarted || FStopAnnounced) return;
  FStopAnnounced = true;
  Owner->BroadcastEvent(evConnectionStopped, this);
}

// A stranger on the call's port, written as on the call-signal port.
void TConnection::OnRelayWarning(const orvo::string& AText) { LogLine(orvo::stateWarning, AText); }

void TConnection::ReleaseRelay(int AReleaseCompleteReason, unsigned ACause) {
  if (!FRelay) return;
  std::unique_ptr<TCallSignallingRelay> relay(std::move(FRelay));
  relay->StartedCallback = {};
  relay->ChangedCallback = {};
  relay->StoppingCallback = {};
  relay->EndedCallback = {};
  relay->Release(AReleaseCompleteReason, ACause);
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
    if (zone->AvailableBandwidth() != TZone::Unlimited)
      zone->SetAvailableBandwidth(zone->AvailableBandwidth() - ABandwidth);
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
  // Moving releases the relay, and with it the caller's leg. A caller whose
  // Setup came to the call-signal port cannot connect again, sends no
  // disengage request and is not supervised: nothing would end the moved
  // call.
  if (FCallerTaken) return false;
  std::unique_ptr<TConnectionAlternative> next = std::move(FAlternatives.front());
  FAlternatives.erase(FAlternatives.begin());
  TCallSide& callee = Sides[cnsCallee];
  callee.Handle = next->Endpoint;
  Recount();
  callee.Admitted = false;
  callee.IrrTimer.reset();
  callee.CreditTime = next->CreditTime;
  Link = next->Link;
  FCalleeAddress = next->CallSignalAddress;
  // The relay was made for the route given up; the next start makes one
  // for the new route.
  ReleaseRelay(rcrUndefinedReason, causeNormalUnspecified);
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
  // A call whose record is already ending (an endpoint disengaged) needs no
  // request of ours.
  if (FDisengaged || RemovalScheduled()) return;
  FDisengaged = true;
  FDisengageTimer.reset();
  FStopping = true;
  DisableRetermination("connection is stopping");
  ReleaseRelay(rcrUndefinedReason, causeNormalUnspecified);
  for (int side : {cnsCaller, cnsCallee}) {
    Sides[side].IrrTimer.reset();
    if (Sides[side].Admitted && SideRegistration(side)) (new TDisengageProcedure(Owner, this, side))->Run();
  }
  AnnounceStop();
  ScheduleRemoval();
}

void TConnection::ScheduleRemoval() {
  if (FRemovalTimer) return;
  FDisengageTimer.reset();
  FRemovalTimer.reset(new TTimer(RemovalDelay, this, &TConnection::OnRemovalTimeout));
  FRemovalTimer->Start();
  Recount();
}

void TConnection::OnRemovalTimeout(TTimer*) {
  if (Owner->Connections().Detach(this)) delete this;
}

void TConnection::AttachCallIdentifier(const H225::callIdentifier& AIdentifier) {
  if (FCallIdentifier) return;
  FCallIdentifier.reset(new H225::callIdentifier(AIdentifier));
  Owner->ConnectionIndex().CallIdentifierAttached(this);
}

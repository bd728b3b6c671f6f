#include <gatekeeper/RegistrationResolver.h>

#include <config/AAA.h>
#include <config/Configuration.h>
#include <config/LinkedUser.h>
#include <config/User.h>
#include <h323/alias.h>
#include <h323/protocolIdentifiers.h>
#include <h323/transportAddress.h>

#include <gatekeeper/Endpoint.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/RejectTextCarrier.h>
#include <gatekeeper/RejectTexts.h>
#include <gatekeeper/RequestSource.h>

size_t TRegistrationResolver::RegistrationLimit = TRegistrationResolver::DefaultRegistrationLimit;
const char* const TRegistrationResolver::RejectedByRADIUS = "Registration rejected by RADIUS server.";

namespace {

// RegistrationRejectReason alternatives.
enum : int {
  rjDiscoveryRequired = 0,
  rjInvalidCallSignalAddress = 2,
  rjInvalidRASAddress = 3,
  rjDuplicateAlias = 4,
  rjUndefinedReason = 6,
  rjResourceUnavailable = 9,
  rjInvalidAlias = 10,
  rjSecurityDenial = 11,
  rjFullRegistrationRequired = 12,
  rjAdditiveRegistrationNotSupported = 13
};

typedef asn::sequenceOf<H225::transportAddress, 0u, 0u, 1> TTransportList;

bool FirstIpAddress(const TTransportList& AList, sockaddr_in& AOut) {
  for (const asn::object* element : AList.elements()) {
    const auto& address = *static_cast<const H225::transportAddress*>(element);
    if (address.index() == 0) return H323::transportToSockaddr(address, AOut);
  }
  return false;
}

const H225::aliasAddress* AliasOf(const orvo::listNode* ANode) {
  return static_cast<const H225::aliasAddress*>(static_cast<const asn::object*>(ANode->element));
}

bool SameIpAndPort(const sockaddr_in& A, const sockaddr_in& B) {
  return A.sin_addr.s_addr == B.sin_addr.s_addr && A.sin_port == B.sin_port;
}

}  // namespace

TRegistrationResolver::TRegistrationResolver(TGatekeeper* AOwner, const sockaddr_in& ASender,
                                             const H225::rasMessage& ARequest)
    : TRasResolver(AOwner, ASender, TLentRequest{ARequest}, &TRegistrationResolver::CheckRequest),
      ReplyAddress(ASender) {}

TRegistrationResolver::~TRegistrationResolver() { Owner->AuthenticationRADIUS.CancelRequests(this); }

const H225::registrationRequest& TRegistrationResolver::Rrq() const {
  return *static_cast<const H225::registrationRequest*>(HeldRequest().alternative());
}

H225::registrationRequest& TRegistrationResolver::OwnRrq() {
  TakeRequest();
  return *static_cast<H225::registrationRequest*>(Request.alternative());
}

TProcessor::TPerformFunctionResult TRegistrationResolver::CheckRequest() {
  const H225::registrationRequest& rrq = Rrq();
  const TConfiguration& configuration = *Owner->Configuration();

  sockaddr_in rasAddress{};
  if (FirstIpAddress(rrq.rasAddress, rasAddress)) ReplyAddress = rasAddress;

  if (Owner->State() != TGatekeeper::gksRunning) {
    SendReject(rjUndefinedReason, RejectText(rtShuttingDown));
    return nullptr;
  }
  if (rrq.additiveRegistration) {
    if (rrq.endpointIdentifier) FoundRegistration = Owner->FindEndpointByIdentifier(*rrq.endpointIdentifier);
    SendReject(rjAdditiveRegistrationNotSupported);
    return nullptr;
  }
  if (rrq.keepAlive && rrq.keepAlive->value()) {
    AnswerKeepAlive();
    return nullptr;
  }
  if (rrq.gatekeeperIdentifier && rrq.gatekeeperIdentifier->toString() != configuration.Identifier()) {
    SendReject(rjDiscoveryRequired, RejectText(rtGatekeeperIdentifierMismatch));
    return nullptr;
  }
  return CheckRegistration();
}

TProcessor::TPerformFunctionResult TRegistrationResolver::CheckRegistration() {
  // The aliases that carry no text are dropped from the request itself.
  H225::registrationRequest& rrq = OwnRrq();
  const TConfiguration& configuration = *Owner->Configuration();

  NewRegistration.reset(new TEndpointRegisterInfo(Owner));
  TEndpointRegisterInfo& record = *NewRegistration;
  if (!FirstIpAddress(rrq.rasAddress, record.RasAddress)) {
    SendReject(rjInvalidRASAddress, RejectText(rtNoRASAddress));
    return nullptr;
  }
  if (!FirstIpAddress(rrq.callSignalAddress, record.CallSignalAddress)) {
    SendReject(rjInvalidCallSignalAddress, RejectText(rtNoCallSignalAddress));
    return nullptr;
  }

  if (!rrq.terminalAlias) {
    SendReject(rjInvalidAlias, RejectText(rtNoLoginAliases));
    return nullptr;
  }
  orvo::list<asn::object>& aliases = rrq.terminalAlias->elements();
  for (orvo::listNode* node = aliases.head(); node;) {
    orvo::listNode* next = node->next;
    if (H323::aliasToString(*AliasOf(node)).empty()) aliases.remove(node, 1);
    node = next;
  }
  if (aliases.count() == 0) {
    SendReject(rjInvalidAlias, RejectText(rtUnknownAliasTypes));
    return nullptr;
  }
  for (orvo::listNode* node = aliases.head(); node; node = node->next)
    record.Aliases.append(new H225::aliasAddress(*AliasOf(node)));
  if (TRegistrationResolver* earlier = EarlierClaim()) {
    AwaitEndOf(earlier);
    return &TRegistrationResolver::CheckRequest;
  }
  if (const H225::aliasAddress* taken = AliasTaken()) {
    SendReject(rjDuplicateAlias, orvo::string(), taken);
    return nullptr;
  }

  TUser* user = nullptr;
  for (orvo::listNode* node = aliases.head(); node; node = node->next) {
    TUser* found = configuration.FindUserByLogin(H323::aliasToString(*AliasOf(node)));
    if (!found) {
      SendReject(rjInvalidAlias, RejectText(rtUnknownLoginAlias));
      return nullptr;
    }
    if (user && found != user) {
      SendReject(rjInvalidAlias, RejectText(rtDistinctEndpoints));
      return nullptr;
    }
    user = found;
  }
  if (user->HasStaticAddress()) {
    SendReject(rjDiscoveryRequired, RejectText(rtStaticUser));
    return nullptr;
  }
  record.SetUser(user);
  if (!user->IsAddressAllowed(record.CallSignalAddress)) {
    SendReject(rjSecurityDenial, RejectText(rtAddressNotAllowed));
    return nullptr;
  }
  if (!record.CheckTokens(rrq.tokens, rrq.cryptoTokens)) {
    SendReject(rjSecurityDenial, RejectText(rtInvalidSecurity));
    return nullptr;
  }
  const asn::oid& protocol = rrq.protocolIdentifier;
  if (protocol.count() >= 6 && protocol.arc(0) == 0 && protocol.arc(1) == 0 && protocol.arc(2) == 8 &&
      protocol.arc(3) == 2250 && protocol.arc(4) == 0)
    record.ProtocolVersion = protocol.arc(5);
  static const int typeOrder[] = {TEndpointRegisterInfo::etGatekeeper, TEndpointRegisterInfo::etGateway,
                                  TEndpointRegisterInfo::etMCU, TEndpointRegisterInfo::etTerminal};
  const H225::endpointType& type = rrq.terminalType;
  const void* present[] = {type.gatekeeper, type.gateway, type.mcu, type.terminal};
  for (unsigned i = 0; i < 4; ++i)
    if (present[i]) {
      record.EndpointType = typeOrder[i];
      break;
    }
  record.SupportsAlternateGatekeepers = rrq.supportsAltGK != nullptr;
  record.ApplyAliasMakeRules();
  record.StartValidityTimer();

  const bool radiusLogin = RadiusLoginApplies();
  TEndpointRegisterInfo* existing = Owner->RegistrationIndex().ByCallSignalAddress(record.CallSignalAddress, false);
  if (existing) {
    if (existing->User() != user) {
      SendReject(rjSecurityDenial, RejectText(rtCallSignalAddressTaken));
      return nullptr;
    }
    if (existing->State() != TEndpointRegisterInfo::esRegistered) {
      SendReject(rjDiscoveryRequired,
                 RejectText(existing->State() == TEndpointRegisterInfo::esUnregistering ? rtUnregistrationInProgress
                                                                                        : rtIntermediateState));
      return nullptr;
    }
    // A new host or RAS address must pass RADIUS like a new registration;
    // else re-registering would bypass it.
    const bool sameEndpoint = Requester.sin_addr.s_addr == existing->RasAddress.sin_addr.s_addr &&
                              SameIpAndPort(record.RasAddress, existing->RasAddress);
    if (!radiusLogin || sameEndpoint) {
      FoundRegistration = existing;
      existing->TakeOver(record);
      NewRegistration.reset();
      SendConfirm();
      return nullptr;
    }
    TakeOverRecord = existing;
    TakeOverIdentity = existing->Identity();
  } else if (Owner->Registrations().Count() >= RegistrationLimit) {
    SendReject(rjResourceUnavailable);
    return nullptr;
  }

  FoundRegistration = NewRegistration.get();
  if (!TakeH235Identity(radiusLogin)) return nullptr;
  if (!radiusLogin) return FinishRegistration();
  SendRadiusRequest();
  return &TRegistrationResolver::FinishRegistration;
}

void TRegistrationResolver::AnswerKeepAlive() {
  const H225::registrationRequest& rrq = Rrq();
  TEndpointRegisterInfo* registration =
      rrq.endpointIdentifier ? Owner->FindEndpointByIdentifier(*rrq.endpointIdentifier) : nullptr;
  if (!registration) {
    SendReject(rjFullRegistrationRequired);
    return;
  }
  // Tokens and the sender are checked before anything is answered for the
  // registration: a keep-alive must not let another host hold it alive.
  if (!registration->CheckTokens(rrq.tokens, rrq.cryptoTokens)) {
    DenyToSender(RejectText(rtInvalidSecurity));
    return;
  }
  if (!RequestSourceAllowed(*registration, Requester)) {
    DenyToSender(RejectText(rtAddressNotAllowed));
    return;
  }
  FoundRegistration = registration;
  switch (registration->State()) {
    case TEndpointRegisterInfo::esRegistered:
      if (TTimer* timer = registration->ValidityTimer()) timer->Restart();
      SendConfirm();
      return;
    case TEndpointRegisterInfo::esUnregistering:
      SendReject(rjDiscoveryRequired, RejectText(rtUnregistrationInProgress));
      return;
    default:
      SendReject(rjDiscoveryRequired, RejectText(rtIntermediateState));
      return;
  }
}

void TRegistrationResolver::DenyToSender(const orvo::string& AText) {
  FoundRegistration = nullptr;
  ReplyAddress = Requester;
  SendReject(rjSecurityDenial, AText);
}

TEndpointRegisterInfo* TRegistrationResolver::TakeOverTarget() const {
  if (!TakeOverRecord || !Owner->Registrations().Contains(TakeOverRecord)) return nullptr;
  return TakeOverRecord->Identity() == TakeOverIdentity ? TakeOverRecord : nullptr;
}

TRegistrationResolver* TRegistrationResolver::EarlierClaim() {
  const TEndpointRegisterInfo& record = *NewRegistration;
  TRegistrationResolver* claim = nullptr;
  // Only those before this one in the list: two waiting for each other
  // would wait for ever.
  Owner->RegistrationResolvers().ForEach([&](TRasResolver* AHeld) {
    if (AHeld == this) return true;
    auto* other = dynamic_cast<TRegistrationResolver*>(AHeld);
    const TEndpointRegisterInfo* claimed = other ? other->NewRegistration.get() : nullptr;
    if (!claimed) return false;
    bool collides = SameIpAndPort(claimed->CallSignalAddress, record.CallSignalAddress);
    for (const H225::aliasAddress* mine : record.Aliases)
      for (const H225::aliasAddress* theirs : claimed->Aliases)
        collides = collides || H323::aliasEquals(*mine, *theirs);
    if (collides) claim = other;
    return collides;
  });
  return claim;
}

const H225::aliasAddress* TRegistrationResolver::AliasTaken() {
  const TEndpointRegisterInfo& record = *NewRegistration;
  for (const H225::aliasAddress* alias : record.Aliases) {
    TEndpointRegisterInfo* holder = Owner->FindEndpointByAlias(*alias);
    if (holder && !SameIpAndPort(holder->CallSignalAddress, record.CallSignalAddress)) return alias;
  }
  return nullptr;
}

TProcessor::TPerformFunctionResult TRegistrationResolver::FinishRegistration() {
  // What was checked before RADIUS was asked holds again: others may have
  // registered meanwhile.
  if (const H225::aliasAddress* taken = AliasTaken()) {
    SendReject(rjDuplicateAlias, orvo::string(), taken);
    return nullptr;
  }
  TEndpointRegisterInfo* existing =
      TakeOverIdentity != 0 ? TakeOverTarget()
                            : Owner->RegistrationIndex().ByCallSignalAddress(NewRegistration->CallSignalAddress, false);
  if (existing && existing->User() != NewRegistration->User()) {
    SendReject(rjSecurityDenial, RejectText(rtCallSignalAddressTaken));
    return nullptr;
  }
  if (TakeOverIdentity != 0 || existing) {
    // The record may have gone or changed while RADIUS was asked.
    if (!existing || existing->State() != TEndpointRegisterInfo::esRegistered) {
      SendReject(rjDiscoveryRequired, RejectText(existing && existing->State() == TEndpointRegisterInfo::esUnregistering
                                                     ? rtUnregistrationInProgress
                                                     : rtIntermediateState));
      return nullptr;
    }
    FoundRegistration = existing;
    existing->TakeOver(*NewRegistration);
    NewRegistration.reset();
    SendConfirm();
    return nullptr;
  }
  if (Owner->Registrations().Count() >= RegistrationLimit) {
    SendReject(rjResourceUnavailable);
    return nullptr;
  }
  TEndpointRegisterInfo* record = NewRegistration.release();
  FoundRegistration = record;
  record->SetState(TEndpointRegisterInfo::esRegistered);
  SendConfirm();
  TGatekeeperLink* serving = nullptr;
  Owner->Links().ForEach([&](TGatekeeperLink* ALink) {
    if (static_cast<const TUser*>(ALink->User) != record->User()) return false;
    serving = ALink;
    return true;
  });
  if (serving) serving->Register();
  return nullptr;
}

void TRegistrationResolver::SendConfirm() {
  const H225::registrationRequest& rrq = Rrq();
  TEndpointRegisterInfo& registration = *FoundRegistration;
  H225::rasMessage answer;
  auto* rcf = static_cast<H225::registrationConfirm*>(answer.select(4));
  rcf->requestSeqNum = rrq.requestSeqNum.value();
  rcf->protocolIdentifier = H323::h225ProtocolIdentifier;
  H323::sockaddrToTransport(registration.CallSignalAddress, *rcf->callSignalAddress.appendNew());
  if (rrq.terminalAlias) rcf->terminalAlias = new asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>(*rrq.terminalAlias);
  rcf->endpointIdentifier = registration.Identifier();
  registration.MakeAlternateGatekeepersOnce(rcf->alternateGatekeeper);
  if (TUser* user = registration.User())
    if (user->RegistrationValidity() != TUser::NoLimit) {
      rcf->timeToLive = new asn::integer<1u, 4294967295u, 1>;
      *rcf->timeToLive = uint32_t(user->RegistrationValidity());
    }
  rcf->willRespondToIRR = new asn::booltype;
  *rcf->willRespondToIRR = true;
  rcf->maintainConnection = new asn::booltype;
  *rcf->maintainConnection = false;
  registration.CreateTokens(rcf->tokens, rcf->cryptoTokens);
  Owner->RASSend(ReplyAddress, answer);
}

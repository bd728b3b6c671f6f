#include <gatekeeper/Endpoint.h>

#include <arpa/inet.h>

#include <iostream>

#include <orvo/socketAddress.h>

#include <config/Configuration.h>
#include <config/DirectiveCode.h>
#include <config/LinkedUser.h>
#include <config/User.h>
#include <h323/alias.h>
#include <h323/transportAddress.h>

#include <gatekeeper/Connection.h>
#include <gatekeeper/Events.h>
#include <gatekeeper/Gatekeeper.h>
#include <gatekeeper/Log.h>
#include <gatekeeper/UnregisterProcedure.h>

namespace {

// Identities of records: memory addresses come back after a free, so that a
// new record would inherit a gone one's endpoint identifier and accounting
// session.
uint32_t NextIdentity = 0;

uint32_t TakeIdentity() {
  if (++NextIdentity == 0) ++NextIdentity;
  return NextIdentity;
}

}  // namespace

TEndpointRegisterInfo::TEndpointRegisterInfo(TGatekeeper* AOwner)
    : TimeStamp(orvo::dateTime::now()), FOwner(AOwner), FIdentity(TakeIdentity()) {
  TakeConfiguration(AOwner ? AOwner->Configuration() : nullptr);
}

TEndpointRegisterInfo::~TEndpointRegisterInfo() {
  // Normally the calls let go when told that the registration ended; one
  // that goes untold must not leave them counting on freed memory.
  if (FCalls != 0 && FOwner)
    FOwner->Connections().ForEach([&](TConnection* AConnection) {
      AConnection->Forget(this);
      return false;
    });
  TConfiguration::Release(FConfiguration);
}

void TEndpointRegisterInfo::TakeConfiguration(TConfiguration* AConfiguration) {
  if (AConfiguration) AConfiguration->AddReference();
  TConfiguration::Release(FConfiguration);
  FConfiguration = AConfiguration;
}

TEndpointRegisterInfo& TEndpointRegisterInfo::operator=(const TEndpointRegisterInfo& AOther) {
  if (this == &AOther) return *this;
  TakeConfiguration(AOther.FConfiguration);
  SetUser(AOther.FUser);
  FVariables = AOther.FVariables;
  ProtocolVersion = AOther.ProtocolVersion;
  Aliases.clear(1);
  for (const H225::aliasAddress* alias : AOther.Aliases) Aliases.append(new H225::aliasAddress(*alias));
  RasAddress = AOther.RasAddress;
  CallSignalAddress = AOther.CallSignalAddress;
  EndpointType = AOther.EndpointType;
  SupportsAlternateGatekeepers = AOther.SupportsAlternateGatekeepers;
  AlternateGatekeepersSent = AOther.AlternateGatekeepersSent;
  FIdentifier = AOther.FIdentifier;
  if (!AOther.FValidityTimer) {
    FValidityTimer.reset();
  } else {
    CreateValidityTimer();
    *FValidityTimer = *AOther.FValidityTimer;
  }
  Changed();
  return *this;
}

void TEndpointRegisterInfo::TakeOver(TEndpointRegisterInfo& ASource) {
  // The source's reference moves over; the count stays.
  TConfiguration::Release(FConfiguration);
  FConfiguration = ASource.FConfiguration;
  ASource.FConfiguration = nullptr;
  SetUser(ASource.FUser);
  FVariables = ASource.FVariables;
  ProtocolVersion = ASource.ProtocolVersion;
  Aliases = ASource.Aliases;
  RasAddress = ASource.RasAddress;
  CallSignalAddress = ASource.CallSignalAddress;
  EndpointType = ASource.EndpointType;
  SupportsAlternateGatekeepers = ASource.SupportsAlternateGatekeepers;
  FValidityTimer = std::move(ASource.FValidityTimer);
  if (FValidityTimer) FValidityTimer->SetTarget(this, &TEndpointRegisterInfo::OnValidityTimeout);
  Changed();
}

void TEndpointRegisterInfo::SetUser(TUser* AUser) {
  if (AUser == FUser) return;
  FUser = AUser;
  FVariables.SetParent(AUser ? &AUser->Variables() : nullptr);
  FEnvironment.reset();
  if (FOwner) FOwner->RegistrationIndex().Update(this);
}

void TEndpointRegisterInfo::Reattach(TConfiguration* AConfiguration, TUser* AUser) {
  AlternateGatekeepersSent = false;
  if (FUser) FUser->RemoveMakeVariables(&FVariables, dcMakeLogin);
  SetUser(AUser);
  TakeConfiguration(AConfiguration);
  ApplyAliasMakeRules();
  if (AUser && AUser->HasStaticAddress()) {
    CallSignalAddress = AUser->StaticAddress();
    if (AUser->IsGatekeeper()) {
      EndpointType = etGatekeeper;
      RasAddress = static_cast<TLinkedUser*>(AUser)->RasAddress();
    } else {
      EndpointType = etTerminal;
    }
  }
  Changed();
}

void TEndpointRegisterInfo::ApplyAliasMakeRules() {
  if (!FUser || !FUser->HasMake(dcMakeLogin)) return;
  for (const H225::aliasAddress* alias : Aliases)
    FUser->ApplyMake(&FVariables, dcMakeLogin, H323::aliasToString(*alias));
}

void TEndpointRegisterInfo::Changed() {
  if (!FOwner) return;
  // Those told of the change find the record by its new keys.
  FOwner->RegistrationIndex().Update(this);
  if (FState != esCreated) FOwner->BroadcastEvent(evEndpointChanged, this);
}

void TEndpointRegisterInfo::LogRegistration(const char* AWhat) const {
  if (!FConfiguration || !FConfiguration->Log().Registrations()) return;
  std::cout << AWhat << (FUser ? FUser->Identifier() : orvo::string()) << " at " << orvo::toText(CallSignalAddress)
            << std::endl;
}

void TEndpointRegisterInfo::SetState(int AState) {
  if (AState == FState) return;
  FState = AState;
  switch (AState) {
    case esRegistered:
      if (FOwner) FOwner->Registrations().Attach(this);
      LogRegistration("User registered:\t");
      if (FOwner) FOwner->BroadcastEvent(evEndpointRegistered, this);
      GuardedAccountingStart();
      break;
    case esUnregistering:
      if (FOwner) FOwner->BroadcastEvent(evEndpointUnregistering, this);
      break;
    case esUnregistered:
      GuardedAccountingStop();
      if (FOwner) FOwner->BroadcastEvent(evEndpointUnregistered, this);
      LogRegistration("User unregistered:\t");
      // The list owns the record: leaving it ends it.
      if (FOwner && FOwner->Registrations().Detach(this)) delete this;
      break;
    default:
      break;
  }
}

void TEndpointRegisterInfo::Unregister(const H225::unregRequestReason* AReason) {
  if (FState != esRegistered) return;
  SetState(esUnregistering);
  StopValidityTimer();
  (new TUnregisterProcedure(FOwner, this, AReason))->Run();
}

void TEndpointRegisterInfo::StartValidityTimer() {
  if (!FUser || FUser->RegistrationValidity() == TUser::NoLimit) return;
  CreateValidityTimer();
  // 64-bit milliseconds: a validity of years must not wrap.
  FValidityTimer->SetTimeout(int64_t(FUser->RegistrationValidity()) * 1000);
  FValidityTimer->Start();
}

void TEndpointRegisterInfo::CreateValidityTimer() {
  if (!FValidityTimer) FValidityTimer.reset(new TTimer(this, &TEndpointRegisterInfo::OnValidityTimeout));
}

void TEndpointRegisterInfo::StopValidityTimer() { FValidityTimer.reset(); }

void TEndpointRegisterInfo::OnValidityTimeout(TTimer*) {
  LogLine(orvo::stateWarning,
          orvo::string("User registration timed out: ") + (FUser ? FUser->Identifier() : orvo::string()));
  H225::unregRequestReason reason;
  reason.select(1);  // ttlExpired
  Unregister(&reason);
}

const orvo::string& TEndpointRegisterInfo::Identifier() {
  if (!FIdentifier.empty()) return FIdentifier;
  if (FUser && FUser->HasStaticAddress())
    FIdentifier.format("%x", unsigned(FIdentity));
  else
    FIdentifier.format("%x:%x", unsigned(ntohl(CallSignalAddress.sin_addr.s_addr)),
                       unsigned(ntohs(CallSignalAddress.sin_port)));
  if (FOwner) FOwner->RegistrationIndex().Update(this);
  return FIdentifier;
}

H323::authenticationEnvironment* TEndpointRegisterInfo::Environment() {
  if (!FEnvironment && FUser)
    FEnvironment.reset(new H323::simpleUserEnvironment(FConfiguration ? FConfiguration->Identifier() : orvo::string(),
                                                       FUser->H235Name().ValueIn(&FVariables),
                                                       FUser->H235Password().ValueIn(&FVariables), 1));
  return FEnvironment.get();
}

bool TEndpointRegisterInfo::CheckTokens(const H323::clearTokenList* AClear, const H323::cryptoTokenList* ACrypto) {
  if (!FUser || !FUser->H235Authentication()) return true;
  return Environment()->checkTokens(AClear, ACrypto);
}

bool TEndpointRegisterInfo::CheckRasTokens(const H225::rasMessage& AMessage) {
  if (!FUser || !FUser->H235Authentication()) return true;
  return Environment()->checkRasTokens(AMessage);
}

void TEndpointRegisterInfo::CreateTokens(H323::clearTokenList*& AClear, H323::cryptoTokenList*& ACrypto) {
  if (!FUser || !FUser->H235Authentication()) {
    delete AClear;
    delete ACrypto;
    AClear = nullptr;
    ACrypto = nullptr;
    return;
  }
  Environment()->createTokens(AClear, ACrypto);
}

void TEndpointRegisterInfo::SignRasMessage(H225::rasMessage& AMessage) {
  if (!FUser || !FUser->H235Authentication()) {
    H323::clearRasTokens(AMessage);
    return;
  }
  Environment()->signRasMessage(AMessage);
}

void TEndpointRegisterInfo::MakeAlternateGatekeepers(TAlternateGatekeepers*& AOut) const {
  delete AOut;
  AOut = nullptr;
  if (!SupportsAlternateGatekeepers) return;
  AOut = new TAlternateGatekeepers;
  if (!FUser) return;
  unsigned priority = 0;
  for (const TAlternateGKExp* entry : FUser->AlternateGatekeepers()) {
    H225::alternateGK* gk = AOut->appendNew();
    H323::sockaddrToTransport(entry->Address, gk->rasAddress);
    if (!entry->Identifier.empty()) {
      gk->gatekeeperIdentifier = new asn::bmpString<1u, 128u, 1>;
      *gk->gatekeeperIdentifier = entry->Identifier;
    }
    gk->needToRegister = true;
    gk->priority = priority++;
  }
}

void TEndpointRegisterInfo::MakeAlternateGatekeepersOnce(TAlternateGatekeepers*& AOut) {
  if (AlternateGatekeepersSent) {
    delete AOut;
    AOut = nullptr;
    return;
  }
  MakeAlternateGatekeepers(AOut);
  AlternateGatekeepersSent = true;
}

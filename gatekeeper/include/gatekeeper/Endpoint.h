// The record of one registered endpoint: who it is (aliases, the configured
// user), where it is (RAS and call-signal addresses), its own variables,
// the validity of its registration, its state, the H.235 environment of
// the messages exchanged with it, and the RADIUS accounting of the
// registration. Every change is announced through the core's broadcast.
#pragma once

#include <netinet/in.h>

#include <cstdint>
#include <memory>
#include <optional>

#include <orvo/dateTime.h>
#include <orvo/list.h>
#include <orvo/string.h>
#include <orvo/timer.h>

#include <asn/sequenceOf.h>
#include <config/Variables.h>
#include <h225/h225.h>
#include <h323/authenticationEnvironment.h>
#include <h323/rasMessage.h>

class TConfiguration;
class TGatekeeper;
class TUser;

namespace RADIUS {
class TPacket;
}

class TEndpointRegisterInfo {
public:
  enum TState { esCreated = 0, esRegistered = 1, esUnregistering = 2, esUnregistered = 3 };
  enum TEndpointType { etGatekeeper = 0, etGateway = 1, etMCU = 2, etTerminal = 3 };
  typedef asn::sequenceOf<H225::alternateGK, 0u, 0u, 1> TAlternateGatekeepers;

  // Holds a reference to the owner's current configuration (none without
  // an owner or configuration).
  explicit TEndpointRegisterInfo(TGatekeeper* AOwner = nullptr);
  TEndpointRegisterInfo(const TEndpointRegisterInfo&) = delete;
  ~TEndpointRegisterInfo();
  TEndpointRegisterInfo& operator=(const TEndpointRegisterInfo& AOther);

  // The registration resolver's update of an existing registration from a
  // new one: the source gives up its configuration reference, its aliases
  // (shared) and its validity timer.
  void TakeOver(TEndpointRegisterInfo& ASource);
  void SetUser(TUser* AUser);
  // After a configuration reload: the user of the new configuration.
  void Reattach(TConfiguration* AConfiguration, TUser* AUser);
  void ApplyAliasMakeRules();
  // Event 10, unless the record is still being built (state 0).
  void Changed();

  void SetState(int AState);
  int State() const { return FState; }
  // Only a registered endpoint: state 2 and an unregistration request to
  // it once its calls have ended; the request ends in state 3.
  void Unregister(const H225::unregRequestReason* AReason);
  void Unregister() { Unregister(nullptr); }

  void StartValidityTimer();
  void CreateValidityTimer();
  void StopValidityTimer();
  TTimer* ValidityTimer() const { return FValidityTimer.get(); }

  // Calls in the core's list in which the record takes part (either side,
  // once per call); calls whose removal is scheduled are over and do not
  // count.
  unsigned CountConnections() const { return FCalls; }
  unsigned CountConnectionsAs(int ASide) const { return ASide == 0 || ASide == 1 ? FCallsAs[ASide] : 0; }
  // The endpoint identifier: for a static user a number unique in this
  // process, in lower-case hex; else the call-signal address as
  // "address:port" in lower-case hex.
  const orvo::string& Identifier();
  // The identifier when it was built, else empty; builds nothing.
  const orvo::string& BuiltIdentifier() const { return FIdentifier; }

  bool CheckTokens(const H323::clearTokenList* AClear, const H323::cryptoTokenList* ACrypto);
  bool CheckRasTokens(const H225::rasMessage& AMessage);
  void CreateTokens(H323::clearTokenList*& AClear, H323::cryptoTokenList*& ACrypto);
  void SignRasMessage(H225::rasMessage& AMessage);
  H323::authenticationEnvironment* Environment();

  void MakeAlternateGatekeepers(TAlternateGatekeepers*& AOut) const;
  void MakeAlternateGatekeepersOnce(TAlternateGatekeepers*& AOut);

  // Accounting of the registration (Start and Stop). The completion does
  // not need the record, which may be gone when the answer comes.
  void AccountingStart();
  void AccountingStop();
  void FillAccountingAttributes(RADIUS::TPacket* APacket);
  static void OnAccountingAnswer(int AResult, RADIUS::TPacket* AAnswer);
  // The guarded forms: each at most once per record.
  void GuardedAccountingStart();
  void GuardedAccountingStop();
  // Start (1) or stop (2) under the configuration's and user's conditions.
  bool AccountingWanted() const;

  TGatekeeper* Owner() const { return FOwner; }
  TConfiguration* Configuration() const { return FConfiguration; }
  TUser* User() const { return FUser; }
  TVariables& Variables() { return FVariables; }
  // Unique in this process: freed records never pass theirs on.
  uint32_t Identity() const { return FIdentity; }

  uint32_t ProtocolVersion = 0;
  orvo::list<H225::aliasAddress> Aliases{1};
  sockaddr_in RasAddress{};
  sockaddr_in CallSignalAddress{};
  int32_t EndpointType = etTerminal;
  bool SupportsAlternateGatekeepers = false;
  bool AlternateGatekeepersSent = false;
  orvo::dateTime TimeStamp;
  const orvo::dateTime* AccountingStartTime() const { return FStartTime ? &*FStartTime : nullptr; }
  const orvo::dateTime* AccountingStopTime() const { return FStopTime ? &*FStopTime : nullptr; }

private:
  // The calls keep the counts (TConnection::Recount).
  friend class TConnection;

  void OnValidityTimeout(TTimer* ATimer);
  void TakeConfiguration(TConfiguration* AConfiguration);
  void LogRegistration(const char* AWhat) const;

  TGatekeeper* FOwner;
  TConfiguration* FConfiguration = nullptr;
  TUser* FUser = nullptr;
  TVariables FVariables;
  orvo::string FIdentifier;
  std::unique_ptr<TTimer> FValidityTimer;
  int FState = esCreated;
  // In the record: every registration has a start time.
  std::optional<orvo::dateTime> FStartTime;
  std::optional<orvo::dateTime> FStopTime;
  std::unique_ptr<H323::simpleUserEnvironment> FEnvironment;
  uint32_t FIdentity;
  unsigned FCalls = 0;
  unsigned FCallsAs[2] = {0, 0};
};

// Answers one registration request: checks it against the gatekeeper's
// state, the configured users and the registrations in hand, builds the
// endpoint's record, asks the RADIUS authentication server when the user
// wants it, and confirms or refuses. It waits only for RADIUS.
#pragma once

#include <netinet/in.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include <orvo/string.h>

#include <gatekeeper/RasResolver.h>

class TEndpointRegisterInfo;

namespace RADIUS {
class TPacket;
}

class TRegistrationResolver : public TRasResolver {
public:
  TRegistrationResolver(TGatekeeper* AOwner, const sockaddr_in& ASender, const H225::rasMessage& ARequest);
  ~TRegistrationResolver() override;

  // Beyond this many registrations a new one is refused with
  // resourceUnavailable, so that no host can fill the memory with
  // registrations that, with the default validity, never expire.
  static size_t RegistrationLimit;
  static const size_t DefaultRegistrationLimit = 1000000;

  // The shared text of a refusal by the RADIUS server.
  static const char* const RejectedByRADIUS;

private:
  // The checks of every request, then a keep-alive's answer or
  // CheckRegistration.
  TPerformFunctionResult CheckRequest();
  // The checks of a full registration and its record.
  TPerformFunctionResult CheckRegistration();
  TPerformFunctionResult FinishRegistration();
  // The checks and the answer of a keep-alive request.
  void AnswerKeepAlive();
  // Takes the H.235 identity of the new record for RADIUS; false when it
  // refused.
  bool TakeH235Identity(bool ARadiusLogin);
  bool RadiusLoginApplies() const;
  void SendRadiusRequest();
  void OnRadiusAnswer(int AResult, RADIUS::TPacket* AAnswer);
  // The first resolver in hand before this one whose record has the new
  // record's call-signal address or one of its aliases; null when none.
  TRegistrationResolver* EarlierClaim();
  // The first alias of the new record that another endpoint holds.
  const H225::aliasAddress* AliasTaken();
  // The record that a re-registration takes over, when it is still there.
  TEndpointRegisterInfo* TakeOverTarget() const;

  void SendConfirm();
  // ADuplicate: the alias named by a duplicateAlias refusal.
  void SendReject(int AReason, const orvo::string& AText = orvo::string(),
                  const H225::aliasAddress* ADuplicate = nullptr);
  // A refusal to whoever sent the request, without tokens: the sender is
  // not known to be the registration's endpoint.
  void DenyToSender(const orvo::string& AText);

  // The request as held (lent until it waits); OwnRrq copies it first.
  const H225::registrationRequest& Rrq() const;
  H225::registrationRequest& OwnRrq();

  sockaddr_in ReplyAddress;
  uint32_t ChapChallenge = 0;  // network order
  uint8_t ChapIdentifier = 0;
  orvo::string ChapResponse;
  TEndpointRegisterInfo* FoundRegistration = nullptr;
  std::unique_ptr<TEndpointRegisterInfo> NewRegistration;
  // A re-registration waiting for RADIUS before it takes over this record
  // (the identity tells a record from a later one at the same address).
  TEndpointRegisterInfo* TakeOverRecord = nullptr;
  uint32_t TakeOverIdentity = 0;
};

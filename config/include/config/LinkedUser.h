// A gatekeeper section: a remote or neighbour gatekeeper that this system
// registers at and treats as a user.
#pragma once

#include <netinet/in.h>

#include <cstdint>

#include <orvo/string.h>

#include <config/StringList.h>
#include <config/User.h>
#include <config/VariableReference.h>

class TLinkedUser : public TUser {
public:
  explicit TLinkedUser(const orvo::string& AIdentifier);

  bool IsUnique(const TExpression& ADirective) const override;
  orvo::string Apply(const TExpression& ADirective) override;

  // The remote gatekeeper's own identifier.
  const orvo::string& GatekeeperIdentifier() const { return FGatekeeperIdentifier; }
  // The null address when not given.
  const sockaddr_in& RasAddress() const { return FRasAddress; }
  // The aliases this system registers with at the remote gatekeeper.
  const TStringList& RegisteredAliases() const { return FRegisteredAliases; }
  bool LinkH235Authentication() const { return FLinkH235Authentication; }
  TVariableReference& LinkH235Name() { return FLinkH235Name; }
  const TVariableReference& LinkH235Name() const { return FLinkH235Name; }
  TVariableReference& LinkH235Password() { return FLinkH235Password; }
  const TVariableReference& LinkH235Password() const { return FLinkH235Password; }
  // Seconds; -1 when not given.
  int32_t RegistrationPeriod() const { return FRegistrationPeriod; }
  bool LinkAlternateGatekeeper() const { return FLinkAlternateGatekeeper; }

private:
  orvo::string FGatekeeperIdentifier;
  sockaddr_in FRasAddress;
  TStringList FRegisteredAliases;
  bool FLinkH235Authentication = false;
  TVariableReference FLinkH235Name;
  TVariableReference FLinkH235Password;
  int32_t FRegistrationPeriod = -1;
  bool FLinkAlternateGatekeeper = false;
};

// A user section: who may register with which login, what the user may dial,
// how aliases translate, limits, RADIUS and H.235 settings. A gatekeeper
// section is a TLinkedUser.
#pragma once

#include <netinet/in.h>

#include <cstdint>

#include <orvo/list.h>
#include <orvo/string.h>

#include <config/AddressExpressions.h>
#include <config/ComplexExpression.h>
#include <config/DatePattern.h>
#include <config/LevelExpressions.h>
#include <config/RuleExpressions.h>
#include <config/StringList.h>
#include <config/TimedList.h>
#include <config/ValueExpressions.h>
#include <config/VariableReference.h>
#include <config/Variables.h>

class TGroup;
class TSectionLookup;
class TZone;

class TUser : public TComplexExpression {
public:
  // The type word tells the two section kinds apart.
  enum TKind : TExpressionType { ukUser = '0', ukGatekeeper = '1' };
  // Call sides, as the connections count them.
  enum TSide : int { usCaller = 0, usCallee = 1 };
  enum : int32_t { NoLimit = -1 };
  enum : uint32_t { NoCost = 0xFFFFFFFFu, Unlimited = 0xFFFFFFFFu };
  // RADIUS level bits.
  enum : uint32_t { rlLogin = 1, rlCaller = 2, rlCallee = 4 };

  explicit TUser(const orvo::string& AIdentifier) : TUser(ukUser, AIdentifier) {}
  TUser(const TUser&) = delete;
  TUser& operator=(const TUser&) = delete;
  ~TUser() override;

  TExpression* Clone() const override { return nullptr; }
  bool IsUnique(const TExpression& ADirective) const override;
  // Stores one directive that names no other section; the empty text on
  // success.
  orvo::string Apply(const TExpression& ADirective) override;

  // Merges a section's directive list into the user: own directives and the
  // groups they name in order, then the group "everyone", then "username".
  // The first directive of a once-only kind wins; a group is merged once.
  // Groups and zones are looked up by name in the sections read so far. The
  // empty text on success.
  orvo::string ApplyDefinitions(const TExpressions& AList, const TSectionLookup& ALookup);

  bool IsGatekeeper() const { return Type == ukGatekeeper; }
  const orvo::string& Identifier() const { return FIdentifier; }

  // Queries of the resolvers.
  bool HasStaticAddress() const;
  bool IsAddressAllowed(const sockaddr_in& AAddress) const;
  bool NeedsRadiusAuthentication(int ASide) const;
  bool NeedsRadiusAccounting(int ASide) const;
  // The first active translation of the side whose pattern matches gives the
  // target with "&" and "\N" replaced from the match; none: the alias as is.
  orvo::string TranslateIncomingAlias(int ASide, const orvo::string& AAlias, TVariables* AScope);
  orvo::string TranslateOutgoingAlias(int ASide, const orvo::string& AAlias, TVariables* AScope);
  // Asked of the caller's user.
  bool CanDial(const TUser& ACallee) const;
  // The first active make rule of exactly that type word whose pattern
  // matches the alias sets its variables into the scope.
  void ApplyMake(TVariables* AScope, TExpressionType AKind, const orvo::string& AAlias);
  void RemoveMakeVariables(TVariables* AScope, TExpressionType AKind) const;
  bool HasMake(TExpressionType AKind) const;

  // Options. Timed ones answer through ActiveAt(now) or FirstActive(now).
  const TTimedList<TMakeExp>& MakeRules() const { return FMakeRules; }
  const orvo::list<TLoginExp>& LoginRules() const { return FLoginRules; }
  const TTimedList<TAliasExp>& AliasRules() const { return FAliasRules; }
  const TTimedList<TTranslateExp>& IncomingTranslations(int ASide) const;
  const TTimedList<TTranslateExp>& OutgoingTranslations(int ASide) const;
  const TTimedOption<TProxyLevelExp>& ProxyLevel() const { return FProxyLevel; }
  const TTimedOption<THuntLevelExp>& HuntLevel() const { return FHuntLevel; }
  const TTimedOption<TUIntTimedExp>& Cost() const { return FCost; }
  const TTimedList<TDialExp>& DialRules() const { return FDialRules; }
  // The groups merged into the user, as the groups spell them.
  const TStringList& GroupNames() const { return FGroupNames; }
  const TTimedOption<TUIntTimedExp>& Connections() const { return FConnections; }
  const TTimedOption<TUIntTimedExp>& IncomingConnections() const { return FIncomingConnections; }
  const TTimedOption<TUIntTimedExp>& OutgoingConnections() const { return FOutgoingConnections; }
  // The user's own scope, the parent of its registrations' scopes.
  TVariables& Variables() { return FVariables; }
  const TVariables& Variables() const { return FVariables; }
  // The null address when the user has no static address.
  const sockaddr_in& StaticAddress() const { return FStaticAddress; }
  // Null when the user names no zone.
  TZone* Location() const { return FLocation; }
  // Seconds; NoLimit when not set.
  int32_t RegistrationValidity() const { return FRegistrationValidity; }
  int32_t ConnectionValidity() const { return FConnectionValidity; }
  TVariableReference& Display() { return FDisplay; }
  const TVariableReference& Display() const { return FDisplay; }
  uint32_t RadiusAuthenticationLevel() const { return FRadiusAuthenticationLevel; }
  uint32_t RadiusAccountingLevel() const { return FRadiusAccountingLevel; }
  TVariableReference& RadiusName() { return FRadiusName; }
  const TVariableReference& RadiusName() const { return FRadiusName; }
  TVariableReference& RadiusPassword() { return FRadiusPassword; }
  const TVariableReference& RadiusPassword() const { return FRadiusPassword; }
  bool H235Authentication() const { return FH235Authentication; }
  TVariableReference& H235Name() { return FH235Name; }
  const TVariableReference& H235Name() const { return FH235Name; }
  TVariableReference& H235Password() { return FH235Password; }
  const TVariableReference& H235Password() const { return FH235Password; }
  // Per side of the call in which the user takes part; NoLimit when not set.
  int32_t MaxRingbackDuration(int ASide) const;
  int32_t MaxConnectionDuration(int ASide) const;
  bool ProxyLevelChoice() const { return FProxyLevelChoice; }
  bool FastStart() const { return FFastStart; }
  bool H245Tunneling() const { return FH245Tunneling; }
  const orvo::list<TIPAddressRangeExp>& AddressRules() const { return FAddressRules; }
  // Units of 100 bit/s.
  uint32_t Bandwidth() const { return FBandwidth; }
  bool ConnectionDupe() const { return FConnectionDupe; }
  const orvo::list<TAlternateGKExp>& AlternateGatekeepers() const { return FAlternateGatekeepers; }
  bool SecureRTP() const { return FSecureRTP; }

protected:
  TUser(TKind AKind, const orvo::string& AIdentifier);

private:
  class TMerge;
  friend class TMerge;

  static orvo::string Translate(const TTimedList<TTranslateExp>& AList, const orvo::string& AAlias, TVariables* AScope);

  TTimedList<TMakeExp> FMakeRules;
  orvo::list<TLoginExp> FLoginRules;
  TTimedList<TAliasExp> FAliasRules;
  TTimedList<TTranslateExp> FIncomingTranslations[2];
  TTimedList<TTranslateExp> FOutgoingTranslations[2];
  TTimedOption<TProxyLevelExp> FProxyLevel;
  TTimedOption<THuntLevelExp> FHuntLevel;
  TTimedOption<TUIntTimedExp> FCost;
  TTimedList<TDialExp> FDialRules;
  TStringList FGroupNames;
  TTimedOption<TUIntTimedExp> FConnections;
  TTimedOption<TUIntTimedExp> FIncomingConnections;
  TTimedOption<TUIntTimedExp> FOutgoingConnections;
  TVariables FVariables;
  orvo::string FIdentifier;
  sockaddr_in FStaticAddress;
  TZone* FLocation = nullptr;
  int32_t FRegistrationValidity = NoLimit;
  int32_t FConnectionValidity = 60;
  TVariableReference FDisplay;
  uint32_t FRadiusAuthenticationLevel = 0;
  uint32_t FRadiusAccountingLevel = 0;
  TVariableReference FRadiusName;
  TVariableReference FRadiusPassword;
  bool FH235Authentication = false;
  TVariableReference FH235Name;
  TVariableReference FH235Password;
  int32_t FMaxRingbackDuration[2] = {NoLimit, NoLimit};
  int32_t FMaxConnectionDuration[2] = {NoLimit, NoLimit};
  bool FProxyLevelChoice = false;
  bool FFastStart = true;
  bool FH245Tunneling = true;
  orvo::list<TIPAddressRangeExp> FAddressRules;
  uint32_t FBandwidth = 1280;
  bool FConnectionDupe = false;
  orvo::list<TAlternateGKExp> FAlternateGatekeepers;
  bool FSecureRTP = true;
};

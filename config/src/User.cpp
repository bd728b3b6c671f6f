#include <config/User.h>

#include <orvo/assertion.h>
#include <orvo/socketAddress.h>

#include <config/DirectiveCode.h>
#include <config/DirectiveTable.h>
#include <config/ReferenceExp.h>
#include <config/VariableSetExp.h>

namespace {

const char* const UnknownExpression = "parse error, unknown expression";

// A stored rule keeps its own value only: what the directive carries in its
// chain is merged on its own.
template <class T>
T* Copy(const T& ADirective) {
  T* copy = new T(ADirective);
  copy->SetChildren(nullptr);
  return copy;
}

orvo::string Lowered(const orvo::string& AText) {
  orvo::string lowered(AText);
  lowered.toLower();
  return lowered;
}

}  // namespace

TUser::TUser(TKind AKind, const orvo::string& AIdentifier)
    : TComplexExpression(AKind),
      FLoginRules(1),
      FProxyLevel(TProxyLevelExp(dcProxyLevel, TProxyLevelExp::plSignalling)),
      FHuntLevel(THuntLevelExp(dcHuntLevel, THuntLevelExp::hlNeutral)),
      FCost(TUIntTimedExp(dcCost, NoCost)),
      FConnections(TUIntTimedExp(dcConnections, Unlimited)),
      FIncomingConnections(TUIntTimedExp(dcIncomingConnections, Unlimited)),
      FOutgoingConnections(TUIntTimedExp(dcOutgoingConnections, Unlimited)),
      FIdentifier(AIdentifier),
      FStaticAddress(orvo::nullAddress),
      FDisplay(&FVariables, "userdisplay"),
      FRadiusName(&FVariables, "username"),
      FRadiusPassword(orvo::string()),
      FH235Name(&FVariables, "username"),
      FH235Password(orvo::string()),
      FAddressRules(1),
      FAlternateGatekeepers(1) {}

TUser::~TUser() = default;

bool TUser::IsUnique(const TExpression& ADirective) const {
  switch (ADirective.Kind()) {
    case dcLocation:
    case dcStatic:
    case dcRegistrationValidity:
    case dcConnectionValidity:
    case dcRadiusAuthentication:
    case dcRadiusAccounting:
    case dcRadiusPassword:
    case dcRadiusName:
    case dcH235Authentication:
    case dcH235Name:
    case dcH235Password:
    case dcMaxRingbackDuration:
    case dcMaxConnectionDuration:
    case dcProxyLevelChoice:
    case dcFastStart:
    case dcH245Tunneling:
    case dcBandwidth:
    case dcConnectionDupe:
    case dcAlternate:
    case dcSecureRTP:
      return true;
  }
  return false;
}

namespace {

// A reference to a variable resolves in the user's own variables.
// Outgoing calls are placed by the user (caller), incoming ones reach it
// (callee); a directive without a direction sets both.
template <auto Slots>
bool StoreDuration(TUser& AUser, const TExpression& ADirective) {
  const TUIntExp* value = directiveArm::As<TUIntExp>(ADirective);
  if (!value) return false;
  const TExpressionType direction = ADirective.Type & expDirections;
  if (direction != expIncoming) (AUser.*Slots)[TUser::usCaller] = static_cast<int32_t>(value->Value);
  if (direction != expOutgoing) (AUser.*Slots)[TUser::usCallee] = static_cast<int32_t>(value->Value);
  return true;
}

}  // namespace

orvo::string TUser::Apply(const TExpression& ADirective) {
  using namespace directiveArm;
  static const TDirectiveTable<TUser> directives = {
      {dcLogin,
       [](TUser& AUser, const TExpression& ADirective) {
         const TLoginExp* login = As<TLoginExp>(ADirective);
         if (!login) return false;
         TLoginExp* rule = Copy(*login);
         rule->Pattern.SetScope(&AUser.FVariables);
         AUser.FLoginRules.append(rule);
         return true;
       }},
      {dcAlias, &AppendCopy<&TUser::FAliasRules>},
      {dcTranslate,
       [](TUser& AUser, const TExpression& ADirective) {
         const TTranslateExp* translate = As<TTranslateExp>(ADirective);
         if (!translate) return false;
         // The list building hands over one entry per direction and side; an
         // entry for both directions has no list of its own.
         const int side = (ADirective.Type & expCaller) ? usCaller : usCallee;
         switch (ADirective.Type & expDirections) {
           case expIncoming:
             AUser.FIncomingTranslations[side].append(Copy(*translate));
             break;
           case expOutgoing:
             AUser.FOutgoingTranslations[side].append(Copy(*translate));
             break;
         }
         return true;
       }},
      {dcStatic,
       [](TUser& AUser, const TExpression& ADirective) {
         const TSockAddrInExp* address = As<TSockAddrInExp>(ADirective);
         if (!address) return false;
         AUser.FStaticAddress = address->Address;
         if (AUser.HasStaticAddress()) {
           TIPAddressRangeExp* rule = new TIPAddressRangeExp(dcAddressRule, true);
           rule->Set(AUser.FStaticAddress.sin_addr.s_addr, AUser.FStaticAddress.sin_addr.s_addr);
           AUser.FAddressRules.append(rule);
         }
         return true;
       }},
      {dcProxyLevel, &AppendCopy<&TUser::FProxyLevel>},
      {dcProxyLevelChoice, &Store<&TUser::FProxyLevelChoice, &TBoolExp::Value>},
      {dcCost, &AppendCopy<&TUser::FCost>},
      {dcDial,
       [](TUser& AUser, const TExpression& ADirective) {
         const TDialExp* dial = As<TDialExp>(ADirective);
         if (!dial) return false;
         TDialExp* rule = Copy(*dial);
         rule->Identifier.toLower();
         if (rule->Identifier == "self") rule->Identifier = Lowered(AUser.FIdentifier);
         AUser.FDialRules.append(rule);
         return true;
       }},
      {dcConnections, &AppendCopy<&TUser::FConnections>},
      {dcIncomingConnections, &AppendCopy<&TUser::FIncomingConnections>},
      {dcOutgoingConnections, &AppendCopy<&TUser::FOutgoingConnections>},
      {dcRegistrationValidity, &Store<&TUser::FRegistrationValidity, &TUIntExp::Value>},
      {dcConnectionValidity, &Store<&TUser::FConnectionValidity, &TUIntExp::Value>},
      {dcMaxRingbackDuration, &StoreDuration<&TUser::FMaxRingbackDuration>},
      {dcMaxConnectionDuration, &StoreDuration<&TUser::FMaxConnectionDuration>},
      {dcRadiusAuthentication, &Store<&TUser::FRadiusAuthenticationLevel, &TAAALevelExp::Level>},
      {dcRadiusAccounting, &Store<&TUser::FRadiusAccountingLevel, &TAAALevelExp::Level>},
      {dcRadiusName, &AssignReference<&TUser::FRadiusName>},
      {dcRadiusPassword, &AssignReference<&TUser::FRadiusPassword>},
      {dcH235Authentication, &Store<&TUser::FH235Authentication, &TBoolExp::Value>},
      {dcH235Name, &AssignReference<&TUser::FH235Name>},
      {dcH235Password, &AssignReference<&TUser::FH235Password>},
      {dcFastStart, &Store<&TUser::FFastStart, &TBoolExp::Value>},
      {dcH245Tunneling, &Store<&TUser::FH245Tunneling, &TBoolExp::Value>},
      {dcAddressRule, &AppendCopy<&TUser::FAddressRules>},
      {dcSetTo,
       [](TUser& AUser, const TExpression& ADirective) {
         const TVariableSetExp* set = As<TVariableSetExp>(ADirective);
         if (!set) return false;
         // The first definition wins, as for once-only kinds.
         const orvo::string name = Lowered(set->Name);
         if (!AUser.FVariables.Find(name)) AUser.FVariables.Set(name, set->Value);
         return true;
       }},
      {dcMakeLogin, &AppendCopy<&TUser::FMakeRules>},
      {dcMakeAlias, &AppendCopy<&TUser::FMakeRules>},
      {dcDisplay, &AssignReference<&TUser::FDisplay>},
      {dcConnectionDupe, &Store<&TUser::FConnectionDupe, &TBoolExp::Value>},
      {dcHuntLevel, &AppendCopy<&TUser::FHuntLevel>},
      {dcAlternateGatekeeper, &AppendCopy<&TUser::FAlternateGatekeepers>},
      {dcAlternate, &Nothing<TUser>},
      {dcSecureRTP, &Store<&TUser::FSecureRTP, &TBoolExp::Value>},
      {dcBandwidth, &Store<&TUser::FBandwidth, &TUIntExp::Value>},
  };
  if (directives.Apply(*this, ADirective)) return orvo::string();
  return UnknownExpression;
}

const TTimedList<TTranslateExp>& TUser::IncomingTranslations(int ASide) const {
  ORVO_ASSERT(ASide == usCaller || ASide == usCallee);
  return FIncomingTranslations[ASide];
}

const TTimedList<TTranslateExp>& TUser::OutgoingTranslations(int ASide) const {
  ORVO_ASSERT(ASide == usCaller || ASide == usCallee);
  return FOutgoingTranslations[ASide];
}

int32_t TUser::MaxRingbackDuration(int ASide) const {
  ORVO_ASSERT(ASide == usCaller || ASide == usCallee);
  return FMaxRingbackDuration[ASide];
}

int32_t TUser::MaxConnectionDuration(int ASide) const {
  ORVO_ASSERT(ASide == usCaller || ASide == usCallee);
  return FMaxConnectionDuration[ASide];
}

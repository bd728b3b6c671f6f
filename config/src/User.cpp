#include <config/User.h>

#include <orvo/assertion.h>
#include <orvo/socketAddress.h>

#include <config/Configuration.h>
#include <config/DirectiveCode.h>
#include <config/ReferenceExp.h>
#include <config/VariableSetExp.h>
#include <config/Zone.h>

namespace {

const char* const UnknownExpression = "parse error, unknown expression";

template <class T>
const T* As(const TExpression& ADirective) {
  return dynamic_cast<const T*>(&ADirective);
}

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

orvo::string TUser::Apply(const TExpression& ADirective) { return TComplexExpression::Apply(ADirective); }

orvo::string TUser::Apply(const TExpression& ADirective, TConfiguration& AConfiguration) {
  const TExpressionType type = ADirective.Type;
  switch (ADirective.Kind()) {
    case dcLogin:
      if (const TLoginExp* login = As<TLoginExp>(ADirective)) {
        TLoginExp* rule = Copy(*login);
        rule->Pattern.SetScope(&FVariables);
        FLoginRules.append(rule);
        return orvo::string();
      }
      break;
    case dcAlias:
      if (const TAliasExp* alias = As<TAliasExp>(ADirective)) {
        FAliasRules.append(Copy(*alias));
        return orvo::string();
      }
      break;
    case dcProxyLevel:
      if (const TProxyLevelExp* level = As<TProxyLevelExp>(ADirective)) {
        FProxyLevel.append(Copy(*level));
        return orvo::string();
      }
      break;
    case dcHuntLevel:
      if (const THuntLevelExp* level = As<THuntLevelExp>(ADirective)) {
        FHuntLevel.append(Copy(*level));
        return orvo::string();
      }
      break;
    case dcCost:
    case dcConnections:
    case dcIncomingConnections:
    case dcOutgoingConnections:
      if (const TUIntTimedExp* value = As<TUIntTimedExp>(ADirective)) {
        TTimedOption<TUIntTimedExp>* options[] = {&FConnections, &FIncomingConnections, &FOutgoingConnections};
        TTimedOption<TUIntTimedExp>* option =
            ADirective.Kind() == dcCost ? &FCost : options[ADirective.Kind() - dcConnections];
        option->append(Copy(*value));
        return orvo::string();
      }
      break;
    case dcAddressRule:
      if (const TIPAddressRangeExp* rule = As<TIPAddressRangeExp>(ADirective)) {
        FAddressRules.append(Copy(*rule));
        return orvo::string();
      }
      break;
    case dcMakeLogin:
    case dcMakeAlias:
      if (const TMakeExp* make = As<TMakeExp>(ADirective)) {
        FMakeRules.append(Copy(*make));
        return orvo::string();
      }
      break;
    case dcAlternateGatekeeper:
      if (const TAlternateGKExp* alternate = As<TAlternateGKExp>(ADirective)) {
        FAlternateGatekeepers.append(Copy(*alternate));
        return orvo::string();
      }
      break;
    case dcTranslate:
      if (const TTranslateExp* translate = As<TTranslateExp>(ADirective)) {
        // The list building hands over one entry per direction and side; an
        // entry for both directions has no list of its own.
        const int side = (type & expCaller) ? usCaller : usCallee;
        switch (type & expDirections) {
          case expIncoming:
            FIncomingTranslations[side].append(Copy(*translate));
            break;
          case expOutgoing:
            FOutgoingTranslations[side].append(Copy(*translate));
            break;
        }
        return orvo::string();
      }
      break;
    case dcLocation:
      if (const TStringExp* zone = As<TStringExp>(ADirective)) {
        FLocation = AConfiguration.FindZone(zone->Value);
        if (!FLocation) return "logic error, 'location' directive points on unknown zone";
        return orvo::string();
      }
      break;
    case dcStatic:
      if (const TSockAddrInExp* address = As<TSockAddrInExp>(ADirective)) {
        FStaticAddress = address->Address;
        if (HasStaticAddress()) {
          TIPAddressRangeExp* rule = new TIPAddressRangeExp(dcAddressRule, true);
          rule->Set(FStaticAddress.sin_addr.s_addr, FStaticAddress.sin_addr.s_addr);
          FAddressRules.append(rule);
        }
        return orvo::string();
      }
      break;
    case dcDial:
      if (const TDialExp* dial = As<TDialExp>(ADirective)) {
        TDialExp* rule = Copy(*dial);
        rule->Identifier.toLower();
        if (rule->Identifier == "self") rule->Identifier = Lowered(FIdentifier);
        FDialRules.append(rule);
        return orvo::string();
      }
      break;
    case dcRegistrationValidity:
    case dcConnectionValidity:
    case dcBandwidth:
      if (const TUIntExp* value = As<TUIntExp>(ADirective)) {
        if (ADirective.Kind() == dcBandwidth)
          FBandwidth = value->Value;
        else
          (ADirective.Kind() == dcRegistrationValidity ? FRegistrationValidity : FConnectionValidity) =
              static_cast<int32_t>(value->Value);
        return orvo::string();
      }
      break;
    case dcMaxRingbackDuration:
    case dcMaxConnectionDuration:
      if (const TUIntExp* value = As<TUIntExp>(ADirective)) {
        // Outgoing calls are placed by the user (caller), incoming ones
        // reach it (callee); a directive without a direction sets both.
        int32_t* slots = ADirective.Kind() == dcMaxRingbackDuration ? FMaxRingbackDuration : FMaxConnectionDuration;
        const TExpressionType direction = type & expDirections;
        if (direction != expIncoming) slots[usCaller] = static_cast<int32_t>(value->Value);
        if (direction != expOutgoing) slots[usCallee] = static_cast<int32_t>(value->Value);
        return orvo::string();
      }
      break;
    case dcRadiusAuthentication:
    case dcRadiusAccounting:
      if (const TAAALevelExp* level = As<TAAALevelExp>(ADirective)) {
        (ADirective.Kind() == dcRadiusAuthentication ? FRadiusAuthenticationLevel : FRadiusAccountingLevel) =
            level->Level;
        return orvo::string();
      }
      break;
    case dcProxyLevelChoice:
    case dcFastStart:
    case dcH245Tunneling:
    case dcConnectionDupe:
    case dcSecureRTP:
    case dcH235Authentication:
      if (const TBoolExp* flag = As<TBoolExp>(ADirective)) {
        switch (ADirective.Kind()) {
          case dcProxyLevelChoice: FProxyLevelChoice = flag->Value; break;
          case dcFastStart: FFastStart = flag->Value; break;
          case dcH245Tunneling: FH245Tunneling = flag->Value; break;
          case dcConnectionDupe: FConnectionDupe = flag->Value; break;
          case dcSecureRTP: FSecureRTP = flag->Value; break;
          default: FH235Authentication = flag->Value; break;
        }
        return orvo::string();
      }
      break;
    case dcRadiusName:
    case dcRadiusPassword:
    case dcH235Name:
    case dcH235Password:
    case dcDisplay:
      if (const TReferenceExp* reference = As<TReferenceExp>(ADirective)) {
        TVariableReference* target;
        switch (ADirective.Kind()) {
          case dcRadiusName: target = &FRadiusName; break;
          case dcRadiusPassword: target = &FRadiusPassword; break;
          case dcH235Name: target = &FH235Name; break;
          case dcH235Password: target = &FH235Password; break;
          default: target = &FDisplay; break;
        }
        *target = reference->Value;
        if (!target->IsLiteral()) target->SetScope(&FVariables);
        return orvo::string();
      }
      break;
    case dcSetTo:
      if (const TVariableSetExp* set = As<TVariableSetExp>(ADirective)) {
        // The first definition wins, as for once-only kinds.
        const orvo::string name = Lowered(set->Name);
        if (!FVariables.Find(name)) FVariables.Set(name, set->Value);
        return orvo::string();
      }
      break;
    case dcAlternate:
      return orvo::string();
  }
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

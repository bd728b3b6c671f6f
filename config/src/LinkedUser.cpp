#include <config/LinkedUser.h>

#include <orvo/socketAddress.h>

#include <config/AddressExpressions.h>
#include <config/DirectiveCode.h>
#include <config/ReferenceExp.h>
#include <config/ValueExpressions.h>

TLinkedUser::TLinkedUser(const orvo::string& AIdentifier)
    : TUser(ukGatekeeper, AIdentifier),
      FRasAddress(orvo::nullAddress),
      FLinkH235Name(&Variables(), "username"),
      FLinkH235Password(orvo::string()) {}

bool TLinkedUser::IsUnique(const TExpression& ADirective) const {
  switch (ADirective.Type) {
    case dcIdentifier:
    case dcRasAddress:
    case dcRegister:
    case dcLinkH235Authentication:
    case dcLinkH235Name:
    case dcLinkH235Password:
    case dcRegistrationPeriod:
    case dcLinkAlternateGatekeeper:
      return true;
  }
  return TUser::IsUnique(ADirective);
}

orvo::string TLinkedUser::Apply(const TExpression& ADirective, TConfiguration& AConfiguration) {
  switch (ADirective.Kind()) {
    case dcIdentifier:
      if (const TStringExp* identifier = dynamic_cast<const TStringExp*>(&ADirective)) {
        FGatekeeperIdentifier = identifier->Value;
        return orvo::string();
      }
      break;
    case dcRasAddress:
      if (const TSockAddrInExp* address = dynamic_cast<const TSockAddrInExp*>(&ADirective)) {
        FRasAddress = address->Address;
        return orvo::string();
      }
      break;
    case dcRegisterAlias:
      if (const TStringExp* alias = dynamic_cast<const TStringExp*>(&ADirective)) {
        if (alias->Value.length() != 0) FRegisteredAliases.append(alias->Value);
        return orvo::string();
      }
      break;
    case dcRegister:
      // Its aliases follow as its chain.
      return orvo::string();
    case dcLinkH235Authentication:
    case dcLinkAlternateGatekeeper:
      if (const TBoolExp* flag = dynamic_cast<const TBoolExp*>(&ADirective)) {
        (ADirective.Kind() == dcLinkH235Authentication ? FLinkH235Authentication : FLinkAlternateGatekeeper) =
            flag->Value;
        return orvo::string();
      }
      break;
    case dcRegistrationPeriod:
      if (const TUIntExp* period = dynamic_cast<const TUIntExp*>(&ADirective)) {
        FRegistrationPeriod = static_cast<int32_t>(period->Value);
        return orvo::string();
      }
      break;
    case dcLinkH235Name:
    case dcLinkH235Password:
      if (const TReferenceExp* reference = dynamic_cast<const TReferenceExp*>(&ADirective)) {
        TVariableReference& target = ADirective.Kind() == dcLinkH235Name ? FLinkH235Name : FLinkH235Password;
        target = reference->Value;
        if (!target.IsLiteral()) target.SetScope(&Variables());
        return orvo::string();
      }
      break;
  }
  return TUser::Apply(ADirective, AConfiguration);
}

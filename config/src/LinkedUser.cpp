#include <config/LinkedUser.h>

#include <orvo/socketAddress.h>

#include <config/AddressExpressions.h>
#include <config/DirectiveCode.h>
#include <config/DirectiveTable.h>
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

orvo::string TLinkedUser::Apply(const TExpression& ADirective) {
  using namespace directiveArm;
  static const TDirectiveTable<TLinkedUser> directives = {
      {dcIdentifier, &Store<&TLinkedUser::FGatekeeperIdentifier, &TStringExp::Value>},
      {dcRasAddress, &Store<&TLinkedUser::FRasAddress, &TSockAddrInExp::Address>},
      {dcRegisterAlias,
       [](TLinkedUser& AUser, const TExpression& ADirective) {
         const TStringExp* alias = As<TStringExp>(ADirective);
         if (!alias) return false;
         if (alias->Value.length() != 0) AUser.FRegisteredAliases.append(alias->Value);
         return true;
       }},
      {dcRegister, &Nothing<TLinkedUser>},
      {dcLinkH235Authentication, &Store<&TLinkedUser::FLinkH235Authentication, &TBoolExp::Value>},
      {dcLinkH235Name, &AssignReference<&TLinkedUser::FLinkH235Name>},
      {dcLinkH235Password, &AssignReference<&TLinkedUser::FLinkH235Password>},
      {dcRegistrationPeriod, &Store<&TLinkedUser::FRegistrationPeriod, &TUIntExp::Value>},
      {dcLinkAlternateGatekeeper, &Store<&TLinkedUser::FLinkAlternateGatekeeper, &TBoolExp::Value>},
  };
  if (directives.Apply(*this, ADirective)) return orvo::string();
  return TUser::Apply(ADirective);
}

#include <config/Configuration.h>
#include <config/ConfigurationHolder.h>

#include <orvo/socketAddress.h>

#include <config/AddressExpressions.h>
#include <config/DirectiveCode.h>
#include <config/DirectiveTable.h>
#include <config/ValueExpressions.h>

TConfiguration::TConfiguration()
    : TComplexExpression(0), FLocalAddress(orvo::defaultAddress), FZones(1), FGroups(1), FUsers(1) {
  orvo::localAddress(FLocalAddress.sin_addr);
}

TConfiguration::~TConfiguration() = default;

void TConfiguration::Release(TConfiguration* AConfiguration) {
  if (AConfiguration && --AConfiguration->FReferenceCount == 0) delete AConfiguration;
}

void TConfigurationRelease::operator()(TConfiguration* AConfiguration) const {
  TConfiguration::Release(AConfiguration);
}

orvo::string TConfiguration::ApplySystem(const TExpressions& AList) { return ApplyDirectives(*this, AList); }

orvo::string TConfiguration::Apply(const TExpression& ADirective) {
  using namespace directiveArm;
  static const TDirectiveTable<TConfiguration> directives = {
      {dcAddress,
       [](TConfiguration& AConfiguration, const TExpression& ADirective) {
         const TIPAddressExp* address = As<TIPAddressExp>(ADirective);
         if (address) AConfiguration.FLocalAddress.sin_addr.s_addr = address->Address;
         return address != nullptr;
       }},
      {dcRasPort, &Store<&TConfiguration::FRasPort, &TUIntExp::Value>},
      {dcCallSignalPort, &Store<&TConfiguration::FCallSignalPort, &TUIntExp::Value>},
      {dcIdentifier, &Store<&TConfiguration::FIdentifier, &TStringExp::Value>},
  };
  if (directives.Apply(*this, ADirective)) return orvo::string();
  return TComplexExpression::Apply(ADirective);
}

TUser* TConfiguration::FindUser(const orvo::string& AName) const {
  for (TUser* user : FUsers)
    if (user->Identifier() == AName) return user;
  return nullptr;
}

TUser* TConfiguration::FindUserByLogin(const orvo::string& ALogin) const {
  for (TUser* user : FUsers) {
    for (TLoginExp* rule : user->LoginRules()) {
      orvo::regexp& pattern = rule->Pattern.PatternIn(&user->Variables());
      const bool matched = pattern.match(ALogin);
      pattern.releaseSubject();
      if (!matched) continue;
      // The first matching rule decides for this user.
      if (rule->Allow) return user;
      break;
    }
  }
  return nullptr;
}

namespace {

bool SameName(const orvo::string& A, const orvo::string& B) {
  orvo::string a(A), b(B);
  return a.toLower() == b.toLower();
}

}  // namespace

TZone* TConfiguration::FindZone(const orvo::string& AName) const {
  for (TZone* zone : FZones)
    if (SameName(zone->Identifier(), AName)) return zone;
  return nullptr;
}

TGroup* TConfiguration::FindGroup(const orvo::string& AName) const {
  for (TGroup* group : FGroups)
    if (SameName(group->Identifier(), AName)) return group;
  return nullptr;
}

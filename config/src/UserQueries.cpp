// What the resolvers ask of a user.
#include <orvo/assertion.h>
#include <orvo/socketAddress.h>

#include <config/DirectiveCode.h>
#include <config/User.h>

namespace {

orvo::string Lowered(const orvo::string& AText) {
  orvo::string lowered(AText);
  lowered.toLower();
  return lowered;
}

uint32_t SideBit(int ASide) {
  if (ASide == TUser::usCaller) return TUser::rlCaller;
  ORVO_ASSERT(ASide == TUser::usCallee);
  return TUser::rlCallee;
}

}  // namespace

bool TUser::HasStaticAddress() const { return FStaticAddress != orvo::nullAddress; }

bool TUser::IsAddressAllowed(const sockaddr_in& AAddress) const {
  if (FAddressRules.empty()) return true;
  for (const TIPAddressRangeExp* rule : FAddressRules)
    if (rule->Contains(AAddress)) return rule->Allow;
  return false;
}

bool TUser::NeedsRadiusAuthentication(int ASide) const { return (FRadiusAuthenticationLevel & SideBit(ASide)) != 0; }

bool TUser::NeedsRadiusAccounting(int ASide) const { return (FRadiusAccountingLevel & SideBit(ASide)) != 0; }

orvo::string TUser::TranslateIncomingAlias(int ASide, const orvo::string& AAlias, TVariables* AScope) {
  return Translate(IncomingTranslations(ASide), AAlias, AScope);
}

orvo::string TUser::TranslateOutgoingAlias(int ASide, const orvo::string& AAlias, TVariables* AScope) {
  return Translate(OutgoingTranslations(ASide), AAlias, AScope);
}

orvo::string TUser::Translate(const TTimedList<TTranslateExp>& AList, const orvo::string& AAlias, TVariables* AScope) {
  const TDatePattern now = TClock::Now();
  for (TTranslateExp* entry : AList) {
    if (!entry->IsActive(now)) continue;
    orvo::regexp& pattern = entry->Pattern.PatternIn(AScope);
    if (!pattern.match(AAlias)) continue;
    const orvo::string target = entry->Target.ValueIn(AScope);
    const orvo::string result = pattern.expand(target.buffer());
    pattern.releaseSubject();
    return result;
  }
  return AAlias;
}

bool TUser::CanDial(const TUser& ACallee) const {
  if (FDialRules.empty()) return true;
  const TDatePattern now = TClock::Now();
  const orvo::string callee = Lowered(ACallee.Identifier());
  for (const TDialExp* rule : FDialRules) {
    if (!rule->IsActive(now)) continue;
    if (rule->Identifier.length() == 0 || rule->Identifier == callee) return rule->Allow;
    for (const orvo::string& group : ACallee.GroupNames())
      if (rule->Identifier == Lowered(group)) return rule->Allow;
  }
  return false;
}

void TUser::ApplyMake(TVariables* AScope, TExpressionType AKind, const orvo::string& AAlias) {
  if (!AScope) return;
  const TDatePattern now = TClock::Now();
  for (TMakeExp* make : FMakeRules) {
    if (make->Type != AKind || !make->IsActive(now)) continue;
    orvo::regexp& pattern = make->Pattern.PatternIn(AScope);
    if (!pattern.match(AAlias, true)) continue;
    // The pattern belongs to a variable that the assignments may change,
    // which drops the compiled pattern: expand from a copy of the match.
    const orvo::regexp match(pattern);
    pattern.releaseSubject();
    for (const TVariableSetExp* set : make->Sets) {
      const orvo::string value = match.expand(set->Value.buffer());
      if (set->Kind() == dcSetAdd)
        AScope->Add(set->Name, value);
      else
        AScope->Set(set->Name, value);
    }
    return;
  }
}

void TUser::RemoveMakeVariables(TVariables* AScope, TExpressionType AKind) const {
  if (!AScope) return;
  for (const TMakeExp* make : FMakeRules)
    if (make->Type == AKind)
      for (const TVariableSetExp* set : make->Sets) AScope->Remove(Lowered(set->Name));
}

bool TUser::HasMake(TExpressionType AKind) const {
  const TDatePattern now = TClock::Now();
  for (const TMakeExp* make : FMakeRules)
    if (make->Type == AKind && make->IsActive(now)) return true;
  return false;
}

#include <config/Log.h>

#include <config/AddressExpressions.h>
#include <config/DirectiveCode.h>
#include <config/ValueExpressions.h>

bool TLog::IsUnique(const TExpression& ADirective) const {
  const TExpressionType kind = ADirective.Kind();
  return kind >= dcRegistrations && kind <= dcMessagesDump;
}

orvo::string TLog::Apply(const TExpression& ADirective) {
  const TExpressionType kind = ADirective.Kind();
  if (kind >= dcRasMessages && kind <= dcMonitorMessages) {
    if (const TLogMessageExp* rule = dynamic_cast<const TLogMessageExp*>(&ADirective)) {
      TLogRules* families[] = {&FRasRules, &FQ931Rules, &FH245Rules, &FH450Rules, &FRadiusRules, &FMonitorRules};
      families[kind - dcRasMessages]->append(new TLogMessageExp(*rule));
      return orvo::string();
    }
  } else if (kind == dcFile) {
    if (const TStringExp* name = dynamic_cast<const TStringExp*>(&ADirective)) {
      FFileName = name->Value;
      return orvo::string();
    }
  } else if (kind >= dcRegistrations && kind <= dcMessagesDump) {
    if (const TBoolExp* flag = dynamic_cast<const TBoolExp*>(&ADirective)) {
      bool* flags[] = {&FRegistrations, &FConnectionStatus, &FChosenRoute, &FAvailableBandwidth, &FBandwidthChanges,
                       nullptr, &FMessagesDump};
      if (bool* target = flags[kind - dcRegistrations]) {
        *target = flag->Value;
        return orvo::string();
      }
    }
  }
  return TComplexExpression::Apply(ADirective);
}

namespace {

bool AnyAliasMatches(const TStringList* AAliases, orvo::regexp& APattern) {
  if (!AAliases) return false;
  for (const orvo::string& alias : *AAliases) {
    const bool matched = APattern.match(alias);
    APattern.releaseSubject();
    if (matched) return true;
  }
  return false;
}

bool ConditionHolds(TExpression& ACondition, int ADirection, const TStringList* ACallerAliases,
                    const TStringList* ACalleeAliases, const sockaddr_in& AAddress) {
  switch (ACondition.Kind()) {
    case dcWhereDirection:
      if (const TLogDirectionExp* direction = dynamic_cast<const TLogDirectionExp*>(&ACondition))
        return direction->Direction == ADirection;
      break;
    case dcWhereAlias:
      if (TLogAliasExp* alias = dynamic_cast<TLogAliasExp*>(&ACondition))
        return AnyAliasMatches((ACondition.Type & expCaller) ? ACallerAliases : ACalleeAliases, alias->Pattern());
      break;
    case dcWhereAddress:
      if (const TIPAddressRangeExp* range = dynamic_cast<const TIPAddressRangeExp*>(&ACondition))
        return range->Contains(AAddress);
      break;
  }
  return true;
}

}  // namespace

bool TLog::IsLogged(const TLogRules& ARules, int ADirection, const TStringList* ACallerAliases,
                    const TStringList* ACalleeAliases, const sockaddr_in& AAddress) {
  for (const TLogMessageExp* rule : ARules) {
    bool matches = true;
    if (const TExpressions* where = rule->Where()) {
      for (TExpression* condition : *where) {
        if (!ConditionHolds(*condition, ADirection, ACallerAliases, ACalleeAliases, AAddress)) {
          matches = false;
          break;
        }
      }
    }
    if (matches) return rule->Allow;
  }
  return false;
}

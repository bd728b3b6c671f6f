#include <config/Log.h>

#include <config/AddressExpressions.h>
#include <config/DirectiveCode.h>
#include <config/DirectiveTable.h>
#include <config/ValueExpressions.h>

bool TLog::IsUnique(const TExpression& ADirective) const {
  const TExpressionType kind = ADirective.Kind();
  return kind >= dcRegistrations && kind <= dcMessagesDump;
}

orvo::string TLog::Apply(const TExpression& ADirective) {
  using namespace directiveArm;
  static const TDirectiveTable<TLog> directives = {
      {dcRasMessages, &AppendWhole<&TLog::FRasRules>},
      {dcQ931Messages, &AppendWhole<&TLog::FQ931Rules>},
      {dcH245Messages, &AppendWhole<&TLog::FH245Rules>},
      {dcH450Messages, &AppendWhole<&TLog::FH450Rules>},
      {dcRadiusMessages, &AppendWhole<&TLog::FRadiusRules>},
      {dcMonitorMessages, &AppendWhole<&TLog::FMonitorRules>},
      {dcRegistrations, &Store<&TLog::FRegistrations, &TBoolExp::Value>},
      {dcConnectionStatus, &Store<&TLog::FConnectionStatus, &TBoolExp::Value>},
      {dcChosenRoute, &Store<&TLog::FChosenRoute, &TBoolExp::Value>},
      {dcAvailableBandwidth, &Store<&TLog::FAvailableBandwidth, &TBoolExp::Value>},
      {dcBandwidthChanges, &Store<&TLog::FBandwidthChanges, &TBoolExp::Value>},
      {dcFile, &Store<&TLog::FFileName, &TStringExp::Value>},
      {dcMessagesDump, &Store<&TLog::FMessagesDump, &TBoolExp::Value>},
  };
  if (directives.Apply(*this, ADirective)) return orvo::string();
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

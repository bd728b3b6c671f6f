#include <config/LogExpressions.h>

#include <config/AnchoredRegexp.h>

TLogAliasExp::TLogAliasExp(TExpressionType AType, const orvo::string& APatternText)
    : TExpression(AType), FPatternText(APatternText), FPattern(AnchoredRegexp(APatternText)) {}

TLogAliasExp::TLogAliasExp(const TLogAliasExp& AOther)
    : TExpression(AOther), FPatternText(AOther.FPatternText), FPattern(AnchoredRegexp(AOther.FPatternText)) {}

TLogMessageExp::TLogMessageExp(const TLogMessageExp& AOther) : TExpression(AOther), Allow(AOther.Allow) {
  if (AOther.FWhere) FWhere = new TExpressions(*AOther.FWhere);
}

TLogMessageExp::~TLogMessageExp() { delete FWhere; }

void TLogMessageExp::AddCondition(TExpression* ACondition) {
  if (!FWhere) FWhere = new TExpressions(false);
  FWhere->Add(ACondition);
}

void TLogMessageExp::SetWhere(TExpressions* AList) {
  if (AList == FWhere) return;
  delete FWhere;
  FWhere = AList;
}

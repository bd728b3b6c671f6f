// The rules of the log section and their where-conditions.
#pragma once

#include <orvo/regexp.h>
#include <orvo/string.h>

#include <config/Expression.h>

class TLogDirectionExp : public TExpression {
public:
  enum TDirection : int { ldIncoming = 0, ldOutgoing = 1 };
  TLogDirectionExp(TExpressionType AType, int ADirection) : TExpression(AType), Direction(ADirection) {}
  TExpression* Clone() const override { return new TLogDirectionExp(*this); }
  int Direction;
};

// An alias condition: the pattern must match the whole alias.
class TLogAliasExp : public TExpression {
public:
  TLogAliasExp(TExpressionType AType, const orvo::string& APatternText);
  TLogAliasExp(const TLogAliasExp& AOther);
  TExpression* Clone() const override { return new TLogAliasExp(*this); }

  const orvo::string& PatternText() const { return FPatternText; }
  orvo::regexp& Pattern() { return FPattern; }

private:
  orvo::string FPatternText;
  orvo::regexp FPattern;
};

// One rule of a message family: its where-list keeps the conditions as
// written (an alias condition without a side stays one condition).
class TLogMessageExp : public TExpression {
public:
  TLogMessageExp(TExpressionType AType, bool AAllow) : TExpression(AType), Allow(AAllow) {}
  TLogMessageExp(const TLogMessageExp& AOther);
  ~TLogMessageExp() override;
  TExpression* Clone() const override { return new TLogMessageExp(*this); }

  // Null when the rule has no where-clause.
  const TExpressions* Where() const { return FWhere; }
  // Appends a condition as written, creating the where-list on first use.
  void AddCondition(TExpression* ACondition);
  // Takes a whole where-list over (made with TExpressions(false)); null: none.
  void SetWhere(TExpressions* AList);

  bool Allow;

private:
  TExpressions* FWhere = nullptr;
};

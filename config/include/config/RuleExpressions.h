// The user rules that match aliases and logins: login, alias, make,
// translate and dial.
#pragma once

#include <cstdint>

#include <orvo/string.h>

#include <config/Expression.h>
#include <config/TimedExpression.h>
#include <config/VariableReference.h>
#include <config/VariableSetExp.h>

class TLoginExp : public TExpression {
public:
  TLoginExp(TExpressionType AType, const TVariableReference& APattern, bool AAllow)
      : TExpression(AType), Pattern(APattern), Allow(AAllow) {}
  TExpression* Clone() const override { return new TLoginExp(*this); }
  TVariableReference Pattern;
  bool Allow;
};

class TAliasExp : public TTimedExpression {
public:
  enum : uint32_t { NoCost = 0xFFFFFFFFu };
  TAliasExp(TExpressionType AType, const TVariableReference& APattern, bool AAllow, uint32_t ACost = NoCost)
      : TTimedExpression(AType), Pattern(APattern), Allow(AAllow), Cost(ACost) {}
  TExpression* Clone() const override { return new TAliasExp(*this); }
  TVariableReference Pattern;
  bool Allow;
  uint32_t Cost;
};

class TMakeExp : public TTimedExpression {
public:
  TMakeExp(TExpressionType AType, const TVariableReference& APattern) : TTimedExpression(AType), Pattern(APattern) {}
  TExpression* Clone() const override { return new TMakeExp(*this); }
  TVariableReference Pattern;
  TVariableSetExps Sets;  // copied assignment by assignment
};

class TTranslateExp : public TTimedExpression {
public:
  TTranslateExp(TExpressionType AType, const TVariableReference& APattern, const TVariableReference& ATarget)
      : TTimedExpression(AType), Pattern(APattern), Target(ATarget) {}
  TExpression* Clone() const override { return new TTranslateExp(*this); }
  TVariableReference Pattern;
  TVariableReference Target;
};

class TDialExp : public TTimedExpression {
public:
  TDialExp(TExpressionType AType, const orvo::string& AIdentifier, bool AAllow)
      : TTimedExpression(AType), Identifier(AIdentifier), Allow(AAllow) {}
  TExpression* Clone() const override { return new TDialExp(*this); }
  orvo::string Identifier;  // a user or group; empty = any callee
  bool Allow;
};

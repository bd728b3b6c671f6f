// Directives that carry one plain value.
#pragma once

#include <cstdint>

#include <orvo/string.h>

#include <config/Expression.h>
#include <config/TimedExpression.h>

class TBoolExp : public TExpression {
public:
  TBoolExp(TExpressionType AType, bool AValue) : TExpression(AType), Value(AValue) {}
  TExpression* Clone() const override { return new TBoolExp(*this); }
  bool Value;
};

class TUIntExp : public TExpression {
public:
  TUIntExp(TExpressionType AType, uint32_t AValue) : TExpression(AType), Value(AValue) {}
  TExpression* Clone() const override { return new TUIntExp(*this); }
  uint32_t Value;
};

class TUIntTimedExp : public TTimedExpression {
public:
  TUIntTimedExp(TExpressionType AType, uint32_t AValue) : TTimedExpression(AType), Value(AValue) {}
  TExpression* Clone() const override { return new TUIntTimedExp(*this); }
  uint32_t Value;
};

class TStringExp : public TExpression {
public:
  TStringExp(TExpressionType AType, const orvo::string& AValue) : TExpression(AType), Value(AValue) {}
  TExpression* Clone() const override { return new TStringExp(*this); }
  orvo::string Value;
};

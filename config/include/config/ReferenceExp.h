// A directive whose value is a variable reference or a literal text.
#pragma once

#include <config/Expression.h>
#include <config/VariableReference.h>

class TReferenceExp : public TExpression {
public:
  TReferenceExp(TExpressionType AType, const TVariableReference& AValue) : TExpression(AType), Value(AValue) {}
  TExpression* Clone() const override { return new TReferenceExp(*this); }
  TVariableReference Value;
};

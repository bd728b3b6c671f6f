// Variable assignments of "set ... to" and "set ... add".
#pragma once

#include <orvo/list.h>
#include <orvo/string.h>

#include <config/Expression.h>

class TVariableSetExp : public TExpression {
public:
  TVariableSetExp(TExpressionType AType, const orvo::string& AName, const orvo::string& AValue)
      : TExpression(AType), Name(AName), Value(AValue) {}
  TExpression* Clone() const override { return new TVariableSetExp(*this); }
  orvo::string Name;  // as written; variables lower-case it themselves
  orvo::string Value;
};

class TVariableSetExps : public orvo::list<TVariableSetExp> {
public:
  TVariableSetExps() : orvo::list<TVariableSetExp>(1) {}
  // Clones every assignment.
  TVariableSetExps(const TVariableSetExps& AOther);
  TVariableSetExps& operator=(const TVariableSetExps&) = delete;
  ~TVariableSetExps() override = default;
};

// A named list of user directives, merged into the users that name the group
// (and, for the group "everyone", into every user).
#pragma once

#include <orvo/string.h>

#include <config/Expression.h>

class TGroup : public TExpression {
public:
  enum : TExpressionType { GroupType = 47 };

  // Takes the list over (null: no directives).
  TGroup(const orvo::string& AIdentifier, TExpressions* ADirectives);
  TGroup(const TGroup&) = delete;
  TGroup& operator=(const TGroup&) = delete;
  ~TGroup() override;

  TExpression* Clone() const override { return nullptr; }

  const orvo::string& Identifier() const { return FIdentifier; }
  const TExpressions& Directives() const { return *FDirectives; }

private:
  orvo::string FIdentifier;
  TExpressions* FDirectives;
};

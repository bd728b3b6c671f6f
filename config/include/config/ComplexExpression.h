// Base of the section objects, and the routine that applies a directive list.
#pragma once

#include <orvo/string.h>

#include <config/Expression.h>

class TComplexExpression : public TExpression {
public:
  explicit TComplexExpression(TExpressionType AType) : TExpression(AType) {}

  // Whether a directive of that kind counts once only (the base: every one).
  virtual bool IsUnique(const TExpression& ADirective) const;
  // Stores one directive; the empty text on success.
  virtual orvo::string Apply(const TExpression& ADirective);
};

// Applies the list in order; a once-only directive whose whole type word was
// seen before is skipped silently. Returns the first error text, else empty.
orvo::string ApplyDirectives(TComplexExpression& ASection, const TExpressions& AList);

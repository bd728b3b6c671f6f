#include <config/Expression.h>

TExpression::TExpression(const TExpression& AOther) : Type(AOther.Type) {
  if (AOther.FChildren) FChildren = new TExpressions(*AOther.FChildren);
}

TExpression::~TExpression() { delete FChildren; }

TExpression* TExpression::Clone() const { return new TExpression(*this); }

TExpressions& TExpression::Children() {
  if (!FChildren) FChildren = new TExpressions();
  return *FChildren;
}

void TExpression::SetChildren(TExpressions* AList) {
  if (AList == FChildren) return;
  delete FChildren;
  FChildren = AList;
}

TExpressions::TExpressions(const TExpressions& AOther) : orvo::list<TExpression>(1), FExpandFlags(AOther.FExpandFlags) {
  for (const TExpression* expression : AOther) Add(expression->Clone());
}

void TExpressions::Add(TExpression* AExpression) {
  const TExpressionType type = AExpression->Type;
  if (!FExpandFlags || type <= expKindMask) {
    append(AExpression);
    return;
  }
  // One entry per direction present (incoming, outgoing) and, within it, per
  // side present (caller, callee); a missing dimension counts as one empty
  // entry. Clones first, the object itself last.
  TExpressionType directions[2];
  int directionCount = 0;
  if (type & expIncoming) directions[directionCount++] = expIncoming;
  if (type & expOutgoing) directions[directionCount++] = expOutgoing;
  if (directionCount == 0) directions[directionCount++] = 0;
  TExpressionType sides[2];
  int sideCount = 0;
  if (type & expCaller) sides[sideCount++] = expCaller;
  if (type & expCallee) sides[sideCount++] = expCallee;
  if (sideCount == 0) sides[sideCount++] = 0;

  const TExpressionType kind = type & expKindMask;
  for (int d = 0; d < directionCount; ++d) {
    for (int s = 0; s < sideCount; ++s) {
      const TExpressionType entry = directions[d] | sides[s] | kind;
      if (d + 1 == directionCount && s + 1 == sideCount) {
        AExpression->Type = entry;
        append(AExpression);
      } else {
        TExpression* clone = AExpression->Clone();
        clone->Type = entry;
        append(clone);
      }
    }
  }
}

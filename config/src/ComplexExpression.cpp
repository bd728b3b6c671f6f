#include <config/ComplexExpression.h>

#include <algorithm>
#include <vector>

bool TComplexExpression::IsUnique(const TExpression&) const { return true; }

orvo::string TComplexExpression::Apply(const TExpression&) { return "internal error, unknown expression"; }

orvo::string ApplyDirectives(TComplexExpression& ASection, const TExpressions& AList) {
  std::vector<TExpressionType> seen;
  for (const TExpression* directive : AList) {
    if (ASection.IsUnique(*directive)) {
      if (std::find(seen.begin(), seen.end(), directive->Type) != seen.end()) continue;
      seen.push_back(directive->Type);
    }
    orvo::string error = ASection.Apply(*directive);
    if (error.length() != 0) return error;
  }
  return orvo::string();
}

#include <config/Variable.h>

#include <config/PatternCache.h>

TVariable::TVariable(const orvo::string& AName, const orvo::string& AValue) : FName(AName), FValue(AValue) {
  FName.toLower();
}

TVariable::~TVariable() = default;

void TVariable::SetValue(const orvo::string& AValue) {
  if (FValue.compare(AValue) == 0) return;
  FValue = AValue;
  FPattern.reset();
}

orvo::regexp& TVariable::Pattern() {
  if (!FPattern) FPattern = SharedAnchoredRegexp(FValue);
  return *FPattern;
}

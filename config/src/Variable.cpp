#include <config/Variable.h>

#include <config/AnchoredRegexp.h>

TVariable::TVariable(const orvo::string& AName, const orvo::string& AValue) : FName(AName), FValue(AValue) {
  FName.toLower();
}

TVariable::~TVariable() { delete FPattern; }

void TVariable::SetValue(const orvo::string& AValue) {
  if (FValue.compare(AValue) == 0) return;
  FValue = AValue;
  delete FPattern;
  FPattern = nullptr;
}

orvo::regexp& TVariable::Pattern() {
  if (!FPattern) FPattern = new orvo::regexp(AnchoredRegexp(FValue));
  return *FPattern;
}

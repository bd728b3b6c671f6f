#include <config/VariableReference.h>

#include <iostream>

#include <orvo/bifurcator.h>
#include <orvo/printOptions.h>

#include <config/AnchoredRegexp.h>
#include <config/Variables.h>

TVariableReference::TVariableReference(TVariables* AScope, const orvo::string& AName) : FName(AName) {
  FName.toLower();
  SetScope(AScope);
}

TVariableReference::TVariableReference(const orvo::string& AValue) : FLiteral(new TVariable(orvo::string(), AValue)) {}

TVariableReference::TVariableReference(const TVariableReference& AOther)
    : FScope(AOther.FScope),
      FScopeLife(AOther.FScopeLife),
      FName(AOther.FName),
      FLiteral(AOther.FLiteral ? new TVariable(*AOther.FLiteral) : nullptr) {}

TVariableReference& TVariableReference::operator=(const TVariableReference& AOther) {
  if (&AOther == this) return *this;
  TVariable* literal = AOther.FLiteral ? new TVariable(*AOther.FLiteral) : nullptr;
  delete FLiteral;
  FLiteral = literal;
  FScope = AOther.FScope;
  FScopeLife = AOther.FScopeLife;
  FName = AOther.FName;
  return *this;
}

TVariableReference::~TVariableReference() { delete FLiteral; }

TVariables* TVariableReference::Scope() const { return FScopeLife.expired() ? nullptr : FScope; }

void TVariableReference::SetScope(TVariables* AScope) {
  FScope = AScope;
  FScopeLife = AScope ? AScope->Life() : std::weak_ptr<const void>();
}

TVariable* TVariableReference::Resolve() {
  if (FLiteral) return FLiteral;
  // No cache: the variable found now may be gone by the next use.
  TVariable* target = nullptr;
  if (TVariables* scope = Scope()) target = scope->Find(FName);
  if (!target) std::cout << orvo::lineState(orvo::stateError) << "Variable not found: " << FName << "." << std::endl;
  return target;
}

orvo::string TVariableReference::ValueIn(TVariables* AScope) {
  SetScope(AScope);
  return Value();
}

orvo::regexp& TVariableReference::PatternIn(TVariables* AScope) {
  SetScope(AScope);
  return Pattern();
}

orvo::string TVariableReference::Value() {
  TVariable* target = Resolve();
  return target ? target->Value() : orvo::string::emptyString();
}

orvo::regexp& TVariableReference::Pattern() {
  TVariable* target = Resolve();
  return target ? target->Pattern() : DefaultPattern();
}

orvo::regexp& TVariableReference::DefaultPattern() {
  static orvo::regexp empty(AnchoredRegexp(orvo::string()));
  return empty;
}

// A directive value that names a variable (looked up in a scope at the time
// of use) or gives a literal text.
#pragma once

#include <memory>

#include <orvo/regexp.h>
#include <orvo/string.h>

#include <config/Variable.h>

class TVariables;

class TVariableReference {
public:
  // A named reference (name lower-cased), unresolved until used in a scope.
  TVariableReference(TVariables* AScope, const orvo::string& AName);
  // A literal text.
  explicit TVariableReference(const orvo::string& AValue);
  TVariableReference(const TVariableReference& AOther);
  TVariableReference& operator=(const TVariableReference& AOther);
  ~TVariableReference();

  bool IsLiteral() const { return FLiteral != nullptr; }
  const orvo::string& Name() const { return FName; }
  // Whether this names the variable (AName lower-case), not a literal text.
  bool RefersTo(const char* AName) const { return !IsLiteral() && FName == AName; }
  TVariables* Scope() const;

  void SetScope(TVariables* AScope);

  // The variable this reference stands for now, or null. A named reference is
  // looked up afresh at every use (variables and scopes come and go), and a
  // failed lookup is logged as "Variable not found: <name>."
  TVariable* Resolve();

  // Binds to the scope, then the value (empty when unresolved).
  orvo::string ValueIn(TVariables* AScope);
  // Binds to the scope, then the anchored pattern (the empty pattern when unresolved).
  orvo::regexp& PatternIn(TVariables* AScope);
  // The same in the scope last bound.
  orvo::string Value();
  orvo::regexp& Pattern();

  // The pattern of an unresolved reference: compiled from the empty text.
  static orvo::regexp& DefaultPattern();

private:
  TVariables* FScope = nullptr;
  std::weak_ptr<const void> FScopeLife;
  orvo::string FName;
  TVariable* FLiteral = nullptr;  // owned; only for a literal
};

// One side of a call: the registration taking part (none when the side is
// not a registered endpoint, or once its registration ended) with the
// variables of that side for this call. The scope is made on first write,
// its parent the registration's own variables. A copy starts an empty scope
// whose parent is the source's scope; the copy keeps that scope alive, so
// a candidate removed from its list never leaves the call reading freed
// variables.
#pragma once

#include <memory>

#include <config/Variables.h>

class TEndpointRegisterInfo;

class TEndpointHandle {
public:
  explicit TEndpointHandle(TEndpointRegisterInfo* ARegistration = nullptr) : FRegistration(ARegistration) {}
  TEndpointHandle(const TEndpointHandle& AOther);
  TEndpointHandle& operator=(const TEndpointHandle& AOther);

  TEndpointRegisterInfo* Registration() const { return FRegistration; }
  // Nothing when the registration is the same; else the scope goes with
  // the old one.
  void Set(TEndpointRegisterInfo* ARegistration);
  void SetRegistration(TEndpointRegisterInfo* ARegistration) { Set(ARegistration); }
  // Moves the source's registration and scope here; the source keeps its
  // registration and loses the scope.
  void Take(TEndpointHandle& ASource);

  // The per-call scope, null until written.
  TVariables* Scope() const { return FScope.get(); }
  // The per-call scope, made when there is none.
  TVariables& WritableScope();
  // Where this side's variables are looked up: the per-call scope, else the
  // registration's own variables (null without either).
  TVariables* LookupScope() const;

private:
  // A per-call scope holding the scope it was copied from.
  struct TCallScope : TVariables {
    std::shared_ptr<TVariables> Enclosing;
  };

  TEndpointRegisterInfo* FRegistration = nullptr;
  std::shared_ptr<TVariables> FScope;
};

#include <gatekeeper/EndpointHandle.h>

#include <gatekeeper/Endpoint.h>

TEndpointHandle::TEndpointHandle(const TEndpointHandle& AOther) : FRegistration(AOther.FRegistration) {
  if (!AOther.FScope) return;
  auto scope = std::make_shared<TCallScope>();
  scope->Enclosing = AOther.FScope;
  scope->SetParent(AOther.FScope.get());
  FScope = scope;
}

TEndpointHandle& TEndpointHandle::operator=(const TEndpointHandle& AOther) {
  if (this != &AOther) {
    TEndpointHandle copy(AOther);
    FRegistration = copy.FRegistration;
    FScope = copy.FScope;
  }
  return *this;
}

void TEndpointHandle::Set(TEndpointRegisterInfo* ARegistration) {
  if (ARegistration == FRegistration) return;
  FRegistration = ARegistration;
  FScope.reset();
}

void TEndpointHandle::Take(TEndpointHandle& ASource) {
  if (this == &ASource) return;
  FRegistration = ASource.FRegistration;
  FScope = std::move(ASource.FScope);
  ASource.FScope.reset();
}

TVariables& TEndpointHandle::WritableScope() {
  if (!FScope) {
    auto scope = std::make_shared<TCallScope>();
    scope->SetParent(FRegistration ? &FRegistration->Variables() : nullptr);
    FScope = scope;
  }
  return *FScope;
}

TVariables* TEndpointHandle::LookupScope() const {
  if (FScope) return FScope.get();
  return FRegistration ? &FRegistration->Variables() : nullptr;
}

#include <gatekeeper/EndpointHandle.h>

#include <gatekeeper/Endpoint.h>

TEndpointHandle& TEndpointHandle::operator=(const TEndpointHandle& AOther) {
  if (this != &AOther) {
    Variables = AOther.Variables;
    FRegistration = AOther.FRegistration;
  }
  return *this;
}

void TEndpointHandle::SetRegistration(TEndpointRegisterInfo* ARegistration) {
  FRegistration = ARegistration;
  Variables.SetParent(ARegistration ? &ARegistration->Variables() : nullptr);
}

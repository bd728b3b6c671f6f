// One side of a call: the registration taking part (none when the side is
// not a registered endpoint, or once its registration ended) with the
// variables of that side for this call, whose parent is the registration's.
#pragma once

#include <config/Variables.h>

class TEndpointRegisterInfo;

class TEndpointHandle {
public:
  explicit TEndpointHandle(TEndpointRegisterInfo* ARegistration = nullptr) { SetRegistration(ARegistration); }
  TEndpointHandle(const TEndpointHandle& AOther) : Variables(AOther.Variables) { FRegistration = AOther.FRegistration; }
  TEndpointHandle& operator=(const TEndpointHandle& AOther);

  TEndpointRegisterInfo* Registration() const { return FRegistration; }
  void SetRegistration(TEndpointRegisterInfo* ARegistration);

  TVariables Variables;

private:
  TEndpointRegisterInfo* FRegistration = nullptr;
};

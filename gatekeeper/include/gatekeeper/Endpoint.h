// The record of one registered endpoint, as far as the core holds it so far.
#pragma once

class TEndpointRegisterInfo {
public:
  virtual ~TEndpointRegisterInfo() = default;
};

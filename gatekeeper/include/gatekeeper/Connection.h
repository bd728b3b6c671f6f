// The record of one admitted call, as far as the core holds it so far.
#pragma once

#include <cstdint>

#include <gatekeeper/Events.h>

class TConnection {
public:
  virtual ~TConnection() = default;

  // A call only follows the registrations of its sides.
  static bool AcceptsEvent(int ACode) { return ACode == evEndpointUnregistered; }
  // Never takes the event.
  virtual bool OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond);
};

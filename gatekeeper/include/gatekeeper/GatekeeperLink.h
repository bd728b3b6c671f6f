// A link to a neighbour gatekeeper, as far as the core holds it so far.
#pragma once

#include <gatekeeper/Events.h>
#include <gatekeeper/Processor.h>

class TGatekeeperLink : public TProcessor {
public:
  using TProcessor::TProcessor;

  // A link waits only on the calls it carries.
  static bool AcceptsEvent(int ACode) { return ACode == evConnectionDestroyed; }
};

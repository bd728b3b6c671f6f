// A link to a neighbour gatekeeper, as far as the core holds it so far.
#pragma once

#include <gatekeeper/Events.h>
#include <gatekeeper/Processor.h>

class TLinkedUser;

class TGatekeeperLink : public TProcessor {
public:
  enum TLinkState { lsRegistered = 2 };
  using TProcessor::TProcessor;

  // A link waits only on the calls it carries.
  static bool AcceptsEvent(int ACode) { return ACode == evConnectionDestroyed; }

  // Registers the gatekeeper at the neighbour unless it is registered there.
  void Register();

  // The gatekeeper section it serves, and whether it is registered there.
  TLinkedUser* User = nullptr;
  int LinkState = 0;
};

// A link to a neighbour gatekeeper, as far as the core holds it so far.
#pragma once

#include <gatekeeper/Processor.h>

class TGatekeeperLink : public TProcessor {
public:
  using TProcessor::TProcessor;
};

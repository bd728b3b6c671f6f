#include <gatekeeper/SetupResolver.h>

#include <gatekeeper/Events.h>
#include <gatekeeper/Gatekeeper.h>

TSetupResolver::TSetupResolver(TGatekeeper* AOwner, orvo::socket& AAccepted)
    : TProcessor(&TSetupResolver::CloseConnection), Owner(AOwner), Connection(std::move(AAccepted)) {}

bool TSetupResolver::AcceptsEvent(int ACode) {
  return ACode == evEndpointUnregistered || ACode == evConnectionDestroyed || ACode == evLinkStateChanged ||
         ACode == evLinkDestroyed || ACode == evReterminationImpossible;
}

void TSetupResolver::Attach() { Owner->SetupResolvers().Attach(this); }

void TSetupResolver::Detach() { Owner->SetupResolvers().Detach(this); }

TProcessor::TPerformFunctionResult TSetupResolver::CloseConnection() {
  Connection.close();
  return nullptr;
}

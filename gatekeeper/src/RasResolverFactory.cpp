#include <gatekeeper/RasResolverFactory.h>

#include <gatekeeper/RegistrationResolver.h>

TRasResolver* MakeRasResolver(TGatekeeper* ACore, const sockaddr_in& AFrom, const H225::rasMessage& ARequest) {
  switch (ARequest.index()) {
    case 3:
      return new TRegistrationResolver(ACore, AFrom, ARequest);
    default:
      return nullptr;
  }
}

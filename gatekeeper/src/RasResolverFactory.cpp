#include <gatekeeper/RasResolverFactory.h>

#include <gatekeeper/AdmissionResolver.h>
#include <gatekeeper/BandwidthResolver.h>
#include <gatekeeper/LocationResolver.h>
#include <gatekeeper/RegistrationResolver.h>

TRasResolver* MakeRasResolver(TGatekeeper* ACore, const sockaddr_in& AFrom, const H225::rasMessage& ARequest) {
  switch (ARequest.index()) {
    case 3:
      return new TRegistrationResolver(ACore, AFrom, ARequest);
    case 9:
      return MakeAdmissionResolver(ACore, AFrom, ARequest);
    case 12:
      return MakeBandwidthResolver(ACore, AFrom, ARequest);
    case 18:
      return MakeLocationResolver(ACore, AFrom, ARequest);
    default:
      return nullptr;
  }
}

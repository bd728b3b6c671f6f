#include <gatekeeper/Events.h>

bool AdmissionResolverAcceptsEvent(int ACode) {
  return ACode == evEndpointUnregistered || ACode == evConnectionDestroyed || ACode == evLinkStateChanged ||
         ACode == evLinkDestroyed || ACode == evReterminationImpossible;
}

bool BandwidthResolverAcceptsEvent(int ACode) {
  return ACode == evEndpointUnregistered || ACode == evConnectionDestroyed || ACode == evLinkStateChanged ||
         ACode == evLinkDestroyed;
}

bool LocationResolverAcceptsEvent(int ACode) {
  return ACode == evEndpointUnregistered || ACode == evLinkStateChanged || ACode == evLinkDestroyed;
}

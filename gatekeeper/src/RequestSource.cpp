#include <gatekeeper/RequestSource.h>

#include <config/User.h>

#include <gatekeeper/Endpoint.h>

bool IsFromRegisteredHost(const TEndpointRegisterInfo& ARegistration, const sockaddr_in& ASource) {
  const TUser* user = ARegistration.User();
  if (user && user->H235Authentication()) return true;
  if (user && user->HasStaticAddress()) return user->IsAddressAllowed(ASource);
  return ARegistration.RasAddress.sin_addr.s_addr == ASource.sin_addr.s_addr;
}

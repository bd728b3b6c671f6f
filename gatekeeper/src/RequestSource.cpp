#include <gatekeeper/RequestSource.h>

#include <config/User.h>

#include <gatekeeper/Endpoint.h>

bool RequestSourceAllowed(const TEndpointRegisterInfo& ARegistration, const sockaddr_in& ASender) {
  const TUser* user = ARegistration.User();
  if (user && user->H235Authentication()) return true;
  if (user && user->HasStaticAddress() && ARegistration.RasAddress.sin_addr.s_addr == 0)
    return user->IsAddressAllowed(ASender);
  return ARegistration.RasAddress.sin_addr.s_addr == ASender.sin_addr.s_addr;
}

// Until links register at their neighbours, a registration served by a
// link has nothing to start there.
#include <gatekeeper/GatekeeperLink.h>

void TGatekeeperLink::Register() {}

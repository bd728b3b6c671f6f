// The resolver that answers a request of a kind served by a procedure.
#pragma once

#include <netinet/in.h>

#include <h225/h225.h>

class TGatekeeper;
class TRasResolver;

// Null for a kind no resolver serves. The resolver may read the request
// until its first Run returns, so it is run at once.
TRasResolver* MakeRasResolver(TGatekeeper* ACore, const sockaddr_in& AFrom, const H225::rasMessage& ARequest);

// The resolver that answers a request of a kind served by a procedure.
#pragma once

#include <netinet/in.h>

#include <h225/h225.h>

class TGatekeeper;
class TRasResolver;

// Null for a kind no resolver serves.
TRasResolver* MakeRasResolver(TGatekeeper* ACore, const sockaddr_in& AFrom, const H225::rasMessage& ARequest);

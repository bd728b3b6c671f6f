// How a request tells its requester the outcome: the requester's handler,
// called with (result, answer), bound to the requester, whose identity lets
// it cancel what it still has pending.
#pragma once

#include <orvo/memberCallback.h>

namespace RADIUS {

class TPacket;

typedef orvo::memberCallback<int, TPacket*> TCompletion;

}  // namespace RADIUS

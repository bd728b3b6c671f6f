// The Release Complete that the gatekeeper sends itself when it ends or
// refuses a call on a call-signalling connection.
#pragma once

#include <h225/h225.h>
#include <h323/q931/message.h>

// ReleaseCompleteReason alternatives and Q.850 causes that the relay uses
// for the calls it ends itself.
enum : int {
  rcrUnreachableDestination = 2,
  rcrUndefinedReason = 11,
};
enum : unsigned {
  causeNoRouteToDestination = 3,
  causeNoUserResponding = 18,
  causeNormalUnspecified = 31,
};

// To the side that the call reference came from when AToOriginator is true
// (flag 1 on the wire), else from it. Cause location 0 (user); the H.225.0
// body carries the reason and, when known, the call's identifier.
Q931::message MakeReleaseComplete(const Q931::callReference& AReference, bool AToOriginator, int AReason,
                                  unsigned ACause, const H225::callIdentifier* ACallIdentifier = nullptr);

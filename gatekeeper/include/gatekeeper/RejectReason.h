// The resolvers' own reason for a refusal, and its translation into the
// reason CHOICE of each answer (given by alternative index) and into the
// Q.850 cause of a Release Complete. Values 1 to 12 are AdmissionRejectReason
// 0 to 11 plus one, 13 to 17 the AdmissionRejectReason of the same value;
// the translations below lean on this numbering.
#pragma once

enum TRejectReason {
  rrNone = 0,
  rrCalledPartyNotRegistered = 1,
  rrInvalidPermission = 2,
  rrRequestDenied = 3,
  rrUndefinedReason = 4,
  rrCallerNotRegistered = 5,
  rrRouteCallToGatekeeper = 6,
  rrInvalidEndpointIdentifier = 7,
  rrResourceUnavailable = 8,
  rrSecurityDenial = 9,
  rrQosControlNotSupported = 10,
  rrIncompleteAddress = 11,
  rrAliasesInconsistent = 12,
  rrExceedsCallCapacity = 13,
  rrCollectDestination = 14,
  rrCollectPIN = 15,
  rrGenericDataReason = 16,
  rrNeededFeatureNotSupported = 17
};

// Every function takes any int: values from the wire or from an older
// record that name no known entry get the undefined reason of the target.

// Result of the call resolution: 0 none, 1 no route, 2 aliases inconsistent,
// 3 bandwidth, 4 call capacity, 5 not permitted.
TRejectReason RouteResultToRejectReason(int AResult);

TRejectReason AdmissionRejectToRejectReason(int AIndex);
int RejectReasonToAdmissionReject(int AReason);

// From the LRJ of a neighbour gatekeeper, and for our own LRJ.
TRejectReason LocationRejectToRejectReason(int AIndex);
int RejectReasonToLocationReject(int AReason);

// ReleaseCompleteReason index of a refused call.
int RejectReasonToReleaseComplete(int AReason);
// Q.850 cause value of a refused call.
unsigned RejectReasonToQ931Cause(int AReason);

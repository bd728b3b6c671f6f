#include <gatekeeper/RejectReason.h>

namespace {

// AdmissionRejectReason alternatives that the numbering leans on.
enum { arjUndefinedReason = 3, arjAliasesInconsistent = 11, arjRouteCallToSCN = 12, arjNeededFeatureNotSupported = 17 };

enum {
  lrjNotRegistered = 0,
  lrjInvalidPermission = 1,
  lrjRequestDenied = 2,
  lrjUndefinedReason = 3,
  lrjSecurityDenial = 4,
  lrjAliasesInconsistent = 5,
  lrjRouteCalltoSCN = 6,
  lrjResourceUnavailable = 7,
  lrjGenericDataReason = 8,
  lrjNeededFeatureNotSupported = 9
};

enum {
  rcNoBandwidth = 0,
  rcNoPermission = 5,
  rcUndefinedReason = 11,
  rcSecurityDenied = 13,
  rcCalledPartyNotRegistered = 14,
  rcCallerNotRegistered = 15,
  rcGenericDataReason = 19
};

}  // namespace

TRejectReason RouteResultToRejectReason(int AResult) {
  switch (AResult) {
    case 0:
      return rrNone;
    case 1:
      return rrCalledPartyNotRegistered;
    case 2:
      return rrAliasesInconsistent;
    case 3:
      return rrRequestDenied;
    case 4:
      return rrExceedsCallCapacity;
    case 5:
      return rrInvalidPermission;
    default:
      return rrUndefinedReason;
  }
}

TRejectReason AdmissionRejectToRejectReason(int AIndex) {
  if (AIndex >= 0 && AIndex <= arjAliasesInconsistent) return TRejectReason(AIndex + 1);
  if (AIndex > arjRouteCallToSCN && AIndex <= arjNeededFeatureNotSupported) return TRejectReason(AIndex);
  return rrUndefinedReason;
}

int RejectReasonToAdmissionReject(int AReason) {
  if (AReason >= rrCalledPartyNotRegistered && AReason <= rrAliasesInconsistent) return AReason - 1;
  if (AReason >= rrExceedsCallCapacity && AReason <= rrNeededFeatureNotSupported) return AReason;
  return arjUndefinedReason;
}

TRejectReason LocationRejectToRejectReason(int AIndex) {
  switch (AIndex) {
    case lrjNotRegistered:
      return rrInvalidPermission;
    case lrjInvalidPermission:
      return rrInvalidPermission;
    case lrjRequestDenied:
      return rrCalledPartyNotRegistered;
    case lrjUndefinedReason:
      return rrUndefinedReason;
    case lrjSecurityDenial:
      return rrSecurityDenial;
    case lrjAliasesInconsistent:
      return rrAliasesInconsistent;
    case lrjRouteCalltoSCN:
      return rrUndefinedReason;
    case lrjResourceUnavailable:
      return rrResourceUnavailable;
    case lrjGenericDataReason:
      return rrGenericDataReason;
    case lrjNeededFeatureNotSupported:
      return rrNeededFeatureNotSupported;
    default:
      return rrUndefinedReason;
  }
}

int RejectReasonToLocationReject(int AReason) {
  switch (AReason) {
    case rrCalledPartyNotRegistered:
      return lrjRequestDenied;
    case rrInvalidPermission:
      return lrjInvalidPermission;
    case rrRequestDenied:
    case rrResourceUnavailable:
    case rrExceedsCallCapacity:
      return lrjResourceUnavailable;
    case rrCallerNotRegistered:
      return lrjNotRegistered;
    case rrSecurityDenial:
      return lrjSecurityDenial;
    case rrAliasesInconsistent:
      return lrjAliasesInconsistent;
    case rrGenericDataReason:
      return lrjGenericDataReason;
    case rrNeededFeatureNotSupported:
      return lrjNeededFeatureNotSupported;
    default:
      return lrjUndefinedReason;
  }
}

int RejectReasonToReleaseComplete(int AReason) {
  switch (AReason) {
    case rrCalledPartyNotRegistered:
      return rcCalledPartyNotRegistered;
    case rrInvalidPermission:
      return rcNoPermission;
    case rrRequestDenied:
      return rcNoBandwidth;
    case rrCallerNotRegistered:
      return rcCallerNotRegistered;
    case rrSecurityDenial:
      return rcSecurityDenied;
    case rrGenericDataReason:
      return rcGenericDataReason;
    default:
      return rcUndefinedReason;
  }
}

unsigned RejectReasonToQ931Cause(int AReason) {
  switch (AReason) {
    case rrCalledPartyNotRegistered:
      return 1;  // unallocated number
    case rrInvalidPermission:
    case rrInvalidEndpointIdentifier:
      return 62;  // inconsistency in outgoing access and subscriber class
    case rrRequestDenied:
    case rrExceedsCallCapacity:
      return 34;  // no circuit/channel available
    case rrCallerNotRegistered:
    case rrSecurityDenial:
      return 21;  // call rejected
    case rrRouteCallToGatekeeper:
      return 23;  // redirection to new destination
    case rrResourceUnavailable:
      return 47;  // resource unavailable, unspecified
    case rrQosControlNotSupported:
      return 49;  // quality of service not available
    case rrIncompleteAddress:
    case rrAliasesInconsistent:
      return 28;  // invalid number format
    case rrNeededFeatureNotSupported:
      return 63;  // service or option not available
    default:
      return 31;  // normal, unspecified
  }
}

// The fixed texts that the gatekeeper's reject messages carry to explain a
// refusal (see RejectTextCarrier.h for how they travel). Peers and their
// users read them; keep every text exactly as it has always been sent.
#pragma once

#include <orvo/string.h>

enum TRejectText {
  rtShuttingDown = 0,
  rtGatekeeperIdentifierMismatch = 1,
  rtNoRASAddress = 2,
  rtNoCallSignalAddress = 3,
  rtNoLoginAliases = 4,
  rtUnknownAliasTypes = 5,
  rtUnknownLoginAlias = 6,
  rtDistinctEndpoints = 7,
  rtStaticUser = 8,
  rtAddressNotAllowed = 9,
  rtInvalidSecurity = 10,
  rtCallSignalAddressTaken = 11,
  rtUnregistrationInProgress = 12,
  rtIntermediateState = 13,
  rtNoRADIUSPassword = 14,
  rtNoRADIUSUserName = 15,
  rtRADIUSFailure = 16,
  rtRejectedByRADIUS = 17,
  rtBandwidthExhausted = 18,
  rtBandwidthInsufficient = 19,
  rtInternalFailure = 20,
  rtRemoteGatekeeperFailure = 21,
  rtRejectedByRemoteGatekeeper = 22,
  rtUnidentifiedRequester = 23,
  rtCallerCapacityExceeded = 24,
  rtCalleeCapacityExceeded = 25,
  rtNotAParticipant = 26,
  rtTextCount = 27
};

// The text of one entry; the empty text (no carrier) outside the table.
const orvo::string& RejectText(int AText);

// Token numbers of the configuration language, as the grammar declares them.
#pragma once

#include <cstdint>

class TTokenContainer;

struct TToken {
  // Keyword tokens in the order the grammar numbers them (not alphabetical).
  enum TKind : int {
    tokEnd = 0,
    wrdAAA = 258,
    wrdAccounting,
    wrdAdd,
    wrdAddress,
    wrdAlias,
    wrdAlternate,
    wrdAnd,
    wrdAt,
    wrdAuthentication,
    wrdAvailable,
    wrdBandwidth,
    wrdBetween,
    wrdCall,
    wrdCalls,
    wrdCaller,
    wrdCallee,
    wrdChanges,
    wrdChoice,
    wrdChosen,
    wrdConnection,
    wrdConnections,
    wrdCost,
    wrdDial,
    wrdDisplay,
    wrdDump,
    wrdDupe,
    wrdDuration,
    wrdFailed,
    wrdFast,
    wrdFile,
    wrdFull,
    wrdGatekeeper,
    wrdGMT,
    wrdGroup,
    wrdH235,
    wrdH245,
    wrdH450,
    wrdHard,
    wrdHunt,
    wrdIdentifier,
    wrdIncoming,
    wrdLevel,
    wrdLink,
    wrdLocal,
    wrdLocation,
    wrdLog,
    wrdLogin,
    wrdMake,
    wrdMax,
    wrdMember,
    wrdMessages,
    wrdMonitor,
    wrdName,
    wrdNeutral,
    wrdNone,
    wrdOffset,
    wrdOutgoing,
    wrdPassword,
    wrdPeriod,
    wrdPort,
    wrdProxy,
    wrdQ931,
    wrdRADIUS,
    wrdRAS,
    wrdRegister,
    wrdRegistration,
    wrdRegistrations,
    wrdRingback,
    wrdRoute,
    wrdRTP,
    wrdSecure,
    wrdSet,
    wrdSignal,
    wrdSignalling,
    wrdSoft,
    wrdStatic,
    wrdStatus,
    wrdStart,
    wrdSystem,
    wrdTime,
    wrdTo,
    wrdTranslate,
    wrdTunneling,
    wrdUser,
    wrdValidity,
    wrdWhere,
    wrdZone,
    tokBool,
    tokInt,  // declared for the grammar, never produced
    tokUnsigned,
    tokDayOfWeek,
    tokBandwidth,
    tokIdentifier,
    tokString,
    tokInetAddress,
    tokInetAddressWP,
  };

  // The grammar's name of a token number ("wrdZone", "tokString"); null for
  // single characters and numbers outside the table.
  static const char* Name(int AToken);
};

static_assert(TToken::wrdZone == 344, "keyword numbering");
static_assert(TToken::tokInetAddressWP == 353, "token numbering");

// The value the scanner hands over with a token.
union TTokenValue {
  uint32_t Unsigned;           // tokUnsigned, tokBandwidth, tokDayOfWeek
  bool Bool;                   // tokBool
  TTokenContainer* Container;  // tokIdentifier, tokString, tokInetAddress, tokInetAddressWP
};

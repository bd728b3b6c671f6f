// Names of the token numbers, as the grammar and its error messages use them.
#include <config/Token.h>

namespace {
const char* const names[] = {
    "wrdAAA",           "wrdAccounting",  "wrdAdd",
    "wrdAddress",       "wrdAlias",       "wrdAlternate",
    "wrdAnd",           "wrdAt",          "wrdAuthentication",
    "wrdAvailable",     "wrdBandwidth",   "wrdBetween",
    "wrdCall",          "wrdCalls",       "wrdCaller",
    "wrdCallee",        "wrdChanges",     "wrdChoice",
    "wrdChosen",        "wrdConnection",  "wrdConnections",
    "wrdCost",          "wrdDial",        "wrdDisplay",
    "wrdDump",          "wrdDupe",        "wrdDuration",
    "wrdFailed",        "wrdFast",        "wrdFile",
    "wrdFull",          "wrdGatekeeper",  "wrdGMT",
    "wrdGroup",         "wrdH235",        "wrdH245",
    "wrdH450",          "wrdHard",        "wrdHunt",
    "wrdIdentifier",    "wrdIncoming",    "wrdLevel",
    "wrdLink",          "wrdLocal",       "wrdLocation",
    "wrdLog",           "wrdLogin",       "wrdMake",
    "wrdMax",           "wrdMember",      "wrdMessages",
    "wrdMonitor",       "wrdName",        "wrdNeutral",
    "wrdNone",          "wrdOffset",      "wrdOutgoing",
    "wrdPassword",      "wrdPeriod",      "wrdPort",
    "wrdProxy",         "wrdQ931",        "wrdRADIUS",
    "wrdRAS",           "wrdRegister",    "wrdRegistration",
    "wrdRegistrations", "wrdRingback",    "wrdRoute",
    "wrdRTP",           "wrdSecure",      "wrdSet",
    "wrdSignal",        "wrdSignalling",  "wrdSoft",
    "wrdStatic",        "wrdStatus",      "wrdStart",
    "wrdSystem",        "wrdTime",        "wrdTo",
    "wrdTranslate",     "wrdTunneling",   "wrdUser",
    "wrdValidity",      "wrdWhere",       "wrdZone",
    "tokBool",          "tokInt",         "tokUnsigned",
    "tokDayOfWeek",     "tokBandwidth",   "tokIdentifier",
    "tokString",        "tokInetAddress", "tokInetAddressWP",
};
}

const char* TToken::Name(int AToken) {
  if (AToken < wrdAAA || AToken > tokInetAddressWP) return nullptr;
  return names[AToken - wrdAAA];
}

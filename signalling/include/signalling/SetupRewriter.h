// The Setup as the callee is to see it: its called and calling numbers and
// its destination and source aliases, each translated by the owner of the
// call.
#pragma once

#include <h323/q931/message.h>
#include <orvo/memberCallback.h>
#include <orvo/string.h>

// Sides of a call as the translation names them.
enum TRelaySide { rsCaller = 0, rsCallee = 1 };

// (side whose alias it is, alias text, out: the text the callee is to see;
// empty: the callee is not to see this alias at all). Unset: no change.
using TAliasTranslator = orvo::memberCallback<int, const orvo::string&, orvo::string&>;

// Called number and destination aliases are the callee's, calling number
// and source aliases the caller's. An alias without a text form (URL,
// transport address, ...) stays as it is; a translated alias list keeps
// each text once. True when anything changed: only then is the Setup to be
// re-encoded.
bool RewriteSetup(Q931::message& ASetup, const TAliasTranslator& ATranslate);

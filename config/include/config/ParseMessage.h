// The error texts of a configuration parse.
#pragma once

#include <orvo/string.h>

// Rewrites a message of the parser or of a section action for the operator:
// backquotes become quotes, the last quote of every run of quotes goes
// (''x'' reads 'x', ';' reads ;), and token names read as words
// ("tokString" as "string value", "wrdZone" as "'zone' keyword").
orvo::string ParseMessageText(const orvo::string& AMessage);

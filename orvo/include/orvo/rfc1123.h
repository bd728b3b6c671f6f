// Mail-style date texts with a zone (RFC 1123 form), for orvo::dateTime.
#pragma once

#include <orvo/dateTime.h>
#include <orvo/string.h>

namespace orvo {

// "Sun, 06 Nov 1994 08:49:37 +0200": the local fields of the value and the
// local zone's offset at that moment ("GMT" when it is zero).
string toRfc1123(const dateTime& value);

// Makes value the local time that the text denotes. False for a text that is
// no such date, an unknown month, an invalid date (value unchanged) or an
// unknown zone word (value then holds the text's fields without zone shift).
bool parseRfc1123(dateTime& value, const string& text);

}  // namespace orvo

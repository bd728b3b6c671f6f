// Making, reading and comparing H.225.0 aliases.
#pragma once

#include <asn/sequenceOf.h>
#include <h225/h225.h>
#include <orvo/string.h>

namespace H323 {

using aliasSequence = asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>;

enum aliasKind { aliasDialedDigits = 0, aliasH323Id = 1 };

// Kind 0 takes the text as dialed digits, kind 1 widens it to an h323-ID one
// character per octet; another kind is a programming error and throws
// "todo: unsupported H225::aliasAddress type".
void makeAliasAddress(H225::aliasAddress& AOut, const orvo::string& AText, int AKind);
// Dialed digits when every character is a digit, '#', '*' or ',' (the empty
// text too), else h323-ID.
void makeAliasAddress(H225::aliasAddress& AOut, const orvo::string& AText);

// True when some character is not a digit, '#', '*' or ','.
bool isNotE164(const orvo::string& AText);

// Dialed digits, the h323-ID narrowed to octets (empty when a character does
// not fit) and the digits of a party number; every other alias is empty.
orvo::string aliasToString(const H225::aliasAddress& AAlias);
// aliasToString when it is made of digits, '#', '*' and ',' only, else empty.
orvo::string aliasToE164(const H225::aliasAddress& AAlias);

// Same alternative and same value, compared in depth for every alternative:
// the aliases come from any endpoint, so no alternative may end a request.
bool aliasEquals(const H225::aliasAddress& A, const H225::aliasAddress& B);
bool containsAlias(const aliasSequence& AList, const H225::aliasAddress& AAlias);
// Takes AAlias (heap): appended when not yet in AList (true), else deleted.
bool addAlias(aliasSequence& AList, H225::aliasAddress* AAlias);

}  // namespace H323

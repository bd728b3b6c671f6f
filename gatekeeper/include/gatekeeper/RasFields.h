// Optional text fields of the messages the gatekeeper sends: a text that
// cannot be encoded (empty, or longer than the field takes) leaves the field
// out, so that the message still goes and the other fields with it.
#pragma once

#include <orvo/string.h>

#include <asn/bmpString.h>
#include <asn/sequenceOf.h>
#include <h225/h225.h>

typedef asn::bmpString<1u, 128u, 1> TIdentifierText;
typedef asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1> TAliasSequence;

// Replaces the field: absent for an empty text or one over 128 characters.
void SetOptionalIdentifier(TIdentifierText*& AField, const orvo::string& AText);
// Appends copies of the aliases that can be encoded; an alias of empty text
// is left out. The number appended.
unsigned AppendEncodableAliases(TAliasSequence& AList, const TAliasSequence& AAliases);

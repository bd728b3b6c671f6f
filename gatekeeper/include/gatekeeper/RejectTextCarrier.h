// How a reject text travels: the genericData field of GRJ, RRJ, ARJ, LRJ and
// Release Complete holds one element identified by the gatekeeper's own GUID
// whose single parameter (standard identifier 0) carries the text as IA5.
#pragma once

#include <orvo/string.h>

#include <h225/h225.h>

typedef asn::sequenceOf<H225::genericData, 0u, 0u, 1> TGenericDataList;

// nonStandard 5e1f930a-7cd2-48b6-a104-3f88c927e05d, the carrier's identifier.
const H225::genericIdentifier& RejectTextIdentifier();
// standard 0, the identifier of the text parameter.
const H225::genericIdentifier& RejectTextParameterIdentifier();

// Makes the field hold exactly the carrier of the text, replacing what it
// held. An empty text changes nothing, so a fresh message keeps no field.
void AttachRejectText(TGenericDataList*& AField, const orvo::string& AText);

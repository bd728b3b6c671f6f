// Every value class, template and record of the ASN.1 runtime.
#pragma once

#include <asn/anytype.h>
#include <asn/bitString.h>
#include <asn/bmpString.h>
#include <asn/booltype.h>
#include <asn/choice.h>
#include <asn/codec.h>
#include <asn/constrained.h>
#include <asn/constrainedString.h>
#include <asn/descriptor.h>
#include <asn/enumerated.h>
#include <asn/generalizedTime.h>
#include <asn/integer.h>
#include <asn/namedInteger.h>
#include <asn/null.h>
#include <asn/object.h>
#include <asn/octetString.h>
#include <asn/oid.h>
#include <asn/opentype.h>
#include <asn/perCodec.h>
#include <asn/sequence.h>
#include <asn/sequenceOf.h>
#include <asn/textCodec.h>
#include <asn/unknownExtensions.h>

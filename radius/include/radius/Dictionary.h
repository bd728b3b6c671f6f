// The RADIUS names and numbers of RFC 2865 and RFC 2866 that this client knows:
// packet codes, attribute types, the definitions that govern decoding and the
// texts used in traces.
#pragma once

#include <cstdint>

#include <orvo/string.h>

namespace RADIUS {

// Octet limits of the wire format.
const unsigned MinPacketLength = 20;
const unsigned MaxPacketLength = 4096;
const unsigned AuthenticatorLength = 16;
const unsigned MaxAttributeLength = 255;
const unsigned MaxStringLength = MaxAttributeLength - 2;      // 253
const unsigned MaxVendorDataLength = MaxAttributeLength - 8;  // 247

enum TPacketCode : unsigned {
  pcAccessRequest = 1,
  pcAccessAccept = 2,
  pcAccessReject = 3,
  pcAccountingRequest = 4,
  pcAccountingResponse = 5,
  pcAccessChallenge = 11,
  pcStatusServer = 12,
  pcStatusClient = 13
};

enum TAttributeType : unsigned {
  atUserName = 1,
  atUserPassword = 2,
  atCHAPPassword = 3,
  atNASIPAddress = 4,
  atNASPort = 5,
  atServiceType = 6,
  atFramedIPAddress = 8,
  atReplyMessage = 18,
  atState = 24,
  atClass = 25,
  atVendorSpecific = 26,
  atSessionTimeout = 27,
  atIdleTimeout = 28,
  atCalledStationId = 30,
  atCallingStationId = 31,
  atNASIdentifier = 32,
  atProxyState = 33,
  atAcctStatusType = 40,
  atAcctDelayTime = 41,
  atAcctInputOctets = 42,
  atAcctOutputOctets = 43,
  atAcctSessionId = 44,
  atAcctAuthentic = 45,
  atAcctSessionTime = 46,
  atAcctTerminateCause = 49,
  atCHAPChallenge = 60,
  atNASPortType = 61
};

// How the value of a defined attribute is read; akTime has no class and is skipped.
enum TAttributeKind { akText = 0, akOctets = 1, akAddress = 2, akInteger = 3, akTime = 4, akVendorSpecific = 5 };

// One row of the table that drives decoding. The limits bound the value
// length (attribute length - 2); a maximum of 0 means none.
struct TAttributeDefinition {
  unsigned Type;
  const char* Name;
  TAttributeKind Kind;
  unsigned MinLength;
  unsigned MaxLength;
};

// The row for a type, or null for a type the client does not decode.
const TAttributeDefinition* FindAttributeDefinition(unsigned AType);

// Trace name of an attribute type; "Reserved (n)" for unnamed types.
orvo::string AttributeName(unsigned AType);

// Trace name of a packet code; "Reserved (n)" for unnamed codes.
orvo::string PacketCodeName(unsigned ACode);

// Name of an integer value of Service-Type, Acct-Status-Type or Acct-Authentic;
// null for any other attribute or an unnamed value.
const char* IntegerValueName(unsigned AType, uint32_t AValue);

// Name of a vendor id, or null when it has none.
const char* VendorName(uint32_t AVendorId);

}  // namespace RADIUS

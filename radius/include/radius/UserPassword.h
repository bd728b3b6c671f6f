// User-Password hiding of RFC 2865 (5.2): the password padded with NULs to
// whole 16-octet blocks, each block XOR-ed with MD5(secret + the previous
// hidden block), the first one with MD5(secret + Request Authenticator).
#pragma once

#include <orvo/string.h>

namespace RADIUS {

class TPacket;
class TStringAttribute;

const unsigned MaxUserPasswordLength = 128;

// False, AHidden unchanged, for a password longer than 128 octets. An empty
// password hides as one block of padding.
bool HideUserPassword(const orvo::string& APassword, const orvo::string& ASecret,
                      const unsigned char* ARequestAuthenticator, orvo::string& AHidden);

// The User-Password attribute of a request made by TConnection::CreatePacket:
// hidden under the request's shared secret and authenticator. Null
// for a password longer than 128 octets.
TStringAttribute* NewUserPasswordAttribute(const TPacket& ARequest, const orvo::string& APassword);

}  // namespace RADIUS

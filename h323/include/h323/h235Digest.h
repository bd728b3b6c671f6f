// The MD5 digests of the two H.235 token kinds.
#pragma once

#include <cstdint>

#include <orvo/string.h>

namespace H323 {

// MD5 through OpenSSL's EVP interface; false when the library refuses.
bool md5Digest(const void* AData, unsigned ALength, orvo::string& ADigest);

// Access token challenge: MD5 of the random value's low octet, the password's
// octets and the time as four octets, most significant first.
bool accessTokenChallenge(uint32_t ARandom, const orvo::string& APassword, uint32_t ATime, orvo::string& ADigest);

// The clear token whose aligned PER octets the password hash covers:
// tokenOID 0.0, the time, the password and the signer's name, each name with
// one NUL after it, one BMP character per octet. False when it does not
// encode (a name or password longer than 127 characters, time 0).
bool passwordHashContent(const orvo::string& ASigner, const orvo::string& APassword, uint32_t ATime,
                         orvo::string& AOctets);
// MD5 of that content.
bool passwordHash(const orvo::string& ASigner, const orvo::string& APassword, uint32_t ATime, orvo::string& ADigest);

}  // namespace H323

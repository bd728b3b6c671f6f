// One RADIUS request or answer (RFC 2865, RFC 2866) with its attributes.
#pragma once

#include <cstdint>
#include <iosfwd>

#include <orvo/exception.h>
#include <orvo/list.h>
#include <orvo/string.h>
#include <radius/Attribute.h>
#include <radius/Completion.h>
#include <radius/Dictionary.h>

namespace RADIUS {

class TPacket {
public:
  // A malformed attribute; it never leaves Decode.
  class EAttributeDecode : public orvo::exception {
  public:
    EAttributeDecode() = default;
  };

  // A packet to be filled by Decode. The secret is the shared secret of the
  // connection that makes or receives the packet.
  explicit TPacket(const orvo::string& ASecret);
  // A request; its creator sets code, identifier and authenticator.
  TPacket(const orvo::string& ASecret, const TCompletion& ACompletion);
  ~TPacket();
  TPacket(const TPacket&) = delete;
  TPacket& operator=(const TPacket&) = delete;

  unsigned Code() const { return FCode; }
  void SetCode(unsigned ACode) { FCode = ACode; }
  uint8_t Identifier() const { return FIdentifier; }
  void SetIdentifier(uint8_t AIdentifier) { FIdentifier = AIdentifier; }
  const unsigned char* Authenticator() const { return FAuthenticator; }
  void SetAuthenticator(const unsigned char* AAuthenticator);
  // What Print and the User-Password attribute hide and sign with.
  const orvo::string& Secret() const { return FSecret; }
  const TCompletion& Completion() const { return FCompletion; }

  // The attributes in wire order.
  const orvo::list<TAttribute>& Attributes() const { return FAttributes; }
  // Takes the attribute over and appends it. An attribute that would carry
  // the packet past 4,096 octets is deleted instead and false returned.
  bool Append(TAttribute* AAttribute);

  // Octets that Encode writes: 20 plus every attribute.
  unsigned Length() const;
  // Writes Length() octets: header with the stored authenticator, attributes.
  void Encode(unsigned char* AOut) const;
  // Reads a received datagram; false (attributes cleared) when it is malformed.
  bool Decode(const unsigned char* AData, unsigned AReceived);
  // Readable dump for traces.
  std::ostream& Print(std::ostream& AStream) const;

  // The Accounting-Request authenticator of RFC 2866: MD5 over the encoded
  // packet with its authenticator field zeroed, then the secret (left out when
  // empty). AEncoded is not changed.
  static void AccountingAuthenticator(const unsigned char* AEncoded, unsigned ALength, const orvo::string& ASecret,
                                      unsigned char* AOut);

private:
  void DecodeAttributes(const unsigned char* AData, unsigned ALength);

  unsigned FCode;
  uint8_t FIdentifier;
  unsigned char FAuthenticator[AuthenticatorLength];
  orvo::list<TAttribute> FAttributes;
  orvo::string FSecret;
  TCompletion FCompletion;
};

}  // namespace RADIUS

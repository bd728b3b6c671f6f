#include <radius/Packet.h>

#include <cstring>
#include <memory>
#include <ostream>
#include <vector>

#include <orvo/hexDump.h>
#include <radius/AddressAttribute.h>
#include <radius/IntegerAttribute.h>
#include <radius/MD5Digest.h>
#include <radius/StringAttribute.h>
#include <radius/VendorSpecificAttribute.h>

#include "WireHelpers.h"

namespace RADIUS {

namespace {

const unsigned HeaderLength = 20;

// The class that decodes a defined kind; null for a kind without one.
TAttribute* newAttribute(TAttributeKind AKind) {
  switch (AKind) {
    case akText:
    case akOctets:
      return new TStringAttribute();
    case akAddress:
      return new TAddressAttribute();
    case akInteger:
      return new TIntegerAttribute();
    case akVendorSpecific:
      return new TVendorSpecificAttribute();
    default:
      return nullptr;
  }
}

}  // namespace

TPacket::TPacket(const orvo::string& ASecret) : TPacket(ASecret, TCompletion()) {}

TPacket::TPacket(const orvo::string& ASecret, const TCompletion& ACompletion)
    : FCode(0), FIdentifier(0), FAttributes(1), FSecret(ASecret), FCompletion(ACompletion) {
  std::memset(FAuthenticator, 0, sizeof FAuthenticator);
}

TPacket::~TPacket() {}

void TPacket::SetAuthenticator(const unsigned char* AAuthenticator) {
  std::memcpy(FAuthenticator, AAuthenticator, sizeof FAuthenticator);
}

bool TPacket::Append(TAttribute* AAttribute) {
  if (!AAttribute) return false;
  if (Length() + AAttribute->Length() > MaxPacketLength) {
    delete AAttribute;
    return false;
  }
  FAttributes.append(AAttribute);
  return true;
}

// Attributes enlarged after they were appended could still carry the packet
// past the limit; Length and Encode then both stop at the last one that fits.
unsigned TPacket::Length() const {
  unsigned length = HeaderLength;
  for (TAttribute* attribute : FAttributes) {
    if (length + attribute->Length() > MaxPacketLength) break;
    length += attribute->Length();
  }
  return length;
}

void TPacket::Encode(unsigned char* AOut) const {
  unsigned length = Length();
  AOut[0] = static_cast<unsigned char>(FCode);
  AOut[1] = FIdentifier;
  AOut[2] = static_cast<unsigned char>(length >> 8);
  AOut[3] = static_cast<unsigned char>(length);
  std::memcpy(AOut + 4, FAuthenticator, AuthenticatorLength);
  unsigned offset = HeaderLength;
  for (TAttribute* attribute : FAttributes) {
    if (offset + attribute->Length() > length) break;
    attribute->Encode(AOut + offset);
    offset += attribute->Length();
  }
}

bool TPacket::Decode(const unsigned char* AData, unsigned AReceived) {
  if (!AData || AReceived < HeaderLength) return false;
  unsigned length = (unsigned(AData[2]) << 8) | AData[3];
  if (length < HeaderLength || length > MaxPacketLength || length > AReceived) return false;
  FAttributes.clear(1);
  FCode = AData[0];
  FIdentifier = AData[1];
  std::memcpy(FAuthenticator, AData + 4, AuthenticatorLength);
  try {
    DecodeAttributes(AData, length);
  } catch (EAttributeDecode* e) {
    std::unique_ptr<EAttributeDecode> owned(e);
    FAttributes.clear(1);
    return false;
  }
  return true;
}

void TPacket::DecodeAttributes(const unsigned char* AData, unsigned ALength) {
  unsigned offset = HeaderLength;
  while (offset < ALength) {
    // Type and length octets must both lie inside the packet.
    if (ALength - offset < 2) throw new EAttributeDecode();
    const unsigned char* at = AData + offset;
    unsigned attributeLength = at[1];
    if (attributeLength < 2 || attributeLength > ALength - offset) throw new EAttributeDecode();
    if (const TAttributeDefinition* definition = FindAttributeDefinition(at[0])) {
      unsigned valueLength = attributeLength - 2;
      if (valueLength < definition->MinLength || (definition->MaxLength && valueLength > definition->MaxLength))
        throw new EAttributeDecode();
      std::unique_ptr<TAttribute> attribute(newAttribute(definition->Kind));
      if (attribute) {
        if (!attribute->Decode(at)) throw new EAttributeDecode();
        FAttributes.append(attribute.get());
        attribute.release();
      }
    }
    offset += attributeLength;
  }
}

void TPacket::AccountingAuthenticator(const unsigned char* AEncoded, unsigned ALength, const orvo::string& ASecret,
                                      unsigned char* AOut) {
  static const unsigned char Zero[AuthenticatorLength] = {};
  TMD5Digest digest;
  digest.Update(AEncoded, 4).Update(Zero, sizeof Zero);
  if (ALength > HeaderLength) digest.Update(AEncoded + HeaderLength, ALength - HeaderLength);
  digest.Update(ASecret).Final(AOut);
}

std::ostream& TPacket::Print(std::ostream& AStream) const {
  unsigned length = Length();
  unsigned char shown[AuthenticatorLength];
  if (FCode == pcAccountingRequest) {
    // Show what goes on the wire: the authenticator is computed when sent.
    std::vector<unsigned char> scratch(length);
    Encode(scratch.data());
    AccountingAuthenticator(scratch.data(), length, FSecret, shown);
  } else {
    std::memcpy(shown, FAuthenticator, sizeof shown);
  }
  AStream << "{\n";
  AStream << "  Code: " << PacketCodeName(FCode) << '\n';
  AStream << "  Identifier: " << unsigned(FIdentifier) << '\n';
  AStream << "  Length : " << length << '\n';
  AStream << "  Authenticator: ";
  orvo::printHex(AStream, shown, sizeof shown);
  AStream << '\n';
  if (!FAttributes.empty()) {
    AStream << "  Attributes {\n";
    unsigned offset = HeaderLength;
    for (TAttribute* attribute : FAttributes) {
      if (offset + attribute->Length() > length) break;  // left out of the encoded packet too
      offset += attribute->Length();
      AStream << "    ";
      attribute->Print(AStream) << '\n';
    }
    AStream << "  }\n";
  }
  return AStream << "}\n";
}

}  // namespace RADIUS

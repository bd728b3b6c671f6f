// The abstract codec: one encode and one decode operation per kind of value.
#pragma once

namespace asn {

class null;
class booltype;
class opentype;
class integerBase;
class octetStringBase;
class bmpStringBase;
class oid;
class constrainedString;
class sequenceOfBase;
class sequence;
class choice;
class constrained;
class enumerated;
class anytypeBase;
class generalizedTime;
class bitStringBase;
class namedInteger;

class codec {
public:
  virtual ~codec() = default;

  virtual void encodeNull(const null& value) = 0;
  virtual void decodeNull(null& value) = 0;
  virtual void encodeBoolean(const booltype& value) = 0;
  virtual void decodeBoolean(booltype& value) = 0;
  virtual void encodeOpenType(const opentype& value) = 0;
  virtual void decodeOpenType(opentype& value) = 0;
  virtual void encodeInteger(const integerBase& value) = 0;
  virtual void decodeInteger(integerBase& value) = 0;
  virtual void encodeOctetString(const octetStringBase& value) = 0;
  virtual void decodeOctetString(octetStringBase& value) = 0;
  virtual void encodeBMPString(const bmpStringBase& value) = 0;
  virtual void decodeBMPString(bmpStringBase& value) = 0;
  virtual void encodeOID(const oid& value) = 0;
  virtual void decodeOID(oid& value) = 0;
  virtual void encodeConstrainedString(const constrainedString& value) = 0;
  virtual void decodeConstrainedString(constrainedString& value) = 0;
  virtual void encodeSequenceOf(const sequenceOfBase& value) = 0;
  virtual void decodeSequenceOf(sequenceOfBase& value) = 0;
  virtual void encodeSequence(const sequence& value) = 0;
  // Replaces the value as a whole: the side record and every pointer-held
  // component the input does not carry are released.
  virtual void decodeSequence(sequence& value) = 0;
  virtual void encodeChoice(const choice& value) = 0;
  virtual void decodeChoice(choice& value) = 0;
  virtual void encodeEnumerated(const enumerated& value) = 0;
  virtual void decodeEnumerated(enumerated& value) = 0;
  virtual void encodeAnytype(const anytypeBase& value) = 0;
  virtual void decodeAnytype(anytypeBase& value) = 0;
  virtual void encodeGeneralizedTime(const generalizedTime& value) = 0;
  virtual void decodeGeneralizedTime(generalizedTime& value) = 0;
  virtual void encodeBitString(const bitStringBase& value) = 0;
  virtual void decodeBitString(bitStringBase& value) = 0;
  // A named integer codes as an INTEGER unless a codec knows better.
  virtual void encodeNamedInteger(const namedInteger& value);
  virtual void decodeNamedInteger(namedInteger& value);
};

}  // namespace asn

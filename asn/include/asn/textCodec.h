// Readable dump of a value for protocol traces. Decoding does nothing.
#pragma once

#include <ostream>

#include <asn/codec.h>
#include <asn/object.h>

namespace asn {
namespace text {

class codec : public asn::codec {
public:
  codec(std::ostream& out, int indentation);

  // Writes "name" and the value as its container would.
  void print(const char* name, const object& value);

  void encodeNull(const null& value) override;
  void decodeNull(null&) override {}
  void encodeBoolean(const booltype& value) override;
  void decodeBoolean(booltype&) override {}
  void encodeOpenType(const opentype& value) override;
  void decodeOpenType(opentype&) override {}
  void encodeInteger(const integerBase& value) override;
  void decodeInteger(integerBase&) override {}
  void encodeOctetString(const octetStringBase& value) override;
  void decodeOctetString(octetStringBase&) override {}
  void encodeBMPString(const bmpStringBase& value) override;
  void decodeBMPString(bmpStringBase&) override {}
  void encodeOID(const oid& value) override;
  void decodeOID(oid&) override {}
  void encodeConstrainedString(const constrainedString& value) override;
  void decodeConstrainedString(constrainedString&) override {}
  void encodeSequenceOf(const sequenceOfBase& value) override;
  void decodeSequenceOf(sequenceOfBase&) override {}
  void encodeSequence(const sequence& value) override;
  // Nothing is read, but the value is replaced all the same.
  void decodeSequence(sequence& value) override;
  void encodeChoice(const choice& value) override;
  void decodeChoice(choice&) override {}
  void encodeEnumerated(const enumerated& value) override;
  void decodeEnumerated(enumerated&) override {}
  void encodeAnytype(const anytypeBase& value) override;
  void decodeAnytype(anytypeBase&) override {}
  void encodeGeneralizedTime(const generalizedTime& value) override;
  void decodeGeneralizedTime(generalizedTime&) override {}
  void encodeBitString(const bitStringBase& value) override;
  void decodeBitString(bitStringBase&) override {}
  void encodeNamedInteger(const namedInteger& value) override;

private:
  void indent();
  void hexOctets(const unsigned char* data, unsigned length);

  std::ostream& out_;
  int indentation_;
};

}  // namespace text

std::ostream& operator<<(std::ostream& out, const object& value);

}  // namespace asn

// Every kind of value through the aligned PER codec, byte for byte against
// encodings worked out by hand from X.691, and back.
#include <orvoTesting.h>

#include "fixtureTypes.h"

using asn::per::codec;
using fixture::decodeHex;
using fixture::encodeHex;

namespace {
const char dialledDigits[] = "#*,0123456789";
}

TEST(PerKinds, NullAndBoolean) {
  EXPECT_EQ("", encodeHex(asn::null()));
  EXPECT_EQ("80", encodeHex(asn::booltype(true)));
  EXPECT_EQ("00", encodeHex(asn::booltype(false)));
  asn::booltype b;
  decodeHex(b, "80");
  EXPECT_TRUE(b.value());
}

TEST(PerKinds, OpenType) {
  asn::opentype empty;
  EXPECT_EQ("01 00", encodeHex(empty));
  asn::opentype one;
  one.setOctets("\xAB", 1);
  EXPECT_EQ("01 AB", encodeHex(one));
  asn::opentype back;
  decodeHex(back, "01 00");
  EXPECT_EQ(std::string("\0", 1), toStd(back.octets()));
  decodeHex(back, "00");
  EXPECT_EQ(0u, back.octets().length());
}

TEST(PerKinds, OpenTypeCarriesAValue) {
  asn::opentype carrier;
  carrier.setValue(asn::integer<0u, 65535u, 1>(300));
  EXPECT_EQ(std::string("\x01\x2C", 2), toStd(carrier.octets()));
  asn::integer<0u, 65535u, 1> out;
  carrier.getValue(out);
  EXPECT_EQ(300u, out.value());
  carrier.setValue(asn::null());
  EXPECT_EQ(0u, carrier.octets().length());
}

TEST(PerKinds, OctetStringSizes) {
  asn::octetString<1u, 128u, 1> s;
  ORVO_EXPECT_THROW(encodeHex(s), codec::encodeConstrainedCheckFailed, "Encode integer constraint check failed.");
  s.setValue(orvo::string('x', 129));
  ORVO_EXPECT_THROW(encodeHex(s), codec::encodeConstrainedCheckFailed, "Encode length constraint check failed.");
  asn::octetString<4u, 4u, 1> four;
  four.setValue("\x01\x02\x03", 3);
  ORVO_EXPECT_THROW(encodeHex(four), codec::encodeConstrainedCheckFailed, "Encode length constraint check failed.");
  four.setValue("\xC0\xA8\x00\x01", 4);
  EXPECT_EQ("C0 A8 00 01", encodeHex(four));
  s.setValue("abc", 3);
  EXPECT_EQ("04 61 62 63", encodeHex(s));
  asn::octetString<1u, 128u, 1> back;
  decodeHex(back, "04 61 62 63");
  EXPECT_EQ("abc", toStd(back.value()));
  asn::octetString<0u, 0u, 1> any;
  EXPECT_EQ("00", encodeHex(any));
}

namespace {

// A value between a leading 1 bit and a trailing 3-bit field 101, so that
// alignment before it and padding after it both show in the octets.
template <class T>
std::string framed(const T& value) {
  codec encoder;
  encoder.stream().writeBits(1, 1);
  value.encode(encoder);
  encoder.encodeConstrainedWholeNumber(5, 0, 7);
  return fixture::toHex(encoder.stream().data(), encoder.stream().octetLength());
}

// Decodes what framed() wrote; the trailing field must read 5.
template <class T>
T unframed(const std::string& hex) {
  std::string octets = fixture::fromHex(hex);
  codec decoder(octets.data(), unsigned(octets.size()));
  EXPECT_EQ(1u, decoder.stream().readBits(1));
  T value;
  value.decode(decoder);
  EXPECT_EQ(5u, decoder.decodeConstrainedWholeNumber(0, 7));
  return value;
}

template <class T>
void expectOctetString(const std::string& octets, const std::string& hex) {
  SCOPED_TRACE(hex);
  T value;
  value.setValue(octets.data(), unsigned(octets.size()));
  EXPECT_EQ(hex, framed(value));
  EXPECT_EQ(octets, toStd(unframed<T>(hex).value()));
}

template <class T>
void expectBitString(const std::string& octets, unsigned bits, const std::string& hex) {
  SCOPED_TRACE(hex);
  T value;
  value.setBits(octets.data(), bits);
  EXPECT_EQ(hex, framed(value));
  EXPECT_TRUE(unframed<T>(hex).isEqual(value));
}

}  // namespace

// X.691 16: only a fixed size of at most two octets stays unaligned; after a
// length determinant the octets are aligned, also when there are one or two.
TEST(PerKinds, OctetStringAlignment) {
  // Fixed sizes: no length; one or two octets straight after the 1 bit.
  expectOctetString<asn::octetString<1u, 1u, 1>>("\xAB", "D5 D0");
  expectOctetString<asn::octetString<2u, 2u, 1>>("\xAB\xCD", "D5 E6 D0");
  expectOctetString<asn::octetString<3u, 3u, 1>>("\xAB\xCD\xEF", "80 AB CD EF A0");
  // SIZE (1..4): the count - 1 in 2 bits, then aligned octets.
  expectOctetString<asn::octetString<1u, 4u, 1>>("\xAB", "80 AB A0");
  expectOctetString<asn::octetString<1u, 4u, 1>>("\xAB\xCD", "A0 AB CD A0");
  // SIZE (0..2) holding nothing: the count alone, the next field follows.
  expectOctetString<asn::octetString<0u, 2u, 1>>("", "94");
  // No size constraint: an aligned length octet.
  expectOctetString<asn::octetString<0u, 0u, 1>>("\xAB\xCD", "80 02 AB CD A0");
}

// X.691 15: a fixed size of at most 16 bits stays unaligned; any other bit
// string is aligned and takes exactly its bits, so that the next field may
// start inside its last octet.
TEST(PerKinds, BitStringAlignmentAndLength) {
  const std::string ones("\xFF\xFF\x80", 3);
  const std::string five("\x12\x34\x56\x78\x9C", 5);
  std::string sixteen;
  for (int i = 0; i < 16; ++i) sixteen.push_back(char(0x11 * i));
  // No size constraint: length octet(s), then the bits.
  expectBitString<asn::bitString<0u, 0u, 1>>(ones, 17, "80 11 FF FF D0");
  expectBitString<asn::bitString<0u, 0u, 1>>(five, 38, "80 26 12 34 56 78 9E 80");
  expectBitString<asn::bitString<0u, 0u, 1>>("\x12\x34\x56\x78\x9A", 40, "80 28 12 34 56 78 9A A0");
  expectBitString<asn::bitString<0u, 0u, 1>>(sixteen, 128,
                                             "80 80 80 00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF A0");
  expectBitString<asn::bitString<0u, 0u, 1>>("\xAB", 8, "80 08 AB A0");
  // Fixed sizes: above 16 bits aligned, no length.
  expectBitString<asn::bitString<17u, 17u, 1>>(ones, 17, "80 FF FF D0");
  expectBitString<asn::bitString<38u, 38u, 1>>(five, 38, "80 12 34 56 78 9E 80");
  expectBitString<asn::bitString<16u, 16u, 1>>("\xAB\xCD", 16, "D5 E6 D0");
  expectBitString<asn::bitString<3u, 3u, 1>>("\xA0", 3, "DA");
  // SIZE (0..16): the count in 5 bits, then aligned bits.
  expectBitString<asn::bitString<0u, 16u, 1>>("\xAB", 8, "A0 AB A0");
  expectBitString<asn::bitString<0u, 16u, 1>>("\xA0", 3, "8C B4");
  // SIZE (1..2048): the count - 1 in 16 aligned bits.
  expectBitString<asn::bitString<1u, 2048u, 1>>(five, 38, "80 00 25 12 34 56 78 9E 80");
}

TEST(PerKinds, BmpString) {
  asn::bmpString<1u, 128u, 1> s;
  s = "ab";
  EXPECT_EQ("02 00 61 00 62", encodeHex(s));
  asn::bmpString<1u, 128u, 1> back;
  decodeHex(back, "02 00 61 00 62");
  EXPECT_EQ("ab", toStd(back.toString()));
  EXPECT_TRUE(back.isEqual(s));
  asn::bmpString<0u, 0u, 1> any;
  EXPECT_EQ("00", encodeHex(any));
}

TEST(PerKinds, ObjectIdentifier) {
  asn::oid id(0, 0, 8, 2250, 0, 4);
  EXPECT_EQ("06 00 08 91 4A 00 04", encodeHex(id));
  asn::oid back;
  decodeHex(back, "06 00 08 91 4A 00 04");
  EXPECT_EQ(0, back.compare(id));
  ORVO_EXPECT_THROW(encodeHex(asn::oid()), codec::encodeConstrainedCheckFailed, "Encode OID constraint check failed.");
  // First sub-identifier 2 * 40 + 100 = 180 in two groups; the last arc at 32 bits.
  asn::oid wide(2, 100, 4294967295u - 1);
  EXPECT_EQ("07 81 34 8F FF FF FF 7E", encodeHex(wide));
  decodeHex(back, "07 81 34 8F FF FF FF 7E");
  EXPECT_EQ(0, back.compare(wide));
}

TEST(PerKinds, NumericAndDialledDigitStrings) {
  asn::numericString<1u, 16u, 1, asn::constrainedString::NumericSet, 11u> n;
  n = "123";
  EXPECT_EQ("20 23 40", encodeHex(n));
  asn::numericString<1u, 16u, 1, asn::constrainedString::NumericSet, 11u> back;
  decodeHex(back, "20 23 40");
  EXPECT_EQ("123", toStd(back.value()));
  asn::IA5String<1u, 128u, 1, dialledDigits, 13u> digits;
  digits = "#*,9";
  // Length 4 - 1 in 7 bits, aligned, indices 0 1 2 12.
  EXPECT_EQ("06 01 2C", encodeHex(digits));
  asn::IA5String<1u, 128u, 1, dialledDigits, 13u> digitsBack;
  decodeHex(digitsBack, "06 01 2C");
  EXPECT_EQ("#*,9", toStd(digitsBack.value()));
}

TEST(PerKinds, CodeModeStrings) {
  fixture::name32 name;
  name = "Ab";
  // Length 2 - 1 in 5 bits, aligned, 8-bit codes.
  EXPECT_EQ("08 41 62", encodeHex(name));
  // A fixed size of one 8-bit character is not aligned.
  static const char seventeen[] = "!#*0123456789ABCD";
  codec encoder;
  encoder.stream().writeBits(1, 1);
  asn::IA5String<1u, 1u, 1, seventeen, 17u> one;
  one = "D";
  one.encode(encoder);
  EXPECT_EQ("A2 00", fixture::toHex(encoder.stream().data(), encoder.stream().octetLength()));
}

TEST(PerKinds, GeneralizedTime) {
  asn::generalizedTime t(orvo::dateTime(5, 3, 2004, 6, 7, 8, 9));
  EXPECT_EQ("12 32 30 30 34 30 33 30 35 30 36 30 37 30 38 2E 30 30 39", encodeHex(t));
  t.setValue(orvo::dateTime(5, 3, 2004, 6, 7, 8, 0));
  EXPECT_EQ("0E 32 30 30 34 30 33 30 35 30 36 30 37 30 38", encodeHex(t));
  asn::generalizedTime back;
  decodeHex(back, "0E 32 30 30 34 30 33 30 35 30 36 30 37 30 38");
  EXPECT_EQ(0, back.value().compare(orvo::dateTime(5, 3, 2004, 6, 7, 8, 0)));
  decodeHex(back, "10 32 30 30 34 30 33 30 35 30 36 30 37 30 38 2E 35");
  EXPECT_EQ(5, back.value().millisecond());
  // A zone letter after the seconds is read past.
  decodeHex(back, "0F 32 30 30 34 30 33 30 35 30 36 30 37 30 38 5A");
  EXPECT_EQ(8, back.value().second());
  EXPECT_EQ(0, back.value().millisecond());
}

TEST(PerKinds, BitStrings) {
  asn::bitString<0u, 0u, 1> bits;
  unsigned char abc[] = {0xAB, 0xC0};
  bits.setBits(abc, 12);
  EXPECT_EQ("0C AB C0", encodeHex(bits));
  asn::bitString<0u, 0u, 1> back;
  decodeHex(back, "0C AB C0");
  EXPECT_TRUE(back.isEqual(bits));
  asn::bitString<32u, 32u, 1> fixed;
  unsigned char four[] = {1, 2, 3, 4};
  fixed.setBits(four, 32);
  EXPECT_EQ("01 02 03 04", encodeHex(fixed));
  asn::bitString<32u, 32u, 1> fixedBack;
  decodeHex(fixedBack, "01 02 03 04");
  EXPECT_TRUE(fixedBack.isEqual(fixed));
  fixed.setLength(31);
  ORVO_EXPECT_THROW(encodeHex(fixed), codec::encodeConstrainedCheckFailed, "Encode length constraint check failed.");
  decodeHex(back, "00");
  EXPECT_EQ(0u, back.length());
}

TEST(PerKinds, SequenceOf) {
  asn::sequenceOf<asn::integer<0u, 255u, 1>, 0u, 0u, 1> list;
  list.appendNew()->setValue(1);
  list.appendNew()->setValue(2);
  EXPECT_EQ("02 01 02", encodeHex(list));
  asn::sequenceOf<asn::integer<0u, 255u, 1>, 0u, 0u, 1> back;
  back.appendNew()->setValue(9);
  decodeHex(back, "02 01 02");
  EXPECT_TRUE(back.isEqual(list));
  asn::sequenceOf<asn::integer<0u, 255u, 1>, 1u, 0u, 1> atLeastOne;
  ORVO_EXPECT_THROW(encodeHex(atLeastOne), codec::encodeConstrainedCheckFailed,
                    "Encode integer constraint check failed.");
  asn::sequenceOf<asn::integer<0u, 255u, 1>, 1u, 4u, 1> upToFour;
  upToFour.appendNew()->setValue(7);
  EXPECT_EQ("00 07", encodeHex(upToFour));
}

TEST(PerKinds, Enumerated) {
  fixture::colour c;
  c.setValue(2);
  EXPECT_EQ("40", encodeHex(c));
  c.setValue(3);
  EXPECT_EQ("80", encodeHex(c));
  c.setIndex(3 + 64);
  EXPECT_EQ("C0 01 40", encodeHex(c));
  fixture::colour back;
  decodeHex(back, "C0 01 40");
  EXPECT_EQ(67u, back.index());
  EXPECT_EQ("unknown (67)", toStd(back.name()));
  decodeHex(back, "80");
  EXPECT_EQ("Violet", toStd(back.name()));
}

TEST(PerKinds, ChoiceRootAndExtensionAlternatives) {
  fixture::item c;
  ORVO_EXPECT_THROW(encodeHex(c), codec::notInitializedChoice, "Attempt to encode not initialized choice");
  static_cast<asn::integer<0u, 255u, 1>*>(c.select(0))->setValue(5);
  EXPECT_EQ("00 05", encodeHex(c));
  *static_cast<fixture::name32*>(c.select(1)) = "a";
  EXPECT_EQ("40 61", encodeHex(c));
  static_cast<fixture::colour*>(c.select(2))->setValue(2);
  EXPECT_EQ("80 01 40", encodeHex(c));
  c.select(3);
  EXPECT_EQ("81 01 00", encodeHex(c));

  fixture::item back;
  decodeHex(back, "80 01 40");
  ASSERT_EQ(2, back.index());
  EXPECT_EQ(2, static_cast<fixture::colour*>(back.alternative())->value());
  decodeHex(back, "81 01 00");
  EXPECT_EQ(3, back.index());
  decodeHex(back, "40 61");
  EXPECT_EQ("a", toStd(static_cast<fixture::name32*>(back.alternative())->value()));
}

TEST(PerKinds, ChoiceUnknownExtensionIsKeptAndWrittenAgain) {
  fixture::item c;
  // Extension index 5 (alternative 7), three octets of content.
  fixture::decodeHex(c, "85 03 01 02 03");
  EXPECT_EQ(7, c.index());
  asn::opentype* kept = dynamic_cast<asn::opentype*>(c.alternative());
  ASSERT_NE(nullptr, kept);
  EXPECT_EQ("\x01\x02\x03", toStd(kept->octets()));
  EXPECT_EQ("85 03 01 02 03", encodeHex(c));
}

TEST(PerKinds, ChoiceWithOneRootAlternative) {
  fixture::address a;
  auto* ip = static_cast<fixture::address::ipAddress_sequence*>(a.select(0));
  ip->ip.setValue("\xC0\xA8\x00\x01", 4);
  ip->port = 1720;
  EXPECT_EQ("00 C0 A8 00 01 06 B8", encodeHex(a));
}

TEST(PerKinds, SequenceWithOneOfThreeAdditions) {
  fixture::record r;
  r.id = 7;
  r.enabled = new asn::booltype(true);
  EXPECT_EQ("80 00 07 04 80 01 80", encodeHex(r));
  fixture::record back;
  decodeHex(back, "80 00 07 04 80 01 80");
  EXPECT_TRUE(back.isEqual(r));
  ASSERT_NE(nullptr, back.enabled);
  EXPECT_EQ(nullptr, back.hue);
  EXPECT_EQ(nullptr, back.unknown());
}

TEST(PerKinds, SequenceRootsAndNullAddition) {
  fixture::record r;
  r.id = 1;
  r.note = new asn::octetString<1u, 128u, 1>;
  r.note->setValue("xyz", 3);
  r.extra = new asn::null;
  // e=1 item=0 note=1, id, note length 2 in 7 bits + "xyz", 0 000010 001, NULL as 01 00.
  EXPECT_EQ("A0 00 01 04 78 79 7A 04 40 01 00", encodeHex(r));
  fixture::record back;
  decodeHex(back, "A0 00 01 04 78 79 7A 04 40 01 00");
  EXPECT_TRUE(back.isEqual(r));
}

TEST(PerKinds, UnknownAdditionsAreKeptButNotWrittenAgain) {
  // This system drops additions it does not know when it encodes a value
  // again; X.691 relays would keep them.
  fixture::recordV2 newer;
  newer.id = 7;
  newer.label = new fixture::name32;
  *newer.label = "x";
  newer.count = new asn::integer<0u, 255u, 1>(9);
  std::string encoded = encodeHex(newer);
  EXPECT_EQ("80 00 07 08 30 02 00 78 01 09", encoded);
  fixture::record older;
  decodeHex(older, encoded);
  ASSERT_NE(nullptr, older.unknown());
  EXPECT_EQ(2u, older.unknown()->count());
  EXPECT_TRUE(older.unknown()->isPresent(0));
  EXPECT_EQ(std::string("\x00\x78", 2), toStd(older.unknown()->get(0).octets()));
  EXPECT_FALSE(older.hasAdditions());
  EXPECT_EQ("00 00 07", encodeHex(older));
  older.hue = new fixture::colour;
  older.hue->setValue(1);
  EXPECT_EQ("80 00 07 05 00 01 20", encodeHex(older));
}

TEST(PerKinds, AnytypeIsAnOpenType) {
  fixture::wrapper w;
  w.held.get()->id = 300;
  EXPECT_EQ("03 00 01 2C", encodeHex(w));
  fixture::wrapper back;
  decodeHex(back, "03 00 01 2C");
  EXPECT_EQ(300u, back.held.get()->id.value());
  asn::anytype<asn::null> holdsNull;
  EXPECT_EQ("01 00", encodeHex(holdsNull));
}

TEST(PerKinds, NestedValuesRoundTrip) {
  fixture::tree root;
  auto* a = static_cast<fixture::tree*>(root.children.appendNew());
  a->children.appendNew();
  a->children.appendNew();
  root.children.appendNew();
  EXPECT_EQ("02 02 00 00 00", encodeHex(root));
  fixture::tree back;
  decodeHex(back, "02 02 00 00 00");
  EXPECT_TRUE(back.isEqual(root));
}

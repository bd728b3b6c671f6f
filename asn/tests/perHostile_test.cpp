// Crafted hostile input: every failure is an orvo::exception, never a crash,
// a hang, a leak or an allocation sized by the sender.
#include <memory>

#include <orvoTesting.h>

#include "fixtureTypes.h"

using asn::per::codec;
using fixture::decodeHex;
using fixture::encodeHex;

namespace {

const char dialledDigits[] = "#*,0123456789";

void decodeBytes(asn::object& value, const std::string& octets) {
  codec decoder(octets.data(), unsigned(octets.size()));
  value.decode(decoder);
}

// nest with `levels` Inner alternatives around a Leaf: one bit per level.
std::string nestedChoices(unsigned levels) {
  codec encoder;
  for (unsigned i = 0; i < levels; ++i) encoder.stream().writeBits(1, 1);
  encoder.stream().writeBits(0, 1);
  return std::string(reinterpret_cast<const char*>(encoder.stream().data()), encoder.stream().octetLength());
}

}  // namespace

TEST(PerHostile, DeepChoiceNestingIsRefused) {
  fixture::nest n;
  decodeBytes(n, nestedChoices(99));
  fixture::nest deep;
  ORVO_EXPECT_THROW(decodeBytes(deep, nestedChoices(1000)), codec::decodeFailed,
                    "Decode: values nested deeper than 100 levels.");
}

TEST(PerHostile, DeepListNestingIsRefused) {
  // tree { children { tree { children { ... } } } }: "01" per level.
  std::string octets;
  for (int i = 0; i < 500; ++i) octets += '\x01';
  octets += '\x00';
  fixture::tree t;
  ORVO_EXPECT_THROW(decodeBytes(t, octets), codec::decodeFailed, "Decode: values nested deeper than 100 levels.");
}

TEST(PerHostile, NestingCountCarriesIntoOpenTypes) {
  // chain { next chain { next ... } }: every level is an extension addition,
  // decoded by a nested decoder of its own.
  fixture::chain head;
  fixture::chain* at = &head;
  for (int i = 0; i < 150; ++i) {
    at->next = new fixture::chain;
    at = at->next;
  }
  std::string octets = fixture::fromHex(encodeHex(head));
  fixture::chain back;
  ORVO_EXPECT_THROW(decodeBytes(back, octets), codec::decodeFailed, "Decode: values nested deeper than 100 levels.");

  fixture::chain shallow;
  shallow.next = new fixture::chain;
  shallow.next->next = new fixture::chain;
  fixture::chain shallowBack;
  decodeHex(shallowBack, encodeHex(shallow));
  EXPECT_TRUE(shallowBack.isEqual(shallow));
}

TEST(PerHostile, HugeExtensionIndices) {
  // Extension bit, normally small number in its long form: 2^32 - 1.
  fixture::item c;
  ORVO_EXPECT_THROW(decodeHex(c, "C0 04 FF FF FF FF"), codec::decodeFailed,
                    "Decode: choice alternative 4294967297 out of range.");
  fixture::colour e;
  ORVO_EXPECT_THROW(decodeHex(e, "C0 04 FF FF FF FF"), codec::decodeFailed,
                    "Decode: enumeration index 4294967298 out of range.");
  // The largest index that is still an int selects a placeholder that needs
  // its open type.
  ORVO_EXPECT_THROW(decodeHex(c, "C0 04 7F FF FF FD"), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  ORVO_EXPECT_THROW(decodeHex(c, "C0 05 01 00 00 00 00"), codec::decodeFailed,
                    "Decode: number of 5 octets exceeds 32 bits.");
}

TEST(PerHostile, HugeExtensionCountDoesNotAllocate) {
  // record: extension bit, no optionals, id 7, then 2^31 additions claimed.
  fixture::record r;
  ORVO_EXPECT_THROW(decodeHex(r, "80 00 07 80 04 7F FF FF FF"), orvo::bitStream::outOfBounds,
                    "Bit stream index out of bounds.");
  EXPECT_EQ(nullptr, r.unknown());
}

TEST(PerHostile, FailingListElementIsReleased) {
  // Two records claimed, the second cut short; the leak checker sees the rest.
  asn::sequenceOf<fixture::record, 0u, 0u, 1> list;
  ORVO_EXPECT_THROW(decodeHex(list, "02 00 00 07 00"), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  EXPECT_EQ(2u, list.count());
}

TEST(PerHostile, ElementsThatTakeNoInputCannotMultiply) {
  // Lists of empty lists: each inner length of 16383 costs two octets.
  asn::sequenceOf<asn::sequenceOf<asn::null, 0u, 0u, 1>, 0u, 0u, 1> lists;
  std::string octets = fixture::fromHex("BF FF");
  for (int i = 0; i < 16383; ++i) octets += fixture::fromHex("BF FF");
  ORVO_EXPECT_THROW(decodeBytes(lists, octets), codec::decodeFailed,
                    "Decode: more list elements than the input can hold.");
  asn::sequenceOf<asn::null, 0u, 0u, 1> nulls;
  decodeHex(nulls, "BF FF");
  EXPECT_EQ(16383u, nulls.count());
}

TEST(PerHostile, CharacterIndexBeyondTheAlphabet) {
  // Dialled digits: 13 characters in 4-bit indices, 13..15 name none.
  asn::IA5String<1u, 128u, 1, dialledDigits, 13u> digits;
  ORVO_EXPECT_THROW(decodeHex(digits, "02 1D"), codec::decodeFailed,
                    "Decode: character index 13 beyond an alphabet of 13.");
  decodeHex(digits, "02 1C");
  EXPECT_EQ("*9", toStd(digits.value()));
}

TEST(PerHostile, CharacterWithoutAnIndexFailsToEncode) {
  asn::IA5String<1u, 128u, 1, dialledDigits, 13u> digits;
  digits = "12a";
  ORVO_EXPECT_THROW(encodeHex(digits), codec::encodeConstrainedCheckFailed,
                    "Encode character constraint check failed.");
  asn::numericString<1u, 16u, 1, asn::constrainedString::NumericSet, 11u> number;
  number = "12-3";
  ORVO_EXPECT_THROW(encodeHex(number), codec::encodeConstrainedCheckFailed,
                    "Encode character constraint check failed.");
}

TEST(PerHostile, MalformedObjectIdentifiers) {
  asn::oid id;
  ORVO_EXPECT_THROW(decodeHex(id, "00"), codec::decodeFailed, "Decode: empty object identifier.");
  ORVO_EXPECT_THROW(decodeHex(id, "02 00 81"), codec::decodeFailed, "Decode: object identifier ends inside an arc.");
  ORVO_EXPECT_THROW(decodeHex(id, "06 00 90 80 80 80 00"), codec::decodeFailed,
                    "Decode: object identifier arc exceeds 32 bits.");
  decodeHex(id, "06 00 8F FF FF FF 7F");
  EXPECT_EQ(4294967295u, id.arc(2));
  std::string many = fixture::fromHex("84 4C");  // 1100 octets
  many += std::string(1100, '\x01');
  ORVO_EXPECT_THROW(decodeBytes(id, many), codec::decodeFailed, "Decode: object identifier of more than 1024 arcs.");
}

TEST(PerHostile, OverlongIntegers) {
  asn::integer<0u, 0u, 1> v;
  decodeHex(v, "05 00 FF FF FF FF");
  EXPECT_EQ(4294967295u, v.value());
  ORVO_EXPECT_THROW(decodeHex(v, "05 01 00 00 00 00"), codec::decodeFailed,
                    "Decode: number of 5 octets exceeds 32 bits.");
  ORVO_EXPECT_THROW(decodeHex(v, "06 00 00 00 00 00 01"), codec::decodeFailed,
                    "Decode: number of 6 octets exceeds 32 bits.");
  ORVO_EXPECT_THROW(decodeHex(v, "00"), codec::decodeFailed, "Decode: number without octets.");
  asn::integer<0u, 127u, 2> extensible;
  ORVO_EXPECT_THROW(decodeHex(extensible, "80 05 01 00 00 00 00"), codec::decodeFailed,
                    "Decode: number of 5 octets exceeds 32 bits.");
}

TEST(PerHostile, MalformedGeneralizedTime) {
  asn::generalizedTime t;
  ORVO_EXPECT_THROW(decodeHex(t, "05 32 30 30 34 30"), codec::decodeFailed,
                    "Decode: generalized time of 5 characters.");
  ORVO_EXPECT_THROW(decodeHex(t, "0E 32 30 30 34 30 33 30 35 30 36 30 37 30 58"), codec::decodeFailed,
                    "Decode: generalized time without digits.");
  ORVO_EXPECT_THROW(decodeHex(t, "0E 20 30 30 34 30 33 30 35 30 36 30 37 30 38"), codec::decodeFailed,
                    "Decode: generalized time without digits.");
  ORVO_EXPECT_THROW(decodeHex(t, "0E 32 30 30 34"), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
}

// Fourteen digits that are no date and time would otherwise be folded into
// another date, and encoding it again would not give back what came.
TEST(PerHostile, GeneralizedTimeOutOfRange) {
  static const struct {
    const char* text;
    bool taken;
  } cases[] = {
      {"00000300113400", false},  // year 0, day 0
      {"00010101000000", true},   // the earliest date taken
      {"20041301000000", false},  // month 13
      {"20040001000000", false},  // month 0
      {"20030229000000", false},  // 29 February of a common year
      {"20040229235959", true},   // ... and of a leap year
      {"20040431000000", false},  // 31 April
      {"20040305240000", false},  // hour 24
      {"20040305066000", false},  // minute 60
      {"20040305060760", false},  // second 60
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    asn::generalizedTime t;
    std::string octets = "\x0E" + std::string(c.text);
    if (c.taken) {
      decodeBytes(t, octets);
      asn::per::codec encoder;
      t.encode(encoder);
      EXPECT_EQ(octets, std::string(reinterpret_cast<const char*>(encoder.stream().data()),
                                    encoder.stream().octetLength()));
    } else {
      ORVO_EXPECT_THROW(decodeBytes(t, octets), codec::decodeFailed, "Decode: generalized time out of range.");
    }
  }
}

TEST(PerHostile, RootIndexAndLengthBeyondTheirBounds) {
  fixture::signal s;
  decodeHex(s, "80");
  EXPECT_EQ(2, s.index());
  ORVO_EXPECT_THROW(decodeHex(s, "C0"), codec::decodeFailed, "Decode: number 3 out of range 0..2.");
  asn::octetString<1u, 5u, 1> five;
  ORVO_EXPECT_THROW(decodeHex(five, "E0 01 02 03 04 05 06 07 08"), codec::decodeFailed,
                    "Decode: number 8 out of range 1..5.");
  fixture::colour e;
  ORVO_EXPECT_THROW(decodeHex(e, "60"), codec::decodeFailed, "Decode: number 3 out of range 0..2.");
}

TEST(PerHostile, LengthsBeyondTheInput) {
  asn::octetString<0u, 0u, 1> s;
  ORVO_EXPECT_THROW(decodeHex(s, "BF FF 00"), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  asn::bmpString<0u, 0u, 1> b;
  ORVO_EXPECT_THROW(decodeHex(b, "BF FF 00 41"), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  asn::opentype o;
  ORVO_EXPECT_THROW(decodeHex(o, "7F 00"), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  fixture::record r;
  ORVO_EXPECT_THROW(decodeBytes(r, std::string()), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
}

TEST(PerHostile, EveryPrefixOfAValidEncodingThrows) {
  fixture::recordV2 full;
  full.id = 513;
  full.entry = new fixture::item;
  *static_cast<fixture::name32*>(full.entry->select(1)) = "gatekeeper";
  full.note = new asn::octetString<1u, 128u, 1>;
  full.note->setValue("\x01\x02\x03\x04\x05", 5);
  full.hue = new fixture::colour;
  full.hue->setValue(3);
  full.enabled = new asn::booltype(true);
  full.extra = new asn::null;
  full.label = new fixture::name32;
  *full.label = "x";
  full.count = new asn::integer<0u, 255u, 1>(200);
  std::string octets = fixture::fromHex(encodeHex(full));
  fixture::recordV2 whole;
  decodeBytes(whole, octets);
  EXPECT_TRUE(whole.isEqual(full));
  for (size_t n = 0; n < octets.size(); ++n) {
    fixture::recordV2 older;
    ORVO_EXPECT_THROW_ANY(decodeBytes(older, octets.substr(0, n)));
    fixture::record oldest;
    ORVO_EXPECT_THROW_ANY(decodeBytes(oldest, octets.substr(0, n)));
  }
}

TEST(PerHostile, ExceptionTexts) {
  std::unique_ptr<codec::encodeConstrainedCheckFailed> e(
      new codec::encodeConstrainedCheckFailed(codec::encodeConstrainedCheckFailed::octetString));
  EXPECT_EQ("Encode octet string constraint check failed.", toStd(*e->message()));
  e.reset(new codec::encodeConstrainedCheckFailed(codec::encodeConstrainedCheckFailed::bmpString));
  EXPECT_EQ("Encode BMP string constraint check failed.", toStd(*e->message()));
}

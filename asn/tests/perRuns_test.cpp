// The codec's whole-octet paths: 8-bit and BMP characters written and read
// as runs, object identifiers gathered on the stack or not, open types
// decoded in place. Encodings worked out by hand from X.691.
#include <orvoTesting.h>

#include <string>
#include <vector>

#include "fixtureTypes.h"

using asn::per::codec;
using fixture::decodeHex;
using fixture::encodeHex;

namespace {

using printable64 = asn::printableString<1u, 64u, 1, asn::constrainedString::PrintableSet, 74u>;

// Encodes `value` behind `k` one-bits.
std::string encodeAfter(unsigned k, const asn::object& value) {
  codec encoder;
  encoder.stream().writeBits((1u << k) - 1, k);
  value.encode(encoder);
  return fixture::toHex(encoder.stream().data(), encoder.stream().octetLength());
}

// Decodes `value` behind `k` one-bits, which must be there.
void decodeAfter(unsigned k, asn::object& value, const std::string& hex) {
  std::string octets = fixture::fromHex(hex);
  codec decoder(octets.data(), unsigned(octets.size()));
  ASSERT_EQ((1u << k) - 1, decoder.stream().readBits(k));
  value.decode(decoder);
}

}  // namespace

TEST(PerRuns, EightBitCharactersStartAtTheOctetAfterTheLength) {
  fixture::name32 name;
  name = "Hello";
  // Length 5 - 1 in 5 bits (00100), padding, then the five codes.
  const char* const expected[] = {"20 48 65 6C 6C 6F", "E4 48 65 6C 6C 6F", "F9 00 48 65 6C 6C 6F"};
  const unsigned offsets[] = {0, 3, 5};
  for (unsigned i = 0; i < 3; ++i) {
    SCOPED_TRACE(offsets[i]);
    EXPECT_EQ(expected[i], encodeAfter(offsets[i], name));
    fixture::name32 back;
    decodeAfter(offsets[i], back, expected[i]);
    EXPECT_EQ("Hello", toStd(back.value()));
  }
}

TEST(PerRuns, AFixedPairOfEightBitCharactersIsNotAligned) {
  asn::IA5String<2u, 2u, 1, asn::constrainedString::IA5Set, 128u> pair;
  pair = "Hi";
  // 1, then 0100 1000 0110 1001 straight after it.
  EXPECT_EQ("A4 34 80", encodeAfter(1, pair));
  asn::IA5String<2u, 2u, 1, asn::constrainedString::IA5Set, 128u> back;
  decodeAfter(1, back, "A4 34 80");
  EXPECT_EQ("Hi", toStd(back.value()));
}

// Characters written as their own codes are not checked against the
// permitted alphabet either way: what a peer sent can be sent on as it came.
TEST(PerRuns, CodesOutsideTheAlphabetPassBothWays) {
  struct {
    const char* text;
    const char* ia5;        // IA5String (SIZE (1..32)): codes 0 to 127
    const char* printable;  // PrintableString (SIZE (1..64)): 74 codes with gaps
  } const cases[] = {
      {"caf\xE9", "18 63 61 66 E9", "0C 63 61 66 E9"},
      {"A\x80", "08 41 80", "04 41 80"},
      {"AB!C", "18 41 42 21 43", "0C 41 42 21 43"},
      {"\xFF", "00 FF", "00 FF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ia5);
    fixture::name32 name;
    name = c.text;
    EXPECT_EQ(c.ia5, encodeHex(name));
    fixture::name32 nameBack;
    decodeHex(nameBack, c.ia5);
    EXPECT_EQ(c.text, toStd(nameBack.value()));
    printable64 text;
    text = c.text;
    EXPECT_EQ(c.printable, encodeHex(text));
    printable64 textBack;
    decodeHex(textBack, c.printable);
    EXPECT_EQ(c.text, toStd(textBack.value()));
  }
  // A fixed pair is written bit by bit, 0xE9 as much as any other code.
  asn::IA5String<2u, 2u, 1, asn::constrainedString::IA5Set, 128u> pair;
  pair = "\xE9!";
  // 1, then 1110 1001 0010 0001.
  EXPECT_EQ("F4 90 80", encodeAfter(1, pair));
  asn::IA5String<2u, 2u, 1, asn::constrainedString::IA5Set, 128u> pairBack;
  decodeAfter(1, pairBack, "F4 90 80");
  EXPECT_EQ("\xE9!", toStd(pairBack.value()));
}

TEST(PerRuns, BmpCharactersAreTwoOctetsMostSignificantFirst) {
  asn::bmpString<1u, 128u, 1> s;
  s = "Ab";
  // 111, length 2 - 1 in 7 bits, padding, 0041 0062.
  EXPECT_EQ("E0 40 00 41 00 62", encodeAfter(3, s));
  asn::bmpString<1u, 128u, 1> back;
  decodeAfter(3, back, "E0 40 00 41 00 62");
  EXPECT_TRUE(back.isEqual(s));

  s.assign(L"\u20ACx");
  EXPECT_EQ("02 20 AC 00 78", encodeHex(s));
  decodeHex(back, "02 20 AC 00 78");
  EXPECT_EQ(0x20ACu, back.at(0));
  EXPECT_EQ(uint32_t('x'), back.at(1));
  EXPECT_EQ(2u, back.length());

  // An empty unbounded string: its length octet is aligned, nothing follows.
  asn::bmpString<0u, 0u, 1> empty;
  EXPECT_EQ("E0 00", encodeAfter(3, empty));
  asn::bmpString<0u, 0u, 1> emptyBack;
  emptyBack = "x";
  decodeAfter(3, emptyBack, "E0 00");
  EXPECT_EQ(0u, emptyBack.length());
}

TEST(PerRuns, ObjectIdentifiersEitherSideOfThirtyTwoArcs) {
  // 0.0 and then 1, 2, ...: one octet each, the first two arcs share one.
  for (unsigned arcs : {32u, 33u, 200u}) {
    SCOPED_TRACE(arcs);
    std::vector<uint32_t> values = {0, 0};
    std::string hex = fixture::toHex(std::vector<unsigned char>{(unsigned char)(arcs - 1)}.data(), 1) + " 00";
    for (unsigned i = 1; i + 2 <= arcs; ++i) {
      values.push_back(i < 128 ? i : 1);
      unsigned char octet = (unsigned char)(i < 128 ? i : 1);
      hex += " " + fixture::toHex(&octet, 1);
    }
    asn::oid id;
    id.set(values.data(), unsigned(values.size()));
    if (arcs < 129) {
      EXPECT_EQ(hex, encodeHex(id));
    }
    asn::oid back;
    decodeHex(back, encodeHex(id));
    ASSERT_EQ(arcs, back.count());
    EXPECT_EQ(0, back.compare(id));
  }
}

TEST(PerRuns, AnOpenTypeIsReadWithinItsOwnLength) {
  // Item's first extension alternative, Colour blue: 1 0000000, then an
  // open type of one octet holding 0 10.
  fixture::item item;
  decodeHex(item, "80 01 40");
  ASSERT_EQ(2, item.index());
  EXPECT_EQ(2u, static_cast<fixture::colour*>(item.alternative())->index());
  // An empty open type: the colour's bits are not taken from what follows.
  ORVO_EXPECT_THROW(decodeHex(item, "80 00 40"), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  ORVO_EXPECT_THROW(decodeHex(item, "80 00 40 40 40 40 40 40 40 40 40"), orvo::bitStream::outOfBounds,
                    "Bit stream index out of bounds.");
}

// Record with its extension bit set, no optionals, id 7 (80 00 07), then the
// count of additions and their presence bits (05 80: three, hue and enabled;
// 07 20: four, hue and the fourth, unknown), then each present one as an
// open type. Each is read within its own length: octets it leaves unread
// are skipped, and it cannot reach into what follows.
TEST(PerRuns, AnAdditionIsReadWithinItsOwnLength) {
  struct row {
    const char* hex;
    bool decodes;
    const char* unknownOctets;  // of the fourth addition; null when absent
  };
  const row rows[] = {
      {"80 00 07 05 80 01 40 01 80", true, nullptr},
      {"80 00 07 05 80 02 40 FF 01 80", true, nullptr},           // a spare octet after blue
      {"80 00 07 05 80 03 40 FF FF 01 80 77", true, nullptr},     // two, and input after the last
      {"80 00 07 07 20 01 40 02 AB CD", true, "\xAB\xCD"},        // the unknown one kept whole
      {"80 00 07 05 80 00 01 80", false, nullptr},                // an empty hue: no bits for blue
      {"80 00 07 05 80 01 40 00 80", false, nullptr},             // an empty enabled
      {"80 00 07 05 80 05 40 01 80", false, nullptr},             // a length beyond the input
  };
  for (const row& r : rows) {
    fixture::record value;
    if (!r.decodes) {
      ORVO_EXPECT_THROW(decodeHex(value, r.hex), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
      continue;
    }
    decodeHex(value, r.hex);
    EXPECT_EQ(7u, value.id.value()) << r.hex;
    ASSERT_NE(nullptr, value.hue) << r.hex;
    EXPECT_EQ(2u, value.hue->index()) << r.hex;
    if (r.unknownOctets) {
      EXPECT_EQ(nullptr, value.enabled) << r.hex;
      ASSERT_NE(nullptr, value.unknown()) << r.hex;
      EXPECT_EQ(r.unknownOctets, toStd(value.unknown()->get(0).octets())) << r.hex;
    } else {
      ASSERT_NE(nullptr, value.enabled) << r.hex;
      EXPECT_TRUE(value.enabled->value()) << r.hex;
      EXPECT_EQ(nullptr, value.unknown()) << r.hex;
    }
  }
}

// Many additions: their presence bits are read 32 or 64 at a time or, past
// 64, one by one; each must still name its own addition. The record knows
// three (hue, enabled, extra); the rest land in the side record.
TEST(PerRuns, PresenceOfManyAdditionsNamesEachOne) {
  struct row {
    const char* hex;
    unsigned count;  // additions announced
    bool hue, enabled, extra;
    unsigned slot;  // the unknown one present
    const char* octets;
  };
  const row rows[] = {
      // 40: 0 100111, then bits 0 and 39.
      {"80 00 07 4F 00 00 00 00 02 01 40 01 AA", 40, true, false, false, 36, "\xAA"},
      // 64: 0 111111, then bits 2 and 63.
      {"80 00 07 7E 40 00 00 00 00 00 00 02 01 00 01 DD", 64, false, false, true, 60, "\xDD"},
      // 70: 1, aligned 01 45, then bits 1 and 65.
      {"80 00 07 80 01 45 40 00 00 00 00 00 00 00 40 01 80 02 BB CC", 70, false, true, false, 62, "\xBB\xCC"},
  };
  for (const row& r : rows) {
    fixture::record value;
    decodeHex(value, r.hex);
    EXPECT_EQ(r.hue, value.hue != nullptr) << r.count;
    EXPECT_EQ(r.enabled, value.enabled != nullptr) << r.count;
    EXPECT_EQ(r.extra, value.extra != nullptr) << r.count;
    if (value.hue) {
      EXPECT_EQ(2u, value.hue->index());
    }
    if (value.enabled) {
      EXPECT_TRUE(value.enabled->value());
    }
    ASSERT_NE(nullptr, value.unknown()) << r.count;
    ASSERT_EQ(r.count - 3, value.unknown()->count());
    for (unsigned i = 0; i < r.count - 3; ++i) EXPECT_EQ(i == r.slot, value.unknown()->isPresent(i)) << r.count << " #" << i;
    EXPECT_EQ(r.octets, toStd(value.unknown()->get(r.slot).octets())) << r.count;
  }
}

TEST(PerRuns, ADecoderKeepsItsOwnCopyOfTheInput) {
  std::string octets = fixture::fromHex("80 01 40");
  codec decoder(octets.data(), unsigned(octets.size()));
  octets.assign(3, '\0');
  fixture::item item;
  item.decode(decoder);
  ASSERT_EQ(2, item.index());
  EXPECT_EQ(2u, static_cast<fixture::colour*>(item.alternative())->index());
}

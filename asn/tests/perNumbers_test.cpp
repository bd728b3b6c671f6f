// Whole numbers, lengths and INTEGER values of the aligned PER codec, byte
// for byte against values worked out by hand from X.691.
#include <functional>

#include <orvoTesting.h>

#include "fixtureTypes.h"

using asn::per::codec;
using fixture::decodeHex;
using fixture::encodeHex;

namespace {

std::string written(const std::function<void(codec&)>& write) {
  codec encoder;
  write(encoder);
  unsigned n = encoder.stream().octetLength();
  return n ? fixture::toHex(encoder.stream().data(), n) : std::string();
}

uint32_t constrained(const std::string& hex, uint32_t lb, uint32_t ub, unsigned leadingBits = 0) {
  std::string octets = fixture::fromHex(hex);
  codec decoder(octets.data(), unsigned(octets.size()));
  decoder.stream().readBits(leadingBits);
  return decoder.decodeConstrainedWholeNumber(lb, ub);
}

}  // namespace

TEST(PerWholeNumber, SmallRangesAreUnalignedBitFields) {
  EXPECT_EQ("A0", written([](codec& c) { c.encodeConstrainedWholeNumber(5, 0, 7); }));
  EXPECT_EQ(5u, constrained("A0", 0, 7));
  // Range 0: nothing at all.
  EXPECT_EQ("", written([](codec& c) { c.encodeConstrainedWholeNumber(9, 9, 9); }));
  EXPECT_EQ(9u, constrained("", 9, 9));
  // Range 1: one bit, behind a leading bit.
  EXPECT_EQ("C0", written([](codec& c) {
              c.stream().writeBits(1, 1);
              c.encodeConstrainedWholeNumber(1, 0, 1);
            }));
  // Range 254: eight bits, not aligned.
  EXPECT_EQ("FF 00", written([](codec& c) {
              c.stream().writeBits(1, 1);
              c.encodeConstrainedWholeNumber(254, 0, 254);
            }));
  EXPECT_EQ(254u, constrained("FF 00", 0, 254, 1));
}

TEST(PerWholeNumber, OctetRangesAreAligned) {
  // Range 255: one aligned octet.
  EXPECT_EQ("80 FE", written([](codec& c) {
              c.stream().writeBits(1, 1);
              c.encodeConstrainedWholeNumber(254, 0, 255);
            }));
  EXPECT_EQ(254u, constrained("80 FE", 0, 255, 1));
  // Range 256 and 65535: two aligned octets.
  EXPECT_EQ("80 01 00", written([](codec& c) {
              c.stream().writeBits(1, 1);
              c.encodeConstrainedWholeNumber(256, 0, 256);
            }));
  EXPECT_EQ("01 2C", written([](codec& c) { c.encodeConstrainedWholeNumber(300, 0, 65535); }));
  EXPECT_EQ(300u, constrained("01 2C", 0, 65535));
}

TEST(PerWholeNumber, LargeRangesCarryAnOctetCount) {
  EXPECT_EQ("40 01 2C", written([](codec& c) { c.encodeConstrainedWholeNumber(300, 0, 4294967295u); }));
  EXPECT_EQ(300u, constrained("40 01 2C", 0, 4294967295u));
  EXPECT_EQ("80 01 00 00", written([](codec& c) { c.encodeConstrainedWholeNumber(65536, 0, 65536); }));
  EXPECT_EQ("80 FF FF FF", written([](codec& c) { c.encodeConstrainedWholeNumber(16777215, 0, 16777215); }));
  EXPECT_EQ("C0 01 00 00 00", written([](codec& c) { c.encodeConstrainedWholeNumber(16777216, 0, 16777216); }));
  EXPECT_EQ("C0 FF FF FF FF", written([](codec& c) { c.encodeConstrainedWholeNumber(4294967295u, 0, 4294967295u); }));
  EXPECT_EQ(4294967295u, constrained("C0 FF FF FF FF", 0, 4294967295u));
  EXPECT_EQ("00 00", written([](codec& c) { c.encodeConstrainedWholeNumber(1, 1, 4294967295u); }));
}

TEST(PerWholeNumber, NegativeLowerBound) {
  asn::integer<4294705152u, 262143u, 1> v;
  v = uint32_t(-1);
  EXPECT_EQ("80 03 FF FF", encodeHex(v));
  asn::integer<4294705152u, 262143u, 1> back;
  decodeHex(back, "80 03 FF FF");
  EXPECT_EQ(-1, back.signedValue());
  v = uint32_t(-262144);
  EXPECT_EQ("00 00", encodeHex(v));
  v = 262144;
  ORVO_EXPECT_THROW(encodeHex(v), codec::encodeConstrainedCheckFailed, "Encode integer constraint check failed.");
}

TEST(PerWholeNumber, OutOfRangeOnEncodeAndDecode) {
  ORVO_EXPECT_THROW(written([](codec& c) { c.encodeConstrainedWholeNumber(21, 10, 20); }),
                    codec::encodeConstrainedCheckFailed, "Encode integer constraint check failed.");
  ORVO_EXPECT_THROW(written([](codec& c) { c.encodeConstrainedWholeNumber(9, 10, 20); }),
                    codec::encodeConstrainedCheckFailed, "Encode integer constraint check failed.");
  // 4 bits can say 15 where 0..10 ends at 10.
  ORVO_EXPECT_THROW(constrained("F0", 0, 10), codec::decodeFailed, "Decode: number 15 out of range 0..10.");
}

TEST(PerWholeNumber, SemiConstrainedAndNormallySmall) {
  EXPECT_EQ("02 01 27", written([](codec& c) { c.encodeSemiConstrainedWholeNumber(300, 5); }));
  ORVO_EXPECT_THROW(written([](codec& c) { c.encodeSemiConstrainedWholeNumber(4, 5); }),
                    codec::encodeConstrainedCheckFailed, "Encode integer constraint check failed.");
  EXPECT_EQ("0A", written([](codec& c) { c.encodeNormallySmall(5, 0); }));
  EXPECT_EQ("7E", written([](codec& c) { c.encodeNormallySmall(63, 0); }));
  EXPECT_EQ("80 01 40", written([](codec& c) { c.encodeNormallySmall(64, 0); }));
  ORVO_EXPECT_THROW(written([](codec& c) { c.encodeNormallySmall(0, 1); }), codec::encodeConstrainedCheckFailed,
                    "Encode small integer constraint check failed.");
  std::string octets = fixture::fromHex("80 01 40");
  codec decoder(octets.data(), 3);
  EXPECT_EQ(65u, decoder.decodeNormallySmall(1));
}

TEST(PerWholeNumber, BitCount) {
  EXPECT_EQ(0u, codec::bitCount(0));
  EXPECT_EQ(1u, codec::bitCount(1));
  EXPECT_EQ(2u, codec::bitCount(3));
  EXPECT_EQ(3u, codec::bitCount(4));
  EXPECT_EQ(32u, codec::bitCount(4294967295u));
}

TEST(PerLength, UnconstrainedForms) {
  EXPECT_EQ("00", written([](codec& c) { c.encodeLength(0, 0, 4294967295u); }));
  EXPECT_EQ("7F", written([](codec& c) { c.encodeLength(127, 0, 4294967295u); }));
  EXPECT_EQ("80 80", written([](codec& c) { c.encodeLength(128, 0, 4294967295u); }));
  EXPECT_EQ("80 C8", written([](codec& c) { c.encodeLength(200, 0, 4294967295u); }));
  EXPECT_EQ("BF FF", written([](codec& c) { c.encodeLength(16383, 0, 4294967295u); }));
  ORVO_EXPECT_THROW(written([](codec& c) { c.encodeLength(16384, 0, 4294967295u); }), codec::lengthNotSupported,
                    "Length more than 16K is not supported.");
  std::string octets = fixture::fromHex("BF FF 80 C8 7F");
  codec decoder(octets.data(), unsigned(octets.size()));
  EXPECT_EQ(16383u, decoder.decodeLength(0, 4294967295u));
  EXPECT_EQ(200u, decoder.decodeLength(0, 4294967295u));
  EXPECT_EQ(127u, decoder.decodeLength(0, 4294967295u));
}

TEST(PerLength, FragmentedLengthIsRefusedOnDecode) {
  std::string octets = fixture::fromHex("C1 00");
  codec decoder(octets.data(), 2);
  ORVO_EXPECT_THROW(decoder.decodeLength(0, 4294967295u), codec::lengthNotSupported,
                    "Length more than 16K is not supported.");
}

TEST(PerLength, BoundsOfTheUnconstrainedForm) {
  // A SIZE (1..MAX) count of 0 fails as the constrained form would.
  ORVO_EXPECT_THROW(written([](codec& c) { c.encodeLength(0, 1, 4294967295u); }), codec::encodeConstrainedCheckFailed,
                    "Encode integer constraint check failed.");
  ORVO_EXPECT_THROW(written([](codec& c) { c.encodeLength(70000, 0, 65536); }), codec::encodeConstrainedCheckFailed,
                    "Encode length constraint check failed.");
  std::string octets = fixture::fromHex("00");
  codec decoder(octets.data(), 1);
  ORVO_EXPECT_THROW(decoder.decodeLength(1, 4294967295u), codec::decodeFailed,
                    "Decode: length 0 out of range 1..4294967295.");
}

// X.691 10.8: a length octet, then the fewest octets of the two's complement.
// The 32 bits of the value are read as a signed number.
TEST(PerInteger, UnconstrainedIsTwosComplement) {
  struct {
    int64_t value;
    const char* hex;
  } const cases[] = {
      {0, "01 00"},
      {127, "01 7F"},
      {128, "02 00 80"},
      {200, "02 00 C8"},
      {255, "02 00 FF"},
      {256, "02 01 00"},
      {-1, "01 FF"},
      {-128, "01 80"},
      {-129, "02 FF 7F"},
      {65535, "03 00 FF FF"},
      {-32769, "03 FF 7F FF"},
      {8388608, "04 00 80 00 00"},
      {2147483647, "04 7F FF FF FF"},
      {-2147483648LL, "04 80 00 00 00"},
      // Stored bits above 2^31 go out as the negative number they make.
      {4294967295LL, "01 FF"},
      {4294967240LL, "01 C8"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    asn::integer<0u, 0u, 1> v;
    v = uint32_t(c.value);
    EXPECT_EQ(c.hex, encodeHex(v));
    asn::integer<0u, 0u, 1> back;
    decodeHex(back, c.hex);
    EXPECT_EQ(uint32_t(c.value), back.value());
  }
}

TEST(PerInteger, UnconstrainedDecodingOfWideAndBrokenNumbers) {
  struct {
    const char* hex;
    uint32_t value;
    const char* failure;  // null when the octets decode
  } const cases[] = {
      // A peer's 2^31..2^32-1 behind a leading zero octet.
      {"05 00 FF FF FF FE", 4294967294u, nullptr},
      {"05 00 80 00 00 00", 2147483648u, nullptr},
      {"05 00 00 00 00 05", 5u, nullptr},
      {"02 00 05", 5u, nullptr},
      {"00", 0, "Decode: number without octets."},
      {"05 01 00 00 00 00", 0, "Decode: number of 5 octets exceeds 32 bits."},
      {"05 FF FF FF FF FF", 0, "Decode: number of 5 octets exceeds 32 bits."},
      {"06 00 00 00 00 00 01", 0, "Decode: number of 6 octets exceeds 32 bits."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hex);
    asn::integer<0u, 0u, 1> back;
    if (c.failure) {
      ORVO_EXPECT_THROW(decodeHex(back, c.hex), codec::decodeFailed, c.failure);
    } else {
      decodeHex(back, c.hex);
      EXPECT_EQ(c.value, back.value());
    }
  }
}

// Outside its root an extensible INTEGER is coded as if unconstrained
// (X.691 12.1): the extension bit, a length octet, two's complement.
TEST(PerInteger, ExtensibleRange) {
  struct {
    int64_t value;
    const char* small;  // INTEGER (0..127, ...)
    const char* wide;   // INTEGER (0..16383, ...)
  } const cases[] = {
      {5, "05", "00 00 05"},
      {127, "7F", "00 00 7F"},
      {128, "80 02 00 80", "00 00 80"},
      {200, "80 02 00 C8", "00 00 C8"},
      {16383, "80 02 3F FF", "00 3F FF"},
      {20000, "80 02 4E 20", "80 02 4E 20"},
      {40000, "80 03 00 9C 40", "80 03 00 9C 40"},
      {-1, "80 01 FF", "80 01 FF"},
      {-129, "80 02 FF 7F", "80 02 FF 7F"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    asn::integer<0u, 127u, 2> small;
    small = uint32_t(c.value);
    EXPECT_EQ(c.small, encodeHex(small));
    asn::integer<0u, 127u, 2> smallBack;
    decodeHex(smallBack, c.small);
    EXPECT_EQ(uint32_t(c.value), smallBack.value());
    asn::integer<0u, 16383u, 2> wide;
    wide = uint32_t(c.value);
    EXPECT_EQ(c.wide, encodeHex(wide));
    asn::integer<0u, 16383u, 2> wideBack;
    decodeHex(wideBack, c.wide);
    EXPECT_EQ(uint32_t(c.value), wideBack.value());
  }
}

TEST(PerInteger, BoundedInstances) {
  asn::integer<1u, 65535u, 1> seq;
  seq = 1;
  EXPECT_EQ("00 00", encodeHex(seq));
  seq = 0;
  ORVO_EXPECT_THROW(encodeHex(seq), codec::encodeConstrainedCheckFailed, "Encode integer constraint check failed.");
  asn::integer<0u, 255u, 1> octet;
  octet = 255;
  EXPECT_EQ("FF", encodeHex(octet));
  asn::integer<0u, 4294967295u, 1> full;
  full = 300;
  EXPECT_EQ("40 01 2C", encodeHex(full));
}

// INTEGER (lb..MAX) (X.691 12.2.3, 10.7): the offset from lb as a
// non-negative number in the fewest octets, behind an unconstrained length.
TEST(PerInteger, SemiConstrained) {
  struct {
    uint32_t value;
    const char* fromOne;   // INTEGER (1..MAX), null when below the bound
    const char* fromZero;  // INTEGER (0..MAX)
  } const cases[] = {
      {0, nullptr, "01 00"},
      {1, "01 00", "01 01"},
      {2, "01 01", "01 02"},
      {255, "01 FE", "01 FF"},
      {256, "01 FF", "02 01 00"},
      {257, "02 01 00", "02 01 01"},
      {65535, "02 FF FE", "02 FF FF"},
      {65536, "02 FF FF", "03 01 00 00"},
      {65537, "03 01 00 00", "03 01 00 01"},
      {16777216, "03 FF FF FF", "04 01 00 00 00"},
      {4294967295u, "04 FF FF FF FE", "04 FF FF FF FF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    asn::integer<1u, 4294967295u, 3> one(c.value);
    if (c.fromOne) {
      EXPECT_EQ(c.fromOne, encodeHex(one));
      asn::integer<1u, 4294967295u, 3> back;
      decodeHex(back, c.fromOne);
      EXPECT_EQ(c.value, back.value());
    } else {
      ORVO_EXPECT_THROW(encodeHex(one), codec::encodeConstrainedCheckFailed, "Encode integer constraint check failed.");
    }
    asn::integer<0u, 4294967295u, 3> zero(c.value);
    EXPECT_EQ(c.fromZero, encodeHex(zero));
    asn::integer<0u, 4294967295u, 3> back;
    decodeHex(back, c.fromZero);
    EXPECT_EQ(c.value, back.value());
  }
  // The length octet is aligned behind bits written before it.
  asn::integer<1u, 4294967295u, 3> seven(7);
  EXPECT_EQ("80 01 06", written([&](codec& c) {
              c.stream().writeBits(1, 1);
              seven.encode(c);
            }));
}

TEST(PerInteger, SemiConstrainedDecodingOfShortAndBrokenInput) {
  struct {
    const char* hex;
    uint32_t lb;
    const char* failure;  // null: the input ends too soon
  } const cases[] = {
      {"", 1, nullptr},
      {"01", 1, nullptr},
      {"02 01", 1, nullptr},
      {"04 FF FF FF", 0, nullptr},
      {"00", 1, "Decode: number without octets."},
      {"00", 0, "Decode: number without octets."},
      // The offset fits 32 bits but lb + offset does not.
      {"04 FF FF FF FF", 1, "Decode: number above 4294967295."},
      {"05 01 00 00 00 00", 0, "Decode: number of 5 octets exceeds 32 bits."},
      {"06 00 00 00 00 00 01", 1, "Decode: number of 6 octets exceeds 32 bits."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hex);
    asn::integer<1u, 4294967295u, 3> one;
    asn::integer<0u, 4294967295u, 3> zero;
    asn::integerBase& back = c.lb == 1 ? static_cast<asn::integerBase&>(one) : zero;
    if (c.failure)
      ORVO_EXPECT_THROW(decodeHex(back, c.hex), codec::decodeFailed, c.failure);
    else
      ORVO_EXPECT_THROW(decodeHex(back, c.hex), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  }
}

// A single permitted value takes no bits at all (X.691 12.2.1).
TEST(PerInteger, SingleValue) {
  asn::integer<5u, 5u, 1> v(5);
  EXPECT_EQ("", encodeHex(v));
  asn::integer<5u, 5u, 1> back;
  decodeHex(back, "");
  EXPECT_EQ(5u, back.value());
  v = 6;
  ORVO_EXPECT_THROW(encodeHex(v), codec::encodeConstrainedCheckFailed, "Encode integer constraint check failed.");
}

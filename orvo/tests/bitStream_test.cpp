#include <orvo/bitStream.h>

#include <orvoTesting.h>

#include <vector>

namespace {

std::vector<unsigned char> encoded(const orvo::bitStream& s) {
  const unsigned char* p = s.data();
  return std::vector<unsigned char>(p, p + s.octetLength());
}

using bytes = std::vector<unsigned char>;

TEST(BitStreamWrite, FieldsRunMostSignificantBitFirst) {
  orvo::bitStream s(128);
  s.writeBits(5, 3);
  s.writeBits(1, 6);
  EXPECT_EQ(bytes({0xA0, 0x80}), encoded(s));
  EXPECT_EQ(2u, s.octetLength());
  EXPECT_EQ(9u, s.bitLength());
}

TEST(BitStreamWrite, NineBitFieldAtLastBitOfOctetSpillsIntoNext) {
  orvo::bitStream s(4);
  s.writeOctets("\x11\x22", 2);
  s.writeBits(0, 7);
  s.writeBits(0x155, 9);  // 1 0101 0101
  EXPECT_EQ(bytes({0x11, 0x22, 0x01, 0x55}), encoded(s));
  EXPECT_EQ(32u, s.bitLength());
  // 2 + 2 octets reached the 4-octet allocation, so it grew to hold one more.
  EXPECT_EQ(8u, s.reserve(0));
}

TEST(BitStreamWrite, ThirtyTwoBitFieldAcrossFiveOctets) {
  orvo::bitStream s(128);
  s.writeBits(5, 3);
  s.writeBits(0xDEADBEEF, 32);
  EXPECT_EQ(bytes({0xBB, 0xD5, 0xB7, 0xDD, 0xE0}), encoded(s));
  EXPECT_EQ(35u, s.bitLength());

  orvo::bitStream r(s.data(), s.octetLength(), 128);
  EXPECT_EQ(5u, r.readBits(3));
  EXPECT_EQ(0xDEADBEEFu, r.readBits(32));
}

TEST(BitStreamWrite, AlignmentLeavesRestOfOctetZero) {
  orvo::bitStream s(128);
  s.alignWrite();
  EXPECT_EQ(0u, s.bitLength());
  s.writeBits(7, 3);
  s.alignWrite();
  EXPECT_EQ(8u, s.bitLength());
  s.alignWrite();
  EXPECT_EQ(8u, s.bitLength());
  s.writeBits(1, 1);
  EXPECT_EQ(bytes({0xE0, 0x80}), encoded(s));
}

TEST(BitStreamWrite, OctetsStartAtNextBoundary) {
  orvo::bitStream s(128);
  s.writeBits(5, 3);
  s.writeOctet(0x1FF);  // only the low 8 bits count
  s.writeOctets("\x01\x02", 2);
  EXPECT_EQ(bytes({0xA0, 0xFF, 0x01, 0x02}), encoded(s));
}

TEST(BitStreamWrite, ArraysTakeWholeWordsThenLowBitsOfLast) {
  orvo::bitStream s(128);
  const unsigned words[] = {0x01020304, 0xAB};
  s.writeBitsArray(words, 40);
  const unsigned partial[] = {0x80000000, 0x5};
  s.writeBitsArray(partial, 36);
  EXPECT_EQ(bytes({0x01, 0x02, 0x03, 0x04, 0xAB, 0x80, 0x00, 0x00, 0x00, 0x50}), encoded(s));

  orvo::bitStream r(s.data(), s.octetLength(), 128);
  unsigned back[2] = {0, 0};
  r.readBitsArray(back, 40);
  EXPECT_EQ(0x01020304u, back[0]);
  EXPECT_EQ(0xABu, back[1]);
  r.readBitsArray(back, 36);
  EXPECT_EQ(0x80000000u, back[0]);
  EXPECT_EQ(0x5u, back[1]);
}

TEST(BitStreamWrite, FieldsWiderThanAWordAreZeroExtended) {
  orvo::bitStream s(128);
  s.writeBits(0xFF, 40);
  EXPECT_EQ(bytes({0x00, 0x00, 0x00, 0x00, 0xFF}), encoded(s));
  orvo::bitStream r(s.data(), s.octetLength(), 128);
  EXPECT_EQ(0xFFu, r.readBits(40));
}

TEST(BitStreamWrite, ManyOctetsGrowInSteps) {
  orvo::bitStream s(128);
  for (unsigned i = 0; i < 1000; ++i) s.writeOctet(i);
  ASSERT_EQ(1000u, s.octetLength());
  const unsigned char* p = s.data();
  for (unsigned i = 0; i < 1000; ++i) ASSERT_EQ(i & 0xFF, p[i]) << i;
  EXPECT_EQ(1024u, s.reserve(0));
}

TEST(BitStreamGrowth, StepIsRoundedToMultipleOfFour) {
  orvo::bitStream s(5);
  s.writeBits(1, 1);
  EXPECT_EQ(8u, s.reserve(0));

  orvo::bitStream full(8);
  full.writeOctets("12345678", 8);
  EXPECT_EQ(16u, full.reserve(0));

  orvo::bitStream zero(0);  // a zero step is raised rather than dividing by it
  zero.writeOctets("123456", 6);
  EXPECT_EQ(8u, zero.reserve(0));
}

TEST(BitStreamRead, ThirtyTwoBitsAreBigEndian) {
  const unsigned char in[] = {0x12, 0x34, 0x56, 0x78, 0x9A};
  orvo::bitStream r(in, 4, 128);
  EXPECT_EQ(0x12345678u, r.readBits(32));

  orvo::bitStream shifted(in, 5, 128);
  EXPECT_EQ(1u, shifted.readBits(4));
  EXPECT_EQ(0x23456789u, shifted.readBits(32));
  EXPECT_EQ(0xAu, shifted.readBits(4));
  EXPECT_EQ(0u, shifted.readBits(0));
}

TEST(BitStreamRead, AlignAndOctetsSkipRestOfStartedOctet) {
  const unsigned char in[] = {0xF0, 0x42, 0x43, 0x44};
  orvo::bitStream r(in, 4, 128);
  EXPECT_EQ(1u, r.readBits(1));
  EXPECT_EQ(0x42u, r.readOctet());
  EXPECT_EQ(0u, r.readBits(1));
  unsigned char out[1] = {0};
  r.readOctets(out, 1);
  EXPECT_EQ(0x44, out[0]);
}

TEST(BitStreamRead, ReadingPastTheEndThrows) {
  const unsigned char in[] = {0xAB, 0xCD};
  orvo::bitStream r(in, 2, 128);
  EXPECT_EQ(0xABCDu, r.readBits(16));
  ORVO_EXPECT_THROW(r.readBits(1), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  ORVO_EXPECT_THROW(r.readOctet(), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  ORVO_EXPECT_THROW(r.data(), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
}

TEST(BitStreamRead, FailedOctetRunCopiesNothingAndKeepsPosition) {
  const unsigned char in[] = {0xAB, 0xCD};
  orvo::bitStream r(in, 2, 128);
  unsigned char out[3] = {0x11, 0x22, 0x33};
  ORVO_EXPECT_THROW(r.readOctets(out, 3), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  EXPECT_EQ(bytes({0x11, 0x22, 0x33}), bytes(out, out + 3));
  r.readOctets(out, 2);
  EXPECT_EQ(bytes({0xAB, 0xCD, 0x33}), bytes(out, out + 3));
  // A length that would wrap a 32-bit position is refused, not wrapped.
  ORVO_EXPECT_THROW(r.readOctets(out, 0xFFFFFFFFu), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
}

TEST(BitStreamRead, ComponentBaseCatchesOutOfBounds) {
  orvo::bitStream r(nullptr, 0, 128);
  bool caught = false;
  try {
    r.readBits(1);
  } catch (orvo::bitStream::exception* e) {
    std::unique_ptr<orvo::bitStream::exception> owned(e);
    caught = dynamic_cast<orvo::bitStream::outOfBounds*>(e) != nullptr;
  }
  EXPECT_TRUE(caught);
}

TEST(BitStreamData, UnwrittenStreamHasNoData) {
  orvo::bitStream s(128);
  ORVO_EXPECT_THROW(s.data(), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  EXPECT_EQ(0u, s.octetLength());
  s.writeOctet(0x5A);
  EXPECT_EQ(0x5A, *s.data());
}

TEST(BitStreamData, ReadStreamOverNothingIsEmpty) {
  orvo::bitStream r(nullptr, 0, 128);
  ORVO_EXPECT_THROW(r.data(), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  r.readOctets(nullptr, 0);
  EXPECT_EQ(0u, r.octetLength());
}

// Fields of every width from 0 to 32 at every bit offset, written and read
// whole and checked against the same fields put down bit by bit. The small
// growth step keeps the write position near the end of the allocation, so
// both the windowed and the stepwise paths are taken.
struct field {
  unsigned value;
  unsigned count;
};

std::vector<field> everyWidthAtEveryOffset() {
  std::vector<field> fields;
  unsigned seed = 12345;
  for (unsigned round = 0; round < 8; ++round)
    for (unsigned count = 0; count <= 32; ++count) {
      seed = seed * 1103515245u + 12345u;
      fields.push_back({seed ^ (seed << 7), count});  // bits above count too
    }
  return fields;
}

bytes bitByBit(const std::vector<field>& fields) {
  bytes out;
  unsigned long long position = 0;
  for (const field& f : fields)
    for (unsigned i = f.count; i-- > 0; ++position) {
      if (position % 8 == 0) out.push_back(0);
      if ((f.value >> i) & 1) out.back() |= static_cast<unsigned char>(0x80 >> (position % 8));
    }
  return out;
}

TEST(BitStreamFields, EveryWidthAtEveryOffsetMatchesBitByBit) {
  const std::vector<field> fields = everyWidthAtEveryOffset();
  const bytes expected = bitByBit(fields);
  for (unsigned growth : {4u, 128u}) {
    SCOPED_TRACE(growth);
    orvo::bitStream s(growth);
    for (const field& f : fields) s.writeBits(f.value, f.count);
    ASSERT_EQ(expected, encoded(s));

    orvo::bitStream r(expected.data(), unsigned(expected.size()), growth);
    for (size_t i = 0; i < fields.size(); ++i) {
      const field& f = fields[i];
      const unsigned mask = f.count == 32 ? 0xFFFFFFFFu : (1u << f.count) - 1;
      ASSERT_EQ(f.value & mask, r.readBits(f.count)) << "field " << i << " of " << f.count << " bits";
    }
    ORVO_EXPECT_THROW(r.readBits(8), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  }
}

TEST(BitStreamFields, AReadThatRunsOutThrowsOnlyAtTheEnd) {
  const unsigned char in[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  for (unsigned skip = 0; skip < 8; ++skip) {
    orvo::bitStream r(in, 9, 128);
    r.readBits(skip);
    // 72 bits in all: 32 + 32 fit behind up to 8 bits, the rest throws.
    r.readBits(32);
    r.readBits(32);
    EXPECT_EQ(in[8] & ((1u << (8 - skip)) - 1), r.readBits(8 - skip));
    ORVO_EXPECT_THROW(r.readBits(1), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  }
}

TEST(BitStreamRuns, WholeOctetsInPlaceAfterAligning) {
  orvo::bitStream s(4);
  s.writeBits(1, 1);
  unsigned char* run = s.writeRun(5);
  for (unsigned i = 0; i < 5; ++i) run[i] = static_cast<unsigned char>(0x10 + i);
  EXPECT_EQ(48u, s.bitLength());
  EXPECT_EQ(nullptr, orvo::bitStream(4).writeRun(0));  // nothing allocated for nothing
  s.writeRun(0);
  s.writeBits(3, 2);
  EXPECT_EQ(bytes({0x80, 0x10, 0x11, 0x12, 0x13, 0x14, 0xC0}), encoded(s));

  orvo::bitStream r(s.data(), s.octetLength(), 128);
  EXPECT_EQ(1u, r.readBits(1));
  const unsigned char* read = r.readRun(5);
  EXPECT_EQ(bytes({0x10, 0x11, 0x12, 0x13, 0x14}), bytes(read, read + 5));
  EXPECT_EQ(1u, r.unreadOctets());
  // A run past the end throws and takes nothing.
  ORVO_EXPECT_THROW(r.readRun(2), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  ORVO_EXPECT_THROW(r.readRun(0xFFFFFFFFu), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  EXPECT_EQ(1u, r.unreadOctets());
  EXPECT_EQ(3u, r.readBits(2));
  r.readRun(0);
  EXPECT_EQ(0u, r.unreadOctets());
}

// A confined run reads like a stream of its own over its octets: fields that
// would reach past it throw, and reading resumes after it however much of
// it was read. Input: a 3-bit field, then a run of 3 octets, then 0xEE.
TEST(BitStreamRuns, AConfinedRunEndsWhereItsLengthSays) {
  const unsigned char in[] = {0xA0, 0x11, 0x22, 0x33, 0xEE};
  struct row {
    unsigned firstRead;  // bits read inside the run before the probe
    unsigned probe;      // bits then asked for
    bool fits;
    unsigned value;  // the probe's value when it fits
  };
  const row rows[] = {
      {0, 24, true, 0x112233}, {0, 25, false, 0}, {8, 16, true, 0x2233}, {8, 17, false, 0},
      {20, 4, true, 0x3},      {24, 1, false, 0}, {3, 21, true, 0x112233}, {0, 0, true, 0},
  };
  for (const row& r : rows) {
    orvo::bitStream s(in, 5, 128);
    EXPECT_EQ(5u, s.readBits(3));
    const unsigned outer = s.enterRun(3);
    EXPECT_EQ(3u, s.unreadOctets());
    if (r.firstRead) s.readBits(r.firstRead);
    if (r.fits && r.probe) {
      EXPECT_EQ(r.value, s.readBits(r.probe)) << r.firstRead << "+" << r.probe;
    } else if (!r.fits) {
      ORVO_EXPECT_THROW(s.readBits(r.probe), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
    }
    s.leaveRun(outer);
    EXPECT_EQ(0xEEu, s.readBits(8)) << r.firstRead << "+" << r.probe;
    EXPECT_EQ(0u, s.unreadOctets());
  }
}

TEST(BitStreamRuns, ARunPastTheEndConfinesNothing) {
  const unsigned char in[] = {0x80, 0x11, 0x22};
  orvo::bitStream s(in, 3, 128);
  s.readBits(1);
  ORVO_EXPECT_THROW(s.enterRun(3), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  ORVO_EXPECT_THROW(s.enterRun(0xFFFFFFFFu), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  EXPECT_EQ(2u, s.unreadOctets());
  // An empty run: nothing to read in it, the input after it untouched.
  const unsigned outer = s.enterRun(0);
  ORVO_EXPECT_THROW(s.readBits(1), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  s.leaveRun(outer);
  EXPECT_EQ(0x1122u, s.readBits(16));
}

TEST(BitStreamBorrowed, ReadsTheBytesThemselvesAndCopiesThemBeforeAWrite) {
  unsigned char in[] = {0xAB, 0xCD, 0xEF};
  orvo::bitStream r(in, 3, 128, orvo::bitStream::borrowed);
  EXPECT_EQ(in, r.data());
  EXPECT_EQ(3u, r.unreadOctets());
  EXPECT_EQ(0xAu, r.readBits(4));
  in[1] = 0x12;  // read where it lies
  EXPECT_EQ(0xB12u, r.readBits(12));
  EXPECT_EQ(24u, r.bitLength());

  r.writeOctet(0x99);
  EXPECT_EQ(bytes({0xAB, 0x12, 0xEF}), bytes(in, in + 3));
  EXPECT_EQ(0xEFu, r.readOctet());
  EXPECT_EQ(0x99u, r.readOctet());
  EXPECT_EQ(4u, r.octetLength());

  orvo::bitStream none(nullptr, 0, 128, orvo::bitStream::borrowed);
  EXPECT_EQ(0u, none.unreadOctets());
  ORVO_EXPECT_THROW(none.readBits(1), orvo::bitStream::outOfBounds, "Bit stream index out of bounds.");
  none.writeBits(5, 3);
  EXPECT_EQ(bytes({0xA0}), encoded(none));
}

}  // namespace

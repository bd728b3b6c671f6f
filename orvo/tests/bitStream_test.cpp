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

}  // namespace

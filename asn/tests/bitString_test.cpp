#include <orvoTesting.h>

#include <asn/bitString.h>

typedef asn::bitString<0u, 0u, 1> bits;

TEST(BitString, BitsAreMostSignificantFirst) {
  bits b;
  unsigned char octets[] = {0xA0, 0x01};
  b.setBits(octets, 16);
  EXPECT_EQ(1, b.bit(0));
  EXPECT_EQ(0, b.bit(1));
  EXPECT_EQ(1, b.bit(2));
  EXPECT_EQ(1, b.bit(15));
  b.clearBit(0);
  b.setBit(1);
  b.toggleBit(15);
  EXPECT_EQ(0, b.bit(0));
  EXPECT_EQ(1, b.bit(1));
  EXPECT_EQ(0, b.bit(15));
  EXPECT_EQ(0x60, static_cast<unsigned char>(b.octets().buffer()[0]));
}

TEST(BitString, AccessBeyondTheLengthThrows) {
  bits b;
  b.setLength(12);
  EXPECT_EQ(2u, b.octets().length());
  ORVO_EXPECT_THROW(b.bit(12), orvo::exception, "bitString out of bounds");
  ORVO_EXPECT_THROW(b.setBit(12), orvo::exception, "bitString out of bounds");
  ORVO_EXPECT_THROW(b.clearBit(100), orvo::exception, "bitString out of bounds");
  ORVO_EXPECT_THROW(b.toggleBit(16), orvo::exception, "bitString out of bounds");
  b.clear();
  EXPECT_EQ(0u, b.length());
  ORVO_EXPECT_THROW(b.bit(0), orvo::exception, "bitString out of bounds");
}

TEST(BitString, EqualityLooksAtTheFirstNBitsOnly) {
  bits a, b;
  unsigned char x[] = {0x12, 0x30}, y[] = {0x12, 0x3F};
  a.setBits(x, 12);
  b.setBits(y, 12);
  EXPECT_TRUE(a.isEqual(b));
  unsigned char z[] = {0x12, 0x20};
  b.setBits(z, 12);
  EXPECT_FALSE(a.isEqual(b));
  b.setBits(x, 13);
  EXPECT_FALSE(a.isEqual(b));
  a.setBits(x, 8);
  b.setBits(y, 8);
  EXPECT_TRUE(a.isEqual(b));
}

TEST(BitString, ShorteningClearsTheBitsPastTheEnd) {
  bits b;
  unsigned char ones[] = {0xFF, 0xFF};
  b.setBits(ones, 16);
  b.setLength(4);
  b.setLength(16);
  EXPECT_EQ(1, b.bit(3));
  EXPECT_EQ(0, b.bit(4));
  EXPECT_EQ(0, b.bit(15));
}

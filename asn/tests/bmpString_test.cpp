#include <orvoTesting.h>

#include <vector>

#include <asn/bmpString.h>

typedef asn::bmpString<1u, 128u, 1> bmp;

TEST(BmpString, TextRoundTrip) {
  bmp s;
  s = "abc";
  EXPECT_EQ(3u, s.length());
  EXPECT_EQ(uint32_t('b'), s.at(1));
  EXPECT_EQ("abc", toStd(s.toString()));
  EXPECT_EQ(0u, s.at(3));
  EXPECT_EQ(nullptr, s.pointer(3));
}

TEST(BmpString, EightBitCharactersWidenByteForByte) {
  bmp s;
  s = orvo::string("p\xE4ss\xFF", 5);
  ASSERT_EQ(5u, s.length());
  EXPECT_EQ(0xE4u, s.at(1));
  EXPECT_EQ(0xFFu, s.at(4));
  EXPECT_EQ(std::string("p\xE4ss\xFF", 5), toStd(s.toString()));
}

TEST(BmpString, NarrowingFailsWholeWhenACharacterIsWide) {
  bmp s;
  const wchar_t wide[] = {L'a', wchar_t(0x20AC), L'b', 0};
  s.assign(wide);
  EXPECT_EQ(3u, s.length());
  EXPECT_EQ(0x20ACu, s.at(1));
  EXPECT_EQ("", toStd(s.toString()));
  *s.pointer(1) = 'x';
  EXPECT_EQ("axb", toStd(s.toString()));
}

TEST(BmpString, CopiesAreIndependent) {
  bmp a;
  a = "name";
  bmp b(a);
  *b.pointer(0) = 'N';
  EXPECT_EQ("name", toStd(a.toString()));
  EXPECT_EQ("Name", toStd(b.toString()));
  EXPECT_FALSE(a.isEqual(b));
  b.assign(a);
  EXPECT_TRUE(a.isEqual(b));
}

// Characters arrive as big-endian pairs and are kept as 32-bit values; long
// strings are widened several characters at a time, so the counts straddle
// those steps and every octet value shows up in both halves of a pair.
TEST(BmpString, BigEndianPairsWidenAtEveryCount) {
  const uint32_t pool[] = {0x0041, 0x00E4, 0x00FF, 0x0100, 0x20AC, 0xFFFF, 0x8001, 0x0000, 0x7F80, 0x1234};
  for (unsigned count : {1u, 2u, 7u, 8u, 9u, 15u, 16u, 17u, 24u, 33u}) {
    std::vector<unsigned char> octets;
    for (unsigned i = 0; i < count; ++i) {
      const uint32_t c = pool[(i * 7) % 10];
      octets.push_back(static_cast<unsigned char>(c >> 8));
      octets.push_back(static_cast<unsigned char>(c));
    }
    bmp s;
    s.assignBigEndian16(octets.data(), count);
    ASSERT_EQ(count, s.length());
    for (unsigned i = 0; i < count; ++i) EXPECT_EQ(pool[(i * 7) % 10], s.at(i)) << count << " #" << i;
  }
}

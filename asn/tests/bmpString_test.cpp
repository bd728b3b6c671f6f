#include <orvoTesting.h>

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

#include <orvo/string.h>

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "orvoTesting.h"

using orvo::string;

TEST(String, EmptyFormsShareTheGlobalRepresentation) {
  string a, b(""), c("x");
  c.clear();
  EXPECT_EQ(0u, a.length());
  EXPECT_EQ(0u, b.length());
  EXPECT_EQ('\0', a.buffer()[0]);
  EXPECT_EQ(a.representation(), c.representation());
  EXPECT_EQ(a.representation(), string::emptyString().representation());
}

// Octets are copied by lengths in several ways (short ones without a library
// call): every length up to past the block rule keeps every octet, from
// every alignment of the source, and the terminating zero.
TEST(String, AssignedOctetsArriveWholeAtEveryLength) {
  unsigned char source[80];
  for (unsigned i = 0; i < sizeof source; ++i) source[i] = static_cast<unsigned char>(0xA0 ^ (i * 37));
  for (unsigned offset = 0; offset < 8; ++offset) {
    for (unsigned length = 0; length <= 40; ++length) {
      orvo::string s("x");
      s.assign(source + offset, length);
      ASSERT_EQ(length, s.length());
      EXPECT_EQ(0, std::memcmp(s.buffer(), source + offset, length)) << offset << "+" << length;
      EXPECT_EQ('\0', s.buffer()[length]) << length;
    }
  }
}

TEST(String, CopyOnWrite) {
  string a("hello");
  string b(a);
  EXPECT_EQ(a.representation(), b.representation());
  b.append('!');
  EXPECT_EQ("hello", toStd(a));
  EXPECT_EQ("hello!", toStd(b));
  const string::rep* before = b.representation();
  b.charRef(0)[0] = 'j';
  EXPECT_EQ(before, b.representation()) << "a private string is changed in place";
  EXPECT_EQ("jello!", toStd(b));
}

TEST(String, BlockRule) {
  string s("");
  for (unsigned n = 0; n < 40; ++n) {
    s.setLength(n);
    EXPECT_EQ((n + 16) >> 4, s.representation()->blocks) << n;
    EXPECT_EQ('\0', s.buffer()[n]);
  }
  EXPECT_EQ(1u, string("123456789012345").representation()->blocks);
  EXPECT_EQ(2u, string("1234567890123456").representation()->blocks);
}

TEST(String, GrowingAndShrinkingAcrossTheSharedBlockKeepsTheCharacters) {
  // Short strings share one block with their representation; growing past
  // it moves the characters out, shrinking keeps them where they are.
  const struct {
    unsigned from, to;
  } rows[] = {{0, 1}, {15, 16}, {470, 479}, {479, 480}, {300, 2000}, {2000, 10}, {480, 479}, {5, 0}};
  for (const auto& row : rows) {
    std::string expected;
    for (unsigned i = 0; i < row.from; ++i) expected += char('a' + i % 26);
    string s(expected.data(), row.from);
    string shared(s);
    s.setLength(row.to);
    expected.resize(row.to, '\0');
    if (row.to > row.from) {
      for (unsigned i = row.from; i < row.to; ++i) s.charRef(i)[0] = expected[i] = char('A' + i % 26);
    }
    EXPECT_EQ(expected, toStd(s)) << row.from << " to " << row.to;
    EXPECT_EQ('\0', s.buffer()[row.to]);
    EXPECT_EQ((row.to + 16) >> 4, s.representation()->blocks);
    EXPECT_EQ(row.from, shared.length()) << "the copy keeps its own characters";
    s.append("xyz");
    EXPECT_EQ(expected + "xyz", toStd(s));
  }
}

TEST(String, CompareIsEqualityWithAnOrderAmongEqualLengths) {
  EXPECT_EQ(1, string("ab").compare(string("abc")));
  EXPECT_EQ(1, string("abc").compare(string("ab")));
  EXPECT_EQ(-1, string("abc").compare(string("abd")));
  EXPECT_EQ(1, string("\xff").compare(string("a")));
  EXPECT_EQ(0, string("a\0b", 3).compare(string("a\0b", 3)));
  EXPECT_NE(0, string("a\0b", 3).compare(string("a\0c", 3)));
  EXPECT_EQ(0, orvo::stricmp("Hello", "hELLO"));
  EXPECT_LT(orvo::stricmp("a", "B"), 0);
  EXPECT_LT(orvo::stricmp("ab", "abc"), 0);
  EXPECT_EQ(0, orvo::strnicmp("abX", "ABy", 2));
}

TEST(String, Slices) {
  string s("abcdef");
  EXPECT_EQ("cdef", toStd(s.mid(2, 100)));
  EXPECT_TRUE(s.mid(6, 1).empty());
  EXPECT_TRUE(s.left(0).empty());
  string abc("abc");
  EXPECT_EQ(abc.representation(), abc.right(10).representation());
  EXPECT_EQ("ef", toStd(s.right(2)));
  EXPECT_EQ("ab", toStd(s.left(2)));
  EXPECT_EQ(s.representation(), s.mid(0).representation());
  EXPECT_EQ("def", toStd(s.mid(3)));
}

TEST(String, Searches) {
  string s("abcabc");
  EXPECT_EQ(1, s.find("bc"));
  EXPECT_EQ(4, s.rfind("bc"));
  EXPECT_EQ(-1, s.rfind("x"));
  EXPECT_EQ(-1, s.find(nullptr));
  EXPECT_EQ(2, s.findChar('c'));
  EXPECT_EQ(5, s.rfindChar('c'));
  EXPECT_EQ(1, s.findAny("cb"));
  EXPECT_EQ(-1, s.findAny("xyz"));
  EXPECT_EQ(0, s.rfind("abcabc"));
}

TEST(String, FormatIsCutAt10239) {
  string big(' ', 20000);
  string s;
  s.format("%s", big.buffer());
  EXPECT_EQ(10239u, s.length());
  s.format("x=%d", 5);
  EXPECT_EQ("x=5", toStd(s));
}

TEST(String, TrimReverseCase) {
  EXPECT_EQ("a b", toStd(string("  a b\t ").trim(3, " \t")));
  EXPECT_EQ("a", toStd(string("xxa").trim(1, "x")));
  EXPECT_EQ("xxa", toStd(string("xxa").trim(2, "x")));
  EXPECT_EQ("cba", toStd(string("abc").reverse()));

  string shared("ABC"), holder(shared);
  shared.toUpper();
  EXPECT_EQ(holder.representation(), shared.representation());
  string lower("aBC"), other(lower);
  lower.toUpper();
  EXPECT_EQ("ABC", toStd(lower));
  EXPECT_EQ("aBC", toStd(other));
  EXPECT_EQ("abc", toStd(string("AbC").toLower()));
}

TEST(String, SelfReferencingChanges) {
  string s("ab");
  s.append(s);
  EXPECT_EQ("abab", toStd(s));
  s.prepend(s);
  EXPECT_EQ("abababab", toStd(s));
  string t("hello world");
  t.assign(t.buffer() + 6);
  EXPECT_EQ("world", toStd(t));
  string u("0123456789abcdef0123");  // inside its own buffer, across a block boundary
  u.append(u.buffer() + 2, 16);
  EXPECT_EQ("0123456789abcdef01232345678", toStd(u).substr(0, 27));
  EXPECT_EQ(36u, u.length());
  string v("xyz");
  v = v;
  EXPECT_EQ("xyz", toStd(v));
}

TEST(String, AppendPrependPadTruncate) {
  string e;
  e.append(string("shared"));
  string src("shared");
  string f;
  f.append(src);
  EXPECT_EQ(src.representation(), f.representation());
  EXPECT_EQ("---x", toStd(string("x").padLeft(4, '-')));
  EXPECT_EQ("x---", toStd(string("x").padRight(4, '-')));
  EXPECT_EQ("xy", toStd(string("xy").padRight(1, '-')));
  EXPECT_EQ("ab", toStd(string("abcd").truncate(2)));
  EXPECT_EQ("cd", toStd(string("abcd").removeLeft(2)));
  EXPECT_TRUE(string("abcd").removeLeft(9).empty());
  EXPECT_EQ("zzab", toStd(string("ab").prepend('z', 2)));
  EXPECT_EQ("ab", toStd(string("ab").append('z', 0)));
  EXPECT_EQ("a", toStd(string("a\0b", 3).truncateAtNul()));
  EXPECT_EQ("ab!", toStd(string("ab") + '!'));
  EXPECT_EQ("abcd", toStd(string("ab") + "cd"));
}

TEST(String, WideTextNarrowsByteForByte) {
  const wchar_t text[] = {L'A', wchar_t(0xE9), wchar_t(0xFF), wchar_t(0x263A), 0};
  string s(text);
  ASSERT_EQ(4u, s.length());
  EXPECT_EQ('A', s.charAt(0));
  EXPECT_EQ('\xe9', s.charAt(1));
  EXPECT_EQ('\xff', s.charAt(2));
  EXPECT_EQ('?', s.charAt(3));
}

TEST(String, IntegerTexts) {
  char buffer[80];
  EXPECT_STREQ("-ff", orvo::itoa(-255, buffer, 16));
  EXPECT_STREQ("-2147483648", orvo::itoa(-2147483647 - 1, buffer, 10));
  EXPECT_STREQ("4294967295", orvo::utoa(4294967295u, buffer, 10));
  EXPECT_STREQ("0", orvo::itoa(12, buffer, 0));
  EXPECT_STREQ("z", orvo::itoa(35, buffer, 36));
  EXPECT_EQ("0", toStd(orvo::toString(0u, 16)));
  EXPECT_EQ("-1", toStd(orvo::toString(short(-1))));
  EXPECT_EQ("65535", toStd(orvo::toString((unsigned short)65535)));
  EXPECT_EQ("-9223372036854775808", toStd(orvo::toString(-9223372036854775807L - 1)));
  EXPECT_EQ("ffffffffffffffff", toStd(orvo::toString(~0UL, 16)));
}

TEST(String, TokensAndLines) {
  string s("a,b;c");
  EXPECT_EQ("a", toStd(s.takeToken(",;")));
  EXPECT_EQ("b;c", toStd(s));
  EXPECT_EQ("b", toStd(s.takeToken(",;")));
  EXPECT_EQ("c", toStd(s.takeToken(",;")));
  EXPECT_TRUE(s.empty());
  string t(",x");
  EXPECT_TRUE(t.takeToken(",").empty());
  EXPECT_EQ("x", toStd(t));

  std::istringstream in("one\r\ntwo\nthree");
  string line;
  orvo::getline(in, line);
  EXPECT_EQ("one\r", toStd(line));
  orvo::getline(in, line);
  EXPECT_EQ("two", toStd(line));
  orvo::getline(in, line);
  EXPECT_EQ("three", toStd(line));
}

// Patterns that once could run without end or exhaust the stack.
#include <orvo/regexp.h>

#include <string>

#include "orvoTesting.h"

using orvo::regexp;

namespace {

orvo::string repeated(char c, unsigned n) { return orvo::string(c, n); }

}  // namespace

TEST(RegexpGuard, UpperBoundBelowLowerIsRefused) {
  EXPECT_EQ(regexp::badBrackets, regexp("a{5,2}", 0).status());
  EXPECT_EQ(regexp::badBrackets, regexp("a{x,2}", 0).status());
  EXPECT_EQ(regexp::badBrackets, regexp("a{1,2,3}", 0).status());
  EXPECT_EQ(regexp::compiled, regexp("a{2,2}", 0).status());
}

TEST(RegexpGuard, BoundedRepetitionOfNothingStops) {
  regexp re("(a*){1,1000000}", regexp::anchored);
  ASSERT_EQ(regexp::compiled, re.status());
  ASSERT_TRUE(re.match(orvo::string("aab"), true));
  EXPECT_EQ("aa", toStd(re.group(0)));
  ASSERT_TRUE(re.match(orvo::string("b"), true));
  EXPECT_EQ("", toStd(re.group(0)));

  regexp lazy("(a*){2,1000000}?b", 0);
  ASSERT_TRUE(lazy.match(orvo::string("aab"), true));
  EXPECT_EQ("aab", toStd(lazy.group(0)));
}

TEST(RegexpGuard, NonDigitBoundEndsAsNoMatch) {
  // Both bounds read as the largest count.
  regexp re("(a*){x}", 0);
  ASSERT_EQ(regexp::compiled, re.status());
  EXPECT_FALSE(re.match(orvo::string("aaa")));
  EXPECT_TRUE(re.gaveUp());
  EXPECT_FALSE(regexp("a{x}", 0).match(orvo::string("aaaa")));
  // An upper bound that is no number is the largest count as well.
  EXPECT_TRUE(regexp("^a{2,y}$", 0).match(orvo::string("aaaaa")));
}

// How long these take is measured by the benchmark; here it counts that the
// step budget, not the end of the search, stopped them.
TEST(RegexpGuard, NestedQuantifiersOnALongSubjectGiveNoMatch) {
  const orvo::string subject = repeated('a', 10000);
  const struct {
    const char* pattern;
    unsigned flags;
  } cases[] = {
      {"(\\w+)*x", 0}, {"(a|aa)*b", 0}, {"((a*)*)*c", 0}, {"(.*)*(.*)*(.*)*#", 0}, {"(\\w+)*x$", regexp::anchored},
  };
  for (const auto& c : cases) {
    regexp re(c.pattern, c.flags);
    EXPECT_FALSE(re.match(subject)) << c.pattern;
    EXPECT_TRUE(re.gaveUp()) << c.pattern;
    EXPECT_FALSE(re.attached());
  }
  // A search that fails by trying everything has not given up, and a later
  // success clears the mark.
  regexp plain("ab", 0);
  EXPECT_FALSE(plain.match(subject));
  EXPECT_FALSE(plain.gaveUp());
  regexp nested("(\\w+)*x", 0);
  ASSERT_FALSE(nested.match(subject));
  ASSERT_TRUE(nested.gaveUp());
  EXPECT_TRUE(nested.match(orvo::string("aax")));
  EXPECT_FALSE(nested.gaveUp());
}

TEST(RegexpGuard, LongSubjectsOfSanePatternsStillMatch) {
  orvo::string subject = repeated('a', 10000);
  subject.append('x');
  regexp any(".*", regexp::anchored);
  ASSERT_TRUE(any.match(subject));
  EXPECT_EQ(10001u, any.groupLength(0));
  regexp tail("(.*)x$", regexp::anchored);
  ASSERT_TRUE(tail.match(subject, true));
  EXPECT_EQ(10000u, tail.groupLength(1));
  regexp lazy("a*?x", 0);
  ASSERT_TRUE(lazy.match(subject));
  EXPECT_EQ(10001u, lazy.groupLength(0));
}

TEST(RegexpGuard, DeepPatternsAreRefusedNotOverflowed) {
  std::string nested(5000, '(');
  nested += 'a';
  nested += std::string(5000, ')');
  EXPECT_EQ(regexp::badBrackets, regexp(nested.c_str(), 0).status());

  std::string stacked = "a" + std::string(100000, '*');
  EXPECT_EQ(regexp::badBrackets, regexp(stacked.c_str(), 0).status());

  std::string alternatives = "a";
  for (int i = 0; i < 5000; ++i) alternatives += "|a";
  EXPECT_EQ(regexp::badBrackets, regexp(alternatives.c_str(), 0).status());

  // Look-arounds stacked nearly to the limit nest their separate walks.
  std::string looks = "a";
  for (int i = 0; i < 600; ++i) looks += i % 2 ? "?=" : "?!?!";  // 900 levels
  regexp stackedLooks(looks.c_str(), 0);
  ASSERT_EQ(regexp::compiled, stackedLooks.status());
  EXPECT_TRUE(stackedLooks.match(orvo::string("ba")));
  EXPECT_FALSE(stackedLooks.match(orvo::string("b")));

  std::string moderate(200, '(');
  moderate += 'a';
  moderate += std::string(200, ')');
  regexp re(moderate.c_str(), 0);
  ASSERT_EQ(regexp::compiled, re.status());
  ASSERT_TRUE(re.match(orvo::string("a"), true));
  EXPECT_EQ("a", toStd(re.group(15)));
}

TEST(RegexpGuard, BacktrackingRestoresRepetitionCounts) {
  // The second iteration must be retried with its count intact.
  EXPECT_TRUE(regexp("(\\d\\d|\\d){3}$", regexp::anchored).match(orvo::string("1234")));
  EXPECT_FALSE(regexp("(a|ab){2}c", 0).match(orvo::string("abc")));
  regexp re("(x|xy)+z", 0);
  ASSERT_TRUE(re.match(orvo::string("xyxz"), true));
  EXPECT_EQ("xyxz", toStd(re.group(0)));
}

TEST(RegexpGuard, HostileLookAroundsAndReferences) {
  const orvo::string subject = repeated('a', 10000);
  std::string pattern;
  for (int i = 0; i < 300; ++i) pattern += "(a*)?=";
  pattern += "b";
  regexp re(pattern.c_str(), 0);
  ASSERT_EQ(regexp::compiled, re.status());
  EXPECT_FALSE(re.match(subject));
  EXPECT_TRUE(re.gaveUp());

  regexp backReference("(a*)\\1\\1b", 0);
  EXPECT_FALSE(backReference.match(subject));
  EXPECT_TRUE(backReference.match(orvo::string("aaaaaab")));
}

#include <orvo/regexp.h>

#include <chrono>
#include <string>

#include "orvoTesting.h"

using orvo::regexp;

namespace {

// The whole match, or "<none>" when the pattern does not match.
std::string firstMatch(const char* pattern, const std::string& subject, unsigned flags = 0) {
  regexp re(pattern, flags);
  if (!re.match(orvo::string(subject.data(), unsigned(subject.size())), true)) return "<none>";
  return toStd(re.group(0));
}

bool matches(const char* pattern, const std::string& subject, unsigned flags = 0) {
  return firstMatch(pattern, subject, flags) != "<none>";
}

unsigned statusOf(const char* pattern, unsigned flags = 0) { return regexp(pattern, flags).status(); }

}  // namespace

TEST(RegexpSearch, AnchoringAndOffsets) {
  EXPECT_TRUE(matches("abc$", "abc", regexp::anchored));
  EXPECT_FALSE(matches("abc$", "abcd", regexp::anchored));
  EXPECT_FALSE(matches("abc$", "xabc", regexp::anchored));

  regexp re("abc", 0);
  orvo::string subject("xxabcyy");
  ASSERT_TRUE(re.match(subject));
  EXPECT_EQ(2u, re.groupStart(0));
  EXPECT_EQ(3u, re.groupLength(0));
  EXPECT_EQ("abc", toStd(re.group(0)));
}

TEST(RegexpSearch, EndOfSubject) {
  EXPECT_TRUE(matches("$", ""));
  EXPECT_FALSE(matches("$", "ab"));
  EXPECT_EQ("b", firstMatch("b$", "ab"));
  EXPECT_TRUE(matches("^", ""));
}

TEST(RegexpSearch, RepetitionsOfNothingEnd) {
  EXPECT_EQ("", firstMatch("a*", ""));
  EXPECT_EQ("", firstMatch("(a*)*", "b"));
  EXPECT_EQ("", firstMatch("(a*)+", "b"));
  EXPECT_EQ("", firstMatch("(a*)*?$", "", regexp::anchored));
}

TEST(RegexpSearch, LetterCase) {
  EXPECT_TRUE(matches("ABC", "abc", regexp::ignoreCase));
  EXPECT_FALSE(matches("ABC", "abc"));
  EXPECT_FALSE(matches("[a-c]+", "ABC", regexp::ignoreCase));
  // Code page 866 pairs.
  EXPECT_TRUE(matches("\x90", "\xE0", regexp::ignoreCase));
  EXPECT_TRUE(matches("\x80", "\xA0", regexp::ignoreCase));
  EXPECT_TRUE(matches("\xF0", "\xF1", regexp::ignoreCase));
  EXPECT_TRUE(matches("\xE0", "\x90", regexp::ignoreCase));
  EXPECT_FALSE(matches("\x90", "\xE0"));
  EXPECT_FALSE(matches("\xB0", "\x90", regexp::ignoreCase));
}

TEST(RegexpSearch, DotAndNewlines) {
  EXPECT_FALSE(matches("a.b", "a\nb", regexp::dotNotNewline));
  EXPECT_FALSE(matches("a.b", "a\rb", regexp::dotNotNewline));
  EXPECT_TRUE(matches("a.b", "a-b", regexp::dotNotNewline));
  EXPECT_TRUE(matches("a.b", "a\nb"));
}

TEST(RegexpSearch, BraceBounds) {
  EXPECT_EQ("aaa", firstMatch("a{2,3}", "aaaa"));
  EXPECT_EQ("aa", firstMatch("a{2,3}?", "aaaa"));
  EXPECT_EQ("b", firstMatch("a{,2}b", "b"));
  EXPECT_EQ("aab", firstMatch("a{,2}b", "aaab"));
  EXPECT_FALSE(matches("a{2}", "a"));
  EXPECT_EQ("aaaa", firstMatch("a{2,}", "aaaa"));
  EXPECT_EQ("aa", firstMatch("a{2,}?", "aaaa"));
  EXPECT_EQ("b", firstMatch("a{}b", "aab"));
  EXPECT_EQ("aab", firstMatch("a{,}b", "aab"));
  EXPECT_EQ("aa", firstMatch("a{ 2 }", "aaa", regexp::ignoreBlanks));
}

TEST(RegexpSearch, LazyQuantifiers) {
  EXPECT_EQ("a", firstMatch("a+?", "aaa"));
  EXPECT_EQ("", firstMatch("a*?", "aaa"));
  EXPECT_EQ("", firstMatch("a??", "a"));
  EXPECT_EQ("<a><b>", firstMatch("<.*>", "<a><b>"));
  EXPECT_EQ("<a>", firstMatch("<.*?>", "<a><b>"));
}

TEST(RegexpSearch, Alternation) {
  regexp re("(a|ab)c", 0);
  orvo::string abc("abc");
  ASSERT_TRUE(re.match(abc));
  EXPECT_EQ("abc", toStd(re.group(0)));
  EXPECT_EQ("ab", toStd(re.group(1)));

  regexp either("x(a|b)|y", 0);
  orvo::string y("y");
  ASSERT_TRUE(either.match(y));
  EXPECT_EQ("y", toStd(either.group(0)));
  EXPECT_EQ("", toStd(either.group(1)));
  EXPECT_EQ(0u, either.groupLength(1));

  EXPECT_EQ("c", firstMatch("a|b|c", "c"));
  EXPECT_EQ("", firstMatch("|a", "a"));
  EXPECT_EQ("a", firstMatch("a|", "a"));
}

TEST(RegexpSearch, LookArounds) {
  EXPECT_EQ("a", firstMatch("a(b)?!", "ac"));
  EXPECT_FALSE(matches("a(b)?!", "ab"));

  regexp behind("(a)?#1b", 0);
  orvo::string ab("ab");
  ASSERT_TRUE(behind.match(ab));
  EXPECT_EQ(1u, behind.groupStart(0));
  EXPECT_EQ("b", toStd(behind.group(0)));
  // Captures made inside a look-around stay.
  EXPECT_EQ("a", toStd(behind.group(1)));
  EXPECT_FALSE(matches("(a)?#1b", "cb"));

  EXPECT_EQ("a", firstMatch("(ab)?=a", "ab"));
  EXPECT_EQ("b", firstMatch("(a)?~1b", "cb"));
  EXPECT_FALSE(matches("(a)?~1b", "ab"));
  // Fewer characters before than the distance: the positive form fails, the negative passes.
  EXPECT_FALSE(matches("^(a)?#2", "a"));
  EXPECT_TRUE(matches("^(a)?~2", "a"));

  // x?= is a look-ahead of x; an optional x before '=' needs the escape.
  EXPECT_EQ("x", firstMatch("x?=x", "x"));
  EXPECT_FALSE(matches("x?=", "="));
  EXPECT_EQ("x=", firstMatch("x?\\=", "x="));
  EXPECT_EQ("=", firstMatch("x?\\=", "="));
  EXPECT_EQ(regexp::nothingToRepeat, statusOf("(?=a)"));
  EXPECT_EQ(regexp::nothingToRepeat, statusOf("?!a"));
}

TEST(RegexpSearch, CaptureRestoreRules) {
  // A group in a failed way gets back the capture it had when the way began.
  regexp repeated("(a|b)*c", 0);
  ASSERT_TRUE(repeated.match(orvo::string("abc"), true));
  EXPECT_EQ("b", toStd(repeated.group(1)));
  regexp plus("(a)+", 0);
  ASSERT_TRUE(plus.match(orvo::string("aa"), true));
  EXPECT_EQ(1u, plus.groupStart(1));
  EXPECT_EQ("a", toStd(plus.group(1)));

  // Groups below a look-around keep what they captured when a way fails.
  regexp look("((b)?=x|b)", 0);
  ASSERT_TRUE(look.match(orvo::string("b"), true));
  EXPECT_EQ("b", toStd(look.group(1)));
  EXPECT_EQ("b", toStd(look.group(2)));

  // A start position that failed leaves nothing behind.
  regexp later("(a)?=b|c", 0);
  ASSERT_TRUE(later.match(orvo::string("ac"), true));
  EXPECT_EQ("c", toStd(later.group(0)));
  EXPECT_EQ("", toStd(later.group(1)));
}

TEST(RegexpSearch, BackReferences) {
  EXPECT_TRUE(matches("(a)\\1", "aa"));
  EXPECT_FALSE(matches("(a)\\1", "aA"));
  EXPECT_FALSE(matches("(a)\\1", "aA", regexp::ignoreCase));
  EXPECT_FALSE(matches("(a)\\2", "aa"));
  EXPECT_EQ("abab", firstMatch("(ab)\\1", "xabab"));
  // Group 10 written as one hexadecimal digit.
  EXPECT_EQ("abcdefghijj", firstMatch("(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)\\A", "abcdefghijj"));
}

TEST(RegexpSearch, WordAssertions) {
  regexp re("\\bfoo", 0);
  orvo::string spaced("a foo");
  ASSERT_TRUE(re.match(spaced));
  EXPECT_EQ(2u, re.groupStart(0));
  EXPECT_FALSE(matches("\\bfoo", "afoo"));
  EXPECT_TRUE(matches("foo\\B", "foo!"));
  EXPECT_FALSE(matches("foo\\B", "foobar"));
  // Both hold at the end of the subject.
  EXPECT_TRUE(matches("foo\\b", "foo"));
  EXPECT_TRUE(matches("foo\\B", "foo"));
  EXPECT_FALSE(matches("^\\B", "a"));
  EXPECT_TRUE(matches("a\\c", "a"));
  EXPECT_FALSE(matches("a\\cb", "ab"));
  EXPECT_TRUE(matches("-\\cb", "-b"));
}

TEST(RegexpSearch, SetEscapes) {
  EXPECT_EQ("42", firstMatch("\\d+", "ab42c"));
  EXPECT_EQ("ab", firstMatch("\\D+", "ab42c"));
  EXPECT_EQ("a_1\x80\xF1", firstMatch("\\w+", "a_1\x80\xF1-"));
  EXPECT_EQ(" \t\r\n", firstMatch("\\s+", "x \t\r\nx"));
  EXPECT_EQ("AB\x9F", firstMatch("\\u+",
                                 "aAB\x9F"
                                 "b"));
  EXPECT_EQ("b\xE5", firstMatch("\\l+", "Ab\xE5Z"));
  EXPECT_EQ("\t\r\n", firstMatch("\\t\\r\\n", "\t\r\n"));
  EXPECT_EQ("A", firstMatch("\\x41", "A"));
  EXPECT_EQ("\xFF", firstMatch("\\xfF", "\xFF"));
  EXPECT_EQ("a.b", firstMatch("a\\.b", "axb a.b"));
}

TEST(RegexpClasses, Members) {
  EXPECT_TRUE(matches("[\\d_]", "5"));
  EXPECT_TRUE(matches("[\\d_]", "_"));
  EXPECT_FALSE(matches("[\\d_]", "a"));
  EXPECT_TRUE(matches("[\\D]", "x"));
  EXPECT_FALSE(matches("[\\D]", "5"));
  EXPECT_FALSE(matches("[a-]", "a"));
  EXPECT_FALSE(matches("[a-]", "-"));
  EXPECT_TRUE(matches("[z-a]", "a"));
  EXPECT_FALSE(matches("[z-a]", "z"));
  EXPECT_FALSE(matches("[z-a]", "m"));
  EXPECT_TRUE(matches("[\\-a]", "-"));
  // A leading '-' is a range operator without a lower end.
  EXPECT_TRUE(matches("[-+]", "+"));
  EXPECT_FALSE(matches("[-+]", "-"));
  EXPECT_TRUE(matches("[a-c]", "c"));
  EXPECT_FALSE(matches("[a-c]", "d"));
  EXPECT_TRUE(matches("[a-c-e]", "d"));
  EXPECT_TRUE(matches("[(.*^]", "^"));
  EXPECT_TRUE(matches("[^a]", "^"));
  EXPECT_FALSE(matches("[^a]", "a"));
  EXPECT_FALSE(matches("[^a]", ""));
  EXPECT_FALSE(matches("[]", "a"));
  EXPECT_TRUE(matches("[\\x80-\\xFF]", "\xFF"));
  // \b, \u and back-references add nothing inside a class.
  EXPECT_FALSE(matches("[\\b\\u\\1]", "A"));
}

TEST(RegexpClasses, BlanksIgnoredUnderFlag4) {
  EXPECT_FALSE(matches("[a b]", " ", regexp::ignoreBlanks));
  EXPECT_TRUE(matches("[a b]", "b", regexp::ignoreBlanks));
  EXPECT_TRUE(matches("[a b]", " "));
  EXPECT_TRUE(matches("[\\ ]", " ", regexp::ignoreBlanks));
  EXPECT_EQ("ab", firstMatch("a b\r\n", "ab", regexp::ignoreBlanks));
  EXPECT_EQ("a b", firstMatch("a\\ b", "a b", regexp::ignoreBlanks));
}

TEST(RegexpCompile, StatusCodes) {
  EXPECT_EQ(regexp::emptyPattern, regexp().status());
  EXPECT_EQ(regexp::emptyPattern, statusOf(""));
  EXPECT_EQ(regexp::badEscape, statusOf("\\xZ1"));
  EXPECT_EQ(regexp::badEscape, statusOf("\\x4"));
  EXPECT_EQ(regexp::badEscape, statusOf("a\\"));
  for (const char* p : {"a)", "(a", "[a", "a]", "a{2", "a}", "a{1{2}}", "a{(}", "a{]}", "(a[)"})
    EXPECT_EQ(regexp::badBrackets, statusOf(p)) << p;
  for (const char* p : {"*a", "(+)", "a|?b", "{2}", "+", "??"}) EXPECT_EQ(regexp::nothingToRepeat, statusOf(p)) << p;
  EXPECT_EQ(regexp::compiled, statusOf("a**"));
  EXPECT_EQ(regexp::compiled, statusOf("[)(]"));
}

TEST(RegexpCompile, FailedPatternMatchesNothing) {
  regexp re("(a", 0);
  EXPECT_FALSE(re.match(orvo::string("(a")));
  EXPECT_EQ("", toStd(re.expand("&x")));
  EXPECT_EQ(0u, re.groupCount());
  regexp none;
  EXPECT_FALSE(none.match(orvo::string("")));
}

TEST(RegexpCompile, GroupCountStopsAtSixteen) {
  std::string pattern;
  for (int i = 0; i < 17; ++i) pattern += "(.)";
  regexp re(pattern.c_str(), 0);
  ASSERT_EQ(regexp::compiled, re.status());
  EXPECT_EQ(16u, re.groupCount());
  ASSERT_TRUE(re.match(orvo::string("abcdefghijklmnopq"), true));
  EXPECT_EQ("o", toStd(re.group(15)));
  EXPECT_EQ("", toStd(re.group(16)));
  EXPECT_EQ(0u, re.groupStart(16));
}

TEST(RegexpCompile, RecompileKeepsFlags) {
  regexp re("x", regexp::ignoreCase);
  ASSERT_TRUE(re.match(orvo::string("X"), true));
  EXPECT_TRUE(re.attached());
  ASSERT_TRUE(re.compile("ab"));
  EXPECT_FALSE(re.attached());
  EXPECT_TRUE(re.match(orvo::string("AB")));
  EXPECT_TRUE(re.compile('.'));
  EXPECT_TRUE(re.match(orvo::string("z")));
  EXPECT_FALSE(re.compile(""));
  EXPECT_EQ(regexp::emptyPattern, re.status());
}

TEST(RegexpGroups, ExpandReplacement) {
  regexp re("b+", 0);
  orvo::string subject("abbc");
  ASSERT_TRUE(re.match(subject));
  EXPECT_EQ("<bb>", toStd(re.expand("<&>")));
  EXPECT_EQ("&", toStd(re.expand("\\&")));
  EXPECT_EQ("", toStd(re.expand("\\1")));
  EXPECT_EQ("\\", toStd(re.expand("\\\\")));
  EXPECT_EQ("\\xbb", toStd(re.expand("\\x&")));
  EXPECT_EQ("bb\\", toStd(re.expand("\\0\\")));
  EXPECT_EQ("", toStd(re.expand(nullptr)));

  regexp alias("(\\d+)@(.*)", regexp::anchored);
  ASSERT_TRUE(alias.match(orvo::string("4711@gw"), true));
  EXPECT_EQ("gw/4711 [4711@gw]", toStd(alias.expand("\\2/\\1 [&]")));
}

TEST(RegexpGroups, DatePattern) {
  const char* pattern =
      "\\s*(\\w{3})\\s*,\\s*(\\d{1,2})\\s+(\\w{3})\\s+(\\d{2,4})\\s+(\\d{2}):(\\d{2}):(\\d{2})\\s+"
      "(([-+])\\s*(\\d{2})(\\d{2})|\\w{2,3})\\s*$";
  regexp re(pattern, regexp::anchored);
  ASSERT_EQ(regexp::compiled, re.status());
  EXPECT_EQ(12u, re.groupCount());
  ASSERT_TRUE(re.match(orvo::string("Sun, 06 Nov 1994 08:49:37 GMT"), true));
  const char* expected[] = {"Sun", "06", "Nov", "1994", "08", "49", "37", "GMT"};
  for (unsigned g = 1; g <= 8; ++g) EXPECT_EQ(expected[g - 1], toStd(re.group(g))) << g;
  for (unsigned g = 9; g <= 11; ++g) {
    EXPECT_EQ("", toStd(re.group(g))) << g;
    EXPECT_EQ(0u, re.groupLength(g)) << g;
  }

  ASSERT_TRUE(re.match(orvo::string("Sun, 06 Nov 1994 08:49:37 +0200"), true));
  EXPECT_EQ("+0200", toStd(re.group(8)));
  EXPECT_EQ("+", toStd(re.group(9)));
  EXPECT_EQ("02", toStd(re.group(10)));
  EXPECT_EQ("00", toStd(re.group(11)));
  EXPECT_EQ(29u, re.groupStart(11));

  EXPECT_FALSE(re.match(orvo::string("Sun, 06 Nov 1994 08:49 GMT")));
  EXPECT_FALSE(re.attached());
}

TEST(RegexpGroups, SubjectKeptOrBorrowed) {
  regexp re("b(.)", 0);
  {
    orvo::string temporary("abc");
    ASSERT_TRUE(re.match(temporary, true));
  }
  EXPECT_EQ("c", toStd(re.group(1)));
  re.releaseSubject();
  EXPECT_FALSE(re.attached());
  EXPECT_EQ("", toStd(re.group(1)));
  EXPECT_EQ(2u, re.groupStart(1));

  const char text[] = "xxbz";
  ASSERT_TRUE(re.match(text, text + 4, false));
  EXPECT_EQ("z", toStd(re.group(1)));
  ASSERT_TRUE(re.match(text, 4u, true));
  EXPECT_EQ("bz", toStd(re.group(0)));
  EXPECT_FALSE(re.match(text, 2u, true));
  EXPECT_EQ("", toStd(re.group(0)));
}

TEST(RegexpGroups, CopiesAreIndependent) {
  regexp original("(a+)(b)", 0);
  ASSERT_TRUE(original.match(orvo::string("xaab"), true));
  regexp copy(original);
  EXPECT_EQ("aa", toStd(copy.group(1)));
  ASSERT_TRUE(copy.match(orvo::string("ab"), true));
  EXPECT_EQ("a", toStd(copy.group(1)));
  EXPECT_EQ("aa", toStd(original.group(1)));

  regexp other("z", regexp::ignoreCase);
  other = original;
  EXPECT_EQ(original.flags(), other.flags());
  EXPECT_TRUE(other.match(orvo::string("ab")));
  EXPECT_FALSE(other.match(orvo::string("AB")));

  regexp failed("(", 0);
  other = failed;
  EXPECT_EQ(regexp::badBrackets, other.status());
  EXPECT_FALSE(other.match(orvo::string("(")));
}

TEST(RegexpGroups, SelfAssignmentKeepsTheTree) {
  regexp re("(\\d+)-(\\d+)", 0);
  ASSERT_TRUE(re.match(orvo::string("10-20"), true));
  regexp& alias = re;
  re = alias;
  EXPECT_EQ("20", toStd(re.group(2)));
  EXPECT_TRUE(re.match(orvo::string("1-2"), true));
  EXPECT_EQ("1", toStd(re.group(1)));
}

TEST(RegexpCaseTables, InstalledTablesDecideLetters) {
  unsigned char upper[256], lower[256];
  for (int c = 0; c < 256; ++c) upper[c] = lower[c] = static_cast<unsigned char>(c);
  // Latin-1 letters only: 0xC0-0xDE are upper case, 0xE0-0xFE lower.
  for (int c = 'a'; c <= 'z'; ++c)
    upper[c] = static_cast<unsigned char>(c - 32), lower[c - 32] = static_cast<unsigned char>(c);
  for (int c = 0xE0; c <= 0xFE; ++c)
    upper[c] = static_cast<unsigned char>(c - 32), lower[c - 32] = static_cast<unsigned char>(c);
  regexp::setCaseTables(upper, lower);
  EXPECT_TRUE(matches("\xC9", "\xE9", regexp::ignoreCase));
  EXPECT_FALSE(matches("\x90", "\xE0", regexp::ignoreCase));
  EXPECT_EQ(
      "\xC9"
      "A",
      firstMatch("\\u+",
                 "\x80\xC9"
                 "Ab"));
  EXPECT_EQ(
      "\xE9"
      "b",
      firstMatch("\\l+",
                 "\xC9\xE9"
                 "b1"));
  EXPECT_FALSE(matches("\\w", "\x80"));
  EXPECT_EQ(0, orvo::compareLetters("\xC9t\xC9", "\xE9T\xE9"));
  regexp::setCaseTables(nullptr, nullptr);
  EXPECT_TRUE(matches("\x90", "\xE0", regexp::ignoreCase));
  EXPECT_TRUE(matches("\\w", "\x80"));
}

TEST(RegexpCaseTables, CompareLetters) {
  EXPECT_EQ(0, orvo::compareLetters("Hello", "hELLO"));
  EXPECT_EQ(-1, orvo::compareLetters("ab", "abc"));
  EXPECT_EQ(1, orvo::compareLetters("b", "A"));
  EXPECT_EQ(0, orvo::compareLetters("\x90", "\xE0"));
  // Signed comparison: 0xE0 is below 'a'.
  EXPECT_EQ(-1, orvo::compareLetters("\xE0", "a"));
  EXPECT_EQ(0, orvo::compareLettersN("abX", "ABy", 2));
  EXPECT_EQ(1, orvo::compareLettersN("abY", "ABx", 3));
  EXPECT_EQ(0, orvo::compareLettersN("a", "b", 0));
}

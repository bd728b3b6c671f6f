#include <orvo/split.h>

#include <string>
#include <vector>

#include "orvoTesting.h"

namespace {

std::vector<std::string> pieces(const orvo::stringlist& list) {
  std::vector<std::string> out;
  for (const orvo::string& s : list) out.push_back(toStd(s));
  return out;
}

using texts = std::vector<std::string>;

texts byPattern(const char* text, const char* pattern) {
  orvo::stringlist out;
  orvo::splitByPattern(orvo::string(text), out, orvo::string(pattern));
  return pieces(out);
}

}  // namespace

TEST(SplitByPattern, PartCases) {
  EXPECT_EQ((texts{"a", "b", "c"}), byPattern("a, b,,c", "[ ,]"));
  EXPECT_EQ((texts{"abc"}), byPattern("abc", "[ ,]"));
  EXPECT_EQ((texts{""}), byPattern("", "[ ,]"));
  EXPECT_EQ((texts{"a", ""}), byPattern("a,", "[ ,]"));
  EXPECT_EQ((texts{"", "a"}), byPattern(",a", ","));
  EXPECT_EQ((texts{"one", "two", "three"}), byPattern("one::two:three", ":"));
}

TEST(SplitByPattern, OutputIsEmptiedFirst) {
  orvo::stringlist out;
  out.append(orvo::string("old"));
  orvo::splitByPattern(orvo::string("x;y"), out, orvo::string(";"));
  EXPECT_EQ((texts{"x", "y"}), pieces(out));
}

TEST(SplitByPattern, SeparatorMatchingNothingEnds) {
  EXPECT_EQ((texts{"abc"}), byPattern("abc", "x*"));
  EXPECT_EQ((texts{"a,b"}), byPattern("a,b", ",?"));
}

TEST(SplitByPattern, SeparatorWithGroupsOfItsOwn) {
  EXPECT_EQ((texts{"a", "b", "c"}), byPattern("a-+b+-c", "(-)|(\\+)"));
  EXPECT_EQ((texts{"a", "b"}), byPattern("a<=>b", "(<)(=)(>)"));
  // Too many groups for the rest to be captured: nothing is cut, nothing lost.
  EXPECT_EQ((texts{"a,b"}), byPattern("a,b", "((((((((((((((,))))))))))))))"));
}

TEST(SplitByPattern, BadSeparatorKeepsTheText) { EXPECT_EQ((texts{"a(b"}), byPattern("a(b", "(")); }

TEST(Split, FixedSeparators) {
  orvo::stringlist out;
  orvo::split(orvo::string("a,b,c"), out, ",");
  EXPECT_EQ((texts{"a", "b", "c"}), pieces(out));
  orvo::split(orvo::string("a, b, c"), out, ", ");
  EXPECT_EQ((texts{"a", "b", "c"}), pieces(out));
  // Each character of the separator ends a token, and the rest of a
  // separator of several characters is dropped after it.
  orvo::split(orvo::string("a;b,c"), out, ",;");
  EXPECT_EQ((texts{"a"}), pieces(out));
  orvo::split(orvo::string("a;;b;;c"), out, ",;");
  EXPECT_EQ((texts{"a", "b", "c"}), pieces(out));
  // The first empty token ends the split.
  orvo::split(orvo::string("a,,b"), out, ",");
  EXPECT_EQ((texts{"a"}), pieces(out));
  orvo::split(orvo::string(""), out, ",");
  EXPECT_EQ(0u, out.count());
  orvo::split(orvo::string("abc"), out, "");
  EXPECT_EQ((texts{"abc"}), pieces(out));
  orvo::split(orvo::string("abc"), out, nullptr);
  EXPECT_EQ((texts{"abc"}), pieces(out));
}

TEST(SplitTopLevel, ParenthesesProtectSeparators) {
  orvo::stringlist out;
  orvo::splitTopLevel(orvo::string("f(a,b),g"), out, ",");
  EXPECT_EQ((texts{"f(a,b)", "g"}), pieces(out));
  orvo::splitTopLevel(orvo::string(",,a;(b;(c,d));,e,"), out, ",;");
  EXPECT_EQ((texts{"a", "(b;(c,d))", "e"}), pieces(out));
  orvo::splitTopLevel(orvo::string(""), out, ",");
  EXPECT_EQ(0u, out.count());
  orvo::splitTopLevel(orvo::string("a,b"), out, "");
  EXPECT_EQ((texts{"a,b"}), pieces(out));
  // A NUL inside the text is no separator.
  orvo::splitTopLevel(orvo::string("a\0b,c", 5), out, ",");
  EXPECT_EQ((texts{std::string("a\0b", 3), "c"}), pieces(out));
}

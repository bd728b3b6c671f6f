// Variables whose values are the same pattern share one compiled form; a
// change of value moves a variable to the other pattern without touching
// those that share the old one; what nobody holds is compiled again.
#include <config/PatternCache.h>

#include <gtest/gtest.h>

#include <memory>

#include <config/Variable.h>

TEST(PatternCache, EqualTextsShareOneCompiledPattern) {
  const size_t before = SharedAnchoredRegexpCount();
  auto a = std::make_unique<TVariable>("a", "10[0-9]");
  auto b = std::make_unique<TVariable>("b", "10[0-9]");
  TVariable other("c", "10[0-9]|2");
  TVariable copy(*a);
  EXPECT_FALSE(copy.HasPattern()) << "taken when asked";
  EXPECT_EQ(&a->Pattern(), &b->Pattern());
  EXPECT_EQ(&a->Pattern(), &copy.Pattern());
  EXPECT_NE(&a->Pattern(), &other.Pattern());
  EXPECT_EQ(before + 2, SharedAnchoredRegexpCount());

  const struct {
    TVariable* variable;
    const char* subject;
    bool matches;
  } cases[] = {
      {a.get(), "105", true},   {a.get(), "1050", false},  // anchored at both ends
      {&other, "2", true},      {&other, "22", false},    {&other, "101", true},
      {b.get(), "x105", false}, {&copy, "109", true},
  };
  for (const auto& c : cases) {
    orvo::regexp& pattern = c.variable->Pattern();
    EXPECT_EQ(c.matches, pattern.match(c.subject)) << c.subject;
    pattern.releaseSubject();
  }

  b->SetValue("7");
  EXPECT_NE(&a->Pattern(), &b->Pattern());
  EXPECT_TRUE(a->Pattern().match("101")) << "the others keep the old pattern";
  a->Pattern().releaseSubject();
  EXPECT_TRUE(b->Pattern().match("7"));
  b->Pattern().releaseSubject();
  a.reset();
  b.reset();
  EXPECT_EQ(before + 2, SharedAnchoredRegexpCount()) << "the copy still holds it";
  copy.SetValue("8");
  copy.Pattern();
  EXPECT_EQ(before + 2, SharedAnchoredRegexpCount()) << "10[0-9] released, 8 compiled";
}

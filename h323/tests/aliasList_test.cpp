// The alias texts of a registration: order, uniqueness and the queries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <h323/aliasList.h>

#include "orvoTesting.h"

namespace {

std::vector<std::string> texts(const orvo::stringlist& list) {
  std::vector<std::string> out;
  for (const orvo::string& s : list) out.push_back(toStd(s));
  return out;
}

orvo::stringlist listOf(std::initializer_list<const char*> items) {
  orvo::stringlist list;
  for (const char* s : items) list.append(s);
  return list;
}

TEST(aliaslist, textsInFirstOrderOnceAndNeverEmpty) {
  H323::aliasSequence aliases;
  for (const char* text : {"1234", "gk", "1234", "", "GK"}) H323::makeAliasAddress(*aliases.appendNew(), text);
  *static_cast<asn::constrainedString*>(aliases.appendNew()->select(2)) = "h323:gk@example.org";
  H323::makeAliasAddress(*aliases.appendNew(), "1234", 1);  // same text, another kind

  H323::aliaslist list(aliases);
  EXPECT_EQ(texts(list), (std::vector<std::string>{"1234", "gk", "GK"}));

  list = listOf({"b", "", "a", "b"});
  EXPECT_EQ(texts(list), (std::vector<std::string>{"b", "a"}));
  list = static_cast<const orvo::stringlist&>(list);
  EXPECT_EQ(texts(list), (std::vector<std::string>{"b", "a"}));
  list = aliases;
  EXPECT_EQ(texts(list), (std::vector<std::string>{"1234", "gk", "GK"}));

  H323::aliasSequence out;
  list.toAliasSequence(out);
  ASSERT_EQ(out.count(), 3u);
  const int kinds[] = {0, 1, 1};
  int i = 0;
  for (const orvo::listNode* n = out.elements().head(); n; n = n->next, ++i)
    EXPECT_EQ(H323::aliasSequence::element(n)->index(), kinds[i]);
}

TEST(aliaslist, includesAndContains) {
  H323::aliaslist list;
  list = listOf({"1234", "gk", "caf\xE9"});
  EXPECT_TRUE(list.includes(orvo::stringlist()));
  EXPECT_TRUE(list.includes(listOf({"caf\xE9", "1234"})));
  EXPECT_FALSE(list.includes(listOf({"1234", "GK"})));
  EXPECT_TRUE(list.contains("gk"));
  EXPECT_FALSE(list.contains("g"));
  EXPECT_FALSE(list.contains(""));
}

struct patternCase {
  const char* pattern;
  bool matches;
};

TEST(aliaslist, matchesAnchoredPatterns) {
  H323::aliaslist list;
  list = listOf({"1234", "gk-berlin"});
  // Patterns as the configuration compiles them: a match spans a whole text.
  const patternCase cases[] = {
      {"1234", true},    {"123", false},     {"23", false},    {"12.*", true},   {"gk-.*", true},
      {"berlin", false}, {".*berlin", true}, {"[0-9]+", true}, {"[0-9]", false}, {"x|1234", true},
  };
  for (const patternCase& c : cases) {
    orvo::regexp pattern(orvo::string("(") + c.pattern + ")$", orvo::regexp::anchored);
    ASSERT_EQ(pattern.status(), orvo::regexp::compiled) << c.pattern;
    EXPECT_EQ(list.matches(pattern), c.matches) << c.pattern;
  }
  orvo::regexp any(".*$", orvo::regexp::anchored);
  EXPECT_FALSE(H323::aliaslist().matches(any));
}

}  // namespace

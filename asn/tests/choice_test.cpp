#include <orvoTesting.h>

#include "fixtureTypes.h"

using fixture::item;

TEST(Choice, NewValueIsUnselected) {
  item c;
  EXPECT_EQ(-1, c.index());
  EXPECT_EQ(nullptr, c.alternative());
  EXPECT_EQ(0u, c.tag().number);
  EXPECT_EQ(0u, c.tag().tagClass);
}

TEST(Choice, SelectMakesTheAlternativesType) {
  item c;
  asn::object* a = c.select(2);
  EXPECT_EQ(2, c.index());
  ASSERT_NE(nullptr, dynamic_cast<fixture::colour*>(a));
  EXPECT_STREQ("Colour", c.alternativeName());
}

TEST(Choice, SelectMinusOneEmptiesTheChoice) {
  item c;
  c.select(0);
  EXPECT_EQ(nullptr, c.select(-1));
  EXPECT_EQ(-1, c.index());
  EXPECT_EQ(nullptr, c.alternative());
}

TEST(Choice, SelectAtOrBeyondTheCountGivesAnOpenTypePlaceholder) {
  item c;
  asn::object* a = c.select(4);
  EXPECT_EQ(4, c.index());
  asn::opentype* placeholder = dynamic_cast<asn::opentype*>(a);
  ASSERT_NE(nullptr, placeholder);
  EXPECT_EQ(0u, placeholder->octets().length());
  EXPECT_EQ(nullptr, c.alternativeName());
  ASSERT_NE(nullptr, dynamic_cast<asn::opentype*>(c.select(1000)));
}

TEST(Choice, SelectBelowMinusOneIsATypeError) {
  item c;
  c.select(1);
  ORVO_EXPECT_THROW(c.select(-2), asn::per::codec::typeException, "Choice alternative -2 does not exist.");
  EXPECT_EQ(1, c.index());
  ASSERT_NE(nullptr, c.alternative());
  ORVO_EXPECT_THROW(c.setAlternative(-5, new asn::null), asn::per::codec::typeException,
                    "Choice alternative -5 does not exist.");
  EXPECT_EQ(1, c.index());
}

TEST(Choice, SetAlternativeTakesOwnership) {
  item c;
  asn::integer<0u, 255u, 1>* n = new asn::integer<0u, 255u, 1>(42);
  c.setAlternative(0, n);
  EXPECT_EQ(n, c.alternative());
  // Installing the held value again must not delete it.
  c.setAlternative(0, n);
  EXPECT_EQ(n, c.alternative());
  EXPECT_EQ(42u, n->value());
  c.setAlternative(3, new asn::null);
  EXPECT_EQ(3, c.index());
  c.setAlternative(1, nullptr);
  EXPECT_EQ(-1, c.index());
  EXPECT_EQ(nullptr, c.alternative());
  c.setAlternative(-1, new asn::null);
  EXPECT_EQ(-1, c.index());
  EXPECT_EQ(nullptr, c.alternative());
}

TEST(Choice, EqualityFollowsSelectionAndValue) {
  item a, b;
  EXPECT_TRUE(a.isEqual(b));
  a.select(3);
  EXPECT_FALSE(a.isEqual(b));
  EXPECT_FALSE(b.isEqual(a));
  b.select(3);
  EXPECT_TRUE(a.isEqual(b));
  static_cast<asn::integer<0u, 255u, 1>*>(a.select(0))->setValue(1);
  static_cast<asn::integer<0u, 255u, 1>*>(b.select(0))->setValue(2);
  EXPECT_FALSE(a.isEqual(b));
}

TEST(Choice, CopyAndAssignAreDeep) {
  item a;
  *static_cast<fixture::name32*>(a.select(1)) = "xyz";
  item b(a);
  EXPECT_NE(a.alternative(), b.alternative());
  EXPECT_TRUE(a.isEqual(b));
  item c;
  c = a;
  a.select(-1);
  EXPECT_EQ("xyz", toStd(static_cast<fixture::name32*>(c.alternative())->value()));
  c = c;
  EXPECT_EQ("xyz", toStd(static_cast<fixture::name32*>(c.alternative())->value()));
  c = a;
  EXPECT_EQ(-1, c.index());
}

TEST(Choice, AssignCopiesAnUnknownAlternative) {
  item a;
  static_cast<asn::opentype*>(a.select(7))->setOctets("\xAA", 1);
  item b;
  b = a;
  EXPECT_EQ(7, b.index());
  EXPECT_TRUE(a.isEqual(b));
}

TEST(Choice, AssignFromItsOwnAlternativeKeepsTheSource) {
  fixture::nest outer;
  fixture::nest* inner = static_cast<fixture::nest*>(outer.select(1));
  inner->select(0);
  outer = *inner;
  EXPECT_EQ(0, outer.index());
  ASSERT_NE(nullptr, dynamic_cast<asn::null*>(outer.alternative()));
}

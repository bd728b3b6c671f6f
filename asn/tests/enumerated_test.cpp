#include <orvoTesting.h>

#include "fixtureTypes.h"

using fixture::colour;

TEST(Enumerated, SetValueFindsTheEntryByValue) {
  colour c;
  EXPECT_EQ(3, c.setValue(3));
  EXPECT_EQ(3u, c.index());
  EXPECT_EQ(3, c.value());
  EXPECT_EQ("Violet", toStd(c.name()));
  EXPECT_EQ(0, c.setValue(0));
  EXPECT_EQ("Red", toStd(c.name()));
}

TEST(Enumerated, UnknownValueGivesMinusOne) {
  colour c;
  EXPECT_EQ(-1, c.setValue(7));
  EXPECT_EQ(-1, c.value());
  EXPECT_EQ("unknown (-1)", toStd(c.name()));
  c.setIndex(9);
  EXPECT_EQ(-1, c.value());
  EXPECT_EQ("unknown (9)", toStd(c.name()));
}

TEST(Enumerated, CompareAndCopyByIndex) {
  colour a, b;
  a.setValue(2);
  EXPECT_FALSE(a.isEqual(b));
  b.assign(a);
  EXPECT_TRUE(a.isEqual(b));
  EXPECT_EQ(10u, a.tag().number);
  EXPECT_EQ(1u, a.tag().flag);
}

TEST(NamedValues, BinarySearchIsUnsigned) {
  static const asn::namedValue table[] = {{0, "A"}, {5, "B"}, {0x80000000u, "C"}, {0xFFFFFFFFu, "D"}};
  EXPECT_EQ(0, asn::findNamedValue(table, 4, 0));
  EXPECT_EQ(1, asn::findNamedValue(table, 4, 5));
  EXPECT_EQ(2, asn::findNamedValue(table, 4, 0x80000000u));
  EXPECT_EQ(3, asn::findNamedValue(table, 4, 0xFFFFFFFFu));
  EXPECT_EQ(-1, asn::findNamedValue(table, 4, 4));
  EXPECT_EQ(-1, asn::findNamedValue(table, 0, 0));
}

namespace {
const asn::namedValue problemValues[] = {{0, "UnrecognizedComponent"}, {3, "BadlyStructuredComponent"}};
class problem : public asn::namedInteger {
public:
  static const asn::typeInfo info;
  problem() : asn::namedInteger(&info) {}
  static asn::object* create() { return new problem; }
  using asn::namedInteger::operator=;
};
const asn::typeInfo problem::info = asn::typeInfo::namedInteger(problemValues);
}  // namespace

TEST(NamedInteger, NameOfTheValue) {
  problem p;
  p = 3;
  EXPECT_EQ("BadlyStructuredComponent", toStd(p.name()));
  p = 2;
  EXPECT_EQ("unknown", toStd(p.name()));
  EXPECT_EQ(2u, p.tag().number);
  EXPECT_EQ(1u, p.tag().flag);
  // Coded as an unconstrained INTEGER.
  p = 3;
  EXPECT_EQ("01 03", fixture::encodeHex(p));
  EXPECT_EQ(": BadlyStructuredComponent (3)", fixture::print(p));
}

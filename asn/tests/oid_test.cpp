#include <orvoTesting.h>

#include <asn/oid.h>

TEST(Oid, TenArcConstructorStopsAtTheFirstAbsentArc) {
  asn::oid id(0, 0, 8, 2250, 0, 4, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu);
  ASSERT_EQ(6u, id.count());
  EXPECT_EQ(2250u, id.arc(3));
  EXPECT_EQ(4u, id.data()[5]);
  asn::oid two(1, 2);
  EXPECT_EQ(2u, two.count());
  // An absent arc ends the list even when later ones are given.
  asn::oid cut(1, 2, 0xFFFFFFFFu, 5);
  EXPECT_EQ(2u, cut.count());
}

TEST(Oid, CompareByFirstDifferingArcThenCount) {
  asn::oid a(1, 2), b(1, 2, 3), c(1, 3), d(1, 2, 9);
  EXPECT_EQ(-1, a.compare(b));
  EXPECT_EQ(1, b.compare(a));
  EXPECT_EQ(1, c.compare(d));
  EXPECT_EQ(0, a.compare(asn::oid(1, 2)));
  // Signed 32-bit difference of the arcs.
  EXPECT_EQ(-5, asn::oid(1, 2).compare(asn::oid(1, 7)));
}

TEST(Oid, EqualityAndCopies) {
  asn::oid a(0, 0, 8, 2250, 0, 4);
  asn::oid b;
  EXPECT_TRUE(a != b);
  b = a;
  EXPECT_TRUE(a == b);
  EXPECT_TRUE(a.isEqual(b));
  b.append(7);
  EXPECT_EQ(7u, b.count());
  EXPECT_EQ(6u, a.count());
  EXPECT_FALSE(a.isEqual(b));
  uint32_t arcs[] = {2, 5, 8};
  b.set(arcs, 3);
  EXPECT_EQ(3u, b.count());
  EXPECT_EQ(8u, b.arc(2));
  EXPECT_EQ(0u, b.arc(3));
  EXPECT_EQ(6u, b.tag().number);
}

TEST(Oid, WritableArcsLeaveCopiesAlone) {
  asn::oid a(0, 0, 8, 2250, 0, 4);
  asn::oid b = a;
  b.data()[5] = 5;
  EXPECT_EQ(5u, b.arc(5));
  EXPECT_EQ(4u, a.arc(5));
  EXPECT_FALSE(a.isEqual(b));
  asn::oid none;
  EXPECT_EQ(nullptr, none.data());
}

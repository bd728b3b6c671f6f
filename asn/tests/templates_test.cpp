#include <memory>

#include <orvoTesting.h>

#include "fixtureTypes.h"

namespace {
const char dialledDigits[] = "#*,0123456789";
const char mobileDigits[] = "#*0123456789abc";
const char seventeen[] = "!#*0123456789ABCD";
}  // namespace

TEST(Templates, NegativeLowerBoundIsStoredAsItIs) {
  typedef asn::integer<4294705152u, 262143u, 1> signedRange;
  EXPECT_EQ(4294705152u, signedRange::info.lowerBound);
  EXPECT_EQ(262143u, signedRange::info.upperBound);
  signedRange v;
  v = uint32_t(-1);
  EXPECT_TRUE(v.hasNegativeRange());
  EXPECT_EQ(-1, v.signedValue());
  v.setValue(uint32_t(-262144));
  EXPECT_EQ(-262144, v.signedValue());
}

TEST(Templates, UnconstrainedAndFullRangeIntegers) {
  asn::integer<0u, 0u, 1> unconstrained;
  EXPECT_TRUE(unconstrained.isUnconstrained());
  EXPECT_EQ(0u, unconstrained.value());
  asn::integer<0u, 4294967295u, 1> full;
  full = 4294967295u;
  EXPECT_EQ(4294967295u, full.value());
  EXPECT_FALSE(full.hasNegativeRange());
  asn::integer<1u, 4294967295u, 1> fromOne;
  EXPECT_EQ(1u, fromOne.lowerBound());
  EXPECT_EQ(2u, (asn::integer<0u, 0u, 1>::info.tag.number));
}

TEST(Templates, ExtensibleInstancesCarryTwo) {
  EXPECT_EQ(2u, (asn::integer<0u, 127u, 2>::info.constraint));
  EXPECT_EQ(2u, (asn::integer<0u, 16383u, 2>::info.constraint));
  EXPECT_EQ(2u, (asn::integer<1u, 32768u, 2>::info.constraint));
  EXPECT_EQ(1u, (asn::integer<0u, 127u, 1>::info.constraint));
  EXPECT_TRUE((asn::integer<0u, 127u, 2>().isExtensible()));
}

// INTEGER (0..MAX) is neither unconstrained nor extensible.
TEST(Templates, SemiConstrainedInstancesCarryThree) {
  asn::integer<0u, 4294967295u, 3> fromZero;
  EXPECT_EQ(3u, fromZero.typeRecord().constraint);
  EXPECT_TRUE(fromZero.isSemiConstrained());
  EXPECT_FALSE(fromZero.isUnconstrained());
  EXPECT_FALSE(fromZero.isExtensible());
  EXPECT_FALSE(fromZero.hasNegativeRange());
  EXPECT_FALSE((asn::integer<0u, 4294967295u, 1>().isSemiConstrained()));
}

TEST(Templates, RestrictedStringRecords) {
  typedef asn::IA5String<1u, 1u, 1, seventeen, 17u> oneOf17;
  EXPECT_EQ(7u, oneOf17::info.characterBits);
  EXPECT_EQ(17u, oneOf17::info.alphabetSize);
  EXPECT_EQ(22u, oneOf17::info.tag.number);
  EXPECT_EQ(4u, (asn::numericString<1u, 16u, 1, asn::constrainedString::NumericSet, 11u>::info.characterBits));
  EXPECT_EQ(18u, (asn::numericString<1u, 16u, 1, asn::constrainedString::NumericSet, 11u>::info.tag.number));
  EXPECT_EQ(19u, (asn::printableString<0u, 0u, 1, asn::constrainedString::PrintableSet, 74u>::info.tag.number));
  EXPECT_EQ(8u, (asn::generalString<0u, 0u, 1, asn::constrainedString::GeneralSet, 256u>::info.characterBits));
  // Same bounds, other alphabet: another type.
  typedef asn::IA5String<1u, 128u, 1, dialledDigits, 13u> digits;
  typedef asn::IA5String<1u, 128u, 1, asn::constrainedString::IA5Set, 128u> text;
  EXPECT_NE(&digits::info, &text::info);
  digits d;
  text t;
  EXPECT_FALSE(d.sameType(t));
}

TEST(Templates, BitsPerCharacter) {
  EXPECT_EQ(1u, asn::constrainedString::bitsPerCharacter(1));
  EXPECT_EQ(1u, asn::constrainedString::bitsPerCharacter(2));
  EXPECT_EQ(2u, asn::constrainedString::bitsPerCharacter(3));
  EXPECT_EQ(4u, asn::constrainedString::bitsPerCharacter(11));
  EXPECT_EQ(4u, asn::constrainedString::bitsPerCharacter(13));
  EXPECT_EQ(4u, asn::constrainedString::bitsPerCharacter(15));
  EXPECT_EQ(4u, asn::constrainedString::bitsPerCharacter(16));
  EXPECT_EQ(8u, asn::constrainedString::bitsPerCharacter(17));
  EXPECT_EQ(8u, asn::constrainedString::bitsPerCharacter(74));
  EXPECT_EQ(8u, asn::constrainedString::bitsPerCharacter(128));
  EXPECT_EQ(8u, asn::constrainedString::bitsPerCharacter(256));
  EXPECT_EQ(16u, asn::constrainedString::bitsPerCharacter(257));
}

TEST(Templates, AlphabetsAreAscending) {
  EXPECT_EQ(11u, sizeof asn::constrainedString::NumericSet - 1);
  EXPECT_EQ(74u, sizeof asn::constrainedString::PrintableSet - 1);
  EXPECT_EQ(128u, sizeof asn::constrainedString::IA5Set);
  EXPECT_EQ(256u, sizeof asn::constrainedString::GeneralSet);
  auto ascending = [](const char* a, unsigned n) {
    for (unsigned i = 1; i < n; ++i)
      if (static_cast<unsigned char>(a[i - 1]) >= static_cast<unsigned char>(a[i])) return false;
    return true;
  };
  EXPECT_TRUE(ascending(asn::constrainedString::NumericSet, 11));
  EXPECT_TRUE(ascending(asn::constrainedString::PrintableSet, 74));
  EXPECT_TRUE(ascending(asn::constrainedString::IA5Set, 128));
  EXPECT_TRUE(ascending(asn::constrainedString::GeneralSet, 256));
  asn::IA5String<1u, 128u, 1, mobileDigits, 15u> tbcd;
  EXPECT_EQ(14, tbcd.indexOf('c'));
  EXPECT_EQ(-1, tbcd.indexOf('d'));
  EXPECT_EQ(0, tbcd.indexOf('#'));
}

TEST(Templates, ZeroAndOneSizeInstances) {
  asn::octetString<1u, 1u, 1> one;
  EXPECT_FALSE(one.isUnconstrained());
  EXPECT_EQ(1u, one.lowerBound());
  asn::octetString<0u, 0u, 1> any;
  EXPECT_TRUE(any.isUnconstrained());
  asn::integer<0u, 0u, 1> unconstrained;
  EXPECT_TRUE(unconstrained.isUnconstrained());
}

TEST(Templates, SequenceOfCreateIsEmptyAndOwnsItsElements) {
  typedef asn::sequenceOf<fixture::record, 0u, 0u, 1> records;
  std::unique_ptr<asn::object> created(records::create());
  records* list = dynamic_cast<records*>(created.get());
  ASSERT_NE(nullptr, list);
  EXPECT_EQ(0u, list->count());
  list->appendNew()->id = 3;
  list->append(new fixture::record)->hue = new fixture::colour;
  EXPECT_EQ(2u, list->count());
  EXPECT_EQ(16u, list->tag().number);
  EXPECT_EQ(17u, (asn::setOf<fixture::record, 1u, 4u, 1>::info.tag.number));
  // Destroying the list deletes the elements (checked by the leak checker).
}

TEST(Templates, SequenceOfCopyAssignCompare) {
  typedef asn::sequenceOf<asn::integer<0u, 255u, 1>, 0u, 0u, 1> numbers;
  numbers a;
  a.appendNew()->setValue(1);
  a.appendNew()->setValue(2);
  numbers b(a);
  EXPECT_TRUE(a.isEqual(b));
  EXPECT_NE(a.elements().first(), b.elements().first());
  b.elements().last()->assign(asn::integer<0u, 255u, 1>(3));
  EXPECT_FALSE(a.isEqual(b));
  b = a;
  EXPECT_TRUE(a.isEqual(b));
  b = b;
  EXPECT_EQ(2u, b.count());
  b.appendNew();
  EXPECT_FALSE(a.isEqual(b));
  b.clear();
  EXPECT_EQ(0u, b.count());
}

namespace {
typedef asn::anytype<fixture::record> heldRecord;
}

TEST(Templates, AnytypeHoldsADefaultValue) {
  heldRecord h;
  ASSERT_NE(nullptr, h.get());
  EXPECT_EQ(0u, h.tag().number);
  h.get()->id = 5;
  heldRecord copy(h);
  EXPECT_NE(h.get(), copy.get());
  EXPECT_EQ(5u, copy.get()->id.value());
  EXPECT_TRUE(h.isEqual(copy));
  copy.get()->id = 6;
  EXPECT_FALSE(h.isEqual(copy));
  h = h;
  EXPECT_EQ(5u, h.get()->id.value());
  h = copy;
  EXPECT_EQ(6u, h.get()->id.value());
  asn::object* fresh = h.reset();
  EXPECT_EQ(fresh, h.value());
  EXPECT_EQ(0u, h.get()->id.value());
}

TEST(Templates, IntegerAndBooleanStartAtZero) {
  asn::integer<5u, 10u, 1> n;
  EXPECT_EQ(0u, n.value());
  asn::booltype b;
  EXPECT_FALSE(b.value());
  std::unique_ptr<asn::object> created(asn::integer<0u, 7u, 1>::create());
  EXPECT_EQ(0u, static_cast<asn::integerBase*>(created.get())->value());
}

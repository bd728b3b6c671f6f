#include <memory>
#include <sstream>

#include <orvoTesting.h>

#include "fixtureTypes.h"

using fixture::record;

namespace {

// A record with every member present: id 7, item Name "ab", note 01 02,
// hue Blue, enabled true, extra.
void fill(record& r) {
  r.id = 7;
  r.entry = new fixture::item;
  *static_cast<fixture::name32*>(r.entry->select(1)) = "ab";
  r.note = new asn::octetString<1u, 128u, 1>;
  r.note->setValue("\x01\x02", 2);
  r.hue = new fixture::colour;
  r.hue->setValue(2);
  r.enabled = new asn::booltype(true);
  r.extra = new asn::null;
}

}  // namespace

TEST(Sequence, NewValueHasOptionalsAndAdditionsAbsent) {
  record r;
  EXPECT_EQ(nullptr, r.entry);
  EXPECT_EQ(nullptr, r.note);
  EXPECT_EQ(nullptr, r.hue);
  EXPECT_EQ(nullptr, r.unknown());
  EXPECT_FALSE(r.hasAdditions());
  EXPECT_EQ(0u, r.id.value());
  EXPECT_EQ(2u, r.optionalCount());
  EXPECT_EQ(3u, r.additionCount());
  r.extra = new asn::null;
  EXPECT_TRUE(r.hasAdditions());
}

TEST(Sequence, ResetDeletesPointerMembersKeepsByValue) {
  record r;
  fill(r);
  r.reset();
  EXPECT_EQ(nullptr, r.entry);
  EXPECT_EQ(nullptr, r.note);
  EXPECT_EQ(nullptr, r.hue);
  EXPECT_EQ(nullptr, r.enabled);
  EXPECT_EQ(nullptr, r.extra);
  EXPECT_EQ(7u, r.id.value());
}

TEST(Sequence, CopyIsDeepAndIndependent) {
  std::unique_ptr<record> source(new record);
  fill(*source);
  record copy(*source);
  EXPECT_TRUE(copy.isEqual(*source));
  EXPECT_NE(source->entry, copy.entry);
  EXPECT_NE(source->hue, copy.hue);
  source->hue->setValue(0);
  EXPECT_FALSE(copy.isEqual(*source));
  source.reset();
  EXPECT_EQ(2, copy.hue->value());
  EXPECT_EQ("ab", toStd(static_cast<fixture::name32*>(copy.entry->alternative())->value()));
  EXPECT_EQ(7u, copy.id.value());
}

TEST(Sequence, AssignReplacesPresentMembersAndDropsAbsentOnes) {
  record a, b;
  fill(a);
  b.id = 9;
  a = b;
  EXPECT_EQ(9u, a.id.value());
  EXPECT_EQ(nullptr, a.entry);
  EXPECT_EQ(nullptr, a.extra);
  EXPECT_TRUE(a.isEqual(b));
}

TEST(Sequence, SelfAssignmentKeepsTheValue) {
  record r;
  fill(r);
  record& alias = r;
  r = alias;
  r.assign(r);
  ASSERT_NE(nullptr, r.entry);
  ASSERT_NE(nullptr, r.hue);
  EXPECT_EQ(2, r.hue->value());
  EXPECT_EQ("ab", toStd(static_cast<fixture::name32*>(r.entry->alternative())->value()));
}

TEST(Sequence, AssignFromAValueInsideItselfKeepsTheSource) {
  // tree { children { tree { children { tree } } } } = its own first child.
  fixture::tree root;
  fixture::tree* child = static_cast<fixture::tree*>(root.children.appendNew());
  child->children.appendNew();
  root = *child;
  EXPECT_EQ(1u, root.children.count());
  EXPECT_EQ(0u, static_cast<fixture::tree*>(root.children.elements().first())->children.count());
}

TEST(Sequence, EqualityComparesPresenceAndValues) {
  record a, b;
  EXPECT_TRUE(a.isEqual(b));
  a.note = new asn::octetString<1u, 128u, 1>;
  EXPECT_FALSE(a.isEqual(b));
  EXPECT_FALSE(b.isEqual(a));
  b.note = new asn::octetString<1u, 128u, 1>;
  EXPECT_TRUE(a.isEqual(b));
  b.id = 1;
  EXPECT_FALSE(a.isEqual(b));
}

TEST(Sequence, EqualityIncludesTheSideRecordOfUnknownAdditions) {
  record a, b;
  a.setUnknown(std::unique_ptr<asn::unknownExtensions>(new asn::unknownExtensions(2)));
  EXPECT_FALSE(a.isEqual(b));
  b.setUnknown(std::unique_ptr<asn::unknownExtensions>(new asn::unknownExtensions(2)));
  EXPECT_TRUE(a.isEqual(b));
  asn::opentype kept;
  kept.setOctets("\x05", 1);
  a.unknown()->set(1, kept);
  EXPECT_FALSE(a.isEqual(b));
  b.unknown()->set(1, kept);
  EXPECT_TRUE(a.isEqual(b));

  record copy(a);
  ASSERT_NE(nullptr, copy.unknown());
  EXPECT_TRUE(copy.unknown()->isPresent(1));
  EXPECT_FALSE(copy.unknown()->isPresent(0));
  EXPECT_TRUE(copy.isEqual(a));
}

TEST(Sequence, SideRecordSlotsOutOfRangeThrow) {
  asn::unknownExtensions side(2);
  EXPECT_FALSE(side.isPresent(5));
  ORVO_EXPECT_THROW(side.get(2), orvo::exception, "requested extension[2], not present");
  ORVO_EXPECT_THROW(side.set(3, asn::opentype()), orvo::exception, "set extension[3], out of bounds");
}

TEST(Sequence, SetComponentReplacesAndDeletesTheOldValue) {
  record r;
  r.setComponent(3, new fixture::colour);
  ASSERT_NE(nullptr, r.hue);
  r.setComponent(3, r.hue);  // the value it already holds
  ASSERT_NE(nullptr, r.hue);
  r.setComponent(3, nullptr);
  EXPECT_EQ(nullptr, r.hue);
}

TEST(Sequence, ComponentWithoutComponentsIsEqual) {
  fixture::empty a, b;
  EXPECT_TRUE(a.isEqual(b));
  a = b;
  EXPECT_EQ(16u, a.tag().number);
  EXPECT_EQ(1u, a.tag().flag);
}

TEST(SequenceDeathTest, AssignOrCompareAcrossTypesIsRefused) {
  record r;
  fixture::recordV2 other;
  EXPECT_DEATH(r.assign(other), "sameType");
  EXPECT_DEATH(r.isEqual(other), "sameType");
  asn::integer<0u, 255u, 1> small;
  asn::integer<0u, 65535u, 1> large;
  EXPECT_DEATH(small.assign(large), "sameType");
}

TEST(Sequence, AssignmentThroughTheBaseCopiesDeeply) {
  record source;
  fill(source);
  record target;
  asn::sequence& base = target;
  base = source;
  EXPECT_TRUE(target.isEqual(source));
  ASSERT_NE(nullptr, target.entry);
  EXPECT_NE(source.entry, target.entry);
  // The copy is its own: changing it leaves the source as it was.
  target.hue->setValue(0);
  EXPECT_EQ(2, source.hue->value());
  asn::sequence& same = target;
  base = same;
  EXPECT_EQ(0, target.hue->value());
}

namespace {

// What a record holds after a decode into a value that held everything.
struct redecodeCase {
  const char* hex;
  bool fails;
  unsigned id;
  bool entry, note, hue, enabled, extra;
  unsigned unknownSlots;
};

const redecodeCase redecodeCases[] = {
    // e=0, no optionals, id 7: everything held before is dropped.
    {"00 00 07", false, 7, false, false, false, false, false, 0},
    // e=1, id 7, additions 0 000010 and 010: only Enabled, as 01 80.
    {"80 00 07 04 80 01 80", false, 7, false, false, false, true, false, 0},
    // e=1 note=1, id 1, note "xyz", additions 001: Extra as 01 00.
    {"A0 00 01 04 78 79 7A 04 40 01 00", false, 1, false, true, false, false, true, 0},
    // Five additions, two of them unknown: side record, no known addition.
    {"80 00 07 08 30 02 00 78 01 09", false, 7, false, false, false, false, false, 2},
    // Nothing to read: the by-value id keeps its value, the rest is gone.
    {"", true, 7, false, false, false, false, false, 0},
    // note=1, id 5, note of 2 octets cut after its length: the new note
    // stays partly filled, nothing older survives behind it.
    {"20 00 05 02", true, 5, false, true, false, false, false, 0},
    // Enabled announced, its open type cut after the length: the old
    // Enabled and the unreached Extra are dropped too.
    {"80 00 07 04 80 01", true, 7, false, false, false, false, false, 0},
};

}  // namespace

TEST(Sequence, DecodeReplacesEverythingTheValueHeld) {
  for (const redecodeCase& c : redecodeCases) {
    SCOPED_TRACE(c.hex);
    record r;
    fill(r);
    r.setUnknown(std::unique_ptr<asn::unknownExtensions>(new asn::unknownExtensions(4)));
    if (c.fails) {
      ORVO_EXPECT_THROW_ANY(fixture::decodeHex(r, c.hex));
    } else {
      fixture::decodeHex(r, c.hex);
    }
    EXPECT_EQ(c.id, r.id.value());
    EXPECT_EQ(c.entry, r.entry != nullptr);
    EXPECT_EQ(c.note, r.note != nullptr);
    EXPECT_EQ(c.hue, r.hue != nullptr);
    EXPECT_EQ(c.enabled, r.enabled != nullptr);
    EXPECT_EQ(c.extra, r.extra != nullptr);
    EXPECT_EQ(c.unknownSlots, r.unknown() ? r.unknown()->count() : 0u);
  }
}

TEST(Sequence, DecodeThroughTheTextCodecLeavesNothingBehind) {
  record r;
  fill(r);
  r.setUnknown(std::unique_ptr<asn::unknownExtensions>(new asn::unknownExtensions(1)));
  std::ostringstream out;
  asn::text::codec reader(out, 0);
  r.decode(reader);
  EXPECT_EQ(nullptr, r.entry);
  EXPECT_EQ(nullptr, r.hue);
  EXPECT_EQ(nullptr, r.extra);
  EXPECT_EQ(nullptr, r.unknown());
  EXPECT_EQ(7u, r.id.value());
  EXPECT_EQ("", out.str());
}

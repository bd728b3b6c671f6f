#include <orvo/aptr.h>
#include <orvo/dlist.h>
#include <orvo/list.h>
#include <orvo/storage.h>

#include <gtest/gtest.h>

#include <vector>

#include "orvoTesting.h"

namespace {

struct tracked {
  explicit tracked(int v) : value(v) { ++alive; }
  ~tracked() { --alive; }
  int value;
  static int alive;
};
int tracked::alive = 0;

std::vector<int> values(const orvo::list<tracked>& l) {
  std::vector<int> out;
  for (tracked* t : l) out.push_back(t->value);
  return out;
}

class ListTest : public ::testing::Test {
protected:
  void SetUp() override { tracked::alive = 0; }
  void TearDown() override { EXPECT_EQ(0, tracked::alive); }
};

}  // namespace

TEST_F(ListTest, FirstAppendCreatesAndLastRemoveReleasesTheRepresentation) {
  orvo::list<tracked> l(1);
  EXPECT_EQ(nullptr, l.representation());
  tracked* a = l.append(new tracked(1));
  ASSERT_NE(nullptr, l.representation());
  EXPECT_EQ(1u, l.representation()->referenceCount);
  EXPECT_EQ(a, l.first());
  EXPECT_EQ(a, l.last());
  l.remove(l.head(), -1);
  EXPECT_EQ(nullptr, l.representation());
  EXPECT_EQ(0, tracked::alive);
}

TEST_F(ListTest, PositionsOfInsertion) {
  orvo::list<tracked> l(1);
  l.append(new tracked(2));
  l.append(new tracked(3));
  l.prepend(new tracked(1));
  EXPECT_EQ(3, l.last()->value);
  l.insertAfter(new tracked(4), l.tail());
  EXPECT_EQ(4, l.last()->value);
  l.insertAfter(new tracked(9), l.head());
  EXPECT_EQ((std::vector<int>{1, 9, 2, 3, 4}), values(l));
  EXPECT_EQ(5u, l.count());
  EXPECT_EQ(nullptr, l.head()->prev);
  EXPECT_EQ(nullptr, l.tail()->next);
}

TEST_F(ListTest, ChangingASharedListClonesAndMapsPositions) {
  orvo::list<tracked> owner(1);
  for (int i = 1; i <= 3; ++i) owner.append(new tracked(i));
  orvo::list<tracked> view(0);
  view.appendAll(owner);
  orvo::list<tracked> copy(view);
  EXPECT_EQ(view.representation(), copy.representation());
  orvo::listNode* second = copy.head()->next;
  copy.insertAfter(new tracked(7), second);
  EXPECT_NE(view.representation(), copy.representation());
  EXPECT_EQ((std::vector<int>{1, 2, 3}), values(view));
  EXPECT_EQ((std::vector<int>{1, 2, 7, 3}), values(copy));
  EXPECT_EQ(view.head()->element, copy.head()->element) << "a clone shares the elements";

  orvo::list<tracked> other(view);
  orvo::listNode* keep = view.head();
  other.remove(other.head(), 0);
  EXPECT_EQ(keep, view.head());
  EXPECT_EQ(3u, view.count());
  EXPECT_EQ(2u, other.count());
  delete copy.remove(copy.head()->next->next, 0);  // the 7, which no owning list holds
}

TEST_F(ListTest, RemoveAndClearModes) {
  tracked* kept = new tracked(1);
  {
    orvo::list<tracked> l(1);
    l.append(kept);
    l.clear(0);
  }
  EXPECT_EQ(1, tracked::alive);
  {
    orvo::list<tracked> l(0);
    l.append(kept);
    l.clear(1);
  }
  EXPECT_EQ(0, tracked::alive);

  orvo::list<tracked> owning(1), plain(0);
  tracked* a = owning.append(new tracked(1));
  owning.append(new tracked(2));
  tracked* b = plain.append(new tracked(3));
  plain.append(new tracked(4));
  owning.remove(owning.find(a), -1);
  EXPECT_EQ(3, tracked::alive);
  plain.remove(plain.find(b), -1);
  EXPECT_EQ(3, tracked::alive);
  delete b;
  plain.remove(plain.head(), 1);
  EXPECT_EQ(1, tracked::alive);
  tracked* survivor = owning.remove(owning.head(), 0);
  EXPECT_EQ(1, tracked::alive);
  delete survivor;
}

TEST_F(ListTest, ClearOfASharedListDeletesNothing) {
  orvo::list<tracked> l(1);
  l.append(new tracked(1));
  {
    orvo::list<tracked> holder(l);
    l.clear(1);
    EXPECT_EQ(1, tracked::alive);
    EXPECT_EQ(1u, holder.count());
  }
  EXPECT_EQ(0, tracked::alive);
}

TEST_F(ListTest, FindIsByIdentity) {
  orvo::list<tracked> l(1);
  l.append(nullptr);
  tracked* t = l.append(new tracked(5));
  EXPECT_EQ(nullptr, l.find(nullptr));
  EXPECT_EQ(l.tail(), l.find(t));
  tracked same(5);
  EXPECT_EQ(nullptr, l.find(&same));
}

TEST_F(ListTest, IdentityCompareNeverCollapsesDistantPointers) {
  orvo::list<tracked> l(0);
  // Two addresses 2^32 apart truncate to the same int difference of 0.
  void* a = reinterpret_cast<void*>(uintptr_t(0x100000000ull + 0x1000));
  void* b = reinterpret_cast<void*>(uintptr_t(0x1000));
  EXPECT_NE(0, l.compare(a, b));
  EXPECT_EQ(0, l.compare(a, a));
  EXPECT_LT(l.compare(b, a), 0);
}

TEST_F(ListTest, AppendAllToItselfAndRemoveAll) {
  orvo::list<tracked> l(0);
  tracked a(1), b(2);
  l.append(&a);
  l.append(&b);
  l.appendAll(l);
  EXPECT_EQ((std::vector<int>{1, 2, 1, 2}), values(l));
  orvo::list<tracked> drop(0);
  drop.append(&a);
  l.removeAll(drop, 0);
  EXPECT_EQ((std::vector<int>{2, 1, 2}), values(l));
  l.removeAll(l, 0);
  EXPECT_TRUE(l.empty());
}

TEST_F(ListTest, IteratorWalksFromTheHead) {
  orvo::list<tracked> l(1);
  orvo::listIterator<tracked> none(l);
  EXPECT_EQ(nullptr, none.current());
  l.append(new tracked(1));
  l.append(new tracked(2));
  orvo::listIterator<tracked> it(l);
  EXPECT_EQ(1, it.current()->value);
  it.next();
  EXPECT_EQ(2, it.current()->value);
  it.next();
  EXPECT_EQ(nullptr, it.current());
}

TEST(ListDeath, ChangingASharedOwningListIsRefused) {
  EXPECT_DEATH(
      {
        orvo::list<int> a(1);
        a.append(new int(1));
        orvo::list<int> b(a);
        b.append(new int(2));
      },
      "owns");
}

TEST(ValueLists, CopyOnWriteAndFind) {
  orvo::stringlist a;
  a.append(orvo::string("one"));
  a.append(orvo::string("two"));
  orvo::stringlist b(a);
  b.prepend(orvo::string("zero"));
  EXPECT_EQ(2u, a.count());
  EXPECT_EQ(3u, b.count());
  EXPECT_EQ("zero", toStd(b.head()->value));
  EXPECT_EQ("one", toStd(a.head()->value));
  orvo::string probe("two");
  ASSERT_NE(nullptr, a.find(probe)) << "value lists match by equality";
  EXPECT_EQ(a.tail(), a.find(probe));
  EXPECT_EQ(nullptr, a.find(orvo::string("three")));
  orvo::stringlist empty;
  EXPECT_EQ(nullptr, empty.find(probe));

  orvo::dlist<unsigned> d;
  d.append(5);
  d.insertAfter(6, d.head());
  d.prepend(4);
  std::vector<unsigned> seen;
  for (unsigned v : d) seen.push_back(v);
  EXPECT_EQ((std::vector<unsigned>{4, 5, 6}), seen);
}

// Both list kinds share one insertion: each row inserts 9 into {1, 2, 3}
// at one place, with the representation shared with a second handle or not;
// the second handle keeps {1, 2, 3} and both walk the same way backwards.
TEST(ListInsertion, BothKindsInsertAtEveryPlaceSharedOrNot) {
  const struct {
    int after;  // -1: at the head; else after the node holding that value
    bool shared;
    std::vector<int> expected;
  } cases[] = {
      {-1, false, {9, 1, 2, 3}}, {-1, true, {9, 1, 2, 3}}, {1, false, {1, 9, 2, 3}},
      {1, true, {1, 9, 2, 3}},   {3, false, {1, 2, 3, 9}}, {3, true, {1, 2, 3, 9}},
  };
  for (const auto& c : cases) {
    int elements[] = {1, 2, 3, 9};
    orvo::list<int> pointers(0);
    orvo::dlist<int> values;
    for (int i = 0; i < 3; ++i) {
      pointers.append(&elements[i]);
      values.append(elements[i]);
    }
    orvo::list<int> otherPointers(pointers);
    orvo::dlist<int> otherValues(values);
    if (!c.shared) {
      otherPointers.clear(0);
      otherValues.clear();
    }
    orvo::listNode* pointerAt = nullptr;
    orvo::dlist<int>::node* valueAt = nullptr;
    if (c.after >= 0) {
      pointerAt = pointers.find(&elements[c.after - 1]);
      for (valueAt = values.head(); valueAt->value != c.after; valueAt = valueAt->next) {
      }
    }
    pointers.insertAfter(&elements[3], pointerAt);
    values.insertAfter(9, valueAt);

    std::vector<int> forward, backward, valueForward, valueBackward;
    for (int* e : pointers) forward.push_back(*e);
    for (orvo::listNode* n = pointers.tail(); n; n = n->prev) backward.insert(backward.begin(), *(int*)n->element);
    for (int v : values) valueForward.push_back(v);
    for (auto* n = values.tail(); n; n = n->prev) valueBackward.insert(valueBackward.begin(), n->value);
    EXPECT_EQ(c.expected, forward) << c.after << (c.shared ? " shared" : "");
    EXPECT_EQ(c.expected, backward) << c.after << (c.shared ? " shared" : "");
    EXPECT_EQ(c.expected, valueForward) << c.after << (c.shared ? " shared" : "");
    EXPECT_EQ(c.expected, valueBackward) << c.after << (c.shared ? " shared" : "");
    EXPECT_EQ(4u, pointers.count());
    EXPECT_EQ(4u, values.count());
    std::vector<int> untouched;
    for (int* e : otherPointers) untouched.push_back(*e);
    for (int v : otherValues) untouched.push_back(v);
    EXPECT_EQ(c.shared ? (std::vector<int>{1, 2, 3, 1, 2, 3}) : std::vector<int>{}, untouched);
  }
}

TEST(Storage, StepStackCapacities) {
  orvo::vector<int> v(5, 3);
  for (int i = 0; i < 5; ++i) v.append(i);
  EXPECT_EQ(5u, v.capacity());
  v.append(5);
  EXPECT_EQ(6u, v.capacity());
  v.append(6);
  EXPECT_EQ(9u, v.capacity());
  EXPECT_EQ(6, *v.at(6));
  EXPECT_EQ(nullptr, v.at(7));
  while (v.count()) v.remove(v.count() - 1);
  EXPECT_EQ(5u, v.capacity());
}

TEST(Storage, BoundsAndFullArrayRemoval) {
  orvo::vector<int> v(0, 3);
  for (int i = 0; i < 6; ++i) v.append(i);
  EXPECT_EQ(6u, v.capacity());
  v.remove(5, 1);  // full array: the unsigned slack wraps and the capacity is recomputed
  EXPECT_EQ(6u, v.capacity());
  EXPECT_EQ(5u, v.count());
  v.unshare();
  ORVO_EXPECT_THROW(v.container()->insert(7, 1), orvo::storageContainer::outOfBounds,
                    "Storage container index out of bounds.");
  ORVO_EXPECT_THROW(v.container()->remove(1, 0xFFFFFFFFu), orvo::storageContainer::outOfBounds,
                    "Storage container index out of bounds.");
  EXPECT_EQ(5u, v.count());
  v.insert(5, 42);
  EXPECT_EQ(42, *v.at(5));
  v.insert(0, *v.at(5));
  EXPECT_EQ(42, *v.at(0));
}

TEST(Storage, SharedArraysCloneOnChange) {
  orvo::vector<int> a(5, 3);
  a.append(1);
  orvo::vector<int> b(a);
  b.append(2);
  EXPECT_EQ(1u, a.count());
  EXPECT_EQ(2u, b.count());
  orvo::storage raw("abcd", 4, 1, 0, 4);
  EXPECT_EQ(4u, raw.count());
  EXPECT_EQ('c', *static_cast<char*>(raw.container()->at(2)));
}

namespace {
struct counted : orvo::refCount {
  static int destroyed;
  ~counted() override { ++destroyed; }
};
int counted::destroyed = 0;
}  // namespace

TEST(RefCount, LastHolderDeletes) {
  counted* c = new counted;
  c->addRef();
  c->addRef();
  c->releaseRef();
  EXPECT_EQ(0, counted::destroyed);
  c->releaseRef();
  EXPECT_EQ(1, counted::destroyed);
  orvo::aptr<counted> p(new counted);
  p.reset();
  EXPECT_EQ(2, counted::destroyed);
}

TEST(RefCountDeath, DestroyingAHeldObjectAsserts) {
  EXPECT_DEATH(
      {
        counted c;
        c.addRef();
      },
      "crefs == 0");
}

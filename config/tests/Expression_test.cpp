#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <string>
#include <vector>

#include <config/AddressExpressions.h>
#include <config/ComplexExpression.h>
#include <config/DateWindow.h>
#include <config/Expression.h>
#include <config/TokenContainer.h>
#include <config/ValueExpressions.h>
#include <config/VariableSetExp.h>
#include <orvoTesting.h>

namespace {

std::vector<TExpressionType> Types(const TExpressions& AList) {
  std::vector<TExpressionType> types;
  for (const TExpression* e : AList) types.push_back(e->Type);
  return types;
}

uint32_t Address(const char* AText) { return inet_addr(AText); }

}  // namespace

TEST(ExpressionList, PlainCodesAreAppendedUnchanged) {
  TExpressions list;
  TExpression* e = new TUIntExp(4, 10000);
  list.Add(e);
  EXPECT_EQ(std::vector<TExpressionType>{4}, Types(list));
  EXPECT_EQ(e, list.first());
}

TEST(ExpressionList, BothDirectionsGiveIncomingThenOutgoing) {
  TExpressions list;
  TUIntExp* original = new TUIntExp(20 | expIncoming | expOutgoing, 60);
  list.Add(original);
  EXPECT_EQ((std::vector<TExpressionType>{20 | expIncoming, 20 | expOutgoing}), Types(list));
  // Clones first, the object itself last.
  EXPECT_EQ(original, list.last());
  EXPECT_NE(original, list.first());
  EXPECT_EQ(60u, static_cast<TUIntExp*>(list.first())->Value);
}

TEST(ExpressionList, AllFourFlagsGiveFourEntriesInOrder) {
  TExpressions list;
  TExpression* original = new TExpression(7 | expDirections | expSides);
  list.Add(original);
  EXPECT_EQ((std::vector<TExpressionType>{0x50007, 0x90007, 0x60007, 0xA0007}), Types(list));
  EXPECT_EQ(original, list.last());
}

TEST(ExpressionList, SidesOnlyGiveCallerThenCallee) {
  TExpressions list;
  list.Add(new TStringExp(32 | expSides, "1.*"));
  EXPECT_EQ((std::vector<TExpressionType>{32 | expCaller, 32 | expCallee}), Types(list));
  EXPECT_EQ("1.*", toStd(static_cast<TStringExp*>(list.first())->Value));
}

TEST(ExpressionList, OneDirectionAndOneSideStayOneEntry) {
  TExpressions list;
  TExpression* original = new TExpression(70 | expIncoming | expCallee);
  list.Add(original);
  EXPECT_EQ(std::vector<TExpressionType>{0x90046}, Types(list));
  EXPECT_EQ(original, list.first());
}

TEST(ExpressionList, OneDirectionAndBothSides) {
  TExpressions list;
  list.Add(new TExpression(7 | expOutgoing | expSides));
  EXPECT_EQ((std::vector<TExpressionType>{0x60007, 0xA0007}), Types(list));
}

TEST(ExpressionList, AListThatKeepsEntriesAsWrittenDoesNotSplit) {
  TExpressions where(false);
  where.Add(new TStringExp(32 | expSides, "a"));
  where.Add(new TExpression(31));
  EXPECT_EQ((std::vector<TExpressionType>{32 | expSides, 31}), Types(where));
  TExpressions copy(where);
  EXPECT_EQ(Types(where), Types(copy));
  EXPECT_FALSE(copy.ExpandsFlags());
}

TEST(ExpressionList, CopyClonesEveryEntry) {
  TExpressions list;
  list.Add(new TUIntExp(20 | expDirections, 5));
  list.Add(new TBoolExp(62, true));
  TExpressions copy(list);
  EXPECT_EQ(Types(list), Types(copy));
  EXPECT_NE(list.first(), copy.first());
  static_cast<TUIntExp*>(list.first())->Value = 9;
  EXPECT_EQ(5u, static_cast<TUIntExp*>(copy.first())->Value);
}

TEST(ExpressionClone, ChildrenAreDeepCopied) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(1719);
  address.sin_addr.s_addr = Address("10.0.0.1");
  TExpression alternate(78);
  EXPECT_EQ(nullptr, alternate.ChildList());
  alternate.Children().Add(new TAlternateGKExp(77, address, "gk1"));
  alternate.Children().Add(new TAlternateGKExp(77, address, ""));
  std::unique_ptr<TExpression> clone(alternate.Clone());
  ASSERT_NE(nullptr, clone->ChildList());
  EXPECT_EQ(2u, clone->ChildList()->count());
  EXPECT_NE(alternate.Children().first(), clone->ChildList()->first());
  static_cast<TAlternateGKExp*>(alternate.Children().first())->Identifier = "changed";
  const TAlternateGKExp* first = static_cast<const TAlternateGKExp*>(clone->ChildList()->first());
  EXPECT_EQ("gk1", toStd(first->Identifier));
  EXPECT_EQ(htons(1719), first->Address.sin_port);
  EXPECT_EQ(78, clone->Type);
}

TEST(ExpressionClone, LeavesKeepTheirClassAndValue) {
  TIPAddressRangeExp range(64, false);
  range.Set(Address("10.0.0.1"), Address("10.0.0.3"));
  std::unique_ptr<TExpression> clone(range.Clone());
  TIPAddressRangeExp* copy = dynamic_cast<TIPAddressRangeExp*>(clone.get());
  ASSERT_NE(nullptr, copy);
  EXPECT_EQ(range.Low, copy->Low);
  EXPECT_EQ(range.High, copy->High);
  EXPECT_FALSE(copy->Allow);

  TVariableSetExps sets;
  sets.append(new TVariableSetExp(67, "Name", "value"));
  sets.append(new TVariableSetExp(68, "list", "x"));
  TVariableSetExps copies(sets);
  ASSERT_EQ(2u, copies.count());
  EXPECT_NE(sets.first(), copies.first());
  EXPECT_EQ("Name", toStd(copies.first()->Name));
  EXPECT_EQ(68, copies.last()->Type);
}

TEST(ExpressionChildren, SetChildrenReplacesTheList) {
  TExpression e(25);
  e.Children().Add(new TStringExp(24, "100"));
  TExpressions* replacement = new TExpressions();
  replacement->Add(new TStringExp(24, "200"));
  e.SetChildren(replacement);
  ASSERT_EQ(1u, e.Children().count());
  EXPECT_EQ("200", toStd(static_cast<TStringExp*>(e.Children().first())->Value));
  e.SetChildren(nullptr);
  EXPECT_EQ(nullptr, e.ChildList());
}

TEST(AddressRange, EndsInEitherOrderBothIncluded) {
  TIPAddressRangeExp range(64);
  range.Set(Address("10.0.0.9"), Address("10.0.0.1"));
  EXPECT_EQ(0x0A000001u, range.Low);
  EXPECT_EQ(0x0A000009u, range.High);
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  const char* inside[] = {"10.0.0.1", "10.0.0.5", "10.0.0.9"};
  for (const char* text : inside) {
    peer.sin_addr.s_addr = Address(text);
    EXPECT_TRUE(range.Contains(peer)) << text;
  }
  const char* outside[] = {"10.0.0.0", "10.0.0.10", "9.0.0.5", "11.0.0.5"};
  for (const char* text : outside) {
    peer.sin_addr.s_addr = Address(text);
    EXPECT_FALSE(range.Contains(peer)) << text;
  }
  EXPECT_TRUE(range.Contains(0x0A000005u));
  EXPECT_FALSE(range.Contains(0x0A00000Au));
}

namespace {

// A section that records what it applied; kind 4 and 20 count once.
class TRecordingSection : public TComplexExpression {
public:
  TRecordingSection() : TComplexExpression(0) {}
  bool IsUnique(const TExpression& ADirective) const override {
    return ADirective.Kind() == 4 || ADirective.Kind() == 20;
  }
  orvo::string Apply(const TExpression& ADirective) override {
    if (ADirective.Kind() == 99) return TComplexExpression::Apply(ADirective);
    const TUIntExp& value = static_cast<const TUIntExp&>(ADirective);
    Applied.push_back(std::to_string(ADirective.Type) + "=" + std::to_string(value.Value));
    return orvo::string();
  }
  std::vector<std::string> Applied;
};

}  // namespace

TEST(ApplyDirectives, FirstOccurrenceOfAOnceOnlyKindWins) {
  TExpressions list;
  list.Add(new TUIntExp(4, 10000));
  list.Add(new TUIntExp(15, 1));
  list.Add(new TUIntExp(4, 20000));
  list.Add(new TUIntExp(15, 2));
  TRecordingSection section;
  EXPECT_EQ("", toStd(ApplyDirectives(section, list)));
  EXPECT_EQ((std::vector<std::string>{"4=10000", "15=1", "15=2"}), section.Applied);
}

TEST(ApplyDirectives, OnceOnlyIsKeyedOnTheWholeTypeWord) {
  TExpressions list;
  list.Add(new TUIntExp(20 | expDirections, 60));
  list.Add(new TUIntExp(20 | expIncoming, 30));
  list.Add(new TUIntExp(20 | expOutgoing, 40));
  TRecordingSection section;
  EXPECT_EQ("", toStd(ApplyDirectives(section, list)));
  EXPECT_EQ(
      (std::vector<std::string>{std::to_string(20 | expIncoming) + "=60", std::to_string(20 | expOutgoing) + "=60"}),
      section.Applied);
}

TEST(ApplyDirectives, AnUnknownKindStopsTheList) {
  TExpressions list;
  list.Add(new TUIntExp(15, 1));
  list.Add(new TUIntExp(99, 0));
  list.Add(new TUIntExp(15, 2));
  TRecordingSection section;
  EXPECT_EQ("internal error, unknown expression", toStd(ApplyDirectives(section, list)));
  EXPECT_EQ(std::vector<std::string>{"15=1"}, section.Applied);
}

TEST(ApplyDirectives, AnEmptyListApplies) {
  TExpressions list;
  TRecordingSection section;
  EXPECT_EQ("", toStd(ApplyDirectives(section, list)));
  EXPECT_TRUE(section.Applied.empty());
}

TEST(TokenContainer, ClearingFreesEveryKind) {
  // Run under the sanitizers, a leak or a wrong deleter shows here.
  TTokenOwner owner;
  owner.Keep(new TTokenContainer(new orvo::string("text")));
  TExpressions* list = new TExpressions();
  list->Add(new TUIntExp(20 | expDirections, 1));
  owner.Keep(new TTokenContainer(list));
  owner.Keep(new TTokenContainer(static_cast<TExpression*>(new TStringExp(8, "group"))));
  owner.Keep(new TTokenContainer(new TDatePattern(2003, 12, 1, 0, 0, -1)));
  owner.Keep(new TTokenContainer(new TDateWindow()));
  TVariableSetExps* sets = new TVariableSetExps();
  sets->append(new TVariableSetExp(67, "a", "b"));
  owner.Keep(new TTokenContainer(sets));
  EXPECT_EQ(6u, owner.count());
  TTokenContainer* container = owner.first();
  container->Clear();
  EXPECT_EQ(TTokenContainer::tckEmpty, container->Kind);
  EXPECT_EQ(nullptr, container->Pointer);
  owner.FreeAll();
  EXPECT_EQ(0u, owner.count());
}

TEST(TokenContainer, TakeOverHandsTheObjectOut) {
  TTokenOwner owner;
  TTokenContainer* container = owner.Keep(new TTokenContainer(static_cast<TExpression*>(new TBoolExp(62, true))));
  std::unique_ptr<TExpression> taken(static_cast<TExpression*>(owner.TakeOver(container)));
  EXPECT_EQ(62, taken->Type);
  EXPECT_EQ(0u, owner.count());
  // A container nobody registered is deleted all the same.
  std::unique_ptr<orvo::string> text(
      static_cast<orvo::string*>(owner.TakeOver(new TTokenContainer(new orvo::string("x")))));
  EXPECT_EQ("x", toStd(*text));
}

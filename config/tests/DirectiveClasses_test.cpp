#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <config/LevelExpressions.h>
#include <config/LogExpressions.h>
#include <config/ReferenceExp.h>
#include <config/RuleExpressions.h>
#include <config/TokenContainer.h>
#include <config/Variables.h>
#include <orvoTesting.h>

namespace {

const int32_t any = TDatePattern::Any;

TDateWindow Office() {
  return TDateWindow(TDatePattern(any, any, any, 8, 0, any), TDatePattern(any, any, any, 17, 0, any));
}

TDatePattern At(int32_t AHour) { return TDatePattern(2003, 12, 3, AHour, 0, 0, 3); }

}  // namespace

TEST(RuleClone, LoginWithAMakeClonesTheMakeAndItsAssignments) {
  TLoginExp login(5, TVariableReference(orvo::string("1(.*)")), true);
  TMakeExp* make = new TMakeExp(69, TVariableReference(orvo::string("1(.*)")));
  make->Sets.append(new TVariableSetExp(67, "UserDisplay", "user \\1"));
  make->Sets.append(new TVariableSetExp(68, "aliases", "&"));
  login.Children().Add(make);

  std::unique_ptr<TExpression> clone(login.Clone());
  TLoginExp* copy = dynamic_cast<TLoginExp*>(clone.get());
  ASSERT_NE(nullptr, copy);
  EXPECT_TRUE(copy->Allow);
  EXPECT_EQ("1(.*)", toStd(copy->Pattern.Value()));
  ASSERT_NE(nullptr, copy->ChildList());
  TMakeExp* copiedMake = dynamic_cast<TMakeExp*>(copy->ChildList()->first());
  ASSERT_NE(nullptr, copiedMake);
  EXPECT_NE(make, copiedMake);
  EXPECT_EQ(69, copiedMake->Type);
  ASSERT_EQ(2u, copiedMake->Sets.count());
  EXPECT_NE(make->Sets.first(), copiedMake->Sets.first());
  make->Sets.first()->Value = "changed";
  EXPECT_EQ("user \\1", toStd(copiedMake->Sets.first()->Value));
  EXPECT_EQ("UserDisplay", toStd(copiedMake->Sets.first()->Name));
  EXPECT_EQ(68, copiedMake->Sets.last()->Type);
}

TEST(RuleClone, AliasKeepsItsWindowCostAndPattern) {
  TAliasExp alias(6, TVariableReference(orvo::string("100")), false, 7);
  const TDateWindow window = Office();
  alias.SetWindow(&window);
  std::unique_ptr<TExpression> clone(alias.Clone());
  TAliasExp* copy = dynamic_cast<TAliasExp*>(clone.get());
  ASSERT_NE(nullptr, copy);
  EXPECT_FALSE(copy->Allow);
  EXPECT_EQ(7u, copy->Cost);
  ASSERT_NE(nullptr, copy->Window());
  EXPECT_NE(alias.Window(), copy->Window());
  EXPECT_TRUE(copy->IsActive(At(10)));
  EXPECT_FALSE(copy->IsActive(At(20)));
  EXPECT_TRUE(copy->Pattern.Pattern().match(orvo::string("100")));
  EXPECT_EQ(TAliasExp::NoCost, TAliasExp(6, TVariableReference(orvo::string(".*")), true).Cost);
}

TEST(RuleClone, TranslationsDialsAndLevels) {
  TVariables scope;
  scope.Set("prefix", "9(.*)");
  TTranslateExp translate(0x90007, TVariableReference(&scope, "prefix"), TVariableReference(orvo::string("\\1")));
  std::unique_ptr<TExpression> clone(translate.Clone());
  TTranslateExp* copy = dynamic_cast<TTranslateExp*>(clone.get());
  ASSERT_NE(nullptr, copy);
  EXPECT_EQ(0x90007, copy->Type);
  EXPECT_EQ("prefix", toStd(copy->Pattern.Name()));
  EXPECT_EQ("9(.*)", toStd(copy->Pattern.ValueIn(&scope)));
  EXPECT_EQ("\\1", toStd(copy->Target.Value()));

  std::unique_ptr<TExpression> dial(TDialExp(14, "sales", false).Clone());
  EXPECT_EQ("sales", toStd(dynamic_cast<TDialExp&>(*dial).Identifier));
  EXPECT_FALSE(dynamic_cast<TDialExp&>(*dial).Allow);

  std::unique_ptr<TExpression> proxy(TProxyLevelExp(11, TProxyLevelExp::plFull).Clone());
  EXPECT_EQ(2u, dynamic_cast<TProxyLevelExp&>(*proxy).Level);
  std::unique_ptr<TExpression> hunt(THuntLevelExp(74, THuntLevelExp::hlHard).Clone());
  EXPECT_EQ(3u, dynamic_cast<THuntLevelExp&>(*hunt).Level);
  std::unique_ptr<TExpression> radius(TAAALevelExp(55, TAAALevelExp::alCall).Clone());
  EXPECT_EQ(6u, dynamic_cast<TAAALevelExp&>(*radius).Level);

  std::unique_ptr<TExpression> display(TReferenceExp(71, TVariableReference(&scope, "UserDisplay")).Clone());
  EXPECT_EQ("userdisplay", toStd(dynamic_cast<TReferenceExp&>(*display).Value.Name()));
}

TEST(LogRule, AliasConditionMatchesWholeAliases) {
  TLogAliasExp condition(32 | expCaller, "10.");
  EXPECT_EQ("10.", toStd(condition.PatternText()));
  EXPECT_TRUE(condition.Pattern().match(orvo::string("101")));
  EXPECT_FALSE(condition.Pattern().match(orvo::string("1011")));
  EXPECT_FALSE(condition.Pattern().match(orvo::string("2101")));
  std::unique_ptr<TExpression> clone(condition.Clone());
  TLogAliasExp& copy = dynamic_cast<TLogAliasExp&>(*clone);
  EXPECT_EQ(32 | expCaller, copy.Type);
  EXPECT_NE(&condition.Pattern(), &copy.Pattern());
  EXPECT_TRUE(copy.Pattern().match(orvo::string("109")));
}

TEST(LogRule, WhereConditionsStayAsWritten) {
  TLogMessageExp rule(35, true);
  EXPECT_EQ(nullptr, rule.Where());
  rule.AddCondition(new TLogDirectionExp(31, TLogDirectionExp::ldOutgoing));
  rule.AddCondition(new TLogAliasExp(32 | expSides, "1.*"));
  ASSERT_NE(nullptr, rule.Where());
  ASSERT_EQ(2u, rule.Where()->count());
  EXPECT_EQ(32 | expSides, rule.Where()->last()->Type);

  // The rule itself goes into the section's list, copies and all.
  TExpressions section;
  section.Add(rule.Clone());
  TExpressions copy(section);
  const TLogMessageExp* copied = static_cast<const TLogMessageExp*>(copy.first());
  ASSERT_NE(nullptr, copied->Where());
  ASSERT_EQ(2u, copied->Where()->count());
  EXPECT_NE(rule.Where()->first(), copied->Where()->first());
  EXPECT_EQ(31, copied->Where()->first()->Type);
  EXPECT_EQ(1, static_cast<const TLogDirectionExp*>(copied->Where()->first())->Direction);
  EXPECT_EQ(32 | expSides, copied->Where()->last()->Type);
  EXPECT_TRUE(copied->Allow);

  TExpressions* where = new TExpressions(false);
  where->Add(new TLogAliasExp(32 | expSides, "2.*"));
  rule.SetWhere(where);
  EXPECT_EQ(1u, rule.Where()->count());
  rule.SetWhere(nullptr);
  EXPECT_EQ(nullptr, rule.Where());
}

TEST(TokenContainer, ReferencesAndRulesAreFreedByKind) {
  TTokenOwner owner;
  owner.Keep(new TTokenContainer(new TVariableReference(orvo::string("literal"))));
  TLogMessageExp* rule = new TLogMessageExp(34, false);
  rule->AddCondition(new TLogAliasExp(32, "x"));
  owner.Keep(new TTokenContainer(static_cast<TExpression*>(rule)));
  TMakeExp* make = new TMakeExp(70 | expIncoming | expCallee, TVariableReference(orvo::string(".*")));
  make->Sets.append(new TVariableSetExp(67, "a", "b"));
  const TDateWindow window = Office();
  make->SetWindow(&window);
  TExpressions* list = new TExpressions();
  list->Add(make);
  owner.Keep(new TTokenContainer(list));
  EXPECT_EQ(3u, owner.count());
  owner.FreeAll();
  EXPECT_EQ(0u, owner.count());
}

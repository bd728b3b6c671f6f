#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include <config/AnchoredRegexp.h>
#include <config/VariableReference.h>
#include <config/Variables.h>
#include <outputCapture.h>
#include <orvoTesting.h>

TEST(AnchoredRegexp, MatchesWholeSubjectsOnly) {
  orvo::regexp pattern = AnchoredRegexp("10[0-9]");
  EXPECT_TRUE(pattern.match(orvo::string("101")));
  EXPECT_FALSE(pattern.match(orvo::string("1010")));
  EXPECT_FALSE(pattern.match(orvo::string("5101")));
  // Every alternative must reach the end, not only the last one.
  orvo::regexp alternatives = AnchoredRegexp("100|200");
  EXPECT_TRUE(alternatives.match(orvo::string("100")));
  EXPECT_TRUE(alternatives.match(orvo::string("200")));
  EXPECT_FALSE(alternatives.match(orvo::string("1000")));
  EXPECT_FALSE(alternatives.match(orvo::string("2000")));
  orvo::regexp nested = AnchoredRegexp("(1|2)(3|4)|x\\|[|]|y");
  EXPECT_TRUE(nested.match(orvo::string("14")));
  EXPECT_TRUE(nested.match(orvo::string("x||")));
  EXPECT_FALSE(nested.match(orvo::string("x|")));
  EXPECT_TRUE(nested.match(orvo::string("y")));
  EXPECT_FALSE(nested.match(orvo::string("145")));
  EXPECT_FALSE(nested.match(orvo::string("x|y")));
  EXPECT_FALSE(nested.match(orvo::string("x")));
  orvo::string subject("123");
  orvo::regexp groups = AnchoredRegexp("1(.*)|9(.)");
  EXPECT_TRUE(groups.match(subject));
  EXPECT_EQ("23", toStd(groups.group(1)));
  orvo::regexp empty = AnchoredRegexp("");
  EXPECT_TRUE(empty.match(orvo::string("")));
  EXPECT_FALSE(empty.match(orvo::string("x")));
}

TEST(VariableReference, NamedValueIsLookedUpInTheScopeGiven) {
  TVariables first, second;
  first.Set("username", "alice");
  second.Set("username", "bob");
  TVariableReference reference(nullptr, "UserName");
  EXPECT_EQ("username", toStd(reference.Name()));
  EXPECT_FALSE(reference.IsLiteral());
  EXPECT_EQ("alice", toStd(reference.ValueIn(&first)));
  EXPECT_EQ("bob", toStd(reference.ValueIn(&second)));
  EXPECT_EQ(&second, reference.Scope());
  EXPECT_EQ("bob", toStd(reference.Value()));
}

TEST(VariableReference, ValueFollowsChangesOfTheScope) {
  TVariables parent, child;
  child.SetParent(&parent);
  parent.Set("name", "outer");
  TVariableReference reference(&child, "name");
  EXPECT_EQ("outer", toStd(reference.Value()));
  child.Set("name", "inner");
  EXPECT_EQ("inner", toStd(reference.Value()));
  child.Remove("name");
  EXPECT_EQ("outer", toStd(reference.Value()));
}

TEST(VariableReference, MissingVariablesAreLoggedAtEveryUse) {
  TVariables scope;
  TVariableReference reference(&scope, "H235Password");
  TOutputCapture log;
  EXPECT_EQ("", toStd(reference.Value()));
  EXPECT_EQ("", toStd(reference.ValueIn(&scope)));
  EXPECT_EQ("Variable not found: h235password.\nVariable not found: h235password.\n", log.Text());
}

TEST(VariableReference, UnresolvedPatternMatchesOnlyTheEmptyText) {
  TVariables scope;
  TVariableReference reference(&scope, "nothing");
  TOutputCapture log;
  orvo::regexp& pattern = reference.PatternIn(&scope);
  EXPECT_EQ(&TVariableReference::DefaultPattern(), &pattern);
  EXPECT_TRUE(pattern.match(orvo::string("")));
  EXPECT_FALSE(pattern.match(orvo::string("100")));
  EXPECT_EQ("Variable not found: nothing.\n", log.Text());
}

TEST(VariableReference, PatternOfAVariableIsAnchoredAndKeptWithIt) {
  TVariables scope;
  scope.Set("aliases", "1(.*)");
  TVariableReference reference(nullptr, "aliases");
  orvo::regexp& pattern = reference.PatternIn(&scope);
  EXPECT_EQ(&scope.Find("aliases")->Pattern(), &pattern);
  const orvo::string subject("123");
  EXPECT_TRUE(pattern.match(subject));
  EXPECT_EQ("23", toStd(pattern.group(1)));
  EXPECT_EQ("123-23", toStd(pattern.expand("&-\\1")));
  EXPECT_FALSE(reference.PatternIn(&scope).match(orvo::string("0123")));
}

TEST(VariableReference, AScopeThatIsGoneLeavesTheReferenceUnresolved) {
  // A registration's scope goes while directive objects keep pointing at it.
  TVariableReference reference(nullptr, "username");
  {
    TVariables registration;
    registration.Set("username", "alice");
    EXPECT_EQ("alice", toStd(reference.ValueIn(&registration)));
  }
  TOutputCapture log;
  EXPECT_EQ(nullptr, reference.Scope());
  EXPECT_EQ("", toStd(reference.Value()));
  EXPECT_TRUE(reference.Pattern().match(orvo::string("")));
  EXPECT_EQ("Variable not found: username.\nVariable not found: username.\n", log.Text());
}

TEST(VariableReference, AVariableThatIsGoneIsNotUsed) {
  TVariables scope;
  scope.Set("x", "1");
  TVariableReference reference(&scope, "x");
  EXPECT_TRUE(reference.Pattern().match(orvo::string("1")));
  scope.Remove("x");
  TOutputCapture log;
  EXPECT_EQ("", toStd(reference.Value()));
  EXPECT_FALSE(reference.Pattern().match(orvo::string("1")));
}

TEST(VariableReference, WithoutAScopeIsUnresolved) {
  TVariableReference reference(nullptr, "username");
  TOutputCapture log;
  EXPECT_EQ(nullptr, reference.Scope());
  EXPECT_EQ("", toStd(reference.Value()));
  EXPECT_EQ(&TVariableReference::DefaultPattern(), &reference.Pattern());
  EXPECT_EQ("Variable not found: username.\nVariable not found: username.\n", log.Text());
}

TEST(VariableReference, LiteralsIgnoreScopes) {
  TVariables scope;
  scope.Set("", "not this");
  TVariableReference literal(orvo::string(".*"));
  EXPECT_TRUE(literal.IsLiteral());
  EXPECT_EQ("", toStd(literal.Name()));
  EXPECT_EQ(".*", toStd(literal.ValueIn(&scope)));
  EXPECT_EQ(".*", toStd(literal.ValueIn(nullptr)));
  EXPECT_TRUE(literal.PatternIn(&scope).match(orvo::string("anything")));
}

TEST(VariableReference, CopiedLiteralsAreIndependent) {
  std::unique_ptr<TVariableReference> first(new TVariableReference(orvo::string("lit")));
  TVariableReference second(*first);
  TVariableReference third(orvo::string("other"));
  third = second;
  first.reset();
  EXPECT_EQ("lit", toStd(second.Value()));
  EXPECT_EQ("lit", toStd(third.Value()));
  EXPECT_TRUE(third.Pattern().match(orvo::string("lit")));
  // Assigning a named reference over a literal frees the literal.
  TVariables scope;
  scope.Set("n", "named");
  third = TVariableReference(&scope, "n");
  EXPECT_FALSE(third.IsLiteral());
  EXPECT_EQ("named", toStd(third.Value()));
}

#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include <config/Variables.h>
#include <orvoTesting.h>

namespace {

std::string ValueOf(const TVariables& AScope, const char* AName) {
  const TVariable* variable = AScope.Find(AName);
  return variable ? toStd(variable->Value()) : "<none>";
}

}  // namespace

TEST(Variables, NamesAreStoredLowerCasedAndLookedUpExactly) {
  TVariables scope;
  scope.Set("UserName", "alice");
  ASSERT_NE(nullptr, scope.Find("username"));
  EXPECT_EQ("username", toStd(scope.Find("username")->Name()));
  EXPECT_EQ(nullptr, scope.FindOwn("UserName"));
  EXPECT_EQ(nullptr, scope.Find("UserName"));
  scope.Set("USERNAME", "bob");
  EXPECT_EQ(1u, scope.count());
  EXPECT_EQ("bob", ValueOf(scope, "username"));
  TVariable direct("MiXed", "v");
  EXPECT_EQ("mixed", toStd(direct.Name()));
}

TEST(Variables, LookupRunsOutwardsAndSetShadows) {
  TVariables user, registration, call;
  registration.SetParent(&user);
  call.SetParent(&registration);
  user.Set("h235name", "outer");
  user.Set("only", "user");
  registration.Set("h235name", "inner");
  EXPECT_EQ("inner", ValueOf(call, "h235name"));
  EXPECT_EQ("user", ValueOf(call, "only"));
  EXPECT_EQ(nullptr, call.FindOwn("only"));
  call.Set("only", "call");
  EXPECT_EQ("call", ValueOf(call, "only"));
  EXPECT_EQ("user", ValueOf(user, "only"));
  EXPECT_EQ("<none>", ValueOf(call, "missing"));
}

TEST(Variables, AddExtendsAnAlternation) {
  TVariables scope;
  scope.Set("a", "a");
  scope.Add("a", "b");
  EXPECT_EQ("a|b", ValueOf(scope, "a"));
  scope.Set("g", "(a)x)");
  scope.Add("g", "b");
  EXPECT_EQ("(a|b)x)", ValueOf(scope, "g"));
  scope.Set("e", "()");
  scope.Add("e", "c");
  EXPECT_EQ("(c)", ValueOf(scope, "e"));
  scope.Set("l", "(a|b)");
  scope.Add("L", "c");
  EXPECT_EQ("(a|b|c)", ValueOf(scope, "l"));
  scope.Set("empty", "");
  scope.Add("empty", "x");
  EXPECT_EQ("x", ValueOf(scope, "empty"));
  scope.Add("new", "first");
  EXPECT_EQ("first", ValueOf(scope, "new"));
}

TEST(Variables, AddWithEmptyText) {
  TVariables scope;
  scope.Set("a", "x");
  scope.Add("a", "");
  EXPECT_EQ("x", ValueOf(scope, "a"));
  scope.Add("b", "");
  ASSERT_NE(nullptr, scope.FindOwn("b"));
  EXPECT_EQ("", ValueOf(scope, "b"));
}

TEST(Variables, AddOnAParentsVariableDefinesItInTheOwnScope) {
  TVariables parent, child;
  child.SetParent(&parent);
  parent.Set("list", "a");
  child.Add("list", "b");
  EXPECT_EQ("a|b", toStd(child.FindOwn("list")->Value()));
  EXPECT_EQ("a", ValueOf(parent, "list"));
}

TEST(Variables, SetVariableAndRemove) {
  TVariables scope;
  scope.SetVariable(TVariable("One", "1"));
  scope.SetVariable(TVariable("one", "2"));
  EXPECT_EQ(1u, scope.count());
  EXPECT_EQ("2", ValueOf(scope, "one"));
  scope.Set("two", "2");
  scope.Remove("TWO");
  EXPECT_EQ(2u, scope.count());
  scope.Remove("two");
  EXPECT_EQ(1u, scope.count());
  scope.Remove("absent");
  EXPECT_EQ(1u, scope.count());
}

TEST(Variables, CopiesAreIndependent) {
  TVariables parent;
  TVariables original;
  original.SetParent(&parent);
  original.Set("a", "1");
  original.Set("b", "2");
  original.Find("a")->Pattern();
  TVariables copy(original);
  EXPECT_EQ(&parent, copy.Parent());
  EXPECT_EQ(2u, copy.count());
  EXPECT_FALSE(copy.Find("a")->HasPattern());
  copy.Set("a", "changed");
  EXPECT_EQ("1", ValueOf(original, "a"));
  TVariables assigned;
  assigned.Set("stale", "x");
  assigned = original;
  EXPECT_EQ(nullptr, assigned.Find("stale"));
  EXPECT_EQ("2", ValueOf(assigned, "b"));
  EXPECT_EQ(&parent, assigned.Parent());
  // The order of the list is the order of first definition.
  EXPECT_EQ("a", toStd(assigned.first()->Name()));
}

TEST(Variables, AParentThatIsGoneReadsAsNone) {
  TVariables child;
  {
    TVariables parent;
    parent.Set("x", "1");
    child.SetParent(&parent);
    EXPECT_EQ("1", ValueOf(child, "x"));
  }
  EXPECT_EQ(nullptr, child.Parent());
  EXPECT_EQ("<none>", ValueOf(child, "x"));
}

TEST(VariablePattern, CompiledOnceAndDroppedWhenTheValueChanges) {
  TVariable variable("p", "1.*");
  EXPECT_FALSE(variable.HasPattern());
  orvo::regexp* first = &variable.Pattern();
  EXPECT_TRUE(first->match(orvo::string("123")));
  EXPECT_EQ(first, &variable.Pattern());
  variable.SetValue("1.*");
  EXPECT_TRUE(variable.HasPattern());
  EXPECT_EQ(first, &variable.Pattern());
  variable.SetValue("2.*");
  EXPECT_FALSE(variable.HasPattern());
  EXPECT_FALSE(variable.Pattern().match(orvo::string("123")));
  EXPECT_TRUE(variable.Pattern().match(orvo::string("234")));
}

TEST(VariablePattern, AWholeSubjectMustMatch) {
  TVariable variable("p", "12");
  EXPECT_TRUE(variable.Pattern().match(orvo::string("12")));
  EXPECT_FALSE(variable.Pattern().match(orvo::string("123")));
  EXPECT_FALSE(variable.Pattern().match(orvo::string("012")));
  TVariable alternation("p", "100|200");
  EXPECT_TRUE(alternation.Pattern().match(orvo::string("200")));
  EXPECT_FALSE(alternation.Pattern().match(orvo::string("1000")));
}

#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <string>

#include <config/Configuration.h>
#include <config/DirectiveCode.h>
#include <orvoTesting.h>

#include "Directives.h"

using namespace directive;

namespace {

class UserQueries : public ::testing::Test {
protected:
  void SetUp() override { TClock::Set(Wednesday(12)); }
  void TearDown() override { TClock::UseSystemClock(); }

  TUser& User(const char* AName, std::initializer_list<TExpression*> ADirectives) {
    TDirectiveList list(ADirectives);
    TUser* user = Configuration.Users().append(new TUser(AName));
    EXPECT_EQ("", toStd(user->ApplyDefinitions(list, Configuration)));
    return *user;
  }

  void AddGroup(const char* AName) { Configuration.Groups().append(new TGroup(AName, nullptr)); }

  TConfiguration Configuration;
};

sockaddr_in At(const char* ADotted) {
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(1720);
  address.sin_addr.s_addr = inet_addr(ADotted);
  return address;
}

std::string Value(const TVariables& AScope, const char* AName) {
  const TVariable* variable = AScope.FindOwn(AName);
  return variable ? toStd(variable->Value()) : "<none>";
}

}  // namespace

TEST_F(UserQueries, AddressRulesFirstMatchDecides) {
  TUser& open = User("open", {});
  EXPECT_TRUE(open.IsAddressAllowed(At("192.0.2.1")));
  TUser& user = User("ranges", {Range(dcAddressRule, "10.0.0.0", "10.0.0.255", false),
                                Range(dcAddressRule, "10.0.0.0", "10.255.255.255", true)});
  EXPECT_FALSE(user.IsAddressAllowed(At("10.0.0.7")));
  EXPECT_TRUE(user.IsAddressAllowed(At("10.1.2.3")));
  EXPECT_TRUE(user.IsAddressAllowed(At("10.255.255.255")));
  EXPECT_FALSE(user.IsAddressAllowed(At("11.0.0.0")));
  // A static address alone refuses every other address.
  TUser& fixed = User("fixed", {SockAddr(dcStatic, "10.0.0.5", 1720)});
  EXPECT_TRUE(fixed.IsAddressAllowed(At("10.0.0.5")));
  EXPECT_FALSE(fixed.IsAddressAllowed(At("10.0.0.6")));
}

TEST_F(UserQueries, RadiusNeedsPerSide) {
  TUser& call = User("call", {Level(dcRadiusAuthentication, 6), Level(dcRadiusAccounting, 2)});
  EXPECT_TRUE(call.NeedsRadiusAuthentication(TUser::usCaller));
  EXPECT_TRUE(call.NeedsRadiusAuthentication(TUser::usCallee));
  EXPECT_TRUE(call.NeedsRadiusAccounting(TUser::usCaller));
  EXPECT_FALSE(call.NeedsRadiusAccounting(TUser::usCallee));
  TUser& login = User("login", {Level(dcRadiusAuthentication, 1), Level(dcRadiusAccounting, 4)});
  EXPECT_FALSE(login.NeedsRadiusAuthentication(TUser::usCaller));
  EXPECT_FALSE(login.NeedsRadiusAuthentication(TUser::usCallee));
  EXPECT_FALSE(login.NeedsRadiusAccounting(TUser::usCaller));
  EXPECT_TRUE(login.NeedsRadiusAccounting(TUser::usCallee));
}

TEST_F(UserQueries, RadiusNeedsRefuseAnUnknownSide) {
  TUser& user = User("u", {});
  EXPECT_DEATH(user.NeedsRadiusAuthentication(2), "Assertion failed: ASide == TUser::usCallee");
}

TEST_F(UserQueries, TranslationsTakeTheFirstActiveMatch) {
  const TDateWindow office = Hours(8, 0, 17, 0);
  const TDateWindow night = Hours(22, 0, 6, 0);
  TUser& user = User("u", {Translate(dcTranslate | expOutgoing | expCaller, "0(.*)", "night \\1", &night),
                           Translate(dcTranslate | expOutgoing | expCaller, "0(..)(.*)", "+49 \\1 \\2 [&]", &office),
                           Translate(dcTranslate | expOutgoing | expCaller, "0(.*)", "fallback \\1"),
                           Translate(dcTranslate | expIncoming | expCallee, "(.*)", "in \\1")});
  TVariables scope;
  EXPECT_EQ("+49 30 1234 [0301234]", toStd(user.TranslateOutgoingAlias(TUser::usCaller, "0301234", &scope)));
  // Anchored: a pattern matches the whole alias or not at all.
  EXPECT_EQ("x0301234", toStd(user.TranslateOutgoingAlias(TUser::usCaller, "x0301234", &scope)));
  EXPECT_EQ("0301234", toStd(user.TranslateOutgoingAlias(TUser::usCallee, "0301234", &scope)));
  EXPECT_EQ("in 555", toStd(user.TranslateIncomingAlias(TUser::usCallee, "555", &scope)));
  TClock::Set(Wednesday(23, 30));
  EXPECT_EQ("night 301234", toStd(user.TranslateOutgoingAlias(TUser::usCaller, "0301234", &scope)));
  TClock::Set(Wednesday(18));
  EXPECT_EQ("fallback 301234", toStd(user.TranslateOutgoingAlias(TUser::usCaller, "0301234", &scope)));
}

TEST_F(UserQueries, TranslationReferencesResolveInTheGivenScope) {
  TExpression* translate = new TTranslateExp(dcTranslate | expOutgoing | expCallee, TVariableReference(nullptr, "from"),
                                             TVariableReference(nullptr, "to"));
  TUser& user = User("u", {translate});
  TVariables outer, scope;
  scope.SetParent(&outer);
  outer.Set("from", "7(.*)");
  scope.Set("to", "8\\1");
  EXPECT_EQ("8123", toStd(user.TranslateOutgoingAlias(TUser::usCallee, "7123", &scope)));
  scope.Set("to", "9\\1");
  EXPECT_EQ("9123", toStd(user.TranslateOutgoingAlias(TUser::usCallee, "7123", &scope)));
}

TEST_F(UserQueries, CanDialWithoutRulesOrWithRulesInOrder) {
  AddGroup("Sales");
  TUser& bob = User("Bob", {Text(dcGroupMember, "sales")});
  TUser& carol = User("Carol", {});
  TUser& free = User("free", {});
  EXPECT_TRUE(free.CanDial(bob));
  TUser& picky = User("picky", {Dial("bob", false), Dial("SALES", true), Dial("", true)});
  EXPECT_FALSE(picky.CanDial(bob));
  EXPECT_TRUE(picky.CanDial(carol));
  TUser& groups = User("groups", {Dial("sales", true)});
  EXPECT_TRUE(groups.CanDial(bob));
  EXPECT_FALSE(groups.CanDial(carol));
  TUser& self = User("Self_User", {Dial("self", true)});
  EXPECT_TRUE(self.CanDial(self));
  EXPECT_FALSE(self.CanDial(carol));
}

TEST_F(UserQueries, CanDialWithOnlyInactiveWindowsIsFalse) {
  const TDateWindow office = Hours(8, 0, 17, 0);
  TUser& callee = User("callee", {});
  TUser& daytime = User("daytime", {Dial("", true, &office)});
  EXPECT_TRUE(daytime.CanDial(callee));
  TClock::Set(Wednesday(20));
  EXPECT_FALSE(daytime.CanDial(callee));
}

TEST_F(UserQueries, ApplyMakeRunsTheFirstMatchingRuleOfThatKind) {
  const TDateWindow office = Hours(8, 0, 17, 0);
  const TExpressionType incomingCallee = dcMakeAlias | expIncoming | expCallee;
  TUser& user =
      User("u", {Make(dcMakeLogin, TVariableReference(orvo::string("1(.)(.*)")),
                      {{dcSetTo, "First", "\\1"}, {dcSetTo, "rest", "\\2"}, {dcSetAdd, "all", "&"}}),
                 Make(dcMakeLogin, TVariableReference(orvo::string(".*")), {{dcSetTo, "other", "&"}}),
                 Make(incomingCallee, TVariableReference(orvo::string("9.*")), {{dcSetTo, "late", "&"}}, &office)});
  TVariables scope;
  scope.Set("all", "(0)");
  user.ApplyMake(&scope, dcMakeLogin, "1234");
  EXPECT_EQ("2", Value(scope, "first"));
  EXPECT_EQ("34", Value(scope, "rest"));
  EXPECT_EQ("(0|1234)", Value(scope, "all"));
  EXPECT_EQ("<none>", Value(scope, "other"));
  user.ApplyMake(&scope, dcMakeLogin, "555");
  EXPECT_EQ("555", Value(scope, "other"));
  // The kind is compared with the flags.
  user.ApplyMake(&scope, dcMakeAlias | expOutgoing | expCallee, "900");
  EXPECT_EQ("<none>", Value(scope, "late"));
  EXPECT_TRUE(user.HasMake(incomingCallee));
  EXPECT_FALSE(user.HasMake(dcMakeAlias));
  TClock::Set(Wednesday(20));
  EXPECT_FALSE(user.HasMake(incomingCallee));
  user.ApplyMake(&scope, incomingCallee, "900");
  EXPECT_EQ("<none>", Value(scope, "late"));
  TClock::Set(Wednesday(9));
  user.ApplyMake(&scope, incomingCallee, "900");
  EXPECT_EQ("900", Value(scope, "late"));
}

TEST_F(UserQueries, ApplyMakeSurvivesAnAssignmentToItsOwnPatternVariable) {
  // The rule's pattern is the variable "pattern" of the scope, and its first
  // assignment replaces that variable (dropping the compiled pattern) before
  // the next ones are expanded from the match.
  TUser& user = User("u", {Make(dcMakeLogin, TVariableReference(nullptr, "pattern"),
                                {{dcSetTo, "pattern", "replaced"},
                                 {dcSetTo, "area", "\\1"},
                                 {dcSetAdd, "pattern", "\\2"},
                                 {dcSetTo, "whole", "&"}})});
  TVariables scope;
  scope.Set("pattern", "(0[0-9][0-9])(.*)");
  scope.FindOwn("pattern")->Pattern();
  user.ApplyMake(&scope, dcMakeLogin, "0301234");
  EXPECT_EQ("030", Value(scope, "area"));
  EXPECT_EQ("0301234", Value(scope, "whole"));
  EXPECT_EQ("replaced|1234", Value(scope, "pattern"));
}

TEST_F(UserQueries, RemoveMakeVariablesOfOneKind) {
  TUser& user = User("u", {Make(dcMakeLogin, TVariableReference(orvo::string(".*")), {{dcSetTo, "Ext", "&"}}),
                           Make(dcMakeAlias | expOutgoing | expCaller, TVariableReference(orvo::string(".*")),
                                {{dcSetTo, "dialled", "&"}})});
  TVariables scope;
  scope.Set("ext", "1");
  scope.Set("dialled", "2");
  scope.Set("kept", "3");
  user.RemoveMakeVariables(&scope, dcMakeLogin);
  EXPECT_EQ("<none>", Value(scope, "ext"));
  EXPECT_EQ("2", Value(scope, "dialled"));
  EXPECT_EQ("3", Value(scope, "kept"));
}

TEST_F(UserQueries, TimedOptionsAnswerWithTheFirstActiveEntry) {
  const TDateWindow office = Hours(8, 0, 17, 0);
  TUser& user = User("u", {TimedUInt(dcCost, 10, &office), TimedUInt(dcCost, 20)});
  TUser& partly = User("partly", {TimedUInt(dcCost, 10, &office)});
  EXPECT_EQ(10u, user.Cost().ActiveAt(Wednesday(10)).Value);
  EXPECT_EQ(20u, user.Cost().ActiveAt(Wednesday(20)).Value);
  EXPECT_EQ(0xFFFFFFFFu, partly.Cost().ActiveAt(Wednesday(20)).Value);
}

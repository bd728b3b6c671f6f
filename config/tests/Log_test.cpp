#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <orvo/socketAddress.h>

#include <config/DirectiveCode.h>
#include <config/Log.h>
#include <orvoTesting.h>

#include "Directives.h"

using namespace directive;

namespace {

// One rule; its conditions are kept as written.
TLogMessageExp* Rule(TExpressionType AFamily, bool AAllow, std::initializer_list<TExpression*> AWhere = {}) {
  TLogMessageExp* rule = new TLogMessageExp(AFamily, AAllow);
  for (TExpression* condition : AWhere) rule->AddCondition(condition);
  return rule;
}

TExpression* Direction(int ADirection) { return new TLogDirectionExp(dcWhereDirection, ADirection); }

TExpression* AliasIs(TExpressionType ASides, const char* APattern) {
  return new TLogAliasExp(dcWhereAlias | ASides, APattern);
}

sockaddr_in Peer(const char* ADotted) {
  sockaddr_in address = orvo::defaultAddress;
  address.sin_addr.s_addr = inet_addr(ADotted);
  address.sin_port = htons(1719);
  return address;
}

TStringList Aliases(std::initializer_list<const char*> ATexts) {
  TStringList list;
  for (const char* text : ATexts) list.append(text);
  return list;
}

class LogFilter : public ::testing::Test {
protected:
  const TLogRules& Rules(TExpressionType AFamily, std::initializer_list<TLogMessageExp*> ARules) {
    TDirectiveList list({});
    for (TLogMessageExp* rule : ARules) list.List.Add(rule);
    EXPECT_EQ("", toStd(ApplyDirectives(Log, list)));
    switch (AFamily) {
      case dcRasMessages:
        return Log.RasRules();
      case dcQ931Messages:
        return Log.Q931Rules();
      case dcH245Messages:
        return Log.H245Rules();
      case dcH450Messages:
        return Log.H450Rules();
      case dcRadiusMessages:
        return Log.RadiusRules();
      default:
        return Log.MonitorRules();
    }
  }

  TLog Log;
};

}  // namespace

TEST_F(LogFilter, AnEmptyFamilyLogsNothing) {
  EXPECT_FALSE(TLog::IsLogged(Log.RasRules(), TLog::ldReceived, nullptr, nullptr, Peer("10.0.0.1")));
  EXPECT_FALSE(TLog::IsLogged(Log.Q931Rules(), TLog::ldSent, nullptr, nullptr, orvo::nullAddress));
}

TEST_F(LogFilter, ARuleWithoutConditionsDecidesEverythingLeft) {
  const TLogRules& rules = Rules(dcRasMessages, {Rule(dcRasMessages, false, {Direction(TLog::ldSent)}),
                                                 Rule(dcRasMessages, true), Rule(dcRasMessages, false)});
  EXPECT_FALSE(TLog::IsLogged(rules, TLog::ldSent, nullptr, nullptr, Peer("10.0.0.1")));
  EXPECT_TRUE(TLog::IsLogged(rules, TLog::ldReceived, nullptr, nullptr, Peer("10.0.0.1")));
}

TEST_F(LogFilter, ConditionsOfARuleAllHold) {
  const TLogRules& rules =
      Rules(dcRasMessages,
            {Rule(dcRasMessages, true, {Direction(TLog::ldReceived), Range(dcWhereAddress, "10.0.0.1", "10.0.0.5")}),
             Rule(dcRasMessages, false, {Direction(TLog::ldReceived)}),
             Rule(dcRasMessages, true, {Range(dcWhereAddress, "10.0.0.1", "10.0.0.5")})});
  EXPECT_TRUE(TLog::IsLogged(rules, TLog::ldReceived, nullptr, nullptr, Peer("10.0.0.5")));
  EXPECT_TRUE(TLog::IsLogged(rules, TLog::ldReceived, nullptr, nullptr, Peer("10.0.0.1")));
  EXPECT_FALSE(TLog::IsLogged(rules, TLog::ldReceived, nullptr, nullptr, Peer("10.0.0.6")));
  EXPECT_TRUE(TLog::IsLogged(rules, TLog::ldSent, nullptr, nullptr, Peer("10.0.0.3")));
  EXPECT_FALSE(TLog::IsLogged(rules, TLog::ldSent, nullptr, nullptr, Peer("10.0.0.0")));
}

TEST_F(LogFilter, AliasConditionsNeedAnAliasList) {
  const TLogRules& rules = Rules(dcQ931Messages, {Rule(dcQ931Messages, true, {AliasIs(expCallee, "1.*")})});
  const TStringList callee = Aliases({"abc", "123"});
  const TStringList empty;
  // RAS messages come without alias lists.
  EXPECT_FALSE(TLog::IsLogged(rules, TLog::ldReceived, nullptr, nullptr, Peer("10.0.0.1")));
  EXPECT_FALSE(TLog::IsLogged(rules, TLog::ldReceived, nullptr, &empty, Peer("10.0.0.1")));
  EXPECT_TRUE(TLog::IsLogged(rules, TLog::ldReceived, nullptr, &callee, Peer("10.0.0.1")));
  // The pattern must match the whole alias.
  const TStringList longer = Aliases({"x123"});
  EXPECT_FALSE(TLog::IsLogged(rules, TLog::ldReceived, nullptr, &longer, Peer("10.0.0.1")));
}

TEST_F(LogFilter, AnAliasConditionWithBothSidesTestsTheCaller) {
  const TLogRules& rules = Rules(dcH245Messages, {Rule(dcH245Messages, true, {AliasIs(expSides, "42")})});
  const TStringList match = Aliases({"42"});
  const TStringList other = Aliases({"7"});
  EXPECT_TRUE(TLog::IsLogged(rules, TLog::ldSent, &match, &other, orvo::nullAddress));
  EXPECT_FALSE(TLog::IsLogged(rules, TLog::ldSent, &other, &match, orvo::nullAddress));
  EXPECT_FALSE(TLog::IsLogged(rules, TLog::ldSent, nullptr, &match, orvo::nullAddress));
}

TEST_F(LogFilter, FamiliesKeepTheirOwnRulesInFileOrder) {
  TDirectiveList list({Rule(dcH450Messages, false), Rule(dcRadiusMessages, true), Rule(dcMonitorMessages, true),
                       Rule(dcH450Messages, true), Rule(dcQ931Messages, true)});
  EXPECT_EQ("", toStd(ApplyDirectives(Log, list)));
  EXPECT_EQ(2u, Log.H450Rules().count());
  EXPECT_FALSE(Log.H450Rules().first()->Allow);
  EXPECT_EQ(1u, Log.RadiusRules().count());
  EXPECT_EQ(1u, Log.MonitorRules().count());
  EXPECT_EQ(1u, Log.Q931Rules().count());
  EXPECT_EQ(0u, Log.RasRules().count());
  EXPECT_EQ(0u, Log.H245Rules().count());
  EXPECT_FALSE(TLog::IsLogged(Log.H450Rules(), TLog::ldSent, nullptr, nullptr, orvo::nullAddress));
}

TEST(LogSection, FlagsAndFileApplyOnce) {
  TLog log;
  EXPECT_FALSE(log.Registrations());
  EXPECT_FALSE(log.MessagesDump());
  TDirectiveList list({Bool(dcMessagesDump, true), Bool(dcMessagesDump, false), Text(dcFile, "gk.log"),
                       Text(dcFile, "other.log"), Bool(dcRegistrations, true), Bool(dcConnectionStatus, true),
                       Bool(dcChosenRoute, true), Bool(dcAvailableBandwidth, true), Bool(dcBandwidthChanges, true)});
  EXPECT_EQ("", toStd(ApplyDirectives(log, list)));
  EXPECT_TRUE(log.MessagesDump());
  EXPECT_EQ("gk.log", toStd(log.FileName()));
  EXPECT_TRUE(log.Registrations());
  EXPECT_TRUE(log.ConnectionStatus());
  EXPECT_TRUE(log.ChosenRoute());
  EXPECT_TRUE(log.AvailableBandwidth());
  EXPECT_TRUE(log.BandwidthChanges());
}

TEST(LogSection, UnknownDirectiveStopsTheSection) {
  TLog log;
  TDirectiveList list({Bool(dcRegistrations, true), UInt(dcBandwidth, 1), Bool(dcChosenRoute, true)});
  EXPECT_EQ("internal error, unknown expression", toStd(ApplyDirectives(log, list)));
  EXPECT_TRUE(log.Registrations());
  EXPECT_FALSE(log.ChosenRoute());
}

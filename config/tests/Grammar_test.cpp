// Every directive form of the grammar: the objects it builds, their type
// words with flags, their values and the defaults of the parts left out.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include <config/ParseRun.h>
#include <orvoTesting.h>

#include "RecordingBuilder.h"

namespace {

struct TDirectiveCase {
  const char* Section;    // the section header
  const char* Directive;  // one directive, written inside braces
  const char* Expected;   // the section's directive list
};

const TDirectiveCase systemCases[] = {
    {"system", "identifier \"gk1\"", "TStringExp 22 \"gk1\""},
    {"system", "ras port 1719", "TUIntExp 2 1719"},
    {"system", "call signal port 1720", "TUIntExp 3 1720"},
    {"system", "address 10.0.0.1", "TIPAddressExp 1 10.0.0.1"},
    {"system", "address \"10.0.0.2\"", "TIPAddressExp 1 10.0.0.2"},
    {"system", "address \"localhost\"", "TIPAddressExp 1 127.0.0.1"},
    // The dotted form goes through the address conversion: a leading zero is octal.
    {"system", "address 010.0.0.1", "TIPAddressExp 1 8.0.0.1"},
};

const TDirectiveCase monitorCases[] = {
    {"monitor", "port 2041", "TUIntExp 65 2041"},
    {"monitor", "password \"secret\"", "TStringExp 66 \"secret\""},
    {"monitor", "address 10.0.0.0 - 10.0.0.255 no", "TIPAddressRangeExp 64 10.0.0.0-10.0.0.255 false"},
    {"monitor", "address 10.0.0.7", "TIPAddressRangeExp 64 10.0.0.7-10.0.0.7 true"},
    {"monitor", "address yes", "TIPAddressRangeExp 64 0.0.0.0-255.255.255.255 true"},
};

const TDirectiveCase zoneCases[] = {
    {"zone z", "bandwidth 1.5K", "TUIntExp 4 15"},
    {"zone z", "bandwidth unlimited", "TUIntExp 4 4294967295"},
    {"zone z", "connections 10", "TUIntExp 15 10"},
    {"link between a and b", "bandwidth 2M", "TUIntExp 4 20000"},
    {"link l between a and b", "connections unlimited", "TUIntExp 15 4294967295"},
};

const TDirectiveCase logCases[] = {
    {"log", "registrations yes", "TBoolExp 40 true"},
    {"log", "connection status no", "TBoolExp 41 false"},
    {"log", "chosen route yes", "TBoolExp 42 true"},
    {"log", "available bandwidth yes", "TBoolExp 43 true"},
    {"log", "bandwidth changes allow", "TBoolExp 44 true"},
    {"log", "file \"gk.log\"", "TStringExp 45 \"gk.log\""},
    {"log", "messages dump yes", "TBoolExp 46 true"},
    {"log", "ras messages", "TLogMessageExp 34 true"},
    {"log", "ras messages where in where address 10.0.0.9 - 10.0.0.1 no",
     "TLogMessageExp 34 false where {TLogDirectionExp 31 0 | TIPAddressRangeExp 33 10.0.0.1-10.0.0.9 true}"},
    {"log", "q931 messages where out where caller alias \"1.*\" where address 10.0.0.1",
     "TLogMessageExp 35 true where {TLogDirectionExp 31 1 | TLogAliasExp 32 caller \"1.*\" | "
     "TIPAddressRangeExp 33 10.0.0.1-10.0.0.1 true}"},
    // Without a side the condition keeps both flags as written.
    {"log", "h245 messages where alias \"2.*\" yes",
     "TLogMessageExp 36 true where {TLogAliasExp 32 caller callee \"2.*\"}"},
    {"log", "h450 messages where callee alias \"3\" no",
     "TLogMessageExp 37 false where {TLogAliasExp 32 callee \"3\"}"},
    {"log", "radius messages where out", "TLogMessageExp 38 true where {TLogDirectionExp 31 1}"},
    {"log", "radius messages deny", "TLogMessageExp 38 false"},
    {"log", "monitor messages where in where address 10.1.1.1",
     "TLogMessageExp 39 true where {TLogDirectionExp 31 0 | "
     "TIPAddressRangeExp 33 10.1.1.1-10.1.1.1 true}"},
};

const TDirectiveCase aaaCases[] = {
    {"aaa", "file \"gk.bil\"", "TStringExp 45 \"gk.bil\""},  {"aaa", "address 10.0.0.7", "TIPAddressExp 1 10.0.0.7"},
    {"aaa", "authentication port 1645", "TUIntExp 53 1645"}, {"aaa", "accounting port 1646", "TUIntExp 54 1646"},
    {"aaa", "password \"s3\"", "TStringExp 52 \"s3\""},      {"aaa", "log failed calls", "TBoolExp 72 true"},
    {"aaa", "log failed calls no", "TBoolExp 72 false"},     {"aaa", "time zone name \"MSK\"", "TStringExp 75 \"MSK\""},
    {"aaa", "time zone offset gmt", "TBoolExp 76 true"},     {"aaa", "time zone offset local", "TBoolExp 76 false"},
};

const TDirectiveCase userCases[] = {
    {"user u", "login \"1.*\"", "TLoginExp 5 \"1.*\" true"},
    {"user u", "login UserLogin no", "TLoginExp 5 $userlogin false"},
    {"user u", "login yes", "TLoginExp 5 \".*\" true"},
    {"user u", "login no", "TLoginExp 5 \".*\" false"},
    {"user u", "login \"(1.*)\" set UserDisplay to \"\\1\" set list add \"&\"",
     "TLoginExp 5 \"(1.*)\" true {TMakeExp 69 \"(1.*)\" [TVariableSetExp 67 UserDisplay=\"\\1\", "
     "TVariableSetExp 68 list=\"&\"]}"},
    {"user u", "login yes set a to \"b\"", "TLoginExp 5 \".*\" true {TMakeExp 69 \".*\" [TVariableSetExp 67 a=\"b\"]}"},
    {"user u", "alias \"100\"", "TAliasExp 6 \"100\" true cost 4294967295"},
    {"user u", "alias \"1.*\" no cost 5 at 8:00 - 17:30",
     "TAliasExp 6 \"1.*\" false cost 5 at */*/* * 8:0:* - */*/* * 17:30:*"},
    {"user u", "alias yes cost 3", "TAliasExp 6 \".*\" true cost 3"},
    {"user u", "alias \"1(.*)\" translate to \"2\\1\" set x to \"y\" at MON - FRI",
     "TAliasExp 6 \"1(.*)\" true cost 4294967295 at */*/* 1 *:*:* - */*/* 5 *:*:* {"
     "TTranslateExp 7 in callee \"1(.*)\" -> \"2\\1\" at */*/* 1 *:*:* - */*/* 5 *:*:* | "
     "TMakeExp 70 in callee \"1(.*)\" [TVariableSetExp 67 x=\"y\"] at */*/* 1 *:*:* - */*/* 5 *:*:*}"},
    {"user u", "alias Pattern cost 2 translate to target",
     "TAliasExp 6 $pattern true cost 2 {TTranslateExp 7 in callee $pattern -> $target}"},
    {"user u", "alias \"7\" set n add \"a\"",
     "TAliasExp 6 \"7\" true cost 4294967295 {TMakeExp 70 in callee \"7\" "
     "[TVariableSetExp 68 n=\"a\"]}"},
    {"user u", "set Var to \"v\"", "TVariableSetExp 67 Var=\"v\""},
    {"user u", "set v add \"w\"", "TVariableSetExp 68 v=\"w\""},
    {"user u", "make login \"1.*\" set a to \"b\" set c add \"d\"",
     "TMakeExp 69 \"1.*\" [TVariableSetExp 67 a=\"b\", TVariableSetExp 68 c=\"d\"]"},
    {"user u", "make alias \"1.*\" set a to \"b\"",
     "TMakeExp 70 in caller \"1.*\" [TVariableSetExp 67 a=\"b\"] | TMakeExp 70 in callee \"1.*\" [TVariableSetExp 67 "
     "a=\"b\"] | TMakeExp 70 out caller \"1.*\" [TVariableSetExp 67 a=\"b\"] | TMakeExp 70 out callee \"1.*\" "
     "[TVariableSetExp 67 a=\"b\"]"},
    {"user u", "make out callee alias v set a add \"b\" at 1/12/2003 8:00 - 31/12/2003 18:00:30",
     "TMakeExp 70 out callee $v [TVariableSetExp 68 a=\"b\"] at 1/12/2003 * 8:0:* - 31/12/2003 * 18:0:30"},
    {"user u", "make in alias \"5\" set a to \"b\"",
     "TMakeExp 70 in caller \"5\" [TVariableSetExp 67 a=\"b\"] | TMakeExp 70 in callee \"5\" [TVariableSetExp 67 "
     "a=\"b\"]"},
    {"user u", "translate alias \"1(.*)\" to \"2\\1\"",
     "TTranslateExp 7 in caller \"1(.*)\" -> \"2\\1\" | TTranslateExp 7 in callee \"1(.*)\" -> \"2\\1\" | "
     "TTranslateExp 7 out caller \"1(.*)\" -> \"2\\1\" | TTranslateExp 7 out callee \"1(.*)\" -> \"2\\1\""},
    {"user u", "translate in alias \"a\" to b",
     "TTranslateExp 7 in caller \"a\" -> $b | TTranslateExp 7 in callee \"a\" -> $b"},
    {"user u", "translate outgoing caller alias \"a\" to \"b\" at SAT - SUN",
     "TTranslateExp 7 out caller \"a\" -> \"b\" at */*/* 6 *:*:* - */*/* 7 *:*:*"},
    {"user u", "display \"John\"", "TReferenceExp 71 \"John\""},
    {"user u", "display FullName", "TReferenceExp 71 $fullname"},
    {"user u", "group member Staff", "TStringExp 8 \"Staff\""},
    {"user u", "location office", "TStringExp 9 \"office\""},
    {"user u", "static 10.0.0.1", "TSockAddrInExp 10 10.0.0.1:1720"},
    {"user u", "static 10.0.0.1:1721", "TSockAddrInExp 10 10.0.0.1:1721"},
    {"user u", "static \"10.0.0.3:1800\"", "TSockAddrInExp 10 10.0.0.3:1800"},
    {"user u", "static \"localhost\"", "TSockAddrInExp 10 127.0.0.1:1720"},
    {"user u", "static", "TSockAddrInExp 10 0.0.0.0:0"},
    {"user u", "static yes", "TSockAddrInExp 10 0.0.0.0:0"},
    {"user u", "static no", "TSockAddrInExp 10 255.255.255.255:0"},
    {"user u", "proxy level none", "TProxyLevelExp 11 0"},
    {"user u", "proxy level signalling", "TProxyLevelExp 11 1"},
    {"user u", "proxy level full at SAT - SUN", "TProxyLevelExp 11 2 at */*/* 6 *:*:* - */*/* 7 *:*:*"},
    {"user u", "proxy level choice yes", "TBoolExp 12 true"},
    {"user u", "hunt level none", "THuntLevelExp 74 0"},
    {"user u", "hunt level neutral", "THuntLevelExp 74 1"},
    {"user u", "hunt level soft", "THuntLevelExp 74 2"},
    {"user u", "hunt level hard at 22:00 - 6:00", "THuntLevelExp 74 3 at */*/* * 22:0:* - */*/* * 6:0:*"},
    {"user u", "cost 10", "TUIntTimedExp 13 10"},
    {"user u", "cost 10 at MON 1/12/2003 8:00:30 - SUN 31/12/2003 18:00",
     "TUIntTimedExp 13 10 at 1/12/2003 1 8:0:30 - 31/12/2003 7 18:0:*"},
    {"user u", "cost 1 at ./12/. 8:00 - ./12/. 9:00", "TUIntTimedExp 13 1 at */12/* * 8:0:* - */12/* * 9:0:*"},
    {"user u", "dial no", "TDialExp 14 \"\" false"},
    {"user u", "dial Staff yes at 9:00 - 18:00", "TDialExp 14 \"Staff\" true at */*/* * 9:0:* - */*/* * 18:0:*"},
    {"user u", "connections 5", "TUIntTimedExp 15 5 {TUIntTimedExp 16 4294967295 | TUIntTimedExp 17 4294967295}"},
    {"user u", "connections 5 in 2 out 3 at 8:00 - 9:00",
     "TUIntTimedExp 15 5 at */*/* * 8:0:* - */*/* * 9:0:* {TUIntTimedExp 16 2 at */*/* * 8:0:* - */*/* * 9:0:* | "
     "TUIntTimedExp 17 3 at */*/* * 8:0:* - */*/* * 9:0:*}"},
    {"user u", "connections 5 outgoing 3", "TUIntTimedExp 15 5 {TUIntTimedExp 16 4294967295 | TUIntTimedExp 17 3}"},
    {"user u", "registration validity 300", "TUIntExp 18 300"},
    {"user u", "connection validity 60", "TUIntExp 19 60"},
    {"user u", "max ringback duration 60", "TUIntExp 20 in 60 | TUIntExp 20 out 60"},
    {"user u", "max in connection duration 3600", "TUIntExp 21 in 3600"},
    {"user u", "max outgoing ringback duration 30", "TUIntExp 20 out 30"},
    {"user u", "radius authentication login|caller", "TAAALevelExp 55 3"},
    {"user u", "radius authentication none", "TAAALevelExp 55 0"},
    {"user u", "radius accounting call", "TAAALevelExp 56 6"},
    {"user u", "radius accounting callee | full", "TAAALevelExp 56 7"},
    {"user u", "radius accounting callee", "TAAALevelExp 56 4"},
    {"user u", "radius name \"n\"", "TReferenceExp 57 \"n\""},
    {"user u", "radius password pw", "TReferenceExp 58 $pw"},
    {"user u", "h235 authentication yes", "TBoolExp 59 true"},
    {"user u", "h235 name \"x\"", "TReferenceExp 60 \"x\""},
    {"user u", "h235 password y", "TReferenceExp 61 $y"},
    {"user u", "fast start no", "TBoolExp 62 false"},
    {"user u", "h245 tunneling no", "TBoolExp 63 false"},
    {"user u", "address 10.0.0.5 - 20", "TIPAddressRangeExp 64 10.0.0.5-10.0.0.20 true"},
    {"user u", "address 10.0.0.20 - 10.0.0.5 no", "TIPAddressRangeExp 64 10.0.0.5-10.0.0.20 false"},
    {"user u", "address 10.0.0.20 - 5", "TIPAddressRangeExp 64 10.0.0.5-10.0.0.20 true"},
    {"user u", "address \"localhost\" - 255", "TIPAddressRangeExp 64 127.0.0.1-127.0.0.255 true"},
    {"user u", "address no", "TIPAddressRangeExp 64 0.0.0.0-255.255.255.255 false"},
    {"user u", "bandwidth 64K", "TUIntExp 4 640"},
    {"user u", "connection dupe yes", "TBoolExp 73 true"},
    {"user u", "alternate gatekeeper 10.0.0.1 \"gk1\" gatekeeper 10.0.0.2:1720",
     "TExpression 78 {TAlternateGKExp 77 10.0.0.1:1719 \"gk1\" | TAlternateGKExp 77 10.0.0.2:1720 \"\"}"},
    {"user u", "alternate gatekeeper \"10.0.0.3\"", "TExpression 78 {TAlternateGKExp 77 10.0.0.3:1719 \"\"}"},
    {"user u", "alternate gatekeeper none", "TExpression 78"},
    {"user u", "secure rtp no", "TBoolExp 79 false"},
};

const TDirectiveCase gatekeeperCases[] = {
    {"gatekeeper g", "identifier \"remote\"", "TStringExp 22 \"remote\""},
    // Without a port the remote gatekeeper is asked on the RAS port.
    {"gatekeeper g", "ras address 10.0.0.9", "TSockAddrInExp 23 10.0.0.9:1719"},
    {"gatekeeper g", "ras address 10.0.0.9:2719", "TSockAddrInExp 23 10.0.0.9:2719"},
    {"gatekeeper g", "ras address \"localhost:1800\"", "TSockAddrInExp 23 127.0.0.1:1800"},
    {"gatekeeper g", "register alias \"100\" alias \"200\"",
     "TExpression 25 {TStringExp 24 \"100\" | TStringExp 24 \"200\"}"},
    {"gatekeeper g", "register alias none", "TExpression 25"},
    {"gatekeeper g", "link h235 authentication yes", "TBoolExp 26 true"},
    {"gatekeeper g", "link h235 name \"n\"", "TReferenceExp 27 \"n\""},
    {"gatekeeper g", "link h235 password p", "TReferenceExp 28 $p"},
    {"gatekeeper g", "registration period 60", "TUIntExp 29 60"},
    {"gatekeeper g", "link alternate gatekeeper yes", "TBoolExp 30 true"},
    // A gatekeeper section takes every user directive too.
    {"gatekeeper g", "alias \"9\"", "TAliasExp 6 \"9\" true cost 4294967295"},
    // A group takes what a gatekeeper section takes.
    {"group g", "identifier \"x\"", "TStringExp 22 \"x\""},
    {"group g", "login \"2.*\"", "TLoginExp 5 \"2.*\" true"},
};

void ExpectCases(const TDirectiveCase* ABegin, const TDirectiveCase* AEnd) {
  for (const TDirectiveCase* c = ABegin; c != AEnd; ++c) {
    EXPECT_EQ(c->Expected, RecordDirectives(std::string(c->Section) + " { " + c->Directive + "; }"))
        << c->Section << " { " << c->Directive << "; }";
    // The comma form builds the same.
    EXPECT_EQ(c->Expected, RecordDirectives(std::string(c->Section) + " " + c->Directive + ";"))
        << c->Section << " " << c->Directive << ";";
  }
}

}  // namespace

TEST(GrammarDirectives, System) { ExpectCases(std::begin(systemCases), std::end(systemCases)); }
TEST(GrammarDirectives, Monitor) { ExpectCases(std::begin(monitorCases), std::end(monitorCases)); }
TEST(GrammarDirectives, ZoneAndLink) { ExpectCases(std::begin(zoneCases), std::end(zoneCases)); }
TEST(GrammarDirectives, Log) { ExpectCases(std::begin(logCases), std::end(logCases)); }
TEST(GrammarDirectives, AAA) { ExpectCases(std::begin(aaaCases), std::end(aaaCases)); }
TEST(GrammarDirectives, User) { ExpectCases(std::begin(userCases), std::end(userCases)); }
TEST(GrammarDirectives, GatekeeperAndGroup) { ExpectCases(std::begin(gatekeeperCases), std::end(gatekeeperCases)); }

TEST(GrammarSections, BodyFormsAndOrder) {
  const std::vector<std::string> expected = {
      "system: ",
      "system: ",
      "system: TUIntExp 2 1800 | TUIntExp 3 1800",
      "zone z: TUIntExp 4 10000 | TUIntExp 15 4",
      "link [] a b: ",
      "link [L] a b: ",
      "user Bob: TLoginExp 5 \"bob\" true | TSockAddrInExp 10 0.0.0.0:0",
      "gatekeeper Up: ",
      "group everyone: TBoolExp 62 false",
      "log: ",
      "aaa: ",
      "monitor: ",
  };
  EXPECT_EQ(expected, RecordSections("system; system {}\n"
                                     "system ras port 1800, call signal port 1800;\n"
                                     "zone z { bandwidth 1M; connections 4; }\n"
                                     "link between a and b;\n"
                                     "link L between a and b {}\n"
                                     "user Bob login \"bob\", static;\n"
                                     "gatekeeper Up;\n"
                                     "group everyone { fast start no; }\n"
                                     "log; aaa; monitor {}\n"));
  EXPECT_EQ(std::vector<std::string>(), RecordSections(""));
  EXPECT_EQ(std::vector<std::string>(), RecordSections("// nothing\n/* at\nall */\n"));
}

TEST(GrammarSections, ListsKeepTheOrderOfTheFile) {
  EXPECT_EQ("TAliasExp 6 \"1\" true cost 4294967295 | TLoginExp 5 \"x\" true | TAliasExp 6 \"2\" true cost 4294967295",
            RecordDirectives("user u { alias \"1\"; login \"x\"; alias \"2\"; }"));
  EXPECT_EQ("TBoolExp 62 true | TBoolExp 62 false", RecordDirectives("user u fast start yes, fast start no;"));
}

TEST(GrammarSections, SectionRefusalEndsTheParse) {
  std::istringstream input("zone a;\nzone b;\n");
  TRecordingBuilder builder;
  builder.Refusal = "internal error, unknown expression";
  TParseRun run(input, builder);
  EXPECT_FALSE(run.Parse());
  EXPECT_EQ("Configuration file: internal error, unknown expression, in line 1.", toStd(run.ErrorText()));
  EXPECT_EQ(1u, builder.Sections.size());
}

namespace {

struct TSectionFailure {};

class TThrowingBuilder : public TRecordingBuilder {
public:
  orvo::string Zone(const orvo::string&, std::unique_ptr<TExpressions>) override { throw TSectionFailure(); }
};

}  // namespace

TEST(GrammarSections, AnExceptionOfASectionActionPassesToTheCaller) {
  {
    std::istringstream input("user u { alias \"1\"; }\nzone z { bandwidth 1M; }\nuser v;\n");
    TThrowingBuilder builder;
    TParseRun run(input, builder);
    EXPECT_THROW(run.Parse(), TSectionFailure);
    EXPECT_EQ(1u, builder.Sections.size());
    EXPECT_EQ("", toStd(run.ErrorText()));
  }
  // The run ended with its scope: the next one starts.
  EXPECT_EQ(std::vector<std::string>{"zone y: "}, RecordSections("zone y;"));
}

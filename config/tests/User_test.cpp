#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <string>
#include <vector>

#include <orvo/socketAddress.h>

#include <config/Configuration.h>
#include <config/DirectiveCode.h>
#include <config/LinkedUser.h>
#include <orvoTesting.h>

#include "Directives.h"

using namespace directive;

namespace {

class UserMerge : public ::testing::Test {
protected:
  void AddGroup(const char* AName, std::initializer_list<TExpression*> ADirectives) {
    TExpressions* list = new TExpressions();
    for (TExpression* directive : ADirectives) list->Add(directive);
    Configuration.Groups().append(new TGroup(AName, list));
  }

  // A user section merged as the parser does; the result is the merge's text.
  std::string Merge(TUser* AUser, std::initializer_list<TExpression*> ADirectives) {
    TDirectiveList list(ADirectives);
    Configuration.Users().append(AUser);
    return toStd(AUser->ApplyDefinitions(list, Configuration));
  }

  TUser& MergedUser(std::initializer_list<TExpression*> ADirectives) {
    TUser* user = new TUser("Alice");
    EXPECT_EQ("", Merge(user, ADirectives));
    return *user;
  }

  TConfiguration Configuration;
};

std::vector<std::string> Texts(const TStringList& AList) {
  std::vector<std::string> texts;
  for (const orvo::string& text : AList) texts.push_back(toStd(text));
  return texts;
}

std::vector<std::string> AliasPatterns(const TUser& AUser) {
  std::vector<std::string> patterns;
  for (TAliasExp* alias : AUser.AliasRules()) patterns.push_back(toStd(alias->Pattern.Value()));
  return patterns;
}

std::string Variable(const TUser& AUser, const char* AName) {
  const TVariable* variable = AUser.Variables().Find(AName);
  return variable ? toStd(variable->Value()) : "<none>";
}

}  // namespace

TEST_F(UserMerge, DefaultsOfAUserWithoutDirectives) {
  TUser& user = MergedUser({});
  EXPECT_EQ(TUser::ukUser, user.Type);
  EXPECT_FALSE(user.IsGatekeeper());
  EXPECT_FALSE(user.HasStaticAddress());
  EXPECT_EQ(nullptr, user.Location());
  EXPECT_EQ(-1, user.RegistrationValidity());
  EXPECT_EQ(60, user.ConnectionValidity());
  EXPECT_EQ(1280u, user.Bandwidth());
  EXPECT_EQ(0u, user.RadiusAuthenticationLevel());
  EXPECT_EQ(0u, user.RadiusAccountingLevel());
  EXPECT_FALSE(user.H235Authentication());
  EXPECT_FALSE(user.ProxyLevelChoice());
  EXPECT_TRUE(user.FastStart());
  EXPECT_TRUE(user.H245Tunneling());
  EXPECT_FALSE(user.ConnectionDupe());
  EXPECT_TRUE(user.SecureRTP());
  EXPECT_EQ(-1, user.MaxRingbackDuration(TUser::usCaller));
  EXPECT_EQ(-1, user.MaxConnectionDuration(TUser::usCallee));
  const TDatePattern now = Wednesday(12);
  EXPECT_EQ(1u, user.ProxyLevel().ActiveAt(now).Level);
  EXPECT_EQ(1u, user.HuntLevel().ActiveAt(now).Level);
  EXPECT_EQ(0xFFFFFFFFu, user.Cost().ActiveAt(now).Value);
  EXPECT_EQ(0xFFFFFFFFu, user.Connections().ActiveAt(now).Value);
  EXPECT_EQ(0xFFFFFFFFu, user.IncomingConnections().ActiveAt(now).Value);
  EXPECT_EQ(0xFFFFFFFFu, user.OutgoingConnections().ActiveAt(now).Value);
  // The references default to the user's variables.
  EXPECT_EQ("Alice", toStd(user.RadiusName().ValueIn(&user.Variables())));
  EXPECT_EQ("Alice", toStd(user.H235Name().ValueIn(&user.Variables())));
  EXPECT_TRUE(user.RadiusPassword().IsLiteral());
  EXPECT_EQ("", toStd(user.H235Password().Value()));
  EXPECT_EQ("userdisplay", toStd(user.Display().Name()));
}

TEST_F(UserMerge, FirstDirectiveOfAOnceOnlyKindWinsAndDisplayTakesTheLast) {
  TUser& user =
      MergedUser({UInt(dcRegistrationValidity, 30), Literal(dcDisplay, "first"), UInt(dcRegistrationValidity, 90),
                  Literal(dcDisplay, "second"), Bool(dcFastStart, false), Bool(dcFastStart, true),
                  Level(dcRadiusAuthentication, 6), Level(dcRadiusAuthentication, 1)});
  EXPECT_EQ(30, user.RegistrationValidity());
  EXPECT_EQ("second", toStd(user.Display().Value()));
  EXPECT_FALSE(user.FastStart());
  EXPECT_EQ(6u, user.RadiusAuthenticationLevel());
}

TEST_F(UserMerge, OwnDirectiveBeforeGroupBeforeEveryone) {
  AddGroup("everyone",
           {UInt(dcRegistrationValidity, 99), UInt(dcConnectionValidity, 5), Bool(dcH245Tunneling, false), Alias("4")});
  AddGroup("Sales", {UInt(dcBandwidth, 200), UInt(dcRegistrationValidity, 30), Bool(dcFastStart, false), Alias("2")});
  TUser& user = MergedUser(
      {UInt(dcBandwidth, 100), Alias("1"), Text(dcGroupMember, "sales"), Bool(dcFastStart, true), Alias("3")});
  EXPECT_EQ(100u, user.Bandwidth());
  EXPECT_FALSE(user.FastStart());
  EXPECT_EQ(30, user.RegistrationValidity());
  EXPECT_EQ(5, user.ConnectionValidity());
  EXPECT_FALSE(user.H245Tunneling());
  EXPECT_EQ((std::vector<std::string>{"1", "2", "3", "4"}), AliasPatterns(user));
  // Names as the groups spell them.
  EXPECT_EQ((std::vector<std::string>{"Sales", "everyone"}), Texts(user.GroupNames()));
}

TEST_F(UserMerge, EveryoneNamedExplicitlyIsMergedOnceAtItsPlace) {
  AddGroup("Everyone", {Alias("e")});
  TUser& user = MergedUser({Text(dcGroupMember, "EVERYONE"), Alias("own")});
  EXPECT_EQ((std::vector<std::string>{"e", "own"}), AliasPatterns(user));
  EXPECT_EQ((std::vector<std::string>{"Everyone"}), Texts(user.GroupNames()));
}

TEST_F(UserMerge, AGroupNamingItselfIsMergedOnce) {
  AddGroup("loop", {Alias("x"), Text(dcGroupMember, "LOOP"), Alias("y")});
  TUser& user = MergedUser({Text(dcGroupMember, "loop"), Text(dcGroupMember, "loop")});
  EXPECT_EQ((std::vector<std::string>{"x", "y"}), AliasPatterns(user));
  EXPECT_EQ((std::vector<std::string>{"loop"}), Texts(user.GroupNames()));
}

TEST_F(UserMerge, UnknownGroupFailsAndNamesTheGroupsItWasFoundIn) {
  EXPECT_EQ("logic error, 'group member' directive points on unknown group",
            Merge(new TUser("a"), {Text(dcGroupMember, "later")}));
  AddGroup("Inner", {Text(dcGroupMember, "missing")});
  AddGroup("Outer", {Alias("1"), Text(dcGroupMember, "inner")});
  EXPECT_EQ(
      "logic error, 'group member' directive points on unknown group, while processing Inner group, "
      "while processing Outer group",
      Merge(new TUser("b"), {Text(dcGroupMember, "outer")}));
}

TEST_F(UserMerge, ErrorsInsideEveryoneCarryItsName) {
  AddGroup("everyone", {Text(dcLocation, "nowhere")});
  EXPECT_EQ("logic error, 'location' directive points on unknown zone, while processing everyone group",
            Merge(new TUser("a"), {}));
}

TEST_F(UserMerge, UsernameDefaultsToTheIdentifierAsWritten) {
  TUser* plain = new TUser("Alice");
  EXPECT_EQ("", Merge(plain, {}));
  EXPECT_EQ("Alice", Variable(*plain, "username"));
  TUser* named = new TUser("Bob");
  EXPECT_EQ("", Merge(named, {Set("UserName", "robert"), Set("username", "bobby")}));
  EXPECT_EQ("robert", Variable(*named, "username"));
  EXPECT_EQ(1u, named->Variables().count());
}

TEST_F(UserMerge, LocationFindsTheZoneWithoutLetterCase) {
  TZone* zone = Configuration.Zones().append(new TZone("Office"));
  TUser& user = MergedUser({Text(dcLocation, "OFFICE")});
  EXPECT_EQ(zone, user.Location());
  EXPECT_EQ("logic error, 'location' directive points on unknown zone",
            Merge(new TUser("b"), {Text(dcLocation, "home")}));
}

TEST_F(UserMerge, UnknownOrMisbuiltDirectivesAreRefused) {
  EXPECT_EQ("parse error, unknown expression", Merge(new TUser("a"), {Text(dcFile, "x.log")}));
  EXPECT_EQ("parse error, unknown expression", Merge(new TUser("b"), {Bool(dcBandwidth, true)}));
  // A gatekeeper's own directive means nothing in a user section.
  EXPECT_EQ("parse error, unknown expression", Merge(new TUser("c"), {Text(dcIdentifier, "gk")}));
  // "add" belongs to the assignments of a make rule.
  EXPECT_EQ("parse error, unknown expression", Merge(new TUser("e"), {new TVariableSetExp(dcSetAdd, "a", "b")}));
  // The merge stops at the error.
  TUser* user = new TUser("d");
  EXPECT_EQ("parse error, unknown expression", Merge(user, {Alias("1"), Text(dcFile, "x"), Alias("2")}));
  EXPECT_EQ((std::vector<std::string>{"1"}), AliasPatterns(*user));
}

TEST_F(UserMerge, ConnectionsCarryTheirIncomingAndOutgoingParts) {
  TExpression* connections = TimedUInt(dcConnections, 10);
  connections->Children().Add(TimedUInt(dcIncomingConnections, 3));
  connections->Children().Add(TimedUInt(dcOutgoingConnections, 0xFFFFFFFF));
  TUser& user = MergedUser({connections});
  const TDatePattern now = Wednesday(12);
  EXPECT_EQ(10u, user.Connections().ActiveAt(now).Value);
  EXPECT_EQ(3u, user.IncomingConnections().ActiveAt(now).Value);
  EXPECT_EQ(0xFFFFFFFFu, user.OutgoingConnections().ActiveAt(now).Value);
  EXPECT_EQ(1u, user.OutgoingConnections().count());
}

TEST_F(UserMerge, LoginAndAliasBringTheirMakeAndTranslateRules) {
  TExpression* login = Login("1(.*)");
  login->Children().Add(Make(dcMakeLogin, TVariableReference(orvo::string("1(.*)")), {{67, "ext", "\\1"}}));
  TExpression* alias = Alias("2(.*)");
  alias->Children().Add(Translate(0x90007, "2(.*)", "3\\1"));
  alias->Children().Add(Make(0x90046, TVariableReference(orvo::string("2(.*)")), {{67, "called", "&"}}));
  TUser& user = MergedUser({login, alias});
  ASSERT_EQ(1u, user.LoginRules().count());
  EXPECT_EQ(nullptr, user.LoginRules().first()->ChildList());
  EXPECT_EQ(&user.Variables(), user.LoginRules().first()->Pattern.Scope());
  ASSERT_EQ(2u, user.MakeRules().count());
  EXPECT_EQ(69, user.MakeRules().first()->Type);
  EXPECT_EQ(0x90046, user.MakeRules().last()->Type);
  EXPECT_EQ(1u, user.IncomingTranslations(TUser::usCallee).count());
  EXPECT_EQ(0u, user.IncomingTranslations(TUser::usCaller).count());
  EXPECT_EQ(0u, user.OutgoingTranslations(TUser::usCallee).count());
  EXPECT_EQ(1u, user.AliasRules().count());
}

TEST_F(UserMerge, TranslationsGoToTheListOfTheirDirectionAndSide) {
  // No direction and no side: one entry per combination.
  TUser& user = MergedUser({Translate(dcTranslate | expDirections | expSides, "a", "b"),
                            Translate(dcTranslate | expOutgoing | expCaller, "c", "d")});
  EXPECT_EQ(1u, user.IncomingTranslations(TUser::usCaller).count());
  EXPECT_EQ(1u, user.IncomingTranslations(TUser::usCallee).count());
  EXPECT_EQ(2u, user.OutgoingTranslations(TUser::usCaller).count());
  EXPECT_EQ(1u, user.OutgoingTranslations(TUser::usCallee).count());
}

TEST_F(UserMerge, DurationsFillTheSlotOfTheirDirection) {
  // Outgoing: the user places the call (caller); incoming: it receives it.
  TUser& user =
      MergedUser({UInt(dcMaxRingbackDuration | expIncoming, 30), UInt(dcMaxConnectionDuration | expOutgoing, 600),
                  UInt(dcMaxConnectionDuration | expDirections, 900)});
  EXPECT_EQ(-1, user.MaxRingbackDuration(TUser::usCaller));
  EXPECT_EQ(30, user.MaxRingbackDuration(TUser::usCallee));
  // Once-only on the whole word: the later directive only fills the
  // direction the first one left open.
  EXPECT_EQ(600, user.MaxConnectionDuration(TUser::usCaller));
  EXPECT_EQ(900, user.MaxConnectionDuration(TUser::usCallee));

  TUser* both = new TUser("both");
  EXPECT_EQ("", Merge(both, {UInt(dcMaxRingbackDuration | expDirections, 45)}));
  EXPECT_EQ(45, both->MaxRingbackDuration(TUser::usCaller));
  EXPECT_EQ(45, both->MaxRingbackDuration(TUser::usCallee));
  // Built without any direction (never by the parser): both slots.
  TUser* bare = new TUser("bare");
  EXPECT_EQ("", Merge(bare, {UInt(dcMaxConnectionDuration, 120)}));
  EXPECT_EQ(120, bare->MaxConnectionDuration(TUser::usCaller));
  EXPECT_EQ(120, bare->MaxConnectionDuration(TUser::usCallee));
}

TEST_F(UserMerge, StaticAddressAddsAnAllowRuleForItsAddress) {
  TUser& user = MergedUser({SockAddr(dcStatic, "10.0.0.5", 1720), SockAddr(dcStatic, "10.0.0.6", 1720),
                            Range(dcAddressRule, "10.0.1.0", "10.0.1.255")});
  EXPECT_TRUE(user.HasStaticAddress());
  EXPECT_EQ(inet_addr("10.0.0.5"), user.StaticAddress().sin_addr.s_addr);
  EXPECT_EQ(htons(1720), user.StaticAddress().sin_port);
  ASSERT_EQ(2u, user.AddressRules().count());
  EXPECT_EQ(0x0A000005u, user.AddressRules().first()->Low);
  EXPECT_EQ(0x0A000005u, user.AddressRules().first()->High);
  EXPECT_TRUE(user.AddressRules().first()->Allow);

  TUser* none = new TUser("none");
  EXPECT_EQ("", Merge(none, {SockAddr(dcStatic, "255.255.255.255", 0)}));
  EXPECT_FALSE(none->HasStaticAddress());
  EXPECT_EQ(0u, none->AddressRules().count());
}

TEST_F(UserMerge, DialRulesAreLowerCasedAndSelfIsTheUser) {
  TUser& user = MergedUser({Dial("Self", true), Dial("SALES", false), Dial("", true)});
  std::vector<std::string> identifiers;
  for (TDialExp* rule : user.DialRules()) identifiers.push_back(toStd(rule->Identifier));
  EXPECT_EQ((std::vector<std::string>{"alice", "sales", ""}), identifiers);
}

TEST_F(UserMerge, ValuesOfTheRemainingOptions) {
  const TDateWindow office = Hours(8, 0, 17, 0);
  TExpression* alternate = Parent(dcAlternate, {new TAlternateGKExp(dcAlternateGatekeeper, orvo::nullAddress, "gk1"),
                                                new TAlternateGKExp(dcAlternateGatekeeper, orvo::nullAddress, "")});
  TExpression* ignored = Parent(dcAlternate, {new TAlternateGKExp(dcAlternateGatekeeper, orvo::nullAddress, "gk3")});
  TUser& user = MergedUser({UInt(dcConnectionValidity, 20), UInt(dcBandwidth, 640), Level(dcRadiusAccounting, 7),
                            Named(dcRadiusPassword, "h235password"), Literal(dcH235Password, "secret"),
                            Bool(dcH235Authentication, true), Bool(dcProxyLevelChoice, true),
                            Bool(dcConnectionDupe, true), Bool(dcSecureRTP, false), Bool(dcH245Tunneling, false),
                            ProxyLevel(2, &office), ProxyLevel(0), TimedUInt(dcCost, 5), alternate, ignored});
  EXPECT_EQ(20, user.ConnectionValidity());
  EXPECT_EQ(640u, user.Bandwidth());
  EXPECT_EQ(7u, user.RadiusAccountingLevel());
  EXPECT_EQ("h235password", toStd(user.RadiusPassword().Name()));
  EXPECT_EQ("secret", toStd(user.H235Password().Value()));
  EXPECT_TRUE(user.H235Authentication());
  EXPECT_TRUE(user.ProxyLevelChoice());
  EXPECT_TRUE(user.ConnectionDupe());
  EXPECT_FALSE(user.SecureRTP());
  EXPECT_FALSE(user.H245Tunneling());
  EXPECT_EQ(2u, user.ProxyLevel().ActiveAt(Wednesday(10)).Level);
  EXPECT_EQ(0u, user.ProxyLevel().ActiveAt(Wednesday(20)).Level);
  EXPECT_EQ(5u, user.Cost().ActiveAt(Wednesday(20)).Value);
  std::vector<std::string> alternates;
  for (TAlternateGKExp* entry : user.AlternateGatekeepers()) alternates.push_back(toStd(entry->Identifier));
  EXPECT_EQ((std::vector<std::string>{"gk1", ""}), alternates);
}

TEST_F(UserMerge, GatekeeperSectionAddsItsOwnDirectives) {
  TLinkedUser* gatekeeper = new TLinkedUser("Neighbour");
  TExpression* aliases =
      Parent(dcRegister, {Text(dcRegisterAlias, "100"), Text(dcRegisterAlias, ""), Text(dcRegisterAlias, "200")});
  TExpression* later = Parent(dcRegister, {Text(dcRegisterAlias, "300")});
  EXPECT_EQ("", Merge(gatekeeper,
                      {Text(dcIdentifier, "GK-B"), SockAddr(dcRasAddress, "10.0.0.9", 1719), aliases, later,
                       Text(dcIdentifier, "GK-C"), Bool(dcLinkH235Authentication, true),
                       Named(dcLinkH235Name, "gkname"), Literal(dcLinkH235Password, "pw"),
                       UInt(dcRegistrationPeriod, 300), Bool(dcLinkAlternateGatekeeper, true), UInt(dcBandwidth, 77)}));
  EXPECT_EQ(TUser::ukGatekeeper, gatekeeper->Type);
  EXPECT_TRUE(gatekeeper->IsGatekeeper());
  EXPECT_EQ("GK-B", toStd(gatekeeper->GatekeeperIdentifier()));
  EXPECT_EQ(inet_addr("10.0.0.9"), gatekeeper->RasAddress().sin_addr.s_addr);
  EXPECT_EQ(htons(1719), gatekeeper->RasAddress().sin_port);
  EXPECT_EQ((std::vector<std::string>{"100", "200"}), Texts(gatekeeper->RegisteredAliases()));
  EXPECT_TRUE(gatekeeper->LinkH235Authentication());
  EXPECT_EQ("gkname", toStd(gatekeeper->LinkH235Name().Name()));
  EXPECT_EQ("pw", toStd(gatekeeper->LinkH235Password().Value()));
  EXPECT_EQ(300, gatekeeper->RegistrationPeriod());
  EXPECT_TRUE(gatekeeper->LinkAlternateGatekeeper());
  EXPECT_EQ(77u, gatekeeper->Bandwidth());
  EXPECT_EQ("Neighbour", Variable(*gatekeeper, "username"));
}

TEST_F(UserMerge, GatekeeperDefaults) {
  TLinkedUser* gatekeeper = new TLinkedUser("gk");
  EXPECT_EQ("", Merge(gatekeeper, {}));
  EXPECT_EQ("", toStd(gatekeeper->GatekeeperIdentifier()));
  EXPECT_TRUE(gatekeeper->RasAddress() == orvo::nullAddress);
  EXPECT_EQ(0u, gatekeeper->RegisteredAliases().count());
  EXPECT_FALSE(gatekeeper->LinkH235Authentication());
  EXPECT_EQ("gk", toStd(gatekeeper->LinkH235Name().ValueIn(&gatekeeper->Variables())));
  EXPECT_TRUE(gatekeeper->LinkH235Password().IsLiteral());
  EXPECT_EQ(-1, gatekeeper->RegistrationPeriod());
  EXPECT_FALSE(gatekeeper->LinkAlternateGatekeeper());
}

// Loads the configuration files shipped in etc/.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <orvo/socketAddress.h>

#include <config/Configuration.h>
#include <config/DirectiveCode.h>
#include <config/LinkedUser.h>
#include <orvoTesting.h>

namespace {

const TDatePattern wednesdayNoon(2003, 12, 3, 12, 0, 0, 3);
const TDatePattern wednesdayNight(2003, 12, 3, 23, 0, 0, 3);
const TDatePattern saturdayNoon(2003, 12, 6, 12, 0, 0, 6);

class SampleConfiguration : public ::testing::Test {
protected:
  void TearDown() override { TClock::UseSystemClock(); }

  std::string Load(const char* AName) {
    std::ifstream file(std::string(ORVO_SOURCE_DIR) + "/etc/" + AName);
    EXPECT_TRUE(file.good()) << AName;
    return toStd(Configuration.Load(file));
  }

  TConfiguration Configuration;
};

sockaddr_in At(const char* ADotted, uint16_t APort = 0) {
  sockaddr_in address = orvo::defaultAddress;
  address.sin_addr.s_addr = inet_addr(ADotted);
  address.sin_port = htons(APort);
  return address;
}

std::string Hex(const orvo::string& AOctets) {
  static const char digits[] = "0123456789abcdef";
  std::string text;
  for (unsigned i = 0; i < AOctets.length(); ++i) {
    const unsigned char octet = static_cast<unsigned char>(AOctets.charAt(i));
    text += digits[octet >> 4];
    text += digits[octet & 15];
  }
  return text;
}

std::vector<std::string> Names(const orvo::list<TZone>& AZones) {
  std::vector<std::string> names;
  for (TZone* zone : AZones) names.push_back(toStd(zone->Identifier()));
  return names;
}

std::vector<std::string> Texts(const TStringList& AList) {
  std::vector<std::string> texts;
  for (const orvo::string& text : AList) texts.push_back(toStd(text));
  return texts;
}

std::string Value(const TVariables& AScope, const char* AName) {
  const TVariable* variable = AScope.Find(AName);
  return variable ? toStd(variable->Value()) : "<none>";
}

}  // namespace

TEST_F(SampleConfiguration, LoopbackSampleLoads) {
  ASSERT_EQ("", Load("sample.cfg"));
  EXPECT_EQ("OrvoGK", toStd(Configuration.Identifier()));
  EXPECT_EQ(inet_addr("127.0.0.1"), Configuration.LocalAddress().sin_addr.s_addr);
  EXPECT_EQ(1719u, Configuration.RasPort());
  EXPECT_EQ(1720u, Configuration.CallSignalPort());
  EXPECT_EQ("", toStd(Configuration.Log().FileName()));
  EXPECT_EQ("0f0bf2567ec111697671d2fd76af0d6c", Hex(Configuration.Monitor().PasswordDigest()));
  EXPECT_TRUE(Configuration.Monitor().IsAddressAllowed(At("127.0.0.1")));
  EXPECT_FALSE(Configuration.Monitor().IsAddressAllowed(At("127.0.0.2")));
  EXPECT_FALSE(Configuration.AAA().HasAuthenticationServer());
  ASSERT_EQ((std::vector<std::string>{"Loopback"}), Names(Configuration.Zones()));
  TZone* local = Configuration.Zones().first();
  EXPECT_EQ(100000u, local->BandwidthLimit());
  EXPECT_EQ(20u, local->ConnectionLimit());
  ASSERT_EQ(3u, Configuration.Users().count());
  TUser* alice = Configuration.FindUserByLogin("100");
  TUser* bob = Configuration.FindUserByLogin("101");
  TUser* carol = Configuration.FindUserByLogin("102");
  ASSERT_NE(nullptr, alice);
  ASSERT_NE(nullptr, bob);
  ASSERT_NE(nullptr, carol);
  EXPECT_EQ("alice", toStd(alice->Identifier()));
  EXPECT_EQ(nullptr, Configuration.FindUserByLogin("103"));
  for (TUser* user : Configuration.Users()) {
    EXPECT_EQ(local, user->Location());
    EXPECT_EQ(300, user->RegistrationValidity());
  }
  EXPECT_TRUE(carol->CanDial(*alice));
  EXPECT_FALSE(carol->CanDial(*bob));
  EXPECT_TRUE(alice->CanDial(*carol));
}

TEST_F(SampleConfiguration, RichSampleSystemMonitorAndZones) {
  ASSERT_EQ("", Load("rich.cfg"));
  EXPECT_EQ("RichGK", toStd(Configuration.Identifier()));
  EXPECT_EQ(inet_addr("127.0.0.1"), Configuration.LocalAddress().sin_addr.s_addr);
  EXPECT_EQ(1719u, Configuration.RasPort());
  EXPECT_EQ(1720u, Configuration.CallSignalPort());

  const TMonitorCfg& monitor = Configuration.Monitor();
  EXPECT_EQ(htons(2041), monitor.Port());
  EXPECT_EQ("5ebe2294ecd0e0f08eab7690d2a6ee69", Hex(monitor.PasswordDigest()));
  EXPECT_TRUE(monitor.IsAddressAllowed(At("127.3.2.1")));
  EXPECT_FALSE(monitor.IsAddressAllowed(At("10.0.0.7")));
  EXPECT_FALSE(monitor.IsAddressAllowed(At("192.0.2.1")));

  ASSERT_EQ((std::vector<std::string>{"Office", "Branch", "Remote", "OfficeBranch", "Link0"}),
            Names(Configuration.Zones()));
  TZone* office = Configuration.FindZone("office");
  TZone* branch = Configuration.FindZone("branch");
  TZone* remote = Configuration.FindZone("remote");
  TZone* link = Configuration.FindZone("officebranch");
  TZone* unnamed = Configuration.FindZone("link0");
  EXPECT_EQ(20000u, office->BandwidthLimit());
  EXPECT_EQ(10u, office->AvailableConnections());
  EXPECT_EQ(5120u, branch->AvailableBandwidth());
  EXPECT_EQ(TZone::Unlimited, branch->ConnectionLimit());
  EXPECT_EQ(TZone::Unlimited, remote->BandwidthLimit());
  EXPECT_EQ(10000u, link->BandwidthLimit());
  EXPECT_EQ(TZone::Unlimited, unnamed->BandwidthLimit());
  EXPECT_EQ((std::vector<std::string>{"OfficeBranch"}), Names(office->LinkedZones()));
  EXPECT_EQ((std::vector<std::string>{"OfficeBranch", "Link0"}), Names(branch->LinkedZones()));
  EXPECT_EQ((std::vector<std::string>{"Link0"}), Names(remote->LinkedZones()));
  EXPECT_EQ((std::vector<std::string>{"Office", "Branch"}), Names(link->LinkedZones()));
  EXPECT_EQ((std::vector<std::string>{"Branch", "Remote"}), Names(unnamed->LinkedZones()));
}

TEST_F(SampleConfiguration, RichSampleLogAndAAA) {
  ASSERT_EQ("", Load("rich.cfg"));
  const TLog& log = Configuration.Log();
  EXPECT_EQ("/tmp/orvogk-rich.log", toStd(log.FileName()));
  EXPECT_TRUE(log.Registrations());
  EXPECT_TRUE(log.ConnectionStatus());
  EXPECT_FALSE(log.ChosenRoute());
  EXPECT_TRUE(log.AvailableBandwidth());
  EXPECT_FALSE(log.BandwidthChanges());
  EXPECT_TRUE(log.MessagesDump());
  EXPECT_EQ(2u, log.RasRules().count());
  EXPECT_TRUE(TLog::IsLogged(log.RasRules(), TLog::ldReceived, nullptr, nullptr, At("127.0.0.200")));
  EXPECT_FALSE(TLog::IsLogged(log.RasRules(), TLog::ldReceived, nullptr, nullptr, At("127.0.1.1")));
  EXPECT_FALSE(TLog::IsLogged(log.RasRules(), TLog::ldSent, nullptr, nullptr, At("127.0.0.1")));
  TStringList caller, callee;
  caller.append("1001");
  callee.append("2001");
  EXPECT_TRUE(TLog::IsLogged(log.Q931Rules(), TLog::ldSent, &caller, &callee, At("127.0.0.1")));
  EXPECT_FALSE(TLog::IsLogged(log.Q931Rules(), TLog::ldReceived, &caller, &callee, At("127.0.0.1")));
  EXPECT_FALSE(TLog::IsLogged(log.Q931Rules(), TLog::ldSent, &callee, &caller, At("127.0.0.1")));
  EXPECT_TRUE(TLog::IsLogged(log.H245Rules(), TLog::ldReceived, &caller, &callee, At("127.0.0.1")));
  EXPECT_FALSE(TLog::IsLogged(log.H245Rules(), TLog::ldReceived, &callee, &caller, At("127.0.0.1")));
  EXPECT_FALSE(TLog::IsLogged(log.H450Rules(), TLog::ldReceived, &caller, &callee, At("127.0.0.1")));
  EXPECT_TRUE(TLog::IsLogged(log.RadiusRules(), TLog::ldSent, nullptr, nullptr, orvo::nullAddress));
  EXPECT_FALSE(TLog::IsLogged(log.RadiusRules(), TLog::ldReceived, nullptr, nullptr, orvo::nullAddress));
  EXPECT_TRUE(TLog::IsLogged(log.MonitorRules(), TLog::ldReceived, nullptr, nullptr, At("127.0.0.1")));
  EXPECT_FALSE(TLog::IsLogged(log.MonitorRules(), TLog::ldReceived, nullptr, nullptr, At("127.0.0.2")));

  const TAAA& aaa = Configuration.AAA();
  EXPECT_EQ("/tmp/orvogk-rich.bil", toStd(aaa.BillingFileName()));
  EXPECT_TRUE(aaa.AuthenticationServer() == At("127.0.0.1", 1645));
  EXPECT_TRUE(aaa.AccountingServer() == At("127.0.0.1", 1646));
  EXPECT_TRUE(aaa.HasAuthenticationServer());
  EXPECT_TRUE(aaa.HasAccountingServer());
  EXPECT_EQ("radius-secret", toStd(aaa.SharedSecret()));
  EXPECT_TRUE(aaa.LogFailedCalls());
  EXPECT_EQ("MSK", toStd(aaa.TimeZoneName()));
  EXPECT_FALSE(aaa.TimeZoneOffsetIsGMT());
  EXPECT_EQ("%H:%M:%S.%s MSK %a %b %d %Y", toStd(aaa.RadiusTimeFormat()));
}

TEST_F(SampleConfiguration, RichSampleUsersAndGroups) {
  ASSERT_EQ("", Load("rich.cfg"));
  std::vector<std::string> groups;
  for (TGroup* group : Configuration.Groups()) groups.push_back(toStd(group->Identifier()));
  EXPECT_EQ((std::vector<std::string>{"everyone", "Staff"}), groups);
  std::vector<std::string> users;
  for (TUser* user : Configuration.Users())
    users.push_back(toStd(user->Identifier()) + (user->IsGatekeeper() ? "*" : ""));
  EXPECT_EQ((std::vector<std::string>{"alice", "bob", "Partners*"}), users);

  TUser* alice = Configuration.FindUser("alice");
  TUser* bob = Configuration.FindUser("bob");
  TLinkedUser* partners = dynamic_cast<TLinkedUser*>(Configuration.FindUser("Partners"));
  ASSERT_NE(nullptr, alice);
  ASSERT_NE(nullptr, bob);
  ASSERT_NE(nullptr, partners);

  EXPECT_EQ(alice, Configuration.FindUserByLogin("1001"));
  EXPECT_EQ(nullptr, Configuration.FindUserByLogin("10012"));
  EXPECT_EQ(bob, Configuration.FindUserByLogin("2001"));
  EXPECT_EQ((std::vector<std::string>{"Staff", "everyone"}), Texts(alice->GroupNames()));
  EXPECT_EQ(Configuration.FindZone("Office"), alice->Location());
  EXPECT_EQ(2u, alice->AliasRules().count());
  EXPECT_EQ(20u, alice->AliasRules().last()->Cost);
  EXPECT_EQ("sales", Value(alice->Variables(), "department"));
  EXPECT_EQ("alice", Value(alice->Variables(), "username"));
  EXPECT_EQ("Alice", toStd(alice->Display().Value()));
  EXPECT_EQ(3u, alice->RadiusAuthenticationLevel());
  EXPECT_EQ(6u, alice->RadiusAccountingLevel());
  EXPECT_EQ("alice", toStd(alice->RadiusName().ValueIn(&alice->Variables())));
  EXPECT_EQ("alice-pw", toStd(alice->RadiusPassword().Value()));
  EXPECT_TRUE(alice->H235Authentication());
  EXPECT_EQ("alice", toStd(alice->H235Name().Value()));
  EXPECT_EQ("alice-secret", toStd(alice->H235Password().Value()));
  EXPECT_TRUE(alice->IsAddressAllowed(At("127.0.0.20")));
  EXPECT_FALSE(alice->IsAddressAllowed(At("127.0.0.21")));
  EXPECT_EQ(6400u, alice->Bandwidth());
  EXPECT_EQ(5u, alice->Cost().ActiveAt(wednesdayNoon).Value);
  EXPECT_EQ(300, alice->RegistrationValidity());
  EXPECT_EQ(120, alice->ConnectionValidity());
  EXPECT_TRUE(alice->ProxyLevelChoice());
  EXPECT_FALSE(alice->H245Tunneling());
  EXPECT_TRUE(alice->ConnectionDupe());
  EXPECT_FALSE(alice->SecureRTP());
  EXPECT_TRUE(alice->FastStart());
  // From the group Staff.
  EXPECT_EQ(2u, alice->ProxyLevel().ActiveAt(wednesdayNoon).Level);
  EXPECT_EQ(1u, alice->ProxyLevel().ActiveAt(wednesdayNight).Level);
  EXPECT_EQ(2u, alice->HuntLevel().ActiveAt(wednesdayNoon).Level);
  EXPECT_EQ(4u, alice->Connections().ActiveAt(wednesdayNoon).Value);
  EXPECT_EQ(2u, alice->IncomingConnections().ActiveAt(wednesdayNoon).Value);
  EXPECT_EQ(3u, alice->OutgoingConnections().ActiveAt(wednesdayNoon).Value);
  EXPECT_EQ(60, alice->MaxRingbackDuration(TUser::usCaller));
  EXPECT_EQ(-1, alice->MaxRingbackDuration(TUser::usCallee));
  EXPECT_EQ(-1, alice->MaxConnectionDuration(TUser::usCaller));
  EXPECT_EQ(3600, alice->MaxConnectionDuration(TUser::usCallee));
  TClock::Set(wednesdayNoon);
  EXPECT_TRUE(alice->CanDial(*bob));
  EXPECT_TRUE(alice->CanDial(*partners));
  TClock::Set(saturdayNoon);
  EXPECT_FALSE(alice->CanDial(*partners));
  std::vector<std::string> alternates;
  for (TAlternateGKExp* entry : alice->AlternateGatekeepers())
    alternates.push_back(toStd(orvo::toText(entry->Address)) + " " + toStd(entry->Identifier));
  EXPECT_EQ((std::vector<std::string>{"127.0.0.2:1719 alt1", "127.0.0.3:1720 "}), alternates);

  EXPECT_TRUE(bob->HasStaticAddress());
  EXPECT_TRUE(bob->StaticAddress() == At("127.0.0.5", 1720));
  EXPECT_EQ(600, bob->RegistrationValidity());
  // Staff's hunt level comes before bob's own.
  EXPECT_EQ(2u, bob->HuntLevel().ActiveAt(wednesdayNoon).Level);
  EXPECT_EQ(2u, bob->HuntLevel().count());

  EXPECT_TRUE(partners->IsGatekeeper());
  EXPECT_EQ("PartnerGK", toStd(partners->GatekeeperIdentifier()));
  EXPECT_TRUE(partners->RasAddress() == At("127.0.0.9", 1719));
  EXPECT_EQ((std::vector<std::string>{"5000", "5001"}), Texts(partners->RegisteredAliases()));
  EXPECT_TRUE(partners->LinkH235Authentication());
  EXPECT_EQ("orvo", toStd(partners->LinkH235Name().Value()));
  EXPECT_EQ("link-secret", toStd(partners->LinkH235Password().Value()));
  EXPECT_EQ(120, partners->RegistrationPeriod());
  EXPECT_TRUE(partners->LinkAlternateGatekeeper());
  EXPECT_EQ(Configuration.FindZone("Remote"), partners->Location());
  EXPECT_EQ((std::vector<std::string>{"everyone"}), Texts(partners->GroupNames()));
}

TEST_F(SampleConfiguration, RichSampleRulesTranslateAndMake) {
  ASSERT_EQ("", Load("rich.cfg"));
  TUser* alice = Configuration.FindUser("alice");
  TUser* bob = Configuration.FindUser("bob");
  ASSERT_NE(nullptr, alice);
  ASSERT_NE(nullptr, bob);
  TVariables scope;
  scope.SetParent(&alice->Variables());
  TClock::Set(wednesdayNoon);
  EXPECT_EQ("9123", toStd(alice->TranslateOutgoingAlias(TUser::usCaller, "0123", &scope)));
  EXPECT_EQ("0123", toStd(alice->TranslateOutgoingAlias(TUser::usCallee, "0123", &scope)));
  EXPECT_EQ("2042", toStd(alice->TranslateIncomingAlias(TUser::usCallee, "1042", &scope)));
  EXPECT_EQ("8555", toStd(alice->TranslateIncomingAlias(TUser::usCaller, "8555", &scope)));
  TClock::Set(wednesdayNight);
  EXPECT_EQ("555", toStd(alice->TranslateIncomingAlias(TUser::usCaller, "8555", &scope)));
  EXPECT_EQ("555", toStd(alice->TranslateIncomingAlias(TUser::usCallee, "8555", &scope)));

  const TExpressionType aliasMake = dcMakeAlias | expIncoming | expCallee;
  const TExpressionType dialledMake = dcMakeAlias | expOutgoing | expCallee;
  EXPECT_TRUE(alice->HasMake(aliasMake));
  EXPECT_TRUE(alice->HasMake(dialledMake));
  EXPECT_FALSE(alice->HasMake(dcMakeLogin));
  alice->ApplyMake(&scope, aliasMake, "1042");
  EXPECT_EQ("1042", Value(scope, "last"));
  alice->ApplyMake(&scope, dialledMake, "3777");
  alice->ApplyMake(&scope, dialledMake, "3888");
  EXPECT_EQ("888", Value(scope, "dest"));
  EXPECT_EQ("3777|3888", Value(scope, "trail"));
  alice->RemoveMakeVariables(&scope, dialledMake);
  EXPECT_EQ("<none>", Value(scope, "dest"));
  EXPECT_EQ("1042", Value(scope, "last"));

  TVariables registration;
  registration.SetParent(&bob->Variables());
  EXPECT_TRUE(bob->HasMake(dcMakeLogin));
  bob->ApplyMake(&registration, dcMakeLogin, "2001");
  EXPECT_EQ("2001", Value(registration, "phone"));
}

TEST_F(SampleConfiguration, EmptyTextKeepsTheDefaults) {
  std::istringstream empty("// nothing but a comment\n");
  EXPECT_EQ("", toStd(Configuration.Load(empty)));
  EXPECT_EQ(1719u, Configuration.RasPort());
  EXPECT_EQ(0u, Configuration.Users().count());
}

TEST_F(SampleConfiguration, ParseErrorsComeBackAsText) {
  std::istringstream text("zone z { bandwidth 10; }");
  EXPECT_EQ("Configuration file: parse error, unexpected unsigned integer value, expecting bandwidth value, in line 1.",
            toStd(Configuration.Load(text)));
  // A group named before it is defined is unknown, also inside a group.
  TConfiguration early;
  std::istringstream before("user u { group member g; }\ngroup g;\n");
  EXPECT_EQ("Configuration file: logic error, group member directive points on unknown group, in line 1.",
            toStd(early.Load(before)));
  TConfiguration nested;
  std::istringstream inside("group Outer { group member missing; }\nuser u {\n group member outer;\n}\n");
  EXPECT_EQ(
      "Configuration file: logic error, group member directive points on unknown group, "
      "while processing Outer group, in line 4.",
      toStd(nested.Load(inside)));
}

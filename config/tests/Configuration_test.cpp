#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <orvo/socketAddress.h>

#include <config/Configuration.h>
#include <config/DirectiveCode.h>
#include <config/LinkedUser.h>
#include <orvoTesting.h>

#include "Directives.h"

using namespace directive;

namespace {

// Adds a user section to the configuration as the parser does.
TUser* AddUser(TConfiguration& AConfiguration, TUser* AUser, std::initializer_list<TExpression*> ADirectives) {
  TDirectiveList list(ADirectives);
  AConfiguration.Users().append(AUser);
  EXPECT_EQ("", toStd(AUser->ApplyDefinitions(list, AConfiguration)));
  return AUser;
}

class TWatchedUser : public TUser {
public:
  TWatchedUser(const char* AName, bool* ADestroyed) : TUser(AName), FDestroyed(ADestroyed) {}
  ~TWatchedUser() override { *FDestroyed = true; }

private:
  bool* FDestroyed;
};

}  // namespace

TEST(Configuration, DefaultsBeforeAnySection) {
  TConfiguration configuration;
  in_addr host;
  orvo::localAddress(host);
  EXPECT_EQ("", toStd(configuration.Identifier()));
  EXPECT_EQ(AF_INET, configuration.LocalAddress().sin_family);
  EXPECT_EQ(0, configuration.LocalAddress().sin_port);
  EXPECT_EQ(host.s_addr, configuration.LocalAddress().sin_addr.s_addr);
  EXPECT_EQ(1719u, configuration.RasPort());
  EXPECT_EQ(1720u, configuration.CallSignalPort());
  EXPECT_EQ(0u, configuration.Zones().count());
  EXPECT_EQ(0u, configuration.Groups().count());
  EXPECT_EQ(0u, configuration.Users().count());
  EXPECT_EQ(1, configuration.ReferenceCount());
  EXPECT_EQ(htons(2040), configuration.Monitor().Port());
  EXPECT_FALSE(configuration.AAA().HasAuthenticationServer());
  EXPECT_TRUE(configuration.Log().FileName().empty());
}

TEST(Configuration, SystemSectionFirstDirectiveOfEachKindWins) {
  TConfiguration configuration;
  TDirectiveList system({UInt(dcRasPort, 1800), Text(dcIdentifier, "gk-one"), UInt(dcRasPort, 1900),
                         Address(dcAddress, "10.1.2.3"), UInt(dcCallSignalPort, 1721), Text(dcIdentifier, "gk-two"),
                         Address(dcAddress, "10.9.9.9")});
  EXPECT_EQ("", toStd(configuration.ApplySystem(system)));
  EXPECT_EQ(1800u, configuration.RasPort());
  EXPECT_EQ(1721u, configuration.CallSignalPort());
  EXPECT_EQ("gk-one", toStd(configuration.Identifier()));
  EXPECT_EQ(inet_addr("10.1.2.3"), configuration.LocalAddress().sin_addr.s_addr);
  EXPECT_EQ(0, configuration.LocalAddress().sin_port);
}

TEST(Configuration, SystemSectionStopsAtAnUnknownDirective) {
  TConfiguration configuration;
  TDirectiveList system({UInt(dcRasPort, 1800), UInt(dcBandwidth, 5), UInt(dcCallSignalPort, 1721)});
  EXPECT_EQ("internal error, unknown expression", toStd(configuration.ApplySystem(system)));
  EXPECT_EQ(1800u, configuration.RasPort());
  EXPECT_EQ(1720u, configuration.CallSignalPort());
}

TEST(Configuration, ReleaseDestroysWithTheLastReferenceOnly) {
  bool destroyed = false;
  TConfiguration* configuration = new TConfiguration;
  configuration->Users().append(new TWatchedUser("u", &destroyed));
  configuration->AddReference();
  EXPECT_EQ(2, configuration->ReferenceCount());
  TConfiguration::Release(configuration);
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(1, configuration->ReferenceCount());
  TConfiguration::Release(configuration);
  EXPECT_TRUE(destroyed);
  TConfiguration::Release(nullptr);
}

TEST(Configuration, FindUserComparesExactlyAcrossUserAndGatekeeperSections) {
  TConfiguration configuration;
  TUser* lower = AddUser(configuration, new TUser("alice"), {});
  TUser* upper = AddUser(configuration, new TUser("Alice"), {});
  TUser* gatekeeper = AddUser(configuration, new TLinkedUser("remote"), {});
  EXPECT_EQ(lower, configuration.FindUser("alice"));
  EXPECT_EQ(upper, configuration.FindUser("Alice"));
  EXPECT_EQ(gatekeeper, configuration.FindUser("remote"));
  EXPECT_EQ(nullptr, configuration.FindUser("ALICE"));
  EXPECT_EQ(nullptr, configuration.FindUser(""));
}

TEST(Configuration, FindUserByLoginFollowsUsersAndTheirRulesInOrder) {
  TConfiguration configuration;
  // The first matching rule of a user decides for it: a denial passes the
  // login on to the next user even when a later rule would allow.
  TUser* first = AddUser(configuration, new TUser("first"), {Login("9.*", false), Login("1.*"), Login("2.*")});
  TUser* second = AddUser(configuration, new TUser("second"), {Login("2.*"), Login("9.*")});
  TUser* third = AddUser(configuration, new TUser("third"), {Login("2.*")});
  EXPECT_EQ(first, configuration.FindUserByLogin("100"));
  EXPECT_EQ(first, configuration.FindUserByLogin("200"));
  EXPECT_EQ(second, configuration.FindUserByLogin("900"));
  EXPECT_EQ(nullptr, configuration.FindUserByLogin("300"));
  (void)third;
}

TEST(Configuration, FindUserByLoginAnchorsThePatterns) {
  TConfiguration configuration;
  TUser* exact = AddUser(configuration, new TUser("exact"), {Login("100")});
  TUser* wide = AddUser(configuration, new TUser("wide"), {Login("1.*")});
  EXPECT_EQ(exact, configuration.FindUserByLogin("100"));
  EXPECT_EQ(wide, configuration.FindUserByLogin("1000"));
  EXPECT_EQ(nullptr, configuration.FindUserByLogin("2100"));
  // No subject is kept by the compiled patterns after the search.
  TLoginExp* rule = exact->LoginRules().first();
  EXPECT_FALSE(rule->Pattern.PatternIn(&exact->Variables()).attached());
}

TEST(Configuration, FindUserByLoginResolvesVariablesInTheUsersScope) {
  TConfiguration configuration;
  TUser* alice = AddUser(configuration, new TUser("alice"), {Set("Prefix", "4(1|2)."), LoginNamed("prefix")});
  TUser* bob = AddUser(configuration, new TUser("bob"), {LoginNamed("prefix")});
  EXPECT_EQ(alice, configuration.FindUserByLogin("421"));
  EXPECT_EQ(nullptr, configuration.FindUserByLogin("431"));
  // Bob has no such variable: its rule is the empty pattern.
  EXPECT_EQ(bob, configuration.FindUserByLogin(""));
}

TEST(Configuration, ZonesAndGroupsAreFoundWithoutLetterCase) {
  TConfiguration configuration;
  TZone* zone = configuration.Zones().append(new TZone("Office"));
  TGroup* group = configuration.Groups().append(new TGroup("Sales", nullptr));
  EXPECT_EQ(zone, configuration.FindZone("oFFICE"));
  EXPECT_EQ(group, configuration.FindGroup("SALES"));
  EXPECT_EQ(nullptr, configuration.FindZone("Offic"));
  EXPECT_EQ(nullptr, configuration.FindGroup("Sale"));
}

TEST(Configuration, UsersGoBeforeTheZonesTheyPointAt) {
  // Zones are joined to each other and a user points at one; each goes once.
  TConfiguration* configuration = new TConfiguration;
  TZone* a = configuration->Zones().append(new TZone("a"));
  TZone* b = configuration->Zones().append(new TZone("b"));
  TZone* link = configuration->Zones().append(new TZone("Link0"));
  a->AddLinkedZone(link);
  b->AddLinkedZone(link);
  link->AddLinkedZone(a);
  link->AddLinkedZone(b);
  TUser* user = AddUser(*configuration, new TUser("u"), {Text(dcLocation, "A")});
  EXPECT_EQ(a, user->Location());
  EXPECT_EQ(2u, link->LinkedZones().count());
  TConfiguration::Release(configuration);
}

// What the section actions make of a configuration text: links and the zones
// they join, section objects filled, users and gatekeepers merged.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <sstream>
#include <string>
#include <vector>

#include <config/Configuration.h>
#include <config/LinkedUser.h>
#include <orvoTesting.h>

namespace {

class ConfigurationBuilder : public ::testing::Test {
protected:
  std::string Load(const std::string& AText) {
    std::istringstream input(AText);
    return toStd(Configuration.Load(input));
  }

  std::vector<std::string> ZoneNames() const {
    std::vector<std::string> names;
    for (const TZone* zone : Configuration.Zones()) names.push_back(toStd(zone->Identifier()));
    return names;
  }

  TZone* Zone(const char* AName) const {
    for (TZone* zone : Configuration.Zones())
      if (zone->Identifier() == orvo::string(AName)) return zone;
    return nullptr;
  }

  static std::vector<std::string> Linked(const TZone* AZone) {
    std::vector<std::string> names;
    for (const TZone* zone : AZone->LinkedZones()) names.push_back(toStd(zone->Identifier()));
    return names;
  }

  TConfiguration Configuration;
};

}  // namespace

TEST_F(ConfigurationBuilder, UnnamedLinksCountFromZeroInEveryParse) {
  ASSERT_EQ("", Load("link between a and b; link Named between a and b; link between c and d;"));
  EXPECT_EQ((std::vector<std::string>{"Link0", "Named", "Link1"}), ZoneNames());
  TConfiguration other;
  std::istringstream text("link between x and y;");
  ASSERT_EQ("", toStd(other.Load(text)));
  EXPECT_EQ("Link0", toStd(other.Zones().first()->Identifier()));
}

TEST_F(ConfigurationBuilder, LinksJoinTheZonesDefinedBeforeThem) {
  ASSERT_EQ("", Load("zone a; zone B { bandwidth 1M; }\n"
                     "link early between c and nowhere;\n"
                     "link ab between A and b { bandwidth 64K; }\n"
                     "zone c;\n"
                     "link self between a and A;\n"));
  EXPECT_EQ((std::vector<std::string>{"a", "B", "early", "ab", "c", "self"}), ZoneNames());
  EXPECT_EQ((std::vector<std::string>{"ab", "self"}), Linked(Zone("a")));
  EXPECT_EQ((std::vector<std::string>{"ab"}), Linked(Zone("B")));
  EXPECT_EQ((std::vector<std::string>{"a", "B"}), Linked(Zone("ab")));
  // Zones defined after a link are not joined to it.
  EXPECT_EQ(std::vector<std::string>(), Linked(Zone("early")));
  EXPECT_EQ(std::vector<std::string>(), Linked(Zone("c")));
  // A link that names one zone twice joins it once.
  EXPECT_EQ((std::vector<std::string>{"a"}), Linked(Zone("self")));
  EXPECT_EQ(640u, Zone("ab")->BandwidthLimit());
  EXPECT_EQ(10000u, Zone("B")->BandwidthLimit());
  EXPECT_EQ(TZone::Unlimited, Zone("a")->BandwidthLimit());
}

TEST_F(ConfigurationBuilder, ZoneSectionsCountEachKindOnce) {
  ASSERT_EQ("", Load("zone z { bandwidth 1M; bandwidth 2M; connections 3; connections 4; }"));
  EXPECT_EQ(10000u, Zone("z")->BandwidthLimit());
  EXPECT_EQ(3u, Zone("z")->ConnectionLimit());
}

TEST_F(ConfigurationBuilder, SystemMonitorLogAndAAASections) {
  ASSERT_EQ("", Load("system identifier \"gk\", ras port 1800, ras port 1900, address 10.1.2.3;\n"
                     "monitor { port 2041; address 10.0.0.0 - 10.0.0.255 no; address yes; }\n"
                     "log { registrations yes; file \"x.log\"; ras messages where in; }\n"
                     "aaa { address 10.0.0.7; accounting port 1646; password \"s\"; time zone offset local; }\n"));
  EXPECT_EQ("gk", toStd(Configuration.Identifier()));
  EXPECT_EQ(1800u, Configuration.RasPort());
  EXPECT_EQ(1720u, Configuration.CallSignalPort());
  EXPECT_EQ(inet_addr("10.1.2.3"), Configuration.LocalAddress().sin_addr.s_addr);
  EXPECT_EQ(htons(2041), Configuration.Monitor().Port());
  EXPECT_EQ(2u, Configuration.Monitor().AddressRules().count());
  EXPECT_TRUE(Configuration.Log().Registrations());
  EXPECT_EQ("x.log", toStd(Configuration.Log().FileName()));
  EXPECT_EQ(1u, Configuration.Log().RasRules().count());
  EXPECT_EQ(inet_addr("10.0.0.7"), Configuration.AAA().AccountingServer().sin_addr.s_addr);
  EXPECT_EQ(htons(1646), Configuration.AAA().AccountingServer().sin_port);
  EXPECT_EQ(htons(1812), Configuration.AAA().AuthenticationServer().sin_port);
  EXPECT_EQ("s", toStd(Configuration.AAA().SharedSecret()));
  EXPECT_FALSE(Configuration.AAA().TimeZoneOffsetIsGMT());
}

TEST_F(ConfigurationBuilder, GroupsUsersAndGatekeepers) {
  ASSERT_EQ("", Load("zone office;\n"
                     "group staff { location Office; fast start no; }\n"
                     "user bob { group member Staff; login \"bob\"; static 10.0.0.5; }\n"
                     "gatekeeper up { ras address 10.0.0.9; register alias \"100\" alias \"200\"; }\n"));
  ASSERT_EQ(1u, Configuration.Groups().count());
  EXPECT_EQ("staff", toStd(Configuration.Groups().first()->Identifier()));
  EXPECT_EQ(2u, Configuration.Groups().first()->Directives().count());
  ASSERT_EQ(2u, Configuration.Users().count());
  const TUser* bob = Configuration.Users().first();
  EXPECT_FALSE(bob->IsGatekeeper());
  EXPECT_EQ("bob", toStd(bob->Identifier()));
  EXPECT_EQ(Zone("office"), bob->Location());
  EXPECT_FALSE(bob->FastStart());
  EXPECT_EQ(inet_addr("10.0.0.5"), bob->StaticAddress().sin_addr.s_addr);
  EXPECT_EQ(htons(1720), bob->StaticAddress().sin_port);
  const TLinkedUser* up = dynamic_cast<const TLinkedUser*>(Configuration.Users().last());
  ASSERT_NE(nullptr, up);
  EXPECT_TRUE(up->IsGatekeeper());
  // A RAS address without a port is the remote gatekeeper's RAS port.
  EXPECT_EQ(inet_addr("10.0.0.9"), up->RasAddress().sin_addr.s_addr);
  EXPECT_EQ(htons(1719), up->RasAddress().sin_port);
  EXPECT_EQ(2u, up->RegisteredAliases().count());
}

TEST_F(ConfigurationBuilder, AUserWhoseMergeFailsStaysWithTheConfiguration) {
  EXPECT_EQ("Configuration file: logic error, location directive points on unknown zone, in line 1.",
            Load("user u { location nowhere; }"));
  ASSERT_EQ(1u, Configuration.Users().count());
  EXPECT_EQ("u", toStd(Configuration.Users().first()->Identifier()));
}

TEST_F(ConfigurationBuilder, AFailedParseLeavesTheSectionsBeforeIt) {
  EXPECT_NE("", Load("zone a; user u; zone b { bandwidth 10; }"));
  EXPECT_EQ((std::vector<std::string>{"a"}), ZoneNames());
  EXPECT_EQ(1u, Configuration.Users().count());
}

TEST_F(ConfigurationBuilder, SectionsOfAnEarlierLoadCountAsDefined) {
  ASSERT_EQ("", Load("zone a; link l between a and b; group g; user u; gatekeeper k;"));
  EXPECT_EQ("Configuration file: parse error, zone identifier 'A' already defined, in line 1.", Load("zone A;"));
  EXPECT_EQ("Configuration file: parse error, zone identifier 'L' already defined, in line 1.", Load("zone L;"));
  EXPECT_EQ("Configuration file: parse error, group identifier 'G' already defined, in line 1.", Load("group G;"));
  EXPECT_EQ("Configuration file: parse error, user identifier 'K' already defined, in line 1.", Load("user K;"));
  EXPECT_EQ("Configuration file: parse error, user identifier 'U' already defined, in line 1.", Load("gatekeeper U;"));
}

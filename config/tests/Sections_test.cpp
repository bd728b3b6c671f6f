#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <string>

#include <orvo/socketAddress.h>

#include <config/AAA.h>
#include <config/DirectiveCode.h>
#include <config/Group.h>
#include <config/MonitorCfg.h>
#include <config/Zone.h>
#include <orvoTesting.h>

#include "Directives.h"

using namespace directive;

namespace {

sockaddr_in At(const char* ADotted) {
  sockaddr_in address = orvo::defaultAddress;
  address.sin_addr.s_addr = inet_addr(ADotted);
  address.sin_port = htons(40000);
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

}  // namespace

TEST(Zone, UnlimitedWithoutDirectives) {
  TZone zone("Office");
  EXPECT_EQ("Office", toStd(zone.Identifier()));
  EXPECT_EQ(4294967295u, zone.BandwidthLimit());
  EXPECT_EQ(4294967295u, zone.AvailableBandwidth());
  EXPECT_EQ(4294967295u, zone.ConnectionLimit());
  EXPECT_EQ(4294967295u, zone.AvailableConnections());
  EXPECT_EQ(0u, zone.LinkedZones().count());
}

TEST(Zone, FirstDirectiveOfEachKindSetsLimitAndAvailable) {
  TZone zone("z");
  TDirectiveList list(
      {UInt(dcBandwidth, 10000), UInt(dcBandwidth, 20000), UInt(dcConnections, 4), UInt(dcConnections, 8)});
  EXPECT_EQ("", toStd(ApplyDirectives(zone, list)));
  EXPECT_EQ(10000u, zone.BandwidthLimit());
  EXPECT_EQ(10000u, zone.AvailableBandwidth());
  EXPECT_EQ(4u, zone.ConnectionLimit());
  EXPECT_EQ(4u, zone.AvailableConnections());
  zone.SetAvailableBandwidth(9000);
  zone.SetAvailableConnections(3);
  EXPECT_EQ(10000u, zone.BandwidthLimit());
  EXPECT_EQ(9000u, zone.AvailableBandwidth());
  EXPECT_EQ(4u, zone.ConnectionLimit());
  EXPECT_EQ(3u, zone.AvailableConnections());
}

TEST(Zone, OtherDirectivesAreUnknown) {
  TZone zone("z");
  TDirectiveList list({Alias("1")});
  EXPECT_EQ("internal error, unknown expression", toStd(ApplyDirectives(zone, list)));
  // A timed number of a user section is not a zone's connections.
  TDirectiveList timed({TimedUInt(dcConnections, 2)});
  EXPECT_EQ("internal error, unknown expression", toStd(ApplyDirectives(zone, timed)));
}

TEST(Group, HoldsItsDirectivesAndTypeWord) {
  TExpressions* list = new TExpressions();
  list->Add(Alias("1"));
  TGroup group("Sales", list);
  EXPECT_EQ(47, group.Type);
  EXPECT_EQ("Sales", toStd(group.Identifier()));
  EXPECT_EQ(1u, group.Directives().count());
  EXPECT_EQ(nullptr, group.Clone());
  TGroup empty("none", nullptr);
  EXPECT_EQ(0u, empty.Directives().count());
}

TEST(AAA, DefaultsHaveNoServer) {
  TAAA aaa;
  EXPECT_EQ(inet_addr("255.255.255.255"), aaa.AuthenticationServer().sin_addr.s_addr);
  EXPECT_EQ(htons(1812), aaa.AuthenticationServer().sin_port);
  EXPECT_EQ(AF_INET, aaa.AuthenticationServer().sin_family);
  EXPECT_EQ(inet_addr("255.255.255.255"), aaa.AccountingServer().sin_addr.s_addr);
  EXPECT_EQ(htons(1813), aaa.AccountingServer().sin_port);
  EXPECT_FALSE(aaa.HasAuthenticationServer());
  EXPECT_FALSE(aaa.HasAccountingServer());
  EXPECT_EQ("", toStd(aaa.BillingFileName()));
  EXPECT_EQ("", toStd(aaa.SharedSecret()));
  EXPECT_FALSE(aaa.LogFailedCalls());
  EXPECT_EQ("UTC", toStd(aaa.TimeZoneName()));
  EXPECT_TRUE(aaa.TimeZoneOffsetIsGMT());
  EXPECT_EQ("%H:%M:%S.%s UTC %a %b %d %Y", toStd(aaa.RadiusTimeFormat()));
}

TEST(AAA, AddressAloneUsesTheStandardPorts) {
  TAAA aaa;
  TDirectiveList list({Address(dcAddress, "192.0.2.7"), Address(dcAddress, "192.0.2.8")});
  EXPECT_EQ("", toStd(ApplyDirectives(aaa, list)));
  EXPECT_EQ(inet_addr("192.0.2.7"), aaa.AuthenticationServer().sin_addr.s_addr);
  EXPECT_EQ(inet_addr("192.0.2.7"), aaa.AccountingServer().sin_addr.s_addr);
  EXPECT_EQ(htons(1812), aaa.AuthenticationServer().sin_port);
  EXPECT_EQ(htons(1813), aaa.AccountingServer().sin_port);
  EXPECT_TRUE(aaa.HasAuthenticationServer());
  EXPECT_TRUE(aaa.HasAccountingServer());
}

TEST(AAA, PortsAloneConfigureNoServer) {
  // Without an address the servers stay at 255.255.255.255 whatever the ports.
  TAAA aaa;
  TDirectiveList list({UInt(dcAuthenticationPort, 1645), UInt(dcAccountingPort, 1646)});
  EXPECT_EQ("", toStd(ApplyDirectives(aaa, list)));
  EXPECT_EQ(htons(1645), aaa.AuthenticationServer().sin_port);
  EXPECT_EQ(htons(1646), aaa.AccountingServer().sin_port);
  EXPECT_FALSE(aaa.HasAuthenticationServer());
  EXPECT_FALSE(aaa.HasAccountingServer());
  sockaddr_in server = At("192.0.2.1");
  EXPECT_TRUE(TAAA::IsServerConfigured(server));
  server.sin_port = htons(65535);
  EXPECT_FALSE(TAAA::IsServerConfigured(server));
}

TEST(AAA, RemainingDirectives) {
  TAAA aaa;
  TDirectiveList list({Text(dcPassword, "s3cret"), Text(dcFile, "calls.bil"), Bool(dcLogFailedCalls, true),
                       Bool(dcTimeZoneOffset, false), Text(dcTimeZoneName, "CET"), Text(dcPassword, "other")});
  EXPECT_EQ("", toStd(ApplyDirectives(aaa, list)));
  EXPECT_EQ("s3cret", toStd(aaa.SharedSecret()));
  EXPECT_EQ("calls.bil", toStd(aaa.BillingFileName()));
  EXPECT_TRUE(aaa.LogFailedCalls());
  EXPECT_FALSE(aaa.TimeZoneOffsetIsGMT());
  EXPECT_EQ("CET", toStd(aaa.TimeZoneName()));
  EXPECT_EQ("%H:%M:%S.%s CET %a %b %d %Y", toStd(aaa.RadiusTimeFormat()));
}

TEST(AAA, SameTimeZoneNameKeepsTheFormat) {
  TAAA aaa;
  const orvo::string::rep* format = aaa.RadiusTimeFormat().representation();
  aaa.SetTimeZoneName("UTC");
  EXPECT_EQ(format, aaa.RadiusTimeFormat().representation());
  aaa.SetTimeZoneName("MSK");
  EXPECT_EQ("%H:%M:%S.%s MSK %a %b %d %Y", toStd(aaa.RadiusTimeFormat()));
}

TEST(AAA, UnknownDirective) {
  TAAA aaa;
  TDirectiveList list({Alias("1")});
  EXPECT_EQ("internal error, unknown expression", toStd(ApplyDirectives(aaa, list)));
}

TEST(Monitor, DefaultsAdmitEveryClientOnPort2040) {
  TMonitorCfg monitor;
  EXPECT_EQ(htons(2040), monitor.Port());
  EXPECT_EQ(0u, monitor.PasswordDigest().length());
  EXPECT_TRUE(monitor.IsAddressAllowed(At("203.0.113.9")));
}

TEST(Monitor, PasswordIsKeptAsItsMD5Digest) {
  // RFC 1321 test suite: MD5 ("abc") = 900150983cd24fb0d6963f7d28e17f72.
  TMonitorCfg monitor;
  TDirectiveList list({Text(dcMonitorPassword, "abc"), Text(dcMonitorPassword, "ignored"), UInt(dcMonitorPort, 2041),
                       UInt(dcMonitorPort, 9)});
  EXPECT_EQ("", toStd(ApplyDirectives(monitor, list)));
  EXPECT_EQ("900150983cd24fb0d6963f7d28e17f72", Hex(monitor.PasswordDigest()));
  EXPECT_EQ(htons(2041), monitor.Port());
  TMonitorCfg empty;
  TDirectiveList blank({Text(dcMonitorPassword, "")});
  EXPECT_EQ("", toStd(ApplyDirectives(empty, blank)));
  EXPECT_EQ("d41d8cd98f00b204e9800998ecf8427e", Hex(empty.PasswordDigest()));
}

TEST(Monitor, AddressRulesFirstMatchDecides) {
  TMonitorCfg monitor;
  TDirectiveList list({Range(dcAddressRule, "10.0.0.0", "10.0.0.255", false),
                       Range(dcAddressRule, "10.0.0.0", "10.255.255.255", true)});
  EXPECT_EQ("", toStd(ApplyDirectives(monitor, list)));
  EXPECT_EQ(2u, monitor.AddressRules().count());
  EXPECT_FALSE(monitor.IsAddressAllowed(At("10.0.0.7")));
  EXPECT_TRUE(monitor.IsAddressAllowed(At("10.1.2.3")));
  EXPECT_FALSE(monitor.IsAddressAllowed(At("192.0.2.1")));
}

TEST(Monitor, UnknownDirective) {
  TMonitorCfg monitor;
  TDirectiveList list({Text(dcFile, "x")});
  EXPECT_EQ("internal error, unknown expression", toStd(ApplyDirectives(monitor, list)));
}

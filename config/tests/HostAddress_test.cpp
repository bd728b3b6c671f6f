// Host names and addresses with ports, as the configuration reads them.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <orvo/socketAddress.h>

#include <config/HostAddress.h>
#include <orvoTesting.h>

TEST(ParseHostPort, AddressAndPortInNetworkOrder) {
  sockaddr_in address;
  ASSERT_TRUE(ParseHostPort("10.0.0.1:1720", address));
  EXPECT_EQ(AF_INET, address.sin_family);
  EXPECT_EQ(inet_addr("10.0.0.1"), address.sin_addr.s_addr);
  EXPECT_EQ(htons(1720), address.sin_port);
  ASSERT_TRUE(ParseHostPort("10.0.0.1", address));
  EXPECT_EQ(0, address.sin_port);
  // A bare colon leaves the port 0; the host is looked up by name.
  ASSERT_TRUE(ParseHostPort("localhost:", address));
  EXPECT_EQ(htonl(INADDR_LOOPBACK), address.sin_addr.s_addr);
  EXPECT_EQ(0, address.sin_port);
}

TEST(ParseHostPort, FailuresGiveTheNullAddress) {
  sockaddr_in address;
  EXPECT_FALSE(ParseHostPort("10.0.0.1:17x", address));
  EXPECT_TRUE(address == orvo::nullAddress);
  EXPECT_FALSE(ParseHostPort("no.such.host.invalid:1719", address));
  EXPECT_TRUE(address == orvo::nullAddress);
}

TEST(ResolveHostAddress, DottedThenByName) {
  uint32_t address = 0;
  ASSERT_TRUE(ResolveHostAddress("192.168.1.2", address));
  EXPECT_EQ(inet_addr("192.168.1.2"), address);
  ASSERT_TRUE(ResolveHostAddress("localhost", address));
  EXPECT_EQ(htonl(INADDR_LOOPBACK), address);
  EXPECT_FALSE(ResolveHostAddress("no.such.host.invalid", address));
  EXPECT_FALSE(ResolveHostAddress("", address));
}

// Protocol versions, identifiers and IPv4 transport conversions.
#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <h323/identifiers.h>
#include <h323/protocolIdentifiers.h>
#include <h323/transportAddress.h>

namespace {

struct versionCase {
  asn::oid identifier;
  int version;
};

TEST(ProtocolVersionOf, versionIndexByIdentifierOrder) {
  const versionCase cases[] = {
      {asn::oid(0, 0, 8, 2250, 0, 1), 0},
      {asn::oid(0, 0, 8, 2250, 0, 2), 1},
      {asn::oid(0, 0, 8, 2250, 0, 3), 2},
      {asn::oid(0, 0, 8, 2250, 0, 4), 3},
      {asn::oid(0, 0, 8, 2250, 0, 5), 3},
      {asn::oid(0, 0, 8, 2250, 0, 6), 3},
      {asn::oid(0, 0, 8, 2250, 0, 7), 3},
      // Shorter than version 1's, of which it is a prefix.
      {asn::oid(0, 0, 8, 2250), 4},
      // Foreign identifiers: H.245's sorts below, a later arc 0 above.
      {asn::oid(0, 0, 8, 245, 0, 7), 4},
      {asn::oid(0, 0, 7, 2250, 0, 4), 4},
      {asn::oid(0, 0, 8, 2251, 0, 0), 3},
      {asn::oid(0, 0, 8, 2250, 0, 0), 4},
  };
  for (const versionCase& c : cases) EXPECT_EQ(ProtocolVersionOf(c.identifier), c.version) << c.identifier.arc(5);
  EXPECT_EQ(H323::h225ProtocolIdentifier, asn::oid(0, 0, 8, 2250, 0, 4));
  EXPECT_EQ(H323::h245ProtocolIdentifier, asn::oid(0, 0, 8, 245, 0, 7));
  EXPECT_EQ(H323::h245ProtocolIdentifierV3, asn::oid(0, 0, 8, 245, 0, 5));
}

TEST(identifiers, freshGuidsAndCallIdentifiersOwningACopy) {
  H323::guidOctets guid = H323::newGuid(), second = H323::newGuid();
  ASSERT_EQ(guid.length(), 16u);
  EXPECT_EQ(guid.data()[7] >> 4, 1);  // time-based
  EXPECT_FALSE(guid.isEqual(second));
  std::unique_ptr<H225::callIdentifier> call(H323::newCallIdentifier(guid));
  EXPECT_TRUE(call->guid.isEqual(guid));
  guid.setValue("0123456789abcdef", 16);
  EXPECT_FALSE(call->guid.isEqual(guid));
}

struct addressCase {
  const char* address;
  unsigned port;
  unsigned char octets[6];  // address, then port as it lies in sockaddr_in
};

const addressCase addressCases[] = {
    {"0.0.0.0", 0, {0, 0, 0, 0, 0, 0}},
    {"255.255.255.255", 65535, {0xff, 0xff, 0xff, 0xff, 0xff, 0xff}},
    {"192.168.1.20", 1720, {192, 168, 1, 20, 0x06, 0xb8}},
    {"10.0.0.1", 256, {10, 0, 0, 1, 0x01, 0x00}},
};

sockaddr_in dirty() {
  sockaddr_in s;
  std::memset(&s, 0xA5, sizeof s);
  return s;
}

void expectSockaddr(const sockaddr_in& s, const addressCase& c) {
  EXPECT_EQ(s.sin_family, AF_INET);
  EXPECT_EQ(std::memcmp(&s.sin_addr, c.octets, 4), 0);
  EXPECT_EQ(std::memcmp(&s.sin_port, c.octets + 4, 2), 0);
  EXPECT_EQ(std::memcmp(s.sin_zero, "\0\0\0\0\0\0\0\0", 8), 0);
}

TEST(transportAddress, IPv4OfH225AndH245BothWays) {
  for (const addressCase& c : addressCases) {
    SCOPED_TRACE(c.address);
    H225::transportAddress t;
    auto* ip = static_cast<H225::transportAddress::ipAddress_sequence*>(t.select(0));
    ip->ip.setValue(c.octets, 4);
    ip->port = c.port;
    H245::transportAddress t245;
    auto* ip245 = static_cast<H245::unicastAddress::iPAddress_sequence*>(
        static_cast<H245::unicastAddress*>(t245.select(0))->select(0));
    ip245->network.setValue(c.octets, 4);
    ip245->tsapIdentifier = c.port;

    sockaddr_in s = dirty(), s245 = dirty();
    ASSERT_TRUE(H323::transportToSockaddr(t, s));
    ASSERT_TRUE(H323::h245TransportToSockaddr(t245, s245));
    expectSockaddr(s, c);
    expectSockaddr(s245, c);

    H225::transportAddress back;
    H245::transportAddress back245;
    EXPECT_TRUE(H323::sockaddrToTransport(s, back).isEqual(t));
    EXPECT_TRUE(H323::sockaddrToH245Transport(s, back245).isEqual(t245));
  }
}

TEST(transportAddress, otherAlternativesConvertToNothing) {
  sockaddr_in s = dirty();
  const sockaddr_in untouched = s;
  for (int index : {-1, 1, 2, 3, 4, 5, 6}) {
    H225::transportAddress t;
    t.select(index);
    EXPECT_FALSE(H323::transportToSockaddr(t, s)) << index;
  }
  // Unicast beyond iPAddress, and every multicast address.
  const int h245Cases[][2] = {{-1, -1}, {0, -1}, {0, 1}, {0, 2}, {0, 3}, {0, 4},
                              {0, 5},   {0, 6},  {1, 0}, {1, 1}, {1, 2}, {1, 3}};
  for (const auto& c : h245Cases) {
    H245::transportAddress t;
    if (asn::object* address = t.select(c[0])) static_cast<asn::choice*>(address)->select(c[1]);
    EXPECT_FALSE(H323::h245TransportToSockaddr(t, s)) << c[0] << " " << c[1];
  }
  EXPECT_EQ(std::memcmp(&s, &untouched, sizeof s), 0);
}

}  // namespace

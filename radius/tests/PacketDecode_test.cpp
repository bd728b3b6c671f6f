// Decoding of received datagrams: length rules, attribute definitions and
// hostile input. Every datagram lies in a buffer of exactly its size, so a
// read past it is caught by the sanitizer build.
#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include <orvoTesting.h>
#include <radius/AddressAttribute.h>
#include <radius/IntegerAttribute.h>
#include <radius/Packet.h>
#include <radius/StringAttribute.h>
#include <radius/VendorSpecificAttribute.h>

using namespace RADIUS;

namespace {

using TOctets = std::vector<unsigned char>;

const unsigned char Authenticator[16] = {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7,
                                         0xA8, 0xA9, 0xAA, 0xAB, 0xAC, 0xAD, 0xAE, 0xAF};

// Code 2, identifier 9, the authenticator above, then the given attribute
// octets; the length field counts them all.
TOctets packetWith(const TOctets& AAttributes) {
  // Sized first: growing a short vector by insert draws a false
  // -Warray-bounds from g++ 12.
  TOctets packet(20 + AAttributes.size());
  packet[0] = 0x02;
  packet[1] = 0x09;
  std::copy(Authenticator, Authenticator + 16, packet.begin() + 4);
  std::copy(AAttributes.begin(), AAttributes.end(), packet.begin() + 20);
  packet[2] = static_cast<unsigned char>(packet.size() >> 8);
  packet[3] = static_cast<unsigned char>(packet.size());
  return packet;
}

bool decode(TPacket& APacket, const TOctets& AData) { return APacket.Decode(AData.data(), unsigned(AData.size())); }

// One attribute of the given type whose value is n octets of 'v'.
TOctets attributeOf(unsigned char AType, unsigned AValueLength) {
  TOctets attribute = {AType, static_cast<unsigned char>(AValueLength + 2)};
  attribute.insert(attribute.end(), AValueLength, 'v');
  return attribute;
}

TOctets operator+(TOctets a, const TOctets& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const TOctets UserName = {0x01, 0x05, 'b', 'o', 'b'};
const TOctets SessionTimeout = {0x1B, 0x06, 0x00, 0x00, 0x0E, 0x10};  // 3600

std::vector<unsigned> typesOf(const TPacket& APacket) {
  std::vector<unsigned> types;
  for (TAttribute* attribute : APacket.Attributes()) types.push_back(attribute->Type());
  return types;
}

}  // namespace

TEST(PacketDecode, TwentyOctetsGiveNoAttributes) {
  TPacket packet(nullptr);
  ASSERT_TRUE(decode(packet, packetWith({})));
  EXPECT_EQ(2u, packet.Code());
  EXPECT_EQ(9u, packet.Identifier());
  EXPECT_EQ(0, std::memcmp(Authenticator, packet.Authenticator(), 16));
  EXPECT_TRUE(packet.Attributes().empty());
  EXPECT_EQ(20u, packet.Length());
}

TEST(PacketDecode, LengthFieldOutsideTheRulesIsRefusedWithNothingStored) {
  TPacket packet(nullptr);
  packet.SetCode(77);
  packet.SetIdentifier(1);

  TOctets short19 = packetWith({});
  short19[3] = 19;
  EXPECT_FALSE(decode(packet, short19));

  TOctets huge = packetWith(TOctets(4077, 0));  // 4,097 octets, length field 4,097
  ASSERT_EQ(4097u, huge.size());
  EXPECT_FALSE(decode(packet, huge));

  TOctets claimsMore = packetWith(UserName);
  claimsMore[3] += 1;  // one octet more than received
  EXPECT_FALSE(decode(packet, claimsMore));

  EXPECT_EQ(77u, packet.Code());
  EXPECT_EQ(1u, packet.Identifier());
}

TEST(PacketDecode, FewerThanTwentyOctetsReceivedAreRefused) {
  TPacket packet(nullptr);
  for (unsigned received = 0; received < 20; ++received) {
    TOctets data = packetWith({});
    data.resize(received);
    data.shrink_to_fit();
    EXPECT_FALSE(packet.Decode(received ? data.data() : nullptr, received)) << received;
  }
}

TEST(PacketDecode, OctetsBeyondTheLengthFieldAreIgnored) {
  TOctets data = packetWith(UserName);
  data.push_back(0xFF);
  data.push_back(0x00);
  TPacket packet(nullptr);
  ASSERT_TRUE(decode(packet, data));
  EXPECT_EQ(std::vector<unsigned>{1}, typesOf(packet));
}

TEST(PacketDecode, LargestPacketDecodes) {
  TOctets attributes;
  for (int i = 0; i < 15; ++i) attributes = attributes + attributeOf(25, 253);
  attributes = attributes + attributeOf(25, 249);
  TOctets data = packetWith(attributes);
  ASSERT_EQ(4096u, data.size());
  TPacket packet(nullptr);
  ASSERT_TRUE(decode(packet, data));
  EXPECT_EQ(16u, packet.Attributes().count());
  EXPECT_EQ(4096u, packet.Length());
}

TEST(PacketDecode, AttributesGetTheirClassesAndValues) {
  TOctets vendor = {0x1A, 0x1D, 0x00, 0x00, 0x00, 0x09, 0x66, 0x17};
  const char credit[] = "h323-credit-time=3600";
  vendor.insert(vendor.end(), credit, credit + 21);
  TPacket packet(nullptr);
  ASSERT_TRUE(decode(packet, packetWith(UserName + TOctets{0x08, 0x06, 0x0A, 0x00, 0x00, 0x01} + SessionTimeout +
                                        vendor + TOctets{0x02, 0x12} + TOctets(16, 0x55))));
  ASSERT_EQ((std::vector<unsigned>{1, 8, 27, 26, 2}), typesOf(packet));

  auto node = packet.Attributes().head();
  auto* name = dynamic_cast<TStringAttribute*>(orvo::list<TAttribute>::element(node));
  ASSERT_NE(nullptr, name);
  EXPECT_EQ("bob", toStd(name->Value()));

  node = node->next;
  auto* address = dynamic_cast<TAddressAttribute*>(orvo::list<TAttribute>::element(node));
  ASSERT_NE(nullptr, address);
  const unsigned char expectedAddress[4] = {10, 0, 0, 1};
  uint32_t stored = address->Address();
  EXPECT_EQ(0, std::memcmp(expectedAddress, &stored, 4));  // kept in network order

  node = node->next;
  auto* timeout = dynamic_cast<TIntegerAttribute*>(orvo::list<TAttribute>::element(node));
  ASSERT_NE(nullptr, timeout);
  EXPECT_EQ(3600u, timeout->Value());

  node = node->next;
  auto* cisco = dynamic_cast<TVendorSpecificAttribute*>(orvo::list<TAttribute>::element(node));
  ASSERT_NE(nullptr, cisco);
  EXPECT_EQ(9u, cisco->VendorId());
  EXPECT_EQ(102u, cisco->VendorType());
  EXPECT_EQ(credit, toStd(cisco->Data()));

  node = node->next;
  auto* password = dynamic_cast<TStringAttribute*>(orvo::list<TAttribute>::element(node));
  ASSERT_NE(nullptr, password);
  EXPECT_EQ(std::string(16, 'U'), toStd(password->Value()));
}

TEST(PacketDecode, UndefinedTypesAreSkippedAndTheRestDecodes) {
  // 17, 21 and the accounting types have names but no definition; 64 and up
  // are unknown altogether.
  const std::vector<unsigned char> skipped = {0, 17, 21, 40, 44, 45, 46, 51, 52, 59, 64, 100, 200, 255};
  for (unsigned char type : skipped) {
    TPacket packet(nullptr);
    ASSERT_TRUE(decode(packet, packetWith(UserName + attributeOf(type, 3) + SessionTimeout))) << int(type);
    EXPECT_EQ((std::vector<unsigned>{1, 27}), typesOf(packet)) << int(type);
  }
  // Even a skipped attribute must not claim more than the packet holds.
  TPacket packet(nullptr);
  EXPECT_FALSE(decode(packet, packetWith(UserName + TOctets{200, 10, 1, 2})));
}

TEST(PacketDecode, ValueLengthsOutsideTheDefinitionFail) {
  struct TCase {
    unsigned char Type;
    unsigned ValueLength;
    bool Accepted;
  };
  const TCase cases[] = {
      {2, 15, false}, {2, 16, true}, {2, 128, true}, {2, 129, false},  // User-Password
      {3, 16, false}, {3, 17, true}, {3, 18, false},                   // CHAP-Password
      {4, 3, false},  {4, 4, true},  {4, 5, false},                    // NAS-IP-Address
      {5, 3, false},  {5, 4, true},  {5, 5, false},                    // NAS-Port
      {1, 0, false},  {1, 1, true},  {1, 253, true},                   // User-Name
      {11, 0, false}, {11, 1, true},                                   // Filter-Id
      {60, 4, false}, {60, 5, true},                                   // CHAP-Challenge
      {26, 6, false},                                                  // Vendor-Specific
  };
  for (const TCase& c : cases) {
    TPacket packet(nullptr);
    bool accepted = decode(packet, packetWith(UserName + attributeOf(c.Type, c.ValueLength)));
    EXPECT_EQ(c.Accepted, accepted) << int(c.Type) << "/" << c.ValueLength;
    EXPECT_EQ(c.Accepted ? 2u : 0u, packet.Attributes().count()) << int(c.Type) << "/" << c.ValueLength;
  }
}

TEST(PacketDecode, AttributeLengthZeroOrOneFailsAndClearsTheList) {
  for (unsigned char length : {0, 1}) {
    TPacket packet(nullptr);
    EXPECT_FALSE(decode(packet, packetWith(UserName + TOctets{0x1B, length, 0, 0, 0, 0})));
    EXPECT_TRUE(packet.Attributes().empty());
  }
}

TEST(PacketDecode, AttributeRunningPastThePacketFails) {
  TPacket packet(nullptr);
  EXPECT_FALSE(decode(packet, packetWith(UserName + TOctets{0x01, 0x09, 'a', 'b', 'c'})));
  EXPECT_TRUE(packet.Attributes().empty());
}

// A lone octet after the last attribute: its length octet lies outside the
// packet and must not be read.
TEST(PacketDecode, SingleTrailingOctetFailsWithoutReadingPastThePacket) {
  TOctets data = packetWith(UserName + TOctets{0x01});
  data.shrink_to_fit();
  TPacket packet(nullptr);
  EXPECT_FALSE(decode(packet, data));
  EXPECT_TRUE(packet.Attributes().empty());
}

TEST(PacketDecode, VendorSpecificInnerLengthMustMatch) {
  const TOctets good = {0x1A, 0x0A, 0x00, 0x00, 0x00, 0x09, 0x01, 0x04, 'o', 'k'};
  TPacket packet(nullptr);
  EXPECT_TRUE(decode(packet, packetWith(good)));

  for (unsigned char inner : {0x00, 0x02, 0x03, 0x05, 0xFF}) {
    TOctets bad = good;
    bad[7] = inner;
    TPacket other(nullptr);
    EXPECT_FALSE(decode(other, packetWith(UserName + bad))) << int(inner);
    EXPECT_TRUE(other.Attributes().empty());
  }
  // The shortest carries one octet of data; without data it is refused.
  TPacket one(nullptr);
  EXPECT_TRUE(decode(one, packetWith({0x1A, 0x09, 0x00, 0x00, 0x00, 0x09, 0x01, 0x03, 'x'})));
  TPacket none(nullptr);
  EXPECT_FALSE(decode(none, packetWith({0x1A, 0x08, 0x00, 0x00, 0x00, 0x09, 0x01, 0x02})));
}

TEST(PacketDecode, NewDecodeReplacesTheAttributes) {
  TPacket packet(nullptr);
  ASSERT_TRUE(decode(packet, packetWith(UserName + SessionTimeout)));
  ASSERT_TRUE(decode(packet, packetWith(SessionTimeout)));
  EXPECT_EQ(std::vector<unsigned>{27}, typesOf(packet));
}

TEST(PacketDecode, EncodedDecodeGivesTheSameOctets) {
  TOctets data =
      packetWith(UserName + SessionTimeout + TOctets{0x1A, 0x0A, 0x00, 0x00, 0x01, 0x37, 0x01, 0x04, 0x00, 0xFF} +
                 TOctets{0x04, 0x06, 0xC0, 0xA8, 0x00, 0x01});
  TPacket packet(nullptr);
  ASSERT_TRUE(decode(packet, data));
  TOctets again(packet.Length());
  packet.Encode(again.data());
  EXPECT_EQ(data, again);
}

// Random corruption of valid packets: decode never reads outside the buffer,
// and a packet it accepts encodes to a packet it accepts again.
TEST(PacketDecode, SurvivesCorruptedInput) {
  const TOctets seeds[] = {
      packetWith(UserName + SessionTimeout),
      packetWith(TOctets{0x1A, 0x0A, 0x00, 0x00, 0x00, 0x09, 0x01, 0x04, 'o', 'k'} + UserName),
      packetWith(attributeOf(2, 16) + attributeOf(3, 17) + TOctets{0x04, 0x06, 1, 2, 3, 4}),
  };
  std::mt19937 random(1234);
  unsigned accepted = 0;
  for (int round = 0; round < 20000; ++round) {
    TOctets data = seeds[round % 3];
    int changes = 1 + int(random() % 4);
    for (int i = 0; i < changes; ++i) {
      switch (random() % 3) {
        case 0:
          if (!data.empty()) data[random() % data.size()] = static_cast<unsigned char>(random());
          break;
        case 1:
          data.resize(random() % (data.size() + 8), static_cast<unsigned char>(random()));
          break;
        default:
          if (data.size() > 3) data[3] = static_cast<unsigned char>(random());
          break;
      }
    }
    data.shrink_to_fit();
    TPacket packet(nullptr);
    if (packet.Decode(data.empty() ? nullptr : data.data(), unsigned(data.size()))) {
      ++accepted;
      TOctets again(packet.Length());
      packet.Encode(again.data());
      TPacket second(nullptr);
      ASSERT_TRUE(second.Decode(again.data(), unsigned(again.size())));
      ASSERT_EQ(packet.Attributes().count(), second.Attributes().count());
    } else {
      ASSERT_TRUE(packet.Attributes().empty());
    }
  }
  EXPECT_GT(accepted, 100u);
}

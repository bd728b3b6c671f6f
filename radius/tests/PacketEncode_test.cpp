// Wire octets of requests, computed by hand from RFC 2865 section 5 and
// RFC 2866 sections 3 and 5, and checked again by Wireshark's dissector.
#include <cstring>
#include <string>
#include <vector>

#include <arpa/inet.h>
#include <openssl/evp.h>

#include <orvoTesting.h>
#include <radius/AddressAttribute.h>
#include <radius/Connection.h>
#include <radius/IntegerAttribute.h>
#include <radius/Packet.h>
#include <radius/StringAttribute.h>
#include <radius/VendorSpecificAttribute.h>

#include "TsharkDissector.h"

using namespace RADIUS;

namespace {

using TOctets = std::vector<unsigned char>;

TOctets encode(const TPacket& APacket) {
  TOctets out(APacket.Length());
  APacket.Encode(out.data());
  return out;
}

TOctets octets(const char* AText) { return TOctets(AText, AText + std::strlen(AText)); }

TOctets concat(std::initializer_list<TOctets> AParts) {
  TOctets all;
  for (const TOctets& part : AParts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const uint32_t Loopback = htonl(0x7F000001);

const unsigned char RequestAuthenticator[16] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                                                0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F};

// Access-Request, identifier 42, attributes as a registration check sends them.
const TOctets AccessRequest = concat({
    {0x01, 0x2A, 0x00, 0x4C},  // code 1, id 42, length 76
    {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F},
    {0x01, 0x07, 'a', 'l', 'i', 'c', 'e'},             // User-Name
    {0x04, 0x06, 0x7F, 0x00, 0x00, 0x01},              // NAS-IP-Address
    {0x06, 0x06, 0x00, 0x00, 0x00, 0x01},              // Service-Type Login
    {0x1F, 0x06, '1', '0', '0', '1'},                  // Calling-Station-Id
    {0x1A, 0x1F, 0x00, 0x00, 0x00, 0x09, 0x1A, 0x19},  // Vendor-Specific 9/26
    octets("h323-call-origin=answer"),
});

TPacket* newAccessRequest(TConnection* AConnection) {
  TPacket* packet = new TPacket(AConnection ? AConnection->Secret() : orvo::string());
  packet->SetCode(pcAccessRequest);
  packet->SetIdentifier(42);
  packet->SetAuthenticator(RequestAuthenticator);
  packet->Append(new TStringAttribute(atUserName, "alice"));
  packet->Append(new TAddressAttribute(atNASIPAddress, Loopback));
  packet->Append(new TIntegerAttribute(atServiceType, 1));
  packet->Append(new TStringAttribute(atCallingStationId, "1001"));
  packet->Append(new TCiscoAttribute(26, "h323-call-origin=answer"));
  return packet;
}

// Accounting-Request Stop of a registration, identifier 7, as encoded before
// the authenticator is computed (16 zero octets).
const TOctets AccountingHeader = {0x04, 0x07, 0x00, 0x46};  // code 4, id 7, length 70
const TOctets AccountingAttributes = concat({
    {0x04, 0x06, 0x7F, 0x00, 0x00, 0x01},        // NAS-IP-Address 127.0.0.1
    {0x20, 0x05, 'g', 'k', '1'},                 // NAS-Identifier
    {0x01, 0x07, 'a', 'l', 'i', 'c', 'e'},       // User-Name
    {0x06, 0x06, 0x00, 0x00, 0x00, 0x01},        // Service-Type Login
    {0x2D, 0x06, 0x00, 0x00, 0x00, 0x01},        // Acct-Authentic RADIUS
    {0x2C, 0x08, '8', 'A', '3', 'F', '1', '0'},  // Acct-Session-Id
    {0x28, 0x06, 0x00, 0x00, 0x00, 0x02},        // Acct-Status-Type Stop
    {0x2E, 0x06, 0x00, 0x00, 0x00, 0x3B},        // Acct-Session-Time 59
});
const TOctets AccountingUnsigned = concat({AccountingHeader, TOctets(16, 0), AccountingAttributes});
// MD5(AccountingUnsigned + "testing123"), by an MD5 program outside this project.
const TOctets AccountingDigest = {0x32, 0x30, 0x2A, 0x44, 0xB8, 0x7F, 0x7A, 0xE2,
                                  0x43, 0x9C, 0x92, 0x43, 0x19, 0x80, 0x68, 0x6A};
const TOctets AccountingWire = concat({AccountingHeader, AccountingDigest, AccountingAttributes});

TPacket* newAccountingRequest(TConnection* AConnection) {
  TPacket* packet = new TPacket(AConnection ? AConnection->Secret() : orvo::string());
  packet->SetCode(pcAccountingRequest);
  packet->SetIdentifier(7);
  packet->Append(new TAddressAttribute(atNASIPAddress, Loopback));
  packet->Append(new TStringAttribute(atNASIdentifier, "gk1"));
  packet->Append(new TStringAttribute(atUserName, "alice"));
  packet->Append(new TIntegerAttribute(atServiceType, 1));
  packet->Append(new TIntegerAttribute(atAcctAuthentic, 1));
  packet->Append(new TStringAttribute(atAcctSessionId, "8A3F10"));
  packet->Append(new TIntegerAttribute(atAcctStatusType, 2));
  packet->Append(new TIntegerAttribute(atAcctSessionTime, 59));
  return packet;
}

TOctets wireForm(const TPacket& APacket, const orvo::string& ASecret) {
  TOctets out = encode(APacket);
  if (APacket.Code() == pcAccountingRequest)
    TPacket::AccountingAuthenticator(out.data(), unsigned(out.size()), ASecret, out.data() + 4);
  return out;
}

#define REQUIRE_TSHARK()                         \
  do {                                           \
    if (!radiusTesting::TsharkAvailable()) {     \
      GTEST_SKIP() << "tshark is not installed"; \
    }                                            \
  } while (0)

}  // namespace

TEST(PacketEncode, AccessRequestMatchesTheHandComputedOctets) {
  std::unique_ptr<TPacket> packet(newAccessRequest(nullptr));
  EXPECT_EQ(76u, packet->Length());
  EXPECT_EQ(AccessRequest, encode(*packet));
}

TEST(PacketEncode, AccessRequestIsReadByWireshark) {
  REQUIRE_TSHARK();
  std::unique_ptr<TPacket> packet(newAccessRequest(nullptr));
  EXPECT_EQ(
      "1|42|76|000102030405060708090a0b0c0d0e0f|alice|127.0.0.1|1|1001|1,4,6,31,26|9|26|25|"
      "h323-call-origin=answer||",
      radiusTesting::DissectFields(
          encode(*packet), 1812, "testing123",
          {"radius.code", "radius.id", "radius.length", "radius.authenticator", "radius.User_Name",
           "radius.NAS_IP_Address", "radius.Service_Type", "radius.Calling_Station_Id", "radius.avp.type",
           "radius.avp.vendor_id", "radius.avp.vendor_type", "radius.avp.vendor_len", "radius.h323_call_origin",
           "_ws.malformed", "_ws.expert"}));
}

TEST(PacketEncode, AccountingRequestMatchesTheHandComputedOctets) {
  TConnection connection;
  connection.SetSecret("testing123");
  std::unique_ptr<TPacket> packet(newAccountingRequest(&connection));
  EXPECT_EQ(70u, packet->Length());
  // The packet keeps its zero authenticator; the digest is put in the octets.
  EXPECT_EQ(AccountingUnsigned, encode(*packet));
  EXPECT_EQ(AccountingWire, wireForm(*packet, connection.Secret()));
}

TEST(PacketEncode, AccountingAuthenticatorIgnoresTheStoredAuthenticatorAndLeavesTheOctets) {
  TOctets signedOnce = AccountingWire;
  unsigned char digest[16];
  TPacket::AccountingAuthenticator(signedOnce.data(), unsigned(signedOnce.size()), "testing123", digest);
  EXPECT_EQ(AccountingDigest, TOctets(digest, digest + 16));
  EXPECT_EQ(AccountingWire, signedOnce);
}

TEST(PacketEncode, AccountingAuthenticatorWithoutSecretIsTheDigestOfThePacketAlone) {
  unsigned char digest[16];
  TPacket::AccountingAuthenticator(AccountingUnsigned.data(), unsigned(AccountingUnsigned.size()), "", digest);
  unsigned char expected[16];
  unsigned int length = 0;
  ASSERT_EQ(1, EVP_Digest(AccountingUnsigned.data(), AccountingUnsigned.size(), expected, &length, EVP_md5(), nullptr));
  EXPECT_EQ(TOctets(expected, expected + 16), TOctets(digest, digest + 16));
}

TEST(PacketEncode, AccountingRequestAuthenticatorIsValidForWireshark) {
  REQUIRE_TSHARK();
  TConnection connection;
  connection.SetSecret("testing123");
  std::unique_ptr<TPacket> packet(newAccountingRequest(&connection));
  const std::vector<std::string> fields = {"radius.code",
                                           "radius.id",
                                           "radius.length",
                                           "radius.authenticator.valid",
                                           "radius.authenticator.invalid",
                                           "radius.NAS_Identifier",
                                           "radius.Acct_Authentic",
                                           "radius.Acct_Session_Id",
                                           "radius.Acct_Status_Type",
                                           "radius.Acct_Session_Time",
                                           "_ws.malformed",
                                           "_ws.expert"};
  EXPECT_EQ("4|7|70|1|0|gk1|1|8A3F10|2|59||",
            radiusTesting::DissectFields(wireForm(*packet, "testing123"), 1813, "testing123", fields));
  // The same octets under another secret fail, so the check above means something.
  EXPECT_EQ("4|7|70|0|1|gk1|1|8A3F10|2|59||",
            radiusTesting::DissectFields(wireForm(*packet, "testing123"), 1813, "other", fields));
}

TEST(PacketEncode, EmptyPacketIsTheHeaderAlone) {
  TPacket packet(nullptr);
  packet.SetCode(pcStatusServer);
  packet.SetIdentifier(255);
  EXPECT_EQ(20u, packet.Length());
  TOctets expected = {0x0C, 0xFF, 0x00, 0x14};
  expected.resize(20, 0);
  EXPECT_EQ(expected, encode(packet));
}

// Aliases of up to 256 characters end up in User-Name and the station ids;
// a one-octet length must not wrap.
TEST(PacketEncode, LongStringIsCutTo253Octets) {
  std::string alias(256, 'x');
  alias[252] = 'L';  // last octet kept
  TStringAttribute attribute(atUserName, orvo::string(alias.c_str()));
  EXPECT_EQ(255u, attribute.Length());
  EXPECT_EQ(253u, attribute.Value().length());
  TOctets out(255);
  attribute.Encode(out.data());
  EXPECT_EQ(0x01, out[0]);
  EXPECT_EQ(0xFF, out[1]);
  EXPECT_EQ('L', out[254]);

  attribute.SetValue(orvo::string(std::string(254, 'y').c_str()));
  EXPECT_EQ(255u, attribute.Length());
  attribute.SetValue("short");
  EXPECT_EQ(7u, attribute.Length());
}

TEST(PacketEncode, LongVendorDataIsCutTo247Octets) {
  std::string data = "h323-conf-id=" + std::string(300, 'A');
  TCiscoAttribute attribute(24, orvo::string(data.c_str()));
  EXPECT_EQ(255u, attribute.Length());
  EXPECT_EQ(247u, attribute.Data().length());
  TOctets out(255);
  attribute.Encode(out.data());
  EXPECT_EQ((TOctets{0x1A, 0xFF, 0x00, 0x00, 0x00, 0x09, 0x18, 0xF9}), TOctets(out.begin(), out.begin() + 8));

  TVendorSpecificAttribute plain(311, 1, orvo::string(std::string(248, 'b').c_str()));
  EXPECT_EQ(255u, plain.Length());
  plain.SetData(orvo::string(std::string(247, 'b').c_str()));
  EXPECT_EQ(255u, plain.Length());
}

TEST(PacketEncode, CutAttributesDecodeAgainAndWiresharkReadsThem) {
  TPacket packet(nullptr);
  packet.SetCode(pcAccessRequest);
  packet.Append(new TStringAttribute(atUserName, orvo::string(std::string(256, 'u').c_str())));
  packet.Append(new TStringAttribute(atCalledStationId, orvo::string(std::string(300, '5').c_str())));
  packet.Append(new TCiscoAttribute(1, orvo::string(("h323-ivr-out=" + std::string(400, 'z')).c_str())));
  EXPECT_EQ(20u + 255 + 255 + 255, packet.Length());
  TOctets wire = encode(packet);

  TPacket decoded(nullptr);
  ASSERT_TRUE(decoded.Decode(wire.data(), unsigned(wire.size())));
  EXPECT_EQ(3u, decoded.Attributes().count());

  if (radiusTesting::TsharkAvailable()) {
    EXPECT_EQ("785||", radiusTesting::DissectFields(wire, 1812, "s", {"radius.length", "_ws.malformed", "_ws.expert"}));
  }
}

TEST(PacketEncode, PacketNeverPasses4096Octets) {
  TPacket packet(nullptr);
  packet.SetCode(pcAccountingRequest);
  std::string longText(253, 'a');
  for (int i = 0; i < 15; ++i)
    ASSERT_TRUE(packet.Append(new TStringAttribute(atClass, orvo::string(longText.c_str()))));
  EXPECT_EQ(20u + 15 * 255, packet.Length());  // 3845
  // 251 octets fill the packet exactly; nothing more fits.
  ASSERT_TRUE(packet.Append(new TStringAttribute(atClass, orvo::string(std::string(249, 'b').c_str()))));
  EXPECT_EQ(4096u, packet.Length());
  EXPECT_FALSE(packet.Append(new TIntegerAttribute(atSessionTimeout, 1)));
  EXPECT_FALSE(packet.Append(nullptr));
  EXPECT_EQ(16u, packet.Attributes().count());
  EXPECT_EQ(4096u, packet.Length());

  TOctets wire = encode(packet);
  EXPECT_EQ(0x10, wire[2]);
  EXPECT_EQ(0x00, wire[3]);
  TPacket decoded(nullptr);
  EXPECT_TRUE(decoded.Decode(wire.data(), unsigned(wire.size())));
  EXPECT_EQ(16u, decoded.Attributes().count());
}

TEST(PacketEncode, AttributeEnlargedAfterAppendStillKeepsLengthAndEncodeTogether) {
  TPacket packet(nullptr);
  packet.SetCode(pcAccessRequest);
  for (int i = 0; i < 15; ++i)
    packet.Append(new TStringAttribute(atClass, orvo::string(std::string(253, 'c').c_str())));
  TStringAttribute* last = new TStringAttribute(atUserName, "x");
  ASSERT_TRUE(packet.Append(last));
  packet.Append(new TIntegerAttribute(atSessionTimeout, 60));
  EXPECT_EQ(3845u + 3 + 6, packet.Length());

  last->SetValue(orvo::string(std::string(253, 'x').c_str()));  // 3845 + 255 > 4096
  EXPECT_EQ(3845u, packet.Length());
  TOctets wire = encode(packet);  // exactly Length() octets: a longer write is caught by the sanitizer
  EXPECT_EQ(0x0F, wire[2]);
  EXPECT_EQ(0x05, wire[3]);
  TPacket decoded(nullptr);
  EXPECT_TRUE(decoded.Decode(wire.data(), unsigned(wire.size())));
  EXPECT_EQ(15u, decoded.Attributes().count());
}

TEST(PacketEncode, AddressIsWrittenAsStoredInNetworkOrder) {
  TAddressAttribute attribute(atFramedIPAddress, htonl(0x0A010203));
  TOctets out(6);
  attribute.Encode(out.data());
  EXPECT_EQ((TOctets{0x08, 0x06, 0x0A, 0x01, 0x02, 0x03}), out);
}

TEST(PacketEncode, IntegerIsWrittenBigEndian) {
  TIntegerAttribute attribute(atSessionTimeout, 0x01020304);
  TOctets out(6);
  attribute.Encode(out.data());
  EXPECT_EQ((TOctets{0x1B, 0x06, 0x01, 0x02, 0x03, 0x04}), out);
}

// Trace forms of packets and attributes, compared as whole texts.
#include <arpa/inet.h>

#include <sstream>
#include <string>
#include <vector>

#include <openssl/evp.h>

#include <orvoTesting.h>
#include <radius/AddressAttribute.h>
#include <radius/Connection.h>
#include <radius/IntegerAttribute.h>
#include <radius/Packet.h>
#include <radius/StringAttribute.h>
#include <radius/VendorSpecificAttribute.h>

using namespace RADIUS;

namespace {

std::string printed(const TAttribute& AAttribute) {
  std::ostringstream out;
  AAttribute.Print(out);
  return out.str();
}

std::string printed(const TPacket& APacket) {
  std::ostringstream out;
  APacket.Print(out);
  return out.str();
}

orvo::string bytes(const std::string& AText) { return orvo::string(AText.data(), unsigned(AText.size())); }

}  // namespace

TEST(AttributePrint, StringQuotedWhenPrintableElseHex) {
  EXPECT_EQ("User-Name: \"alice smith\"", printed(TStringAttribute(atUserName, "alice smith")));
  EXPECT_EQ("User-Name: \"\"", printed(TStringAttribute(atUserName, "")));
  EXPECT_EQ("Class: 00 41 7F FF", printed(TStringAttribute(atClass, bytes(std::string("\0A\x7F\xFF", 4)))));
  EXPECT_EQ("State: 0A", printed(TStringAttribute(atState, bytes("\n"))));
  EXPECT_EQ("Acct-Session-Id: \"8A3F10\"", printed(TStringAttribute(atAcctSessionId, "8A3F10")));
  EXPECT_EQ("Reserved (17): \"x\"", printed(TStringAttribute(17, "x")));
  EXPECT_EQ("Reserved (200): \"~ \"", printed(TStringAttribute(200, "~ ")));
}

// A printable text may still hold a backslash: doubled, so that the trace's
// escapes of control octets stay unambiguous.
TEST(AttributePrint, BackslashDoubled) {
  EXPECT_EQ("User-Name: \"dom\\\\alice\"", printed(TStringAttribute(atUserName, "dom\\alice")));
  EXPECT_EQ("Vendor-Specific 9 Cisco: 1 \"h323-ivr-out=x\\\\\"",
            printed(TCiscoAttribute(1, "h323-ivr-out=x\\")));
}

TEST(AttributePrint, AddressInWireOrder) {
  EXPECT_EQ("NAS-IP-Address: 192.168.1.254", printed(TAddressAttribute(atNASIPAddress, htonl(0xC0A801FE))));
  EXPECT_EQ("Framed-IP-Address: 0.0.0.0", printed(TAddressAttribute(atFramedIPAddress, 0)));
}

TEST(AttributePrint, IntegerWithValueNames) {
  EXPECT_EQ("Service-Type: Login", printed(TIntegerAttribute(atServiceType, 1)));
  EXPECT_EQ("Service-Type: Callback administrative", printed(TIntegerAttribute(atServiceType, 11)));
  EXPECT_EQ("Service-Type: ", printed(TIntegerAttribute(atServiceType, 0)));
  EXPECT_EQ("Service-Type: ", printed(TIntegerAttribute(atServiceType, 12)));
  EXPECT_EQ("Service-Type: ", printed(TIntegerAttribute(atServiceType, 0xFFFFFFFF)));
  EXPECT_EQ("Acct-Status-Type: Start", printed(TIntegerAttribute(atAcctStatusType, 1)));
  EXPECT_EQ("Acct-Status-Type: Interim update", printed(TIntegerAttribute(atAcctStatusType, 3)));
  EXPECT_EQ("Acct-Status-Type: ", printed(TIntegerAttribute(atAcctStatusType, 4)));
  EXPECT_EQ("Acct-Status-Type: Accounting off", printed(TIntegerAttribute(atAcctStatusType, 8)));
  EXPECT_EQ("Acct-Status-Type: ", printed(TIntegerAttribute(atAcctStatusType, 9)));
  EXPECT_EQ("Acct-Authentic: Remote", printed(TIntegerAttribute(atAcctAuthentic, 3)));
  EXPECT_EQ("Acct-Authentic: 0", printed(TIntegerAttribute(atAcctAuthentic, 0)));
  EXPECT_EQ("Acct-Authentic: 4", printed(TIntegerAttribute(atAcctAuthentic, 4)));
  EXPECT_EQ("Session-Timeout: 4294967295", printed(TIntegerAttribute(atSessionTimeout, 0xFFFFFFFF)));
  EXPECT_EQ("Acct-Session-Time: 59", printed(TIntegerAttribute(atAcctSessionTime, 59)));
}

TEST(AttributePrint, VendorSpecificWithVendorNameAndData) {
  EXPECT_EQ("Vendor-Specific 9 Cisco: 26 \"h323-call-origin=answer\"",
            printed(TCiscoAttribute(26, "h323-call-origin=answer")));
  EXPECT_EQ("Vendor-Specific 9 Cisco: 1 [00 FF]", printed(TCiscoAttribute(1, bytes(std::string("\0\xFF", 2)))));
  EXPECT_EQ("Vendor-Specific 3328 Indus River Networks: 0 \"\"", printed(TVendorSpecificAttribute(3328, 0, "")));
  EXPECT_EQ("Vendor-Specific 0 Generic RADIUS: 255 \"a\"", printed(TVendorSpecificAttribute(0, 255, "a")));
  EXPECT_EQ("Vendor-Specific 4242: 5 \"x\"", printed(TVendorSpecificAttribute(4242, 5, "x")));
}

TEST(PacketPrint, AccessRequestShowsTheStoredAuthenticator) {
  TConnection connection;
  connection.SetSecret("testing123");
  TPacket packet(connection.Secret());
  packet.SetCode(pcAccessRequest);
  packet.SetIdentifier(42);
  const unsigned char authenticator[16] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                                           0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0xAF};
  packet.SetAuthenticator(authenticator);
  packet.Append(new TStringAttribute(atUserName, "alice"));
  packet.Append(new TAddressAttribute(atNASIPAddress, htonl(0x7F000001)));
  packet.Append(new TIntegerAttribute(atServiceType, 1));
  packet.Append(new TStringAttribute(atCallingStationId, "1001"));
  packet.Append(new TCiscoAttribute(26, "h323-call-origin=answer"));
  EXPECT_EQ(
      "{\n"
      "  Code: Access-Request\n"
      "  Identifier: 42\n"
      "  Length : 76\n"
      "  Authenticator: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E AF\n"
      "  Attributes {\n"
      "    User-Name: \"alice\"\n"
      "    NAS-IP-Address: 127.0.0.1\n"
      "    Service-Type: Login\n"
      "    Calling-StationId: \"1001\"\n"
      "    Vendor-Specific 9 Cisco: 26 \"h323-call-origin=answer\"\n"
      "  }\n"
      "}\n",
      printed(packet));
}

TEST(PacketPrint, AccountingRequestShowsTheAuthenticatorThatGoesOnTheWire) {
  TConnection connection;
  connection.SetSecret("testing123");
  TPacket packet(connection.Secret());
  packet.SetCode(pcAccountingRequest);
  packet.SetIdentifier(7);
  packet.Append(new TAddressAttribute(atNASIPAddress, htonl(0x7F000001)));
  packet.Append(new TStringAttribute(atNASIdentifier, "gk1"));
  packet.Append(new TStringAttribute(atUserName, "alice"));
  packet.Append(new TIntegerAttribute(atServiceType, 1));
  packet.Append(new TIntegerAttribute(atAcctAuthentic, 1));
  packet.Append(new TStringAttribute(atAcctSessionId, "8A3F10"));
  packet.Append(new TIntegerAttribute(atAcctStatusType, 2));
  packet.Append(new TIntegerAttribute(atAcctSessionTime, 59));
  // The digest of the hand-made octets of this packet under "testing123".
  EXPECT_EQ(
      "{\n"
      "  Code: Accounting-Request\n"
      "  Identifier: 7\n"
      "  Length : 70\n"
      "  Authenticator: 32 30 2A 44 B8 7F 7A E2 43 9C 92 43 19 80 68 6A\n"
      "  Attributes {\n"
      "    NAS-IP-Address: 127.0.0.1\n"
      "    NAS-Identifier: \"gk1\"\n"
      "    User-Name: \"alice\"\n"
      "    Service-Type: Login\n"
      "    Acct-Authentic: RADIUS\n"
      "    Acct-Session-Id: \"8A3F10\"\n"
      "    Acct-Status-Type: Stop\n"
      "    Acct-Session-Time: 59\n"
      "  }\n"
      "}\n",
      printed(packet));
  // The packet itself keeps its zero authenticator.
  EXPECT_EQ(std::vector<unsigned char>(16, 0),
            std::vector<unsigned char>(packet.Authenticator(), packet.Authenticator() + 16));
}

TEST(PacketPrint, EmptyAnswerHasNoAttributeBlock) {
  TPacket packet(nullptr);
  const unsigned char authenticator[16] = {0xFF, 0xEE, 0xDD, 0xCC, 0xBB, 0xAA, 0x99, 0x88,
                                           0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11, 0x00};
  std::vector<unsigned char> data = {0x05, 0x00, 0x00, 0x14};
  data.insert(data.end(), authenticator, authenticator + 16);
  ASSERT_TRUE(packet.Decode(data.data(), unsigned(data.size())));
  EXPECT_EQ(
      "{\n"
      "  Code: Accounting-Response\n"
      "  Identifier: 0\n"
      "  Length : 20\n"
      "  Authenticator: FF EE DD CC BB AA 99 88 77 66 55 44 33 22 11 00\n"
      "}\n",
      printed(packet));
}

TEST(PacketPrint, UnnamedCodeIsReserved) {
  TPacket packet(nullptr);
  packet.SetCode(20);
  packet.SetIdentifier(255);
  packet.Append(new TStringAttribute(atReplyMessage, "hi"));
  EXPECT_EQ(
      "{\n"
      "  Code: Reserved (20)\n"
      "  Identifier: 255\n"
      "  Length : 24\n"
      "  Authenticator: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
      "  Attributes {\n"
      "    ReplyMessage: \"hi\"\n"
      "  }\n"
      "}\n",
      printed(packet));
}

// The largest Accounting-Request: the scratch buffer must hold all of it.
TEST(PacketPrint, LargestAccountingRequestWithoutConnection) {
  TPacket packet(nullptr);
  packet.SetCode(pcAccountingRequest);
  for (int i = 0; i < 15; ++i)
    packet.Append(new TStringAttribute(atClass, orvo::string(std::string(253, 'c').c_str())));
  packet.Append(new TStringAttribute(atClass, orvo::string(std::string(249, 'd').c_str())));
  ASSERT_EQ(4096u, packet.Length());

  std::vector<unsigned char> wire(4096);
  packet.Encode(wire.data());
  unsigned char digest[16];
  unsigned int length = 0;
  ASSERT_EQ(1, EVP_Digest(wire.data(), wire.size(), digest, &length, EVP_md5(), nullptr));
  std::ostringstream hex;
  for (unsigned i = 0; i < 16; ++i) {
    char text[4];
    std::snprintf(text, sizeof text, i ? " %02X" : "%02X", digest[i]);
    hex << text;
  }
  std::string expected =
      "{\n  Code: Accounting-Request\n  Identifier: 0\n  Length : 4096\n  Authenticator: " + hex.str() +
      "\n  Attributes {\n";
  for (int i = 0; i < 15; ++i) expected += "    Class: \"" + std::string(253, 'c') + "\"\n";
  expected += "    Class: \"" + std::string(249, 'd') + "\"\n  }\n}\n";
  EXPECT_EQ(expected, printed(packet));
}

TEST(PacketPrint, ShowsOnlyTheAttributesThatAreEncoded) {
  TPacket packet(nullptr);
  packet.SetCode(pcAccessRequest);
  for (int i = 0; i < 15; ++i)
    packet.Append(new TStringAttribute(atClass, orvo::string(std::string(253, 'c').c_str())));
  TStringAttribute* grown = new TStringAttribute(atUserName, "x");
  packet.Append(grown);
  grown->SetValue(orvo::string(std::string(253, 'g').c_str()));  // no longer fits
  ASSERT_EQ(3845u, packet.Length());
  std::string expected =
      "{\n  Code: Access-Request\n  Identifier: 0\n  Length : 3845\n"
      "  Authenticator: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n  Attributes {\n";
  for (int i = 0; i < 15; ++i) expected += "    Class: \"" + std::string(253, 'c') + "\"\n";
  expected += "  }\n}\n";
  EXPECT_EQ(expected, printed(packet));
}

// The client against a real FreeRADIUS server that the test starts itself.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <radius/AddressAttribute.h>
#include <radius/Connection.h>
#include <radius/IntegerAttribute.h>
#include <radius/Packet.h>
#include <radius/StringAttribute.h>
#include <radius/UserPassword.h>
#include <radius/VendorSpecificAttribute.h>

#include "externalTool.h"
#include "fakeRadiusServer.h"
#include "freeRadiusServer.h"

using namespace RADIUS;

namespace {

const char* const Secret = "orvo-test-secret";

// A password of the given length, alphanumeric so that the users file needs
// no quoting rules.
std::string password(unsigned ALength) {
  static const char Alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::string out;
  for (unsigned i = 0; i < ALength; ++i) out += Alphabet[(i * 7 + ALength) % (sizeof Alphabet - 1)];
  return out;
}

std::string usersFile() {
  std::string users;
  for (unsigned length : {1u, 15u, 16u, 17u, 128u})
    users += "pw" + std::to_string(length) + "\tCleartext-Password := \"" + password(length) + "\"\n\n";
  users +=
      "credit\tCleartext-Password := \"credit-pw\"\n"
      "\tSession-Timeout = 3600,\n"
      "\th323-credit-time = \"h323-credit-time=120\"\n\n"
      "origin\tCleartext-Password := \"origin-pw\", h323-call-origin == \"h323-call-origin=answer\"\n"
      "\tReply-Message = \"call origin answer seen\"\n\n"
      "origin\tCleartext-Password := \"origin-pw\"\n"
      "\tReply-Message = \"call origin not seen\"\n\n";
  return users;
}

// What a completion brought, copied: the answer lives only during the call.
struct outcome {
  bool done = false;
  int result = -1;
  unsigned code = 0;
  std::vector<std::string> attributes;  // trace forms
  uint32_t sessionTimeout = 0;
  std::vector<std::string> vendorData;  // "vendor/type data"
};

struct requester {
  explicit requester(TConnection& AConnection) : connection(AConnection) {}
  ~requester() { connection.CancelRequests(this); }

  void onAnswer(int AResult, TPacket* AAnswer) {
    last.done = true;
    last.result = AResult;
    if (!AAnswer) return;
    last.code = AAnswer->Code();
    for (TAttribute* attribute : AAnswer->Attributes()) {
      std::ostringstream text;
      attribute->Print(text);
      last.attributes.push_back(text.str());
      if (auto* integer = dynamic_cast<TIntegerAttribute*>(attribute))
        if (integer->Type() == atSessionTimeout) last.sessionTimeout = integer->Value();
      if (auto* vendor = dynamic_cast<TVendorSpecificAttribute*>(attribute))
        last.vendorData.push_back(std::to_string(vendor->VendorId()) + "/" + std::to_string(vendor->VendorType()) +
                                  " " + std::string(vendor->Data().buffer(), vendor->Data().length()));
    }
  }

  // Sends the packet and runs the loop until its completion.
  outcome run(TPacket* APacket) {
    last = outcome();
    connection.Send(APacket);
    EXPECT_TRUE(runUntil([&] { return last.done; }, 15000)) << "no completion";
    return last;
  }

  TPacket* accessRequest(const std::string& AUser, const std::string& APassword) {
    TPacket* packet = connection.CreatePacket(pcAccessRequest, this, &requester::onAnswer);
    packet->Append(new TStringAttribute(atUserName, AUser.c_str()));
    TStringAttribute* hidden = NewUserPasswordAttribute(*packet, orvo::string(APassword.data(), APassword.size()));
    EXPECT_NE(nullptr, hidden);
    packet->Append(hidden);
    packet->Append(new TAddressAttribute(atNASIPAddress, htonl(INADDR_LOOPBACK)));
    return packet;
  }

  TPacket* accountingRequest(uint32_t AStatus, const char* ASession) {
    TPacket* packet = connection.CreatePacket(pcAccountingRequest, this, &requester::onAnswer);
    packet->Append(new TAddressAttribute(atNASIPAddress, htonl(INADDR_LOOPBACK)));
    packet->Append(new TStringAttribute(atUserName, "pw16"));
    packet->Append(new TIntegerAttribute(atServiceType, 1));
    packet->Append(new TIntegerAttribute(atAcctAuthentic, 1));
    packet->Append(new TStringAttribute(atAcctSessionId, ASession));
    packet->Append(new TIntegerAttribute(atAcctStatusType, AStatus));
    return packet;
  }

  TConnection& connection;
  outcome last;
};

class FreeRadiusTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    if (freeRadiusServer::program().empty()) return;
    server = new freeRadiusServer();
    started = server->start(Secret, usersFile());
  }

  static void TearDownTestSuite() {
    delete server;
    server = nullptr;
  }

  void SetUp() override {
    ORVO_REQUIRE_TOOL(server != nullptr,
                      "FreeRADIUS (Debian packages freeradius, freeradius-utils; "
                      "scripts/install-deps installs them)");
    ASSERT_TRUE(started) << server->failure();
    authentication.SetSecret(Secret);
    accounting.SetSecret(Secret);
    ASSERT_TRUE(authentication.Open(server->authenticationAddress()));
    ASSERT_TRUE(accounting.Open(server->accountingAddress()));
  }

  static freeRadiusServer* server;
  static bool started;
  TConnection authentication;
  TConnection accounting;
};

freeRadiusServer* FreeRadiusTest::server = nullptr;
bool FreeRadiusTest::started = false;

}  // namespace

TEST_F(FreeRadiusTest, PapPasswordsOfEveryBlockCountAreAccepted) {
  requester r(authentication);
  for (unsigned length : {1u, 15u, 16u, 17u, 128u}) {
    outcome o = r.run(r.accessRequest("pw" + std::to_string(length), password(length)));
    EXPECT_EQ(0, o.result) << length << " octets";
    EXPECT_EQ(unsigned(pcAccessAccept), o.code) << length << " octets\n" << server->debugLog();
  }
}

TEST_F(FreeRadiusTest, AWrongPasswordIsRejected) {
  requester r(authentication);
  outcome o = r.run(r.accessRequest("pw17", password(17).substr(0, 16) + "?"));
  EXPECT_EQ(0, o.result);
  EXPECT_EQ(unsigned(pcAccessReject), o.code);
}

TEST_F(FreeRadiusTest, AWrongSharedSecretIsDetected) {
  TConnection wrong;
  wrong.SetSecret("not-the-shared-secret");
  ASSERT_TRUE(wrong.Open(server->authenticationAddress()));
  requester r(wrong);
  outcome o = r.run(r.accessRequest("pw16", password(16)));
  EXPECT_EQ(2, o.result);
}

TEST_F(FreeRadiusTest, ReplyAttributesDecodeToIntegerAndCiscoVendorAttribute) {
  requester r(authentication);
  outcome o = r.run(r.accessRequest("credit", "credit-pw"));
  EXPECT_EQ(0, o.result);
  ASSERT_EQ(unsigned(pcAccessAccept), o.code);
  EXPECT_EQ(3600u, o.sessionTimeout);
  EXPECT_EQ(std::vector<std::string>{"9/102 h323-credit-time=120"}, o.vendorData);
  EXPECT_EQ(
      (std::vector<std::string>{"Session-Timeout: 3600", "Vendor-Specific 9 Cisco: 102 \"h323-credit-time=120\""}),
      o.attributes);
}

TEST_F(FreeRadiusTest, TheServerSeesTheCallOriginWeSend) {
  requester r(authentication);
  outcome without = r.run(r.accessRequest("origin", "origin-pw"));
  EXPECT_EQ(std::vector<std::string>{"ReplyMessage: \"call origin not seen\""}, without.attributes);

  TPacket* packet = r.accessRequest("origin", "origin-pw");
  packet->Append(new TCiscoAttribute(26, "h323-call-origin=answer"));
  outcome with = r.run(packet);
  EXPECT_EQ(0, with.result);
  EXPECT_EQ(unsigned(pcAccessAccept), with.code);
  EXPECT_EQ(std::vector<std::string>{"ReplyMessage: \"call origin answer seen\""}, with.attributes);
}

TEST_F(FreeRadiusTest, AccountingStartAndStopAreAnsweredAndRecorded) {
  requester r(accounting);
  TPacket* start = r.accountingRequest(1, "ORVO-5A3F");
  start->Append(new TCiscoAttribute(26, "h323-call-origin=answer"));
  outcome started = r.run(start);
  EXPECT_EQ(0, started.result);
  EXPECT_EQ(unsigned(pcAccountingResponse), started.code);

  TPacket* stop = r.accountingRequest(2, "ORVO-5A3F");
  stop->Append(new TIntegerAttribute(atAcctSessionTime, 59));
  outcome stopped = r.run(stop);
  EXPECT_EQ(0, stopped.result);
  EXPECT_EQ(unsigned(pcAccountingResponse), stopped.code);

  std::string detail = server->detail();
  size_t first = detail.find("\tAcct-Status-Type = Start\n");
  size_t second = detail.find("\tAcct-Status-Type = Stop\n");
  EXPECT_NE(std::string::npos, first) << detail;
  EXPECT_NE(std::string::npos, second) << detail;
  EXPECT_LT(first, second);
  EXPECT_NE(std::string::npos, detail.find("\tAcct-Session-Id = \"ORVO-5A3F\"\n")) << detail;
  EXPECT_NE(std::string::npos, detail.find("\th323-call-origin = \"h323-call-origin=answer\"\n")) << detail;
  EXPECT_NE(std::string::npos, detail.find("\tAcct-Session-Time = 59\n")) << detail;
}

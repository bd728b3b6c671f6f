#include <gatekeeper/RADIUSConnection.h>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include <openssl/evp.h>

#include <config/Configuration.h>
#include <config/DirectiveCode.h>
#include <config/Log.h>
#include <config/LogExpressions.h>
#include <orvo/sockEvent.h>
#include <radius/IntegerAttribute.h>
#include <radius/Packet.h>

#include "outputCapture.h"

using namespace RADIUS;

namespace {

const char* const Secret = "trace-secret";

// A core's connection whose configuration the test builds by hand.
class testedConnection : public TRADIUSConnection {
public:
  explicit testedConnection(const TConfiguration* AConfiguration) : configuration(AConfiguration) {}

protected:
  const TConfiguration* CurrentConfiguration() const override { return configuration; }

private:
  const TConfiguration* configuration;
};

// The log section's "radius messages" rules; ADirection -1 adds no
// where-clause, else "where incoming" (0) or "where outgoing" (1).
TConfiguration* configurationWith(std::vector<int> ARules) {
  TConfiguration* configuration = new TConfiguration;
  for (int direction : ARules) {
    TLogMessageExp rule(dcRadiusMessages, true);
    if (direction >= 0) rule.AddCondition(new TLogDirectionExp(dcWhereDirection, direction));
    EXPECT_EQ("", std::string(configuration->Log().Apply(rule).buffer()));
  }
  return configuration;
}

// A loopback server that answers every Accounting-Request correctly signed.
class accountingServer {
public:
  accountingServer() {
    fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    new orvo::sockEvent(orvo::sockEvent::READ, fd, this, &accountingServer::onReadable, false, &watcher);
  }
  ~accountingServer() {
    delete watcher;
    ::close(fd);
  }

  sockaddr_in address;
  std::vector<unsigned char> request;
  std::vector<unsigned char> answer;

private:
  void onReadable(orvo::sockEvent*) {
    unsigned char buffer[4096];
    sockaddr_in peer;
    socklen_t length = sizeof peer;
    ssize_t got = recvfrom(fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&peer), &length);
    if (got < 20) return;
    request.assign(buffer, buffer + got);
    answer = {5, buffer[1], 0, 20};
    answer.insert(answer.end(), buffer + 4, buffer + 20);
    answer.insert(answer.end(), Secret, Secret + std::strlen(Secret));
    unsigned char digest[16];
    unsigned size = 16;
    EVP_Digest(answer.data(), answer.size(), digest, &size, EVP_md5(), nullptr);
    answer.resize(20);
    std::copy(digest, digest + 16, answer.begin() + 4);
    sendto(fd, answer.data(), answer.size(), 0, reinterpret_cast<sockaddr*>(&peer), length);
  }

  int fd;
  orvo::sockEvent* watcher = nullptr;
};

struct requester {
  int result = -1;
  void onAnswer(int AResult, TPacket*) { result = AResult; }
};

std::string hexOf(const unsigned char* AData, unsigned ALength) {
  std::ostringstream out;
  for (unsigned i = 0; i < ALength; ++i) {
    static const char Digits[] = "0123456789ABCDEF";
    out << (i ? " " : "") << Digits[AData[i] >> 4] << Digits[AData[i] & 15];
  }
  return out.str();
}

// Sends one Start and runs the loop until it is answered; returns the trace.
std::string exchange(TRADIUSConnection& AConnection, accountingServer& AServer, requester& ARequester) {
  TOutputCapture output;
  AConnection.SetSecret(Secret);
  EXPECT_TRUE(AConnection.Open(AServer.address));
  TPacket* packet = AConnection.CreatePacket(pcAccountingRequest, &ARequester, &requester::onAnswer);
  packet->Append(new TIntegerAttribute(atAcctStatusType, 1));
  AConnection.Send(packet);
  auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (ARequester.result < 0 && std::chrono::steady_clock::now() < end) orvo::sockEvent::dispatch(1);
  EXPECT_EQ(0, ARequester.result);
  return output.Text();
}

std::string serverText(const accountingServer& AServer) {
  return "127.0.0.1:" + std::to_string(ntohs(AServer.address.sin_port));
}

std::string sentTrace(const accountingServer& AServer) {
  const std::vector<unsigned char>& wire = AServer.request;
  return "RADIUS, send message to " + serverText(AServer) +
         "\n"
         "{\n"
         "  Code: Accounting-Request\n"
         "  Identifier: " +
         std::to_string(wire[1]) +
         "\n"
         "  Length : 26\n"
         "  Authenticator: " +
         hexOf(wire.data() + 4, 16) +
         "\n"
         "  Attributes {\n"
         "    Acct-Status-Type: Start\n"
         "  }\n"
         "}\n";
}

std::string receivedTrace(const accountingServer& AServer) {
  return "RADIUS, got message from " + serverText(AServer) +
         "\n"
         "{\n"
         "  Code: Accounting-Response\n"
         "  Identifier: " +
         std::to_string(AServer.request[1]) +
         "\n"
         "  Length : 20\n"
         "  Authenticator: " +
         hexOf(AServer.answer.data() + 4, 16) + "\n}\n";
}

}  // namespace

TEST(RADIUSConnectionTrace, BothDirectionsUnderARuleWithoutConditions) {
  TConfiguration* configuration = configurationWith({-1});
  accountingServer server;
  requester r;
  std::string trace;
  {
    testedConnection connection(configuration);
    trace = exchange(connection, server, r);
  }
  EXPECT_EQ(sentTrace(server) + receivedTrace(server), trace);
  TConfiguration::Release(configuration);
}

TEST(RADIUSConnectionTrace, TheDirectionConditionSelects) {
  accountingServer server;
  TConfiguration* outgoing = configurationWith({TLogDirectionExp::ldOutgoing});
  {
    testedConnection connection(outgoing);
    requester r;
    std::string trace = exchange(connection, server, r);
    EXPECT_EQ(sentTrace(server), trace);
  }
  TConfiguration::Release(outgoing);

  TConfiguration* incoming = configurationWith({TLogDirectionExp::ldIncoming});
  {
    testedConnection connection(incoming);
    requester r;
    std::string trace = exchange(connection, server, r);
    EXPECT_EQ(receivedTrace(server), trace);
  }
  TConfiguration::Release(incoming);
}

TEST(RADIUSConnectionTrace, NothingWithoutARadiusRuleOrWithoutACore) {
  TConfiguration* silent = configurationWith({});
  accountingServer server;
  {
    testedConnection connection(silent);
    requester r;
    EXPECT_EQ("", exchange(connection, server, r));
  }
  {
    TRADIUSConnection coreless;
    requester r;
    EXPECT_EQ("", exchange(coreless, server, r));
  }
  TConfiguration::Release(silent);
}

TEST(RADIUSConnectionTrace, TheFilterAsksTheRadiusRules) {
  EXPECT_FALSE(TRADIUSConnection::IsTraced(nullptr, 1));
  TConfiguration* configuration = configurationWith({TLogDirectionExp::ldIncoming});
  EXPECT_TRUE(TRADIUSConnection::IsTraced(configuration, 0));
  EXPECT_FALSE(TRADIUSConnection::IsTraced(configuration, 1));
  TConfiguration::Release(configuration);
}

// A registration's accounting: the attributes of Start and Stop in their
// order, read off the wire, what the answers lead to, and a real FreeRADIUS
// server's detail file.
#include <gatekeeper/Endpoint.h>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <unistd.h>

#include <orvo/sockEvent.h>
#include <orvo/timerClock.h>

#include "CoreWithUsers.h"
#include "externalTool.h"
#include "fakeRadiusServer.h"
#include "freeRadiusServer.h"

namespace {

const char* const Secret = "acct-secret";

std::string Configuration(const char* ASystem, const char* AAAA) {
  return std::string("system { address 127.0.0.1; ras port 0; ") + ASystem + " }\n" + AAAA +
         "user acct { radius accounting call; radius name \"acct-user\"; }\n"
         "user both { radius accounting call; radius authentication caller; radius name \"both\"; }\n"
         "user answerer { radius accounting callee; }\n";
}

// "type=value" per attribute, values as text (strings) or numbers.
std::vector<std::string> Attributes(const octets& ADatagram) {
  std::vector<std::string> out;
  for (size_t at = 20; at + 2 <= ADatagram.size() && ADatagram[at + 1] >= 2;) {
    const unsigned type = ADatagram[at], length = ADatagram[at + 1];
    const octets value(ADatagram.begin() + at + 2, ADatagram.begin() + at + length);
    std::string text = std::to_string(type) + "=";
    if (type == 1 || type == 32 || type == 44) {
      text += std::string(value.begin(), value.end());
    } else {
      uint32_t number = 0;
      for (unsigned char octet : value) number = number << 8 | octet;
      text += type == 4 ? std::to_string(number >> 24) + "." + std::to_string(number >> 16 & 255) + "." +
                              std::to_string(number >> 8 & 255) + "." + std::to_string(number & 255)
                        : std::to_string(number);
    }
    out.push_back(text);
    at += length;
  }
  return out;
}

struct TAccountedCore {
  TAccountedCore(const char* ASystem, const std::string& AAAAExtra = "")
      : gk(Configuration(
            ASystem,
            ("aaa { address 127.0.0.1; password \"" + std::string(Secret) + "\";" + AAAAExtra + " }\n").c_str())) {
    gk.Core.AccountingRADIUS.SetSecret(Secret);
    gk.Core.AccountingRADIUS.Open(server.address());
  }
  fakeRadiusServer server;
  TCoreWithUsers gk;
};

void WaitFor(fakeRadiusServer& AServer, size_t ACount) {
  for (int i = 0; i < 40 && AServer.received.size() < ACount; ++i) {
    orvo::sockEvent::dispatch(0);
    usleep(25000);
  }
}

}  // namespace

TEST(EndpointAccounting, StartAndStopAttributesInOrder) {
  const struct {
    const char* system;
    const char* aaa;
    const char* user;
    std::vector<std::string> head;
  } cases[] = {
      {"identifier \"GK1\";", "", "acct", {"4=127.0.0.1", "32=GK1", "1=acct-user", "6=1", "45=2"}},
      {"", "", "acct", {"4=127.0.0.1", "1=acct-user", "6=1", "45=2"}},  // no identifier: no NAS-Identifier
      {"", " authentication port 1812;", "both", {"4=127.0.0.1", "1=both", "6=1", "45=1"}},
      {"", " authentication port unlimited;", "both", {"4=127.0.0.1", "1=both", "6=1", "45=2"}},  // no server
  };
  for (const auto& c : cases) {
    TAccountedCore core(c.system, c.aaa);
    TEndpointRegisterInfo* record = core.gk.Register(c.user, 2);
    WaitFor(core.server, 1);
    record->SetState(1);  // a second time sends nothing
    char session[16];
    snprintf(session, sizeof session, "%X", unsigned(record->Identity()));
    record->SetState(3);
    WaitFor(core.server, 2);
    ASSERT_EQ(2u, core.server.received.size()) << c.user;
    for (int stop = 0; stop < 2; ++stop) {
      const octets& datagram = core.server.received[stop].bytes;
      EXPECT_EQ(4, datagram[0]) << "Accounting-Request";
      std::vector<std::string> expected = c.head;
      expected.push_back(std::string("44=") + session);
      expected.push_back(stop ? "40=2" : "40=1");
      if (stop) expected.push_back("46=0");
      EXPECT_EQ(expected, Attributes(datagram)) << c.user << (stop ? " stop" : " start");
    }
  }
}

TEST(EndpointAccounting, OnlyWithServerAndCallerBit) {
  const struct {
    const char* aaa;
    const char* user;
    size_t sent;
  } cases[] = {{"aaa { address 127.0.0.1; accounting port 1813; }\n", "acct", 2},
               {"aaa { address 127.0.0.1; accounting port 1813; }\n", "answerer", 0},
               {"", "acct", 0}};
  for (const auto& c : cases) {
    fakeRadiusServer server;
    TCoreWithUsers gk(Configuration("", c.aaa));
    gk.Core.AccountingRADIUS.Open(server.address());
    TEndpointRegisterInfo* record = gk.Register(c.user, 2);
    EXPECT_TRUE(record->AccountingStartTime()) << "times are kept anyway";
    record->SetState(3);
    WaitFor(server, c.sent ? c.sent : 1);
    EXPECT_EQ(c.sent, server.received.size()) << c.aaa << c.user;
  }
}

TEST(EndpointAccounting, AnswersAreOnlyLogged) {
  const struct {
    unsigned code;
    const char* line;
  } cases[] = {{5, ""}, {2, "Invalid answer from RADIUS server accounting side.\n"}};
  for (const auto& c : cases) {
    TCoreLog log;
    TAccountedCore core("");
    core.server.onDatagram = [&](const fakeRadiusServer::datagram& ADatagram) {
      core.server.answer(ADatagram.bytes, c.code, {}, Secret);
    };
    TEndpointRegisterInfo* record = core.gk.Register("acct", 2);
    WaitFor(core.server, 1);
    for (int i = 0; i < 3; ++i) orvo::sockEvent::dispatch(0);
    EXPECT_EQ(c.line, log.Lines()) << c.code;
    EXPECT_EQ(1, record->State()) << "accounting never ends a registration";
  }
  // No answer at all: after the connection's last try.
  TCoreLog log;
  TAccountedCore core("");
  core.gk.Register("acct", 2)->SetState(3);  // the record is gone before the time-out
  WaitFor(core.server, 2);
  for (int i = 0; i < 5; ++i) {
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(3000));
    orvo::sockEvent::dispatch(0);
  }
  EXPECT_EQ("No answer from RADIUS server accounting side.\nNo answer from RADIUS server accounting side.\n",
            log.Lines());
}

TEST(EndpointAccounting, FreeRadiusWritesStartAndStop) {
  ORVO_REQUIRE_TOOL(!freeRadiusServer::program().empty(), "FreeRADIUS (Debian package freeradius)");
  freeRadiusServer server;
  ASSERT_TRUE(server.start(Secret, "")) << server.failure();
  TCoreWithUsers gk(Configuration("identifier \"GK1\";", "aaa { address 127.0.0.1; accounting port 1813; }\n"));
  gk.Core.AccountingRADIUS.SetSecret(Secret);
  ASSERT_TRUE(gk.Core.AccountingRADIUS.Open(server.accountingAddress()));
  TCoreLog log;
  TEndpointRegisterInfo* record = gk.Register("acct", 2);
  char session[16];
  snprintf(session, sizeof session, "%X", unsigned(record->Identity()));
  record->SetState(3);
  std::string detail;
  for (int i = 0; i < 50; ++i) {
    orvo::sockEvent::dispatch(0);
    detail = server.detail();
    if (detail.find("Acct-Status-Type = Stop") != std::string::npos) break;
    usleep(100000);
  }
  for (const std::string& line :
       {std::string("\tAcct-Status-Type = Start\n"), std::string("\tAcct-Status-Type = Stop\n"),
        std::string("\tUser-Name = \"acct-user\"\n"), std::string("\tNAS-Identifier = \"GK1\"\n"),
        std::string("\tAcct-Session-Id = \"") + session + "\"\n", std::string("\tAcct-Session-Time = 0\n"),
        std::string("\tNAS-IP-Address = 127.0.0.1\n")})
    EXPECT_NE(std::string::npos, detail.find(line)) << line << detail;
  EXPECT_LT(detail.find("Start"), detail.find("Stop"));
  for (int i = 0; i < 10; ++i) orvo::sockEvent::dispatch(0);
  EXPECT_EQ("", log.Lines()) << "both answered";
}

// The Stop reports the whole seconds the registration lasted, days
// included, truncated; the timer clock is held and moved by the test.
TEST(EndpointAccounting, SessionTimeOfAKnownLength) {
  const struct {
    int64_t lasted;  // milliseconds
    const char* sessionTime;
  } cases[] = {
      {0, "46=0"},
      {999, "46=0"},
      {59900, "46=59"},
      {60000, "46=60"},
      {int64_t(86400000) + 3723500, "46=90123"},  // a day, an hour, 2 min 3.5 s
  };
  for (const auto& c : cases) {
    orvo::timerClockHold hold;
    TAccountedCore core("");
    // Answered, so that the Start is not resent while the clock moves.
    core.server.onDatagram = [&](const fakeRadiusServer::datagram& ARequest) {
      core.server.answer(ARequest.bytes, 5, {}, Secret);
    };
    TEndpointRegisterInfo* record = core.gk.Register("acct", 2);
    ASSERT_TRUE(runUntil([&] { return core.gk.Core.AccountingRADIUS.PendingCount() == 0; }, 1000)) << c.lasted;
    orvo::advanceTimerClock(orvo::timeSpan::fromMilliseconds(c.lasted));
    record->SetState(3);
    WaitFor(core.server, 2);
    ASSERT_EQ(2u, core.server.received.size()) << c.lasted;
    EXPECT_EQ(c.sessionTime, Attributes(core.server.received[1].bytes).back()) << c.lasted;
  }
}

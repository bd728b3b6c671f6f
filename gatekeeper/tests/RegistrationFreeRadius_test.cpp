// Registration through a real RADIUS server: the running program against
// FreeRADIUS on loopback, the answers read by tshark, the accounting of the
// registration in the server's detail file.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <unistd.h>

#include <h323/authenticationEnvironment.h>
#include <h323/h235Authenticator.h>

#include "GatekeeperUnderTest.h"
#include "RasCapture.h"
#include "RasRequests.h"
#include "SimulatedEndpoint.h"
#include "externalTool.h"
#include "freeRadiusServer.h"

namespace {

using std::chrono::milliseconds;
const char* const Secret = "radius-secret";

}  // namespace

TEST(RegistrationFreeRadius, AcceptRejectAndChapWithAccounting) {
  ORVO_REQUIRE_TOOL(!freeRadiusServer::program().empty(), "FreeRADIUS (Debian package freeradius)");
  if (!tshark::toolsAvailable()) GTEST_SKIP();
  freeRadiusServer server;
  ASSERT_TRUE(server.start(Secret,
                           "raduser\tCleartext-Password := \"radpw\"\n\n"
                           "chapuser\tCleartext-Password := \"chappw\"\n\n"))
      << server.failure();
  TGatekeeperSetup setup;
  setup.Sections =
      "aaa { address 127.0.0.1; authentication port " + std::to_string(ntohs(server.authenticationAddress().sin_port)) +
      "; accounting port " + std::to_string(ntohs(server.accountingAddress().sin_port)) + "; password \"" + Secret +
      "\"; }\n"
      "user rad { login \"rad\"; radius authentication login; radius accounting caller; radius name \"raduser\";"
      " radius password \"radpw\"; }\n"
      "user wrong { login \"wrong\"; radius authentication login; radius name \"raduser\";"
      " radius password \"bad\"; }\n"
      "user chap { login \"chap\"; radius authentication login; radius name h235name;"
      " radius password h235password; }\n";
  TGatekeeperUnderTest gk(setup);
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TRasCapture capture;
  TSimulatedEndpoint accepted(2, &capture), refused(3, &capture), chap(4, &capture);

  std::unique_ptr<H225::rasMessage> chapRrq = chap.RegistrationRequest({"chap"});
  H323::simpleUserEnvironment credentials("chapuser", "OrvoTestGK", "chappw", 1);
  H323::ciscoAccessTokenAuthenticator tokenMaker;
  H235::clearToken* token = nullptr;
  ASSERT_TRUE(tokenMaker.createClearToken(credentials, token));
  auto* rrq = static_cast<H225::registrationRequest*>(chapRrq->alternative());
  rrq->tokens = new H323::clearTokenList;
  rrq->tokens->append(token);

  const struct {
    TSimulatedEndpoint* endpoint;
    std::unique_ptr<H225::rasMessage> request;
  } steps[] = {
      {&accepted, accepted.RegistrationRequest({"rad"})},
      {&refused, refused.RegistrationRequest({"wrong"})},
      {&chap, std::move(chapRrq)},
      {&accepted, UnregistrationRequest(accepted, "7f000002:6b8")},
  };
  for (const auto& step : steps) {
    ASSERT_TRUE(step.endpoint->Send(*step.request, gk.RasAddress()));
    ASSERT_TRUE(step.endpoint->Receive(milliseconds(5000)));
  }
  tshark::result r = capture.Dissect(gk.PathOf("ras.pcap"), {"h225.RasMessage", "h225.rejectReason", "h225.text"});
  ASSERT_TRUE(r.ran) << r.failure;
  const std::vector<std::vector<std::string>> answers = {
      {"4", "", ""}, {"5", "11", "Registration rejected by RADIUS server."}, {"4", "", ""}, {"7", "", ""}};
  ASSERT_EQ(2 * answers.size(), r.frames.size());
  for (size_t i = 0; i < answers.size(); ++i) EXPECT_EQ(answers[i], r.frames[2 * i + 1].fields) << i;

  std::string detail;
  for (int i = 0; i < 50 && detail.find("Acct-Status-Type = Stop") == std::string::npos; ++i) {
    usleep(100000);
    detail = server.detail();
  }
  const size_t start = detail.find("Acct-Status-Type = Start");
  ASSERT_NE(std::string::npos, start) << detail;
  EXPECT_LT(start, detail.find("Acct-Status-Type = Stop")) << detail;
  EXPECT_NE(std::string::npos, detail.find("User-Name = \"raduser\"")) << detail;
  EXPECT_EQ(std::string::npos, detail.find("chapuser")) << "only the caller bit accounts a registration";
}

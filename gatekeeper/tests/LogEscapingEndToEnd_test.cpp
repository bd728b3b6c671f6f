// Texts that peers choose reach the log and the console escaped: a line end
// in an alias cannot forge a line, a NUL cannot make the log binary.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include <h323/h235Authenticator.h>

#include "GatekeeperUnderTest.h"
#include "SimulatedEndpoint.h"

namespace {

const std::string Forged = "\n07/12/2026 19:00:00 [E] Forged line";

void SetText(asn::bmpStringBase& AValue, const std::string& AText) {
  AValue = orvo::string(AText.data(), unsigned(AText.size()));
}

// The lines of a log or console text that hold ANeedle, each from the
// needle's line start (after the time stamp) to its end.
std::vector<std::string> LinesWith(const std::string& AText, const std::string& ANeedle, const std::string& AStart) {
  std::vector<std::string> lines;
  std::istringstream in(AText);
  for (std::string line; std::getline(in, line);) {
    if (line.find(ANeedle) == std::string::npos) continue;
    const size_t start = line.find(AStart);
    lines.push_back(start == std::string::npos ? line : line.substr(start));
  }
  return lines;
}

}  // namespace

// One registration request carries the forged line in an H.323-ID, a NUL
// in another alias, in the gatekeeper identifier and in an access token's
// generalID: each comes out escaped in the trace of the log file and of the
// console, and neither holds a control octet of the request.
TEST(LogEscapingEndToEnd, ReceivedTextsInTheRasTraceAreEscaped) {
  TGatekeeperSetup setup;
  setup.Sections = "user alice { login \"alice\"; }\n";
  TGatekeeperUnderTest gk(setup);
  ASSERT_TRUE(gk.Start()) << gk.Console();
  TSimulatedEndpoint endpoint(2);
  auto rrq = endpoint.RegistrationRequest({"alice"});
  auto* request = static_cast<H225::registrationRequest*>(rrq->alternative());
  SetText(*static_cast<asn::bmpStringBase*>(request->terminalAlias->appendNew()->select(1)), Forged);
  SetText(*static_cast<asn::bmpStringBase*>(request->terminalAlias->appendNew()->select(1)),
          std::string("al\0ice\\", 7));
  request->gatekeeperIdentifier = new asn::bmpString<1u, 128u, 1>;
  SetText(*request->gatekeeperIdentifier, std::string("OrvoTestGK\0\x9B", 12));
  request->tokens = new asn::sequenceOf<H235::clearToken, 0u, 0u, 1>;
  H235::clearToken* token = request->tokens->appendNew();
  token->tokenOID = H323::ciscoAccessTokenAuthenticator::identifier();
  token->generalID = new asn::bmpString<1u, 128u, 1>;
  SetText(*token->generalID, std::string("alice\0", 6));
  ASSERT_TRUE(endpoint.Send(*rrq, gk.RasAddress()));
  endpoint.Receive(std::chrono::seconds(3));
  ASSERT_TRUE(gk.WaitForLog("RAS, send message to 127.0.0.2:")) << gk.Log();
  EXPECT_EQ(0, gk.Stop());

  const std::string log = gk.Log(), console = gk.Console();
  for (const std::string* text : {&log, &console}) {
    EXPECT_EQ(std::string::npos, text->find('\0'));
    EXPECT_EQ(std::string::npos, text->find('\x9B'));
    EXPECT_EQ((std::vector<std::string>{"#1 H323_ID: '\\x0A07/12/2026 19:00:00 [E] Forged line'"}),
              LinesWith(*text, "Forged", "#1"))
        << *text;
    EXPECT_EQ((std::vector<std::string>{"#2 H323_ID: 'al\\x00ice\\\\'"}), LinesWith(*text, "#2 H323_ID", "#2"));
    EXPECT_EQ((std::vector<std::string>{"GatekeeperIdentifier: 'OrvoTestGK\\x00\\x9B'"}),
              LinesWith(*text, "GatekeeperIdentifier", "Gatekeeper"));
    EXPECT_EQ((std::vector<std::string>{"GeneralID: 'alice\\x00'"}), LinesWith(*text, "GeneralID", "General"));
  }
}

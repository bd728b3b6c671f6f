// The call-signal port on the built program: what a connection there says
// first and what refuses it are traced as the relay traces a call, under
// the Setup's call identifier and aliases.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include <orvo/socketAddress.h>

#include "CallLeg.h"
#include "GatekeeperUnderTest.h"
#include "SimulatedEndpoint.h"
#include "orvoTesting.h"
#include "processSockets.h"
#include "q931Octets.h"
#include "q931Samples.h"

using namespace q931Testing;

namespace {

std::string WithoutStamps(const std::string& ALog) {
  static const std::regex stamp("^[0-9/]+ [0-9:]+ ", std::regex::multiline);
  return std::regex_replace(ALog, stamp, "");
}

// The Q.931 traces of the log, each from its head line to the next line
// that is not part of it (a log line or another head line).
std::vector<std::string> Q931Traces(const std::string& ALog) {
  std::vector<std::string> traces;
  const std::string text = WithoutStamps(ALog);
  size_t at = 0;
  while ((at = text.find("Q.931, ", at)) != std::string::npos) {
    size_t end = at;
    do end = text.find('\n', end) + 1;
    while (end < text.size() && text.compare(end, 7, "Q.931, ") != 0 && text.compare(end, 1, "[") != 0);
    traces.push_back(text.substr(at, end - at));
    at = end;
  }
  return traces;
}

// The sample Setup's call identifier (0x50 ... 0x5F) and first source alias.
const std::string SampleCall = "{50515253-5455-5657-5859-5a5b5c5d5e5f}";

}  // namespace

// Alice's Setup (call reference 0x1234) reaches the port from 127.0.0.2 and
// is refused; with every Q.931 message traced, the Setup received and the
// Release Complete sent, each under a head line with her address and port;
// with the rule for sent messages only, the Release Complete alone.
TEST(CallSignalPortEndToEnd, TheFirstMessageAndItsRefusalAreTraced) {
  const struct {
    const char* rules;
    bool received;
  } cases[] = {{"q931 messages yes;\n", true}, {"q931 messages where out yes;\n", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    TGatekeeperSetup setup;
    setup.LogRules = c.rules;
    TGatekeeperUnderTest gk(setup);
    ASSERT_TRUE(gk.Start()) << gk.Console();
    TCallLeg alice;
    ASSERT_TRUE(alice.Bind(2));
    ASSERT_TRUE(alice.Connect(LoopbackAddress(1, gk.CallSignalPort())));
    ASSERT_TRUE(alice.Send(fromHex(encodeMessage(routedCallMessages()[0].build()))));
    const octets refusal = alice.Receive();
    ASSERT_FALSE(refusal.empty()) << gk.Log();
    EXPECT_TRUE(alice.Closed());
    EXPECT_EQ(0, gk.Stop());

    const std::string at = "caller: Terminal-1 at " + toStd(orvo::toText(alice.Address())) + "\n";
    std::vector<std::string> expected;
    if (c.received) expected.push_back("Q.931, " + SampleCall + ", got message from " + at + "Type: Setup(0x5)\n");
    expected.push_back("Q.931, " + SampleCall + ", send message to " + at + "Type: ReleaseComplete(0x5a)\n");
    std::vector<std::string> heads;
    for (const std::string& trace : Q931Traces(gk.Log())) {
      const size_t second = trace.find('\n') + 1;
      heads.push_back(trace.substr(0, trace.find('\n', second) + 1));
    }
    EXPECT_EQ(expected, heads) << gk.Log();
  }
}

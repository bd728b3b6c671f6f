// tshark's H.450 dissector, a decoder nobody here wrote, reads our
// supplementary-service APDUs field by field: the invoke with its network
// facility extension and interpretation, the return result, the return
// error, the reject and an invoke with a global operation code.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "h4501Vectors.h"
#include "tshark.h"
#include "valueFiller.h"

namespace {

const h4501Vector& apdu(const std::string& name) {
  for (const h4501Vector& v : apduVectors())
    if (v.name == name) return v;
  throw std::runtime_error("no vector " + name);
}

}  // namespace

TEST(tsharkReadsH4501, everyApduKindWithOurValues) {
  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  const std::vector<std::string> names = {"invoke-bare", "invoke-with-facility",     "return-result", "return-error",
                                          "reject",      "global-opcode-and-answer", "named-source"};
  std::vector<tshark::octets> frames;
  for (const std::string& name : names) frames.push_back(perOctets(*apdu(name).make()));
  tshark::result r = tshark::dissectAs(
      "h4501", frames,
      {"h450.sourceEntity", "h450.destinationEntity", "h225.dialledDigits", "h225.h323_ID", "h450.interpretationApdu",
       "h450.rosApdus", "h450.ros.invokeId", "h450.ros.linkedId", "h450.ros.local", "h450.ros.global",
       "h450.ros.argument", "h450.ros.result", "h450.ros.errcode", "h450.ros.invoke"});
  ASSERT_TRUE(r.ran) << r.failure;
  const std::vector<std::vector<std::string>> expected = {
      // source, destination, digits, H.323 ID, interpretation, PDU count,
      // invoke ids, linked id, local codes, global code, argument, result,
      // error code (the code's choice index), invoke problem
      {"", "", "", "", "", "1", "1", "", "0", "", "", "", "", ""},
      {"0", "1", "1234", "", "2", "1", "1", "7", "101", "", "00", "", "", ""},
      {"", "", "", "", "", "1", "5", "", "103", "", "", "00", "", ""},
      {"", "", "", "", "", "1", "9", "", "1008", "", "", "", "0", ""},
      {"", "", "", "", "", "1", "2", "", "", "", "", "", "", "5"},
      {"", "", "", "", "", "2", "3|3", "", "", "0.0.8.2250.0.4", "", "", "", ""},
      {"1", "0", "", "ab", "", "1", "4", "", "1", "", "", "", "", ""},
  };
  // tshark knows no operation by that object identifier and says so.
  const std::vector<std::string> expert = {
      "", "", "", "", "", "Expert Info (Warning/Undecoded): Undecoded INV: 0.0.8.2250.0.4", ""};
  for (size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE(names[i] + ": " + hexText(frames[i]) + "\n" + tshark::verboseText("h4501", frames[i]));
    EXPECT_EQ(r.frames[i].malformed, "");
    EXPECT_EQ(r.frames[i].expert, expert[i]);
    EXPECT_EQ(r.frames[i].fields, expected[i]);
  }
}

// The APDUs inside call-signalling user information, where tshark's H.225.0
// dissector hands them to its H.450 dissector.
TEST(tsharkReadsH4501, apdusCarriedByCallSignalling) {
  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  tshark::octets frame = perOctets(*carrying({&apdu("invoke-with-facility"), &apdu("return-result")}));
  tshark::result r = tshark::dissectAs("h225", {frame},
                                       {"h225.h323_message_body", "h450.rosApdus", "h450.ros.invokeId",
                                        "h450.ros.linkedId", "h450.ros.local", "h225.dialledDigits"});
  ASSERT_TRUE(r.ran) << r.failure;
  SCOPED_TRACE(hexText(frame) + "\n" + tshark::verboseText("h225", frame));
  EXPECT_EQ(r.frames[0].malformed, "");
  EXPECT_EQ(r.frames[0].expert, "");
  // Body 8 is "empty"; one PDU in each APDU.
  EXPECT_EQ(r.frames[0].fields, (std::vector<std::string>{"8", "1|1", "1|5", "7", "101|103", "1234"}));
}

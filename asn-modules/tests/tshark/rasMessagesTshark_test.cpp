// tshark, a decoder nobody here wrote, reads every message of the round-trip
// suite: no malformed frame, no expert note, the alternative we chose, and
// the sequence numbers, protocol identifiers, gatekeeper and endpoint
// identifiers, aliases, IPv4 transport addresses and call identifiers we put
// in, in the same order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keyFields.h"
#include "messageParts.h"
#include "rasSamples.h"
#include "tshark.h"
#include "userInformationSamples.h"
#include "valueFiller.h"

namespace {

class tsharkReads : public testing::Test {
protected:
  void SetUp() override {
    if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  }
};

std::string explain(const std::string& dissector, const tshark::octets& frame) {
  return hexText(frame) + "\n" + tshark::verboseText(dissector, frame);
}

std::vector<std::string> withChoice(int index, const std::vector<std::string>& fields) {
  std::vector<std::string> all = {std::to_string(index)};
  all.insert(all.end(), fields.begin(), fields.end());
  return all;
}

}  // namespace

TEST_F(tsharkReads, everyRasMessageOfTheSuite) {
  std::vector<rasSample> samples = rasSamples();
  std::vector<tshark::octets> frames;
  for (const rasSample& sample : samples) frames.push_back(perOctets(*sample.message));
  std::vector<std::string> fields = {"h225.RasMessage"};
  fields.insert(fields.end(), keyFields::fieldNames().begin(), keyFields::fieldNames().end());
  // As datagrams to the RAS port, the way they travel.
  tshark::result r = tshark::dissectUdp(1719, frames, fields);
  ASSERT_TRUE(r.ran) << r.failure;
  for (size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE(samples[i].name);
    EXPECT_EQ(r.frames[i].malformed, "") << explain("h225.ras", frames[i]);
    EXPECT_EQ(r.frames[i].expert, "") << explain("h225.ras", frames[i]);
    // tshark also shows a request's call identifier in the answer that it
    // pairs with it by sequence number, so that column is left to the
    // call-signalling test.
    std::vector<std::string> expected = withChoice(samples[i].message->index(), keyFields::of(*samples[i].message).asTable());
    std::vector<std::string> read = r.frames[i].fields;
    expected.pop_back();
    read.pop_back();
    EXPECT_EQ(read, expected) << explain("h225.ras", frames[i]);
  }
}

TEST_F(tsharkReads, everyCallSignallingBodyOfTheSuite) {
  std::vector<userInformationSample> samples = userInformationSamples();
  std::vector<tshark::octets> frames;
  for (const userInformationSample& sample : samples) frames.push_back(perOctets(*sample.message));
  std::vector<std::string> fields = {"h225.h323_message_body"};
  fields.insert(fields.end(), keyFields::fieldNames().begin(), keyFields::fieldNames().end());
  tshark::result r = tshark::dissectAs("h225", frames, fields);
  ASSERT_TRUE(r.ran) << r.failure;
  for (size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE(samples[i].name);
    EXPECT_EQ(r.frames[i].malformed, "") << explain("h225", frames[i]);
    EXPECT_EQ(r.frames[i].expert, "") << explain("h225", frames[i]);
    EXPECT_EQ(r.frames[i].fields,
              withChoice(samples[i].message->h323_uu_pdu.h323_message_body.index(),
                         keyFields::of(*samples[i].message).asTable()))
        << explain("h225", frames[i]);
  }
}

TEST_F(tsharkReads, registrationAndSetupFieldByField) {
  std::vector<tshark::octets> registration = {perOctets(*fullRegistrationRequest())};
  tshark::result r = tshark::dissectAs("h225.ras", registration,
                                       {"h225.RasMessage", "h225.requestSeqNum", "h225.protocolIdentifier",
                                        "h225.ipV4", "h225.ipV4_port", "h225.h323_ID", "h225.dialledDigits",
                                        "h225.gatekeeperIdentifier", "h225.timeToLive", "h225.keepAlive",
                                        "h245.t38FaxRateManagement", "h235.random", "h225.productId"});
  ASSERT_TRUE(r.ran) << r.failure;
  EXPECT_EQ(r.frames[0].fields,
            std::vector<std::string>({"3", "3", "0.0.8.2250.0.4", "127.0.0.20|127.0.0.20", "1720|1719",
                                      "Gateway-1|Gateway-1",  // the alias, and the alias of the password hash
                                      "9|8|4930123456", "GK-Zone", "300", "0", "1", "42",
                                      "orvo gateway|orvo gateway"}))
      << explain("h225.ras", registration[0]);

  std::vector<tshark::octets> setup = {perOctets(*setupWithFastStart())};
  r = tshark::dissectAs("h225", setup,
                        {"h225.h323_message_body", "h225.h323_ID", "h225.dialledDigits", "h225.ipV4",
                         "h225.guid", "h225.conferenceID", "h225.endpointIdentifier",
                         "h245.forwardLogicalChannelNumber", "h245.terminalType", "h245.statusDeterminationNumber",
                         "h450.ros.invokeId", "h450.ros.local"});
  ASSERT_TRUE(r.ran) << r.failure;
  EXPECT_EQ(r.frames[0].fields,
            std::vector<std::string>({"0", "Terminal-1", "2001|4930123456", "127.0.0.20|127.0.0.10",
                                      "50515253-5455-5657-5859-5a5b5c5d5e5f", "40414243-4445-4647-4849-4a4b4c4d4e4f",
                                      "EP-0001", "1|1", "190", "1193046", "1", "0"}))
      << explain("h225", setup[0]);
}

// Where this system's PER departs from X.691 on purpose, tshark reads
// another value; these are the readings to expect.
TEST_F(tsharkReads, departuresOfOurPerAreReadAsExpected) {
  // An unconstrained INTEGER is written unsigned: 200 takes one octet 0xc8,
  // which X.691 makes the two's-complement -56.
  std::unique_ptr<H225::rasMessage> arq = admissionRequestWithTokens();
  auto* request = static_cast<H225::admissionRequest*>(arq->alternative());
  *static_cast<H235::clearToken*>(request->tokens->elements().head()->element)->random = 200;
  // An OCTET STRING of one or two octets under a size constraint is not
  // aligned: the Q.931 cause "80 90" follows its five-bit length directly.
  std::unique_ptr<H225::rasMessage> drq;
  for (const rasSample& sample : rasSamples())
    if (sample.message->index() == rasKind::disengageRequest) {
      drq = std::make_unique<H225::rasMessage>();
      drq->assign(*sample.message);
    }
  ASSERT_TRUE(drq);
  auto* disengage = static_cast<H225::disengageRequest*>(drq->alternative());
  parts::pick<asn::octetStringBase>(*disengage->terminationCause, 1)->setValue("\x80\x90", 2);

  std::vector<tshark::octets> frames = {perOctets(*arq), perOctets(*drq)};
  tshark::result r = tshark::dissectAs("h225.ras", frames, {"h225.requestSeqNum", "h235.random", "h225.releaseCompleteCauseIE"});
  ASSERT_TRUE(r.ran) << r.failure;
  EXPECT_EQ(r.frames[0].malformed, "");
  EXPECT_EQ(r.frames[0].fields, std::vector<std::string>({"11", "-56", ""})) << explain("h225.ras", frames[0]);
  // The cause CHOICE then codes as 0 1 00000 (root, alternative 1, length
  // 2) followed at once by 1000 0000 1001 0000: octets 41 01 20. tshark
  // aligns after the length and reads the octets 01 20 as the cause.
  EXPECT_EQ(r.frames[1].malformed, "");
  EXPECT_EQ(r.frames[1].fields, std::vector<std::string>({"15", "", "0120"})) << explain("h225.ras", frames[1]);
}

// tshark, a decoder nobody here wrote, reads every message of the round-trip
// suite: no malformed frame, no expert note, the alternative we chose, and
// the sequence numbers, protocol identifiers, gatekeeper and endpoint
// identifiers, aliases, IPv4 transport addresses and call identifiers we put
// in, in the same order.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "keyFields.h"
#include "messageParts.h"
#include "numberFields.h"
#include "rasSamples.h"
#include "standardOctets.h"
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
    std::vector<std::string> expected =
        withChoice(samples[i].message->index(), keyFields::of(*samples[i].message).asTable());
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
    EXPECT_EQ(r.frames[i].fields, withChoice(samples[i].message->h323_uu_pdu.h323_message_body.index(),
                                             keyFields::of(*samples[i].message).asTable()))
        << explain("h225", frames[i]);
  }
}

namespace {

// Compares every number tshark names in each frame with the value's own;
// returns how many were compared.
template <class Sample>
size_t expectEveryNumber(const std::vector<Sample>& samples, const std::string& dissector,
                         const asn::object& (*message)(const Sample&)) {
  std::vector<tshark::octets> frames;
  for (const Sample& sample : samples) frames.push_back(perOctets(message(sample)));
  tshark::result r = tshark::dissectAs(dissector, frames, numberFields::fieldNames());
  EXPECT_TRUE(r.ran) << r.failure;
  if (!r.ran) return 0;
  size_t compared = 0;
  for (size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE(samples[i].name);
    std::map<std::string, std::vector<std::string>> ours = numberFields::of(message(samples[i]));
    for (const numberFields::group& g : numberFields::groups()) {
      std::vector<std::string> cells;
      for (size_t column : g.columns) cells.push_back(r.frames[i].fields[column]);
      std::vector<std::string> expected = numberFields::sorted(ours[g.element]);
      EXPECT_EQ(numberFields::sortedOccurrences(cells), expected) << g.element << "\n" << explain(dissector, frames[i]);
      compared += expected.size();
    }
  }
  return compared;
}

const asn::object& rasMessageOf(const rasSample& sample) { return *sample.message; }
const asn::object& userInformationOf(const userInformationSample& sample) { return *sample.message; }

}  // namespace

// Every sequence number, bandwidth, time, count, random number, time stamp
// and hash of both suites, as we set it.
TEST_F(tsharkReads, everyNumberOfBothSuitesAsSet) {
  EXPECT_GE(expectEveryNumber(rasSamples(), "h225.ras", rasMessageOf), 80u);
  EXPECT_GE(expectEveryNumber(userInformationSamples(), "h225", userInformationOf), 1u);
}

TEST_F(tsharkReads, registrationAndSetupFieldByField) {
  std::vector<tshark::octets> registration = {perOctets(*fullRegistrationRequest())};
  tshark::result r = tshark::dissectAs(
      "h225.ras", registration,
      {"h225.RasMessage", "h225.requestSeqNum", "h225.protocolIdentifier", "h225.ipV4", "h225.ipV4_port",
       "h225.h323_ID", "h225.dialledDigits", "h225.gatekeeperIdentifier", "h225.timeToLive", "h225.keepAlive",
       "h245.t38FaxRateManagement", "h235.random", "h225.productId"});
  ASSERT_TRUE(r.ran) << r.failure;
  EXPECT_EQ(r.frames[0].fields,
            std::vector<std::string>({"3", "3", "0.0.8.2250.0.4", "127.0.0.20|127.0.0.20", "1720|1719",
                                      "Gateway-1|Gateway-1",  // the alias, and the alias of the password hash
                                      "9|8|4930123456", "GK-Zone", "300", "0", "1", "42", "orvo gateway|orvo gateway"}))
      << explain("h225.ras", registration[0]);

  std::vector<tshark::octets> setup = {perOctets(*setupWithFastStart())};
  r = tshark::dissectAs("h225", setup,
                        {"h225.h323_message_body", "h225.h323_ID", "h225.dialledDigits", "h225.ipV4", "h225.guid",
                         "h225.conferenceID", "h225.endpointIdentifier", "h245.forwardLogicalChannelNumber",
                         "h245.terminalType", "h245.statusDeterminationNumber", "h450.ros.invokeId", "h450.ros.local"});
  ASSERT_TRUE(r.ran) << r.failure;
  EXPECT_EQ(r.frames[0].fields,
            std::vector<std::string>({"0", "Terminal-1", "2001|4930123456", "127.0.0.20|127.0.0.10",
                                      "50515253-5455-5657-5859-5a5b5c5d5e5f", "40414243-4445-4647-4849-4a4b4c4d4e4f",
                                      "EP-0001", "1|1", "190", "1193046", "1", "0"}))
      << explain("h225", setup[0]);
}

namespace {

std::unique_ptr<H225::rasMessage> copyOfSample(int kind) {
  for (const rasSample& sample : rasSamples())
    if (sample.message->index() == kind) {
      auto copy = std::make_unique<H225::rasMessage>();
      copy->assign(*sample.message);
      return copy;
    }
  return nullptr;
}

std::unique_ptr<H225::rasMessage> admissionWithRandom(int64_t random) {
  std::unique_ptr<H225::rasMessage> arq = admissionRequestWithTokens();
  auto* request = static_cast<H225::admissionRequest*>(arq->alternative());
  *static_cast<H235::clearToken*>(request->tokens->elements().head()->element)->random = uint32_t(random);
  return arq;
}

std::unique_ptr<H225::rasMessage> disengageWithCause(const char* cause, unsigned length) {
  std::unique_ptr<H225::rasMessage> drq = copyOfSample(rasKind::disengageRequest);
  auto* disengage = static_cast<H225::disengageRequest*>(drq->alternative());
  parts::pick<asn::octetStringBase>(*disengage->terminationCause, 1)->setValue(cause, length);
  return drq;
}

std::unique_ptr<H225::rasMessage> rejectWithGenericStandard(uint32_t standard) {
  std::unique_ptr<H225::rasMessage> grj = copyOfSample(rasKind::gatekeeperReject);
  auto* reject = static_cast<H225::gatekeeperReject*>(grj->alternative());
  auto* data = static_cast<H225::genericData*>(reject->genericData->elements().head()->element);
  *static_cast<asn::integerBase*>(data->id.alternative()) = standard;
  return grj;
}

// An unregistration whose crypto tokens hold a password hash of `bits` bits
// (1 0 1 1 0 0 ...) and then an encrypted password token "A".
std::unique_ptr<H225::rasMessage> unregistrationWithHashOf(unsigned bits) {
  std::unique_ptr<H225::rasMessage> urq = copyOfSample(rasKind::unregistrationRequest);
  auto* request = static_cast<H225::unregistrationRequest*>(urq->alternative());
  auto* tokens = parts::attach(request->cryptoTokens);
  H225::cryptoH323Token* hash = parts::passwordHash("Terminal-1", 1000000001);
  static_cast<H225::cryptoH323Token::cryptoEPPwdHash_sequence*>(hash->alternative())
      ->token.hash.setBits("\xB0\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00", bits);
  tokens->append(hash);
  auto* encrypted = parts::pick<H235::encrypted<asn::anytype<H235::clearToken>>>(*tokens->appendNew(), 2);
  parts::setOid(encrypted->algorithmOID, {0, 0});
  parts::setText(encrypted->encryptedData, "A");
  return urq;
}

}  // namespace

// Values that unconstrained and out-of-root INTEGERs, short variable-size
// OCTET STRINGs and BIT STRINGs of more than 16 bits carry: tshark reads each
// as we set it.
TEST_F(tsharkReads, integersShortOctetStringsAndLongBitStringsAsSet) {
  struct {
    std::string what;
    std::unique_ptr<H225::rasMessage> message;
    std::string field;
    std::string value;
  } cases[] = {
      {"random 0", admissionWithRandom(0), "h235.random", "0"},
      {"random 127", admissionWithRandom(127), "h235.random", "127"},
      {"random 128", admissionWithRandom(128), "h235.random", "128"},
      {"random 200", admissionWithRandom(200), "h235.random", "200"},
      {"random 255", admissionWithRandom(255), "h235.random", "255"},
      {"random 256", admissionWithRandom(256), "h235.random", "256"},
      {"random -1", admissionWithRandom(-1), "h235.random", "-1"},
      {"random -128", admissionWithRandom(-128), "h235.random", "-128"},
      {"random -129", admissionWithRandom(-129), "h235.random", "-129"},
      {"random 65535", admissionWithRandom(65535), "h235.random", "65535"},
      {"random 2147483647", admissionWithRandom(2147483647), "h235.random", "2147483647"},
      {"cause of three octets", disengageWithCause("\x80\x90\xA2", 3), "h225.releaseCompleteCauseIE", "8090a2"},
      {"cause of two octets", disengageWithCause("\x80\x90", 2), "h225.releaseCompleteCauseIE", "8090"},
      {"generic standard in the root", rejectWithGenericStandard(16383), "h225.standard", "16383|1"},
      {"generic standard beyond the root", rejectWithGenericStandard(20000), "h225.standard", "20000|1"},
      {"generic standard of three octets", rejectWithGenericStandard(40000), "h225.standard", "40000|1"},
      {"NSAP address", registrationWithNsapAddress(), "h225.nsap", "abcd"},
      {"17-bit hash", unregistrationWithHashOf(17), "h235.hash", "b00000"},
      {"token after a 17-bit hash", unregistrationWithHashOf(17), "h235.encryptedData", "41"},
      {"38-bit hash", unregistrationWithHashOf(38), "h235.hash", "b000000000"},
      {"token after a 38-bit hash", unregistrationWithHashOf(38), "h235.encryptedData", "41"},
      {"40-bit hash", unregistrationWithHashOf(40), "h235.hash", "b000000000"},
      {"128-bit hash", unregistrationWithHashOf(128), "h235.hash", "b0000000000000000000000000000000"},
      {"token after a 128-bit hash", unregistrationWithHashOf(128), "h235.encryptedData", "41"},
  };
  std::vector<tshark::octets> frames;
  std::vector<std::string> fields;
  for (const auto& c : cases) {
    frames.push_back(perOctets(*c.message));
    if (std::find(fields.begin(), fields.end(), c.field) == fields.end()) fields.push_back(c.field);
  }
  tshark::result r = tshark::dissectAs("h225.ras", frames, fields);
  ASSERT_TRUE(r.ran) << r.failure;
  for (size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE(cases[i].what);
    size_t column = size_t(std::find(fields.begin(), fields.end(), cases[i].field) - fields.begin());
    EXPECT_EQ(r.frames[i].malformed, "") << explain("h225.ras", frames[i]);
    EXPECT_EQ(r.frames[i].expert, "") << explain("h225.ras", frames[i]);
    EXPECT_EQ(r.frames[i].fields[column], cases[i].value) << explain("h225.ras", frames[i]);
  }
}

TEST_F(tsharkReads, theValuesThatMakeEachMessageWhatItIs) {
  // Sample name -> tshark field -> the value it must read.
  const std::map<std::string, std::map<std::string, std::string>> expected = {
      {"GCF with alternate gatekeepers", {{"h225.priority", "1|2"}, {"h225.needToRegister", "1|1"}}},
      {"GRJ with generic data carrying a text",
       {{"h225.rejectReason", "5"}, {"h225.standard", "17|1"}, {"h225.text", "zone closed for maintenance"}}},
      {"lightweight RRQ", {{"h225.keepAlive", "1"}, {"h225.timeToLive", "300"}}},
      {"RCF with time to live and pre-granted ARQ",
       {{"h225.timeToLive", "300"},
        {"h225.makeCall", "1"},
        {"h225.answerCall", "1"},
        {"h225.irrFrequencyInCall", "30"}}},
      {"RRJ duplicate alias", {{"h225.rejectReason", "4"}, {"h225.h323_ID", "Terminal-1"}}},
      {"RRJ full registration required", {{"h225.rejectReason", "12"}}},
      {"RRJ invalid terminal aliases", {{"h225.rejectReason", "14"}, {"h225.dialledDigits", "20|0"}}},
      {"URQ with reason", {{"h225.reason", "1"}}},
      {"ARQ with call identifier and tokens",
       {{"h225.bandWidth", "1280"}, {"h225.callReferenceValue", "17"}, {"h225.canMapAlias", "1"}}},
      {"ACF with UUIEs requested", {{"h225.bandWidth", "1280"}, {"h225.irrFrequency", "120"}}},
      {"ARJ with a root reason", {{"h225.rejectReason", "0"}}},
      {"ARJ with an extension reason", {{"h225.rejectReason", "12"}, {"h225.publicNumberDigits", "4930123456"}}},
      {"BRQ", {{"h225.bandWidth", "2560"}, {"h225.callReferenceValue", "17"}}},
      {"BRJ", {{"h225.rejectReason", "3"}, {"h225.allowedBandWidth", "640"}}},
      {"DRQ with usage and termination cause", {{"h225.disengageReason", "1"}}},
      {"LRQ with hop count and source info", {{"h225.hopCount", "5"}, {"h225.canMapAlias", "1"}}},
      {"LRJ", {{"h225.rejectReason", "10"}}},
      {"IRR with per-call info and an embedded PDU",
       {{"h225.h323_message_body", "6"},
        {"h225.sent", "1"},
        {"h225.cname", "terminal-1/127.0.0.10"},
        {"h225.ssrc", "305419896"},
        {"h225.irrStatus", "0"}}},
      {"unknown message response", {{"h225.messageNotUnderstood", "7f0018010203"}}},
      {"RIP", {{"h225.delay", "5000"}}},
      {"RAI", {{"h225.almostOutOfResources", "1"}, {"h225.calls", "3"}}},
      {"INAK", {{"h225.nakReason", "0"}, {"h225.altGKisPermanent", "0"}}},
      {"service-control indication", {{"h225.url", "http://127.0.0.1/credit"}, {"h225.sessionId", "1"}}},
      {"service-control response", {{"h225.result", "0"}}},
  };
  std::vector<std::string> fields;
  for (const auto& sample : expected)
    for (const auto& field : sample.second)
      if (std::find(fields.begin(), fields.end(), field.first) == fields.end()) fields.push_back(field.first);
  std::vector<rasSample> samples = rasSamples();
  std::vector<tshark::octets> frames;
  for (const rasSample& sample : samples) frames.push_back(perOctets(*sample.message));
  tshark::result r = tshark::dissectAs("h225.ras", frames, fields);
  ASSERT_TRUE(r.ran) << r.failure;
  unsigned checked = 0;
  for (size_t i = 0; i < samples.size(); ++i) {
    auto sample = expected.find(samples[i].name);
    if (sample == expected.end()) continue;
    ++checked;
    for (const auto& field : sample->second) {
      size_t column = size_t(std::find(fields.begin(), fields.end(), field.first) - fields.begin());
      EXPECT_EQ(r.frames[i].fields[column], field.second) << samples[i].name << ": " << field.first;
    }
  }
  EXPECT_EQ(checked, expected.size());
}

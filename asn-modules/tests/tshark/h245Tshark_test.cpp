// tshark, a decoder nobody here wrote, reads our H.245 messages: no
// malformed frame, no expert warning, and the fields carry our values.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "h245Samples.h"
#include "tshark.h"
#include "valueFiller.h"

namespace {

struct expectation {
  const char* sample;
  std::map<std::string, std::string> fields;  // tshark field -> its text
};

// Alternatives print as their index; several occurrences are joined by '|'. The members of a
// capability set are tshark's h245.CapabilityTableEntryNumber.
const expectation expectations[] = {
    {"TerminalCapabilitySet with G.711 and H.263",
     {{"h245.pdu_type", "0"},
      {"h245.request", "2"},
      {"h245.sequenceNumber", "1"},
      {"h245.protocolIdentifier", "0.0.8.245.0.7"},
      {"h245.maximumAudioDelayJitter", "60"},
      {"h245.capabilityTableEntryNumber", "1|2"},
      {"h245.g711Ulaw64k", "20"},
      {"h245.qcifMPI", "2"},
      {"h245.cifMPI", "2"},
      {"h245.maxBitRate", "3840"},
      {"h245.capabilityDescriptorNumber", "0"},
      {"h245.CapabilityTableEntryNumber", "1|2"}}},
    {"TerminalCapabilitySetAck", {{"h245.pdu_type", "1"}, {"h245.response", "3"}, {"h245.sequenceNumber", "1"}}},
    {"MasterSlaveDetermination",
     {{"h245.pdu_type", "0"},
      {"h245.request", "1"},
      {"h245.terminalType", "60"},
      {"h245.statusDeterminationNumber", "12345"}}},
    {"MasterSlaveDeterminationAck", {{"h245.pdu_type", "1"}, {"h245.response", "1"}, {"h245.decision", "1"}}},
    {"OpenLogicalChannel with H.225.0 parameters",
     {{"h245.pdu_type", "0"},
      {"h245.request", "3"},
      {"h245.forwardLogicalChannelNumber", "101"},
      {"h245.g711Ulaw64k", "20"},
      {"h245.sessionID", "1"},
      {"h245.ip4_network", "127.0.0.1"},
      {"h245.tsapIdentifier", "5005"},
      {"h245.silenceSuppression", "0"}}},
    {"OpenLogicalChannelAck",
     {{"h245.pdu_type", "1"},
      {"h245.response", "5"},
      {"h245.forwardLogicalChannelNumber", "101"},
      {"h245.sessionID", "1"},
      {"h245.ip4_network", "127.0.0.2|127.0.0.2"},
      {"h245.tsapIdentifier", "5004|5005"}}},
    {"CloseLogicalChannel",
     {{"h245.pdu_type", "0"},
      {"h245.request", "4"},
      {"h245.forwardLogicalChannelNumber", "101"},
      {"h245.source", "0"}}},
    {"EndSessionCommand", {{"h245.pdu_type", "2"}, {"h245.command", "5"}, {"h245.endSessionCommand", "1"}}},
};

class tsharkReads : public testing::Test {
protected:
  void SetUp() override {
    if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  }
};

}  // namespace

TEST_F(tsharkReads, everyH245SampleWithOurValues) {
  std::vector<h245Sample> samples = h245Samples();
  std::vector<std::string> fieldNames;
  std::vector<tshark::octets> payloads;
  for (const expectation& e : expectations) {
    for (const auto& [field, text] : e.fields)
      if (std::find(fieldNames.begin(), fieldNames.end(), field) == fieldNames.end()) fieldNames.push_back(field);
    auto sample = std::find_if(samples.begin(), samples.end(), [&](const h245Sample& s) { return s.name == e.sample; });
    ASSERT_NE(sample, samples.end()) << e.sample;
    payloads.push_back(perOctets(*sample->message));
  }
  ASSERT_EQ(payloads.size(), samples.size());
  tshark::result r = tshark::dissectAs("h245dg", payloads, fieldNames);
  ASSERT_TRUE(r.ran) << r.failure;
  for (size_t i = 0; i < payloads.size(); ++i) {
    const expectation& e = expectations[i];
    const tshark::frame& f = r.frames[i];
    EXPECT_EQ(f.malformed, "") << e.sample << "\n" << tshark::verboseText("h245dg", payloads[i]);
    EXPECT_EQ(f.expert, "") << e.sample;
    for (const auto& [field, text] : e.fields) {
      size_t column = size_t(std::find(fieldNames.begin(), fieldNames.end(), field) - fieldNames.begin());
      EXPECT_EQ(f.fields[column], text) << e.sample << ", " << field;
    }
  }
}

// tshark (4.0) takes the length octet of MaxRedundancy, INTEGER (1..MAX),
// for the offset: it shows 1 + the octet count whatever follows, so it
// cannot attest the number (h245Redundancy_test pins the octets worked out
// by hand). It does attest the rest: the open type holds exactly the
// capability, the alternative and the protected entry are read as set.
TEST_F(tsharkReads, fecCapabilityWithMaxRedundancy) {
  struct {
    int format;
    uint32_t value;
    const char* field;
  } const cases[] = {
      {0, 1, "h245.rfc2733rfc2198"},      {1, 3, "h245.rfc2733sameport"},          {2, 257, "h245.rfc2733diffport"},
      {1, 65537, "h245.rfc2733sameport"}, {0, 4294967295u, "h245.rfc2733rfc2198"},
  };
  const std::vector<std::string> fieldNames = {"h245.capability",      "h245.protectedCapability",
                                               "h245.rfc2733Format",   "h245.rfc2733rfc2198",
                                               "h245.rfc2733sameport", "h245.rfc2733diffport"};
  std::vector<tshark::octets> payloads;
  for (const auto& c : cases) payloads.push_back(perOctets(*fecCapabilitySet(c.format, c.value)));
  tshark::result r = tshark::dissectAs("h245dg", payloads, fieldNames);
  ASSERT_TRUE(r.ran) << r.failure;
  for (size_t i = 0; i < payloads.size(); ++i) {
    const auto& c = cases[i];
    const tshark::frame& f = r.frames[i];
    SCOPED_TRACE(c.value);
    EXPECT_EQ(f.malformed, "") << tshark::verboseText("h245dg", payloads[i]);
    EXPECT_EQ(f.expert, "");
    EXPECT_EQ(f.fields[0], "26");
    EXPECT_EQ(f.fields[1], "1");
    EXPECT_EQ(f.fields[2], std::to_string(c.format));
    for (size_t column = 3; column < fieldNames.size(); ++column)
      EXPECT_EQ(f.fields[column].empty(), fieldNames[column] != c.field) << fieldNames[column];
  }
}

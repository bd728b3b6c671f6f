// tshark, a decoder nobody here wrote, reads the messages we build for a
// routed call, each in a TPKT of its own on TCP port 1720.
#include <gtest/gtest.h>

#include <h323/q931/elements.h>
#include <h323/q931/message.h>

#include "orvoTesting.h"
#include "q931Octets.h"
#include "q931Tshark.h"
#include "q931Samples.h"

using namespace q931Testing;

namespace {

const std::vector<std::string> fields = {
    "q931.call_ref",      "q931.call_ref_flag",        "q931.message_type",
    "q931.cause_value",   "q931.cause_location",       "q931.called_party_number.digits",
    "q931.calling_party_number.digits", "h225.h323_message_body", "q931.display_information",
    "q931.information_transfer_capability", "q931.uil1", "q931.progress_indicator.description",
    "q931.call_state",    "q931.presentation_ind",     "q931.screening_ind",
};

// tshark's texts for the fields below, "" where absent, for each of the
// routed-call messages in their order.
const std::vector<std::vector<std::string>> expected = {
      {"1234", "0", "0x05", "", "", "5678", "1234", "0", "Orvo caller", "0x08", "0x05", "", "", "0x01", "0x03"},
      {"1234", "1", "0x02", "", "", "", "", "1", "", "", "", "", "", "", ""},
      {"1234", "1", "0x01", "", "", "", "", "3", "", "", "", "0x08", "", "", ""},
      {"1234", "1", "0x07", "", "", "", "", "2", "Orvo callee", "", "", "", "", "", ""},
      {"0042", "0", "0x5a", "17", "1", "", "", "5", "", "", "", "", "", "", ""},
      {"0123", "0", "0x62", "", "", "", "", "6", "", "", "", "", "", "", ""},
      {"0001", "1", "0x03", "", "", "", "", "7", "", "", "", "0x01", "", "", ""},
      {"7fff", "1", "0x7d", "30", "10", "", "", "9", "", "", "", "", "0x0a", "", ""},
};
}  // namespace

TEST(tsharkReads, theMessagesOfARoutedCall) {
  if (!tshark::toolsAvailable()) GTEST_SKIP() << "tshark or text2pcap not installed";
  std::vector<routedCallMessage> messages = routedCallMessages();
  ASSERT_EQ(messages.size(), expected.size());
  std::vector<tshark::octets> wires;
  for (const routedCallMessage& b : messages) wires.push_back(fromHex(encodeMessage(b.build())));
  tshark::result r = dissectCallSignalling(wires, fields);
  ASSERT_TRUE(r.ran) << r.failure;
  for (size_t i = 0; i < messages.size(); ++i) {
    SCOPED_TRACE(messages[i].name);
    EXPECT_EQ(r.frames[i].malformed, "") << toHex(wires[i]);
    EXPECT_EQ(r.frames[i].expert, "");
    for (size_t f = 0; f < fields.size(); ++f) EXPECT_EQ(r.frames[i].fields[f], expected[i][f]) << fields[f];
  }
}
